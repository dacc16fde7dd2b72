// The trade screen over the board seen from above: a person composes a deal
// with another player (properties clicked on the board, cash on either
// side) and proposes it, or, when a deal waits for a person's answer, that
// person sees it whole and accepts or refuses it. The game waits meanwhile.
#pragma once

#include <functional>

#include "game.h"
#include "gl_text.h"
#include "screen.h"
#include "trade_form.h"

// What the screen's choices do; the application acts between two steps.
struct TradeActions {
    std::function<bool(const Deal&)> propose;  // true once the deal is put
    std::function<void(bool)> answer;          // the partner's accept or refuse
};

class CTradeScreen : public CScreen {
public:
    CTradeScreen(CScreenStack& stack, const CGame& game, glText& text, TradeActions actions)
        : m_Stack(stack), m_Text(text), m_Actions(std::move(actions)), m_Form(game)
    {
    }

    // Opens the screen to compose a deal of the current player.
    void Compose();
    // Opens the screen on the pending deal, for its partner to answer.
    void Answer();

    void OnKey(const InputEvent& key) override;
    void OnSpecialKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void Draw() override;

private:
    void Act(CTradeForm::Outcome outcome);
    void DrawItem(const TradeItem& item);

    CScreenStack& m_Stack;
    glText& m_Text;
    TradeActions m_Actions;
    CTradeForm m_Form;
};
