// Exchanges asked for by a human: the property wanted, then either the other
// human's pick in return or a computer owner's priced offer.
#include "game.h"

// Nobody may take a street out of a group that carries buildings.
bool CGame::Tradable(int p) const
{
    return properties[p].owner >= 0 && !GroupHasBuildings(p);
}

void CGame::TradeStep()
{
    if (inputMode == kTradeWantedPick)
        WantedPick();
    else if (inputMode == kTradeOfferedPick)
        OfferedPick();
    else if (inputMode == kPricedOffer)
        ComputerAnswerTrade(tradeWanted);
}

void CGame::WantedPick()
{
    showSquare = 0;
    RefreshAndRoll();
    ShowText("Choisissez la propriete que vous voulez");
    tradeWanted = ChooseProperty();
    if (tradeWanted < 0) {
        LeavesPick();
        return;
    }
    const int owner = properties[tradeWanted].owner;
    inputMode = kNoInput;
    if (!Tradable(tradeWanted) || owner == current)
        return;
    showSquare = 0;
    RefreshAndRoll();
    if (players[owner].computer)
        ComputerAnswerTrade(tradeWanted);
    else
        inputMode = kTradeOfferedPick;
}

// The owner names what it wants in return. A click on no property (a
// corner, a card or tax square, or off the board) calls the exchange off,
// so that an asking player with nothing to give cannot hold up the game.
void CGame::OfferedPick()
{
    const int owner = properties[tradeWanted].owner;
    Say("%s choisissez la propriete que vous voulez", players[owner].name);
    tradeOffered = ChooseProperty();
    if (tradeOffered < 0 && m_pFrame->LastMouse().pressed) {
        inputMode = kNoInput;
        tradeWanted = -1;
        return;
    }
    if (tradeOffered < 0 || !Tradable(tradeOffered) || properties[tradeOffered].owner != current)
        return;
    if (confirmSales) {
        // A fresh question: no earlier answer may settle it.
        inputMode = kNoInput;
        pendingSwap = 1;
        ConfirmSwap();
        return;
    }
    ExchangeProperties(owner, tradeOffered, tradeWanted);
    inputMode = kNoInput;
    tradeWanted = -1;
    tradeOffered = -1;
}

// The player who asked sees the whole exchange once the owner has chosen,
// and says yes or no to it.
void CGame::ConfirmSwap()
{
    const int owner = properties[tradeWanted].owner;
    Format("Échanger %s contre %s avec %s ?", properties[tradeOffered].name, properties[tradeWanted].name,
           players[owner].name);
    const Reply reply = AskQuestion();
    if (reply == Reply::kPending)
        return;
    if (reply == Reply::kYes)
        ExchangeProperties(owner, tradeOffered, tradeWanted);
    else
        ShowText("Annulé");
    pendingSwap = 0;
    tradeWanted = -1;
    tradeOffered = -1;
}

void CGame::ExchangeProperties(int owner, int offered, int wanted)
{
    properties[offered].owner = owner;
    properties[wanted].owner = current;
}

// The offer is a question like the yes/no ones: it stays pending across
// ticks, and each tick first looks for the click that answers it.
CGame::Reply CGame::ConfirmPricedSwap(int wanted, int offered)
{
    const int computer = properties[wanted].owner;
    const int price = TradeValue(wanted, offered);
    if (players[current].money - price < 0 || players[computer].money + price < 0)
        return Reply::kNo;

    const bool pending = inputMode == kPricedOffer && tradeOffered == offered;
    const Reply reply = pending ? OfferClick() : Reply::kPending;
    if (reply == Reply::kPending) {
        if (!pending) {
            inputMode = kPricedOffer;
            tradeWanted = wanted;
            tradeOffered = offered;
            tradePrice = price;
            m_bOfferArmed = !m_pFrame->LastMouse().pressed;
        }
        ShowOffer();
        return reply;
    }
    inputMode = kNoInput;
    if (reply == Reply::kYes) {
        players[current].money -= price;
        players[computer].money += price;
        properties[offered].owner = computer;
        properties[wanted].owner = current;
    }
    return reply;
}

CGame::Reply CGame::OfferClick()
{
    const MouseEvent mouse = m_pFrame->LastMouse();
    if (!mouse.pressed) {
        m_bOfferArmed = true;
        return Reply::kPending;
    }
    if (m_bOfferArmed && kAcceptSquare.Holds(mouse))
        return Reply::kYes;
    if (m_bOfferArmed && kRefuseSquare.Holds(mouse))
        return Reply::kNo;
    return Reply::kPending;
}

void CGame::ShowOffer()
{
    const int computer = properties[tradeWanted].owner;
    m_pFrame->DrawOffer({computer, current, tradeWanted, tradeOffered, tradePrice});
    Say("%s propose un echange", players[computer].name);
}
