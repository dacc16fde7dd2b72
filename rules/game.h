// The state of one game and the rules that change it.
//
// The frame calls Step once per idle tick. A step runs as much of the turn
// as it can; when it needs a person's answer it sets `inputMode` and returns,
// and the next step resumes because every rule re-tests its own situation.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <vector>

#include "computer_level.h"
#include "deal.h"
#include "frame.h"
#include "player.h"
#include "random.h"
#include "tables.h"
#include "worth_history.h"

struct Card;
struct CardEffect;
struct Deck;

// The creditor of a payment to the bank.
constexpr int kBank = -1;

// What a payment is for: told in full when the payer cannot pay it.
struct Debt {
    const char* what = nullptr;  // "de loyer", "d'impôt", ...; null: not said
    int property = -1;           // the property it concerns, or -1
};

constexpr int kChestCards = 15;
constexpr int kChanceCards = 16;
// Room for the longest line the rules say: a bankruptcy explained names
// two players, a sum, a property and its cause.
constexpr int kMessageSize = 160;
// Said when the turn limit ends the game, with the limit.
constexpr char kLimitReached[] = "Partie terminée : limite de %d tours";

// What the step waits for (`inputMode`).
enum InputMode : int32_t {
    kNoInput = 0,
    kYesNo = 1,
    kInspectPick = 2,
    kBuildPick = 3,
    kTradeWantedPick = 4,
    kTradeOfferedPick = 5,
    kMortgagePick = 6,
    kLiftPick = 7,
    // A computer player's priced exchange waits for the accept or refuse click.
    kPricedOffer = 8,
    // A deal waits for the accept or refuse of its partner, a person.
    kDealAnswer = 9,
};

// The human actions of the lower strip (`action`).
enum Action : int32_t {
    kNoAction = -1,
    kActionOverview = 0,
    kActionOptions = 1,
    kActionInspect = 2,
    kActionThrow = 3,
    kActionThrowRight = 4,
    kActionTrade = 5,
    kActionBuild = 6,
    kActionMortgage = 7,
    kActionLift = 8,
};
constexpr int kActionCount = 9;

// Where a click chooses an action: x in [x, x + 40], y in [y, y + 35].
struct ActionZone {
    int x, y;
};
extern const ActionZone actionZones[kActionCount];

// The action that a press (zones first, in order) or else a typed key
// chooses, or kNoAction.
int ChosenAction(const MouseEvent& mouse, char key);

// Everything a game is at one moment, and nothing that talks to the players:
// a plain value that can be copied, so that a save is made from a copy while
// the game goes on.
struct GameState {
    // In the order the players' screen reads it.
    int32_t showSquare = 1;
    char message[kMessageSize] = {};
    int32_t moveSteps = 0;
    int32_t doublesCount = 0;
    int32_t parkingPot = 0;
    int32_t gameOver = 0;
    int32_t action = kNoAction;
    int32_t chestNext = 0;
    int32_t chanceNext = 0;
    int32_t chestOrder[kChestCards] = {};
    int32_t chanceOrder[kChanceCards] = {};
    int32_t jailCardHolder[2] = {-1, -1};  // [0] chest's card, [1] chance's
    int32_t rollState = 0;
    int32_t die1 = 1;
    int32_t die2 = 1;
    int32_t current = 0;
    int32_t playerCount = 2;
    Player setupPlayers[kPlayerSlots] = {};

    Player players[kPlayerSlots] = {};
    Property properties[kPropertyCount] = {};

    // The dialogue with the frame.
    int32_t inputMode = kNoInput;
    char answer = ' ';
    int32_t playerEliminated = 0;
    // The two picks of an exchange between players, -1 when none is under way.
    // While a priced offer is pending they are the computer's property and
    // the human's, and `tradePrice` what the human pays (below 0: receives).
    int32_t tradeWanted = -1;
    int32_t tradeOffered = -1;
    int32_t tradePrice = 0;
    // Every player's worth at the start and after every turn.
    CWorthHistory worthHistory;
    // After this many rounds the richest player wins; 0 plays on until one
    // player is left. A round ends when the turn comes back to the first.
    int32_t turnLimit = 0;
    int32_t roundsPlayed = 0;
    // A person confirms, before it happens, a mortgage that sells a group's
    // buildings and the mortgages a purchase would take.
    int32_t confirmSales = 0;
    // The property whose mortgage waits for that confirmation, or -1.
    int32_t pendingSale = -1;
    // An exchange between people waits for the asking player's yes.
    int32_t pendingSwap = 0;
    // A deal proposed and not yet answered; its asker is -1 when none is.
    Deal pendingDeal;
    // By seat, the first round at which that computer player may propose a
    // deal again: a person is not pestered every turn.
    int32_t nextDealRound[kMaxPlayers] = {};
    // Every deal the computer players proposed, their sides named by seats,
    // so that none is proposed twice.
    std::vector<Deal> proposedDeals;
    // Strong computer players propose deals to other computer players too,
    // as to people; for games between computers.
    int32_t computerDeals = 0;
    bool EndedOnLimit() const;

protected:
    // A save carries the private memory of the turn below.
    friend struct SaveAccess;

    // A human's refusal of the prison card, remembered for the rest of the
    // turn while the fine question is pending.
    bool m_bCardRefused = false;
    // A click answers a priced offer only once the button was up since the
    // offer was put: the press that asked for the property does not count.
    bool m_bOfferArmed = false;
};

class CGame : public GameState {
public:
    CGame(CFrame& frame, CRandom& random);
    virtual ~CGame() = default;

    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // --- Set-up ---
    // Everything as before the first game: no one seated, every deed fresh.
    void ClearTable();
    void ResetPlayers();
    void ResetProperties();
    void ShuffleDecks();
    void NewGame();
    void ThrowDice();

    // --- The turn ---
    void Step();
    void ReadHumanAction();
    void RefreshAndRoll();
    void AdvanceOneSquare(int player);
    void JailExit();
    void Land();
    int ChooseProperty();

    // The answer to the yes/no question formatted in `message`.
    enum class Reply { kYes, kNo, kPending };
    Reply AskQuestion();

    // --- Landing ---
    void LandOnProperty();
    void LandOnSpecial();

    // --- Cards ---
    void DrawChance();
    void DrawChest();

    // --- Groups, buildings and mortgages ---
    bool OwnsGroup(int p) const;
    bool SameGroup(int p, int q) const;
    bool GroupHasBuildings(int p) const;
    bool BuildHouse(int p);
    int SellHouse(int p, int player);
    int SellHouse(int p);
    static int LiftCost(int p);
    void InspectPick();
    void BuildPick();
    // Leaves the pick on a press beside every property.
    void LeavesPick();
    // Why the current player may not build on `p`, or null.
    const char* BuildRefusal(int p) const;
    bool MortgagePick();
    bool ConfirmSale();
    // Mortgages p, selling its group's buildings first.
    void Mortgage(int p);
    bool LiftPick();

    // --- Trading ---
    void TradeStep();
    void ExchangeProperties(int owner, int offered, int wanted);
    void ConfirmSwap();
    // Puts the computer's offer of `wanted` against `offered` to the human
    // and reads the click that answers it, one tick at a time.
    Reply ConfirmPricedSwap(int wanted, int offered);

    // --- Deals ---
    // Puts a deal from the trade screen, between steps, on the asker's turn
    // before the throw; false, with the refusal said, when it cannot be done.
    // The next step puts it to the partner: a computer answers at once, a
    // person on the trade screen while the step waits (kDealAnswer).
    bool ProposeDeal(const Deal& deal);
    // A person's answer to the pending deal, between steps; the next step
    // does it or says the refusal.
    void AnswerDeal(bool accepted);
    // Properties, with their mortgages, and cash change hands at once.
    void ApplyDeal(const Deal& deal);
    // Whether a computer player already proposed this deal, whatever its cash.
    bool DealProposedBefore(const Deal& deal) const;

    // --- The computer player ---
    // The entry points ask the strategy of the player's level.
    const CComputerStrategy& Strategy(int player) const;
    void ComputerTurnStart();
    void ComputerTrades();
    void SwapProperties(int a, int b);
    // Exchanges a and b, B (b's owner) paying A `value`, when both can pay
    // and the owner who is not the current player agrees; true if done.
    bool SwapAtPrice(int a, int b, int value);
    int TradeValue(int a, int b) const;
    // The part of the exchange price that depends on the two owners alone:
    // their whole groups and the gap between their cash.
    int OwnersTradeValue(int ownerA, int ownerB) const;
    bool MoneyTight() const;
    bool WouldOwnGroup(int p, int player) const;
    bool NoDearBuildings(int minimum) const;
    void LiftMortgages();
    void LiftMortgage(int p);
    // Builds evenly in every whole group while a house leaves at least
    // `keep` in hand.
    void BuildEverywhere(int64_t keep);
    void ComputerBuy(int p);
    void ComputerBuyShort(int p);
    bool ComputerUsesJailCard();
    bool ComputerPaysJail();
    void ComputerAnswerTrade(int q);

    // --- Payments ---
    int PayFrom(int payer, int amount, int creditor, const Debt& debt = {});
    int Pay(int amount, int creditor, const Debt& debt = {});
    void EliminatePlayer(int p);
    void RestoreSetupPlayers();
    std::string MortgagesToRaise(int amount) const;
    // One line before the bankruptcy: who owes what to whom, and why.
    void SayBankruptcy(int payer, int amount, int creditor, const Debt& debt);

    // --- Talking to the players ---
    void ShowMessage();
    void ShowText(const char* text);
    char AskYesNo();
    // Formats into `message`, cut to fit, and shows it.
    void Say(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Formats into `message`, cut to fit, without showing it.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FlyToOverview();

private:
    // The step under way began a pick: its own click does not leave it.
    bool m_bPickBegun = false;

    bool StartTurn(int32_t firstAction);
    void FormatArgs(const char* format, va_list args);
    int PromptedPick(const char* title);
    bool ThrowAndWalk();
    void PassTurn();
    bool OfferJailCard(int card);
    void OfferJailFine();
    void ApplyAction();
    bool RaiseMoney(int payer);
    void MortgageToPay(int p);
    void HandOverEstate(int payer, int creditor, int left);
    bool GroupIsBare(int p) const;
    void EndOnLimit();

    // Landing on a square.
    int32_t RentOf(int p) const;
    void CollectRent(int p);
    int64_t WorthAfterBuying(int p) const;
    void OfferPurchase(int p);
    void PayTax(int32_t tax, const char* announcement);
    void CollectPot();
    void GoToPrison();

    // The card decks.
    void DrawCard(const Deck& deck, const int32_t* order, int32_t& next);
    void ShowCardLines(const Card& card);
    void ApplyCard(const CardEffect& effect, int holderSlot);
    void MoveByCard(int square, float seconds, bool refresh);
    void CollectBirthday(int32_t amount);
    int IndexOfSeat(int32_t seat) const;
    void PayRepairs(int32_t perHouse, int32_t perHotel);

    // The computer player's purchases.
    void BuyForComputer(int p);

    // Trading.
    bool Tradable(int p) const;
    void WantedPick();
    void OfferedPick();
    Reply OfferClick();
    void ShowOffer();

    // Deals.
    const char* ProposalRefusal(const Deal& deal) const;
    // Puts the pending deal to its partner or settles it; true when it is
    // settled and a computer player's turn goes on.
    bool DealStep();
    // The partner's level accepts the deal or says why not.
    void ComputerAnswersDeal(const Deal& deal);
    // Does an accepted deal and tells it.
    void SettleDeal(const Deal& deal);
    // The deal with its two players named by their seats.
    Deal DealBySeats(const Deal& deal) const;
    // A strong computer player's deal at the start of its turn; true while
    // it waits for a person's answer.
    bool ComputerProposesDeal();

    // The computer player's swaps.
    bool CompleteGroupsSwap();
    void RandomSwaps();
    void AnnounceSwap(int a, int b, int value);

    CFrame* m_pFrame;
    CRandom* m_pRandom;
};
