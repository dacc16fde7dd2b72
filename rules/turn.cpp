// One tick of the game: the human's action, the prison, the throw, the walk
// and the landing, resumed from tick to tick while a person has to answer.
#include <cstring>

#include "game.h"

namespace {

constexpr int32_t kJailFine = 5000;
constexpr float kSquareWalkSeconds = 0.5f;
constexpr float kThreeDoublesWalkSeconds = 1.5f;
const char kActionKeys[] = "doithqbmu";
const char kActionKeysUpper[] = "DOITHQBMU";

bool InZone(const ActionZone& zone, const MouseEvent& mouse)
{
    return mouse.x >= zone.x && mouse.x <= zone.x + 40 && mouse.y >= zone.y &&
           mouse.y <= zone.y + 35;
}

int ActionOfKey(char key)
{
    for (int i = 0; i < kActionCount; ++i)
        if (key == kActionKeys[i] || key == kActionKeysUpper[i])
            return i;
    return kNoAction;
}

}  // namespace

int ChosenAction(const MouseEvent& mouse, char key)
{
    if (mouse.pressed)
        for (int i = 0; i < kActionCount; ++i)
            if (InZone(actionZones[i], mouse))
                return i;
    return key != 0 ? ActionOfKey(key) : kNoAction;
}

void CGame::Step()
{
    if (gameOver)
        return;
    // A deal is settled before anything else; a computer's turn goes on
    // after the answer to its own proposal.
    if (pendingDeal.asker >= 0 && !DealStep())
        return;
    // A pending question is answered by its own click, not by an action.
    const int32_t modeBefore = inputMode;
    if (inputMode != kYesNo && inputMode != kPricedOffer)
        ReadHumanAction();
    const int32_t firstAction = action;
    m_bPickBegun = inputMode != modeBefore;
    if (pendingSale >= 0) {
        ConfirmSale();
        return;
    }
    if (pendingSwap) {
        ConfirmSwap();
        return;
    }

    if (inputMode == kMortgagePick && !MortgagePick())
        return;
    if (inputMode == kLiftPick && !LiftPick())
        return;
    if (inputMode == kTradeWantedPick || inputMode == kTradeOfferedPick ||
        inputMode == kPricedOffer) {
        TradeStep();
        return;
    }
    if (inputMode == kInspectPick) {
        // The click that chose the look lies off the board: it must not end
        // the look on the very tick that started it.
        if (firstAction != kActionInspect)
            InspectPick();
        return;
    }
    if (inputMode == kBuildPick) {
        BuildPick();
        return;
    }
    if (inputMode == kNoInput && !StartTurn(firstAction))
        return;

    JailExit();
    const bool turnGoesOn = inputMode != kNoInput || ThrowAndWalk();
    if (turnGoesOn)
        Land();
    if (inputMode != kNoInput)
        return;
    if (doublesCount == 0 && !gameOver)
        PassTurn();
    // A double gives the same player another throw within the same turn.
    if (doublesCount == 0)
        worthHistory.Record(*this);
    if (turnLimit > 0 && roundsPlayed >= turnLimit && !gameOver)
        EndOnLimit();
    m_pFrame->BetweenTurns();
}

// Starts a turn; false while a human has not asked for the dice.
bool CGame::StartTurn(int32_t firstAction)
{
    if (players[current].computer) {
        RefreshAndRoll();
        if (ComputerProposesDeal())
            return false;
        ComputerTurnStart();
        return true;
    }
    action = kNoAction;
    ReadHumanAction();
    // A typed key was consumed by the first reading of this tick; a player
    // who typed the throw key still expects the dice to roll.
    if (action == kNoAction)
        action = firstAction;
    return action == kActionThrow;
}

// Throws and walks the current player; false when the throw put the player
// out of the game.
bool CGame::ThrowAndWalk()
{
    playerEliminated = 0;
    rollState = 1;
    RefreshAndRoll();
    if (playerEliminated || gameOver)
        return false;
    if (doublesCount != 0)
        ShowText("Vous avez des doubles!");
    if (players[current].jail != 0)
        return true;
    for (int i = 0; i < moveSteps; ++i) {
        AdvanceOneSquare(current);
        m_pFrame->MovePawnTo(current, players[current].square, kSquareWalkSeconds);
        RefreshAndRoll();
    }
    return true;
}

void CGame::PassTurn()
{
    m_bCardRefused = false;
    current += 1;
    if (current >= playerCount) {
        current = 0;
        roundsPlayed += 1;
    }
    m_pFrame->RegardePion(current);
}

void CGame::ReadHumanAction()
{
    const MouseEvent mouse = m_pFrame->LastMouse();
    action = ChosenAction(mouse, m_pFrame->TakeKey());
    ApplyAction();
}

void CGame::ApplyAction()
{
    switch (action) {
    case kActionInspect:
        inputMode = kInspectPick;
        break;
    case kActionThrow:
    case kActionThrowRight:
        action = kActionThrow;
        RefreshAndRoll();
        break;
    case kActionTrade:
        FlyToOverview();
        inputMode = kTradeWantedPick;
        break;
    case kActionBuild:
        FlyToOverview();
        inputMode = kBuildPick;
        break;
    case kActionMortgage:
        FlyToOverview();
        inputMode = kMortgagePick;
        break;
    case kActionLift:
        FlyToOverview();
        inputMode = kLiftPick;
        break;
    default:
        break;
    }
}

void CGame::RefreshAndRoll()
{
    Player& player = players[current];
    if (showSquare) {
        if (squareToProperty[player.square] >= 0) {
            m_pFrame->LoadPicture(player.square);
            m_pFrame->Redraw();
        } else if (player.jail != 0) {
            ShowText("En Prison");
        }
    }
    showSquare = 1;
    if (rollState != 1)
        return;

    ThrowDice();
    rollState = 2;
    if (die1 == die2 && player.jail != 0) {
        player.jail = 0;
        doublesCount = 0;
    } else if (die1 == die2) {
        if (++doublesCount == 3) {
            player.square = kPrisonSquare;
            player.jail = 1;
            moveSteps = 0;
            doublesCount = 0;
            ShowText("3 doubles, Allez en prison !");
            m_pFrame->MovePawnTo(current, kPrisonSquare, kThreeDoublesWalkSeconds);
        }
    } else {
        doublesCount = 0;
        if (player.jail != 0 && ++player.jail == 4) {
            player.jail = 0;
            Pay(kJailFine, kBank, {"d'amende de prison"});
        }
    }
}

void CGame::AdvanceOneSquare(int player)
{
    Player& who = players[player];
    if (++who.square == kSquareCount) {
        who.square = kStartSquare;
        who.money += kStartBonus;
    }
}

void CGame::JailExit()
{
    if (players[current].jail == 0)
        return;
    RefreshAndRoll();
    int card = -1;
    if (jailCardHolder[0] == current)
        card = 0;
    if (jailCardHolder[1] == current)
        card = 1;
    if (m_bCardRefused)
        card = -1;
    if (card != -1 && !OfferJailCard(card))
        return;
    if (players[current].jail != 0 && players[current].money >= kJailFine)
        OfferJailFine();
}

// Offers the prison card; false while a human's answer is pending.
bool CGame::OfferJailCard(int card)
{
    Player& player = players[current];
    if (player.computer) {
        if (ComputerUsesJailCard()) {
            jailCardHolder[card] = -1;
            player.jail = 0;
            Say("%s utilise la carte Sortie de Prison", player.name);
        }
        return true;
    }
    Format("Voulez-vous utiliser la carte Sortie de Prison?");
    switch (AskQuestion()) {
    case Reply::kYes:
        jailCardHolder[card] = -1;
        player.jail = 0;
        return true;
    case Reply::kNo:
        m_bCardRefused = true;
        return true;
    default:
        return false;
    }
}

void CGame::OfferJailFine()
{
    Player& player = players[current];
    bool pays = false;
    if (player.computer) {
        pays = ComputerPaysJail();
    } else {
        Format("Voulez-vous sortir de prison pour 5000F ?");
        pays = AskQuestion() == Reply::kYes;
    }
    if (pays) {
        player.money -= kJailFine;
        player.jail = 0;
    }
}

CGame::Reply CGame::AskQuestion()
{
    if (inputMode == kNoInput)
        answer = ' ';
    const char reply = AskYesNo();
    if (reply == 'y' || reply == 'Y') {
        inputMode = kNoInput;
        return Reply::kYes;
    }
    if (reply == 'n' || reply == 'N') {
        inputMode = kNoInput;
        return Reply::kNo;
    }
    return Reply::kPending;
}

// Each rule reads the square as the rules before it left it, so a card that
// moves the pawn hands the new square to the rules after it.
void CGame::Land()
{
    using Rule = void (CGame::*)();
    static const Rule chain[] = {&CGame::DrawChance, &CGame::DrawChest, &CGame::LandOnProperty,
                                 &CGame::LandOnSpecial};
    playerEliminated = 0;
    for (Rule rule : chain) {
        if (gameOver || playerEliminated)
            return;
        (this->*rule)();
    }
}

int CGame::ChooseProperty()
{
    showSquare = 0;
    RefreshAndRoll();
    const MouseEvent mouse = m_pFrame->OnBoardFromAbove(m_pFrame->LastMouse());
    const int p = PropertyAt(mouse.x, mouse.y);
    showSquare = 0;
    RefreshAndRoll();
    if (p >= 0) {
        ShowText(properties[p].name);
        m_pFrame->LoadPicture(propertySquare[p]);
    }
    return p;
}

void CGame::InspectPick()
{
    if (ChooseProperty() < 0 && m_pFrame->LastMouse().pressed)
        inputMode = kNoInput;
}
