#include "trade_screen.h"

#include <GL/gl.h>

#include <algorithm>

#include "bourgade3d.h"
#include "message_layout.h"
#include "overlays.h"
#include "status_panel.h"

namespace {

constexpr float kTextScale = 0.6f;
// The box behind the form: the centre of the board seen from above.
constexpr int kBoxLeft = 82;
constexpr int kBoxRight = 418;
constexpr int kBoxTop = 82;
constexpr int kBoxBottom = 418;
// The box's margin under its last line.
constexpr int kBoxMargin = 6;
// A chip's square, in layout pixels from its row's corner.
constexpr int kChipInset = 2;
constexpr int kChipSide = 9;

struct Rgb {
    float r, g, b;
};

constexpr Rgb kWhite = {1, 1, 1};
constexpr Rgb kDim = {0.72f, 0.72f, 0.76f};
constexpr Rgb kNoteYellow = {1, 1, 0.6f};
constexpr Rgb kOffGrey = {0.5f, 0.5f, 0.5f};

void FillLayoutRect(int left, int top, int right, int bottom, Rgb rgb, float alpha)
{
    FillFontRect(BoardFontX(left), BoardFontY(bottom + 1), BoardFontX(right + 1), BoardFontY(top), rgb.r, rgb.g,
                 rgb.b, alpha);
}

// A button's face: green for the yes of the screen, red for its no.
Rgb ButtonFace(const TradeItem& item)
{
    using Act = TradeItem::Act;
    if (item.kind == TradeItem::Kind::kOffButton)
        return {0.22f, 0.22f, 0.24f};
    if (item.kind == TradeItem::Kind::kChosenPartner)
        return {0.2f, 0.42f, 0.8f};
    if (item.act == Act::kPropose || item.act == Act::kAccept)
        return {0.1f, 0.5f, 0.15f};
    if (item.act == Act::kCancel || item.act == Act::kRefuse)
        return {0.6f, 0.12f, 0.1f};
    return {0.26f, 0.3f, 0.42f};
}

Rgb TextColour(TradeItem::Kind kind)
{
    switch (kind) {
    case TradeItem::Kind::kDim:
        return kDim;
    case TradeItem::Kind::kNote:
        return kNoteYellow;
    case TradeItem::Kind::kOffButton:
        return kOffGrey;
    default:
        return kWhite;
    }
}

bool HasFace(TradeItem::Kind kind)
{
    return kind != TradeItem::Kind::kText && kind != TradeItem::Kind::kDim && kind != TradeItem::Kind::kNote;
}

}  // namespace

void CTradeScreen::Compose()
{
    m_Form.Compose();
    m_Stack.Push(*this);
}

void CTradeScreen::Answer()
{
    m_Form.Answer();
    m_Stack.Push(*this);
}

void CTradeScreen::Act(CTradeForm::Outcome outcome)
{
    switch (outcome) {
    case CTradeForm::Outcome::kPropose:
        if (m_Actions.propose(m_Form.Current()))
            m_Stack.Pop();
        break;
    case CTradeForm::Outcome::kAccept:
    case CTradeForm::Outcome::kRefuse:
        m_Stack.Pop();
        m_Actions.answer(outcome == CTradeForm::Outcome::kAccept);
        break;
    case CTradeForm::Outcome::kLeave:
        m_Stack.Pop();
        break;
    default:
        break;
    }
}

void CTradeScreen::OnKey(const InputEvent& key)
{
    Act(m_Form.Key(key.key));
}

void CTradeScreen::OnSpecialKey(const InputEvent& key)
{
    m_Form.Special(key.special);
}

// A press on the board is read as the picks read it, on the board seen
// from above.
void CTradeScreen::OnPress(const InputEvent& press)
{
    if (press.button != kLeftButton)
        return;
    const MouseEvent onBoard = BoardPointFromAbove({press.x, press.y, true});
    const int property = press.x < 500 ? PropertyAt(onBoard.x, onBoard.y) : -1;
    Act(m_Form.Click(press.x, press.y, property));
}

void CTradeScreen::DrawItem(const TradeItem& item)
{
    const TradeRect& r = item.rect;
    if (item.kind == TradeItem::Kind::kChip) {
        const DeedRgb deed = DeedColour(item.value, item.mortgaged);
        FillLayoutRect(r.left + kChipInset, r.top + kChipInset, r.left + kChipInset + kChipSide,
                       r.top + kChipInset + kChipSide, {deed.r, deed.g, deed.b}, 1.0f);
        return;
    }
    if (HasFace(item.kind))
        FillLayoutRect(r.left, r.top, r.right, r.bottom, ButtonFace(item), 1.0f);
    const Rgb colour = TextColour(item.kind);
    const int x = static_cast<int>(BoardFontX(HasFace(item.kind) ? r.left + 3 : r.left));
    // The glyphs' black ground adds nothing: the letters lie on the face.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(colour.r, colour.g, colour.b);
    m_Text.Print(x, static_cast<int>(BoardFontY(r.bottom)) + 1, item.text.c_str(), 0, kTextScale);
    glDisable(GL_BLEND);
}

// The box is only as tall as what it holds: the board shows under it.
void CTradeScreen::Draw()
{
    const std::vector<TradeItem> items = m_Form.Items();
    int bottom = kBoxTop;
    for (const TradeItem& item : items)
        bottom = std::max(bottom, item.rect.bottom + kBoxMargin);
    FillLayoutRect(kBoxLeft, kBoxTop, kBoxRight, std::min(bottom, kBoxBottom), {0, 0, 0.1f}, 0.85f);
    for (const TradeItem& item : items)
        DrawItem(item);
}
