// Deals between two players: put on the asker's turn, answered by the
// partner at the next step (a computer by its level, a person on the trade
// screen), and done at once, or refused with the reason said.
#include <algorithm>

#include "game.h"

namespace {

// A computer player proposes at most one deal in this many of its turns.
constexpr int32_t kRoundsBetweenProposals = 5;

}  // namespace

bool CGame::ProposeDeal(const Deal& deal)
{
    const char* early = ProposalRefusal(deal);
    const std::string refusal = early != nullptr ? early : DealRefusal(*this, deal);
    if (!refusal.empty()) {
        ShowText(refusal.c_str());
        return false;
    }
    pendingDeal = deal;
    return true;
}

// A person proposes between steps, before throwing, with nothing else
// under way.
const char* CGame::ProposalRefusal(const Deal& deal) const
{
    if (gameOver)
        return "La partie est finie";
    if (pendingDeal.asker >= 0)
        return "Un échange attend déjà sa réponse";
    if (deal.asker != current || players[current].computer)
        return "On ne propose un échange que pendant son tour";
    if (inputMode != kNoInput)
        return "Finissez d'abord l'action en cours";
    return nullptr;
}

void CGame::AnswerDeal(bool accepted)
{
    if (pendingDeal.asker >= 0 && inputMode == kDealAnswer)
        answer = accepted ? 'y' : 'n';
}

// A deal that cannot be done as the board stands changes nothing.
void CGame::ApplyDeal(const Deal& deal)
{
    if (!DealRefusal(*this, deal).empty())
        return;
    for (int p = 0; p < kPropertyCount; ++p) {
        if ((deal.askerGives & PropertyBit(p)) != 0)
            properties[p].owner = deal.partner;
        if ((deal.partnerGives & PropertyBit(p)) != 0)
            properties[p].owner = deal.asker;
    }
    Player& asker = players[deal.asker];
    Player& partner = players[deal.partner];
    asker.money += deal.partnerCash - deal.askerCash;
    partner.money += deal.askerCash - deal.partnerCash;
}

// The board may have changed since the deal was put: it is judged again
// as it stands when it is done.
bool CGame::DealStep()
{
    const Deal deal = pendingDeal;
    const std::string broken = DealRefusal(*this, deal);
    const bool askPerson = broken.empty() && !players[deal.partner].computer;
    if (askPerson && inputMode != kDealAnswer) {
        inputMode = kDealAnswer;
        answer = ' ';
        return false;
    }
    if (askPerson && answer == ' ')
        return false;
    const bool accepted = answer == 'y' || answer == 'Y';
    const bool computerAsks = deal.asker >= 0 && deal.asker < playerCount && players[deal.asker].computer;
    pendingDeal = Deal{};
    inputMode = kNoInput;
    answer = ' ';
    if (!broken.empty())
        Say("Échange annulé : %s", broken.c_str());
    else if (askPerson && !accepted)
        Say("%s refuse l'échange", players[deal.partner].name);
    else if (askPerson)
        SettleDeal(deal);
    else
        ComputerAnswersDeal(deal);
    return computerAsks;
}

void CGame::ComputerAnswersDeal(const Deal& deal)
{
    const char* refusal = Strategy(deal.partner).RefusesDeal(*this, deal);
    if (refusal != nullptr)
        Say("%s refuse : %s", players[deal.partner].name, refusal);
    else
        SettleDeal(deal);
}

void CGame::SettleDeal(const Deal& deal)
{
    const std::string told = DealText(*this, deal);
    m_pFrame->Dealing(deal);
    ApplyDeal(deal);
    Say("%s", told.c_str());
}

bool CGame::DealProposedBefore(const Deal& deal) const
{
    const Deal bySeats = DealBySeats(deal);
    return std::any_of(proposedDeals.begin(), proposedDeals.end(), [&](const Deal& past) {
        return past.asker == bySeats.asker && past.partner == bySeats.partner &&
               past.askerGives == bySeats.askerGives && past.partnerGives == bySeats.partnerGives;
    });
}

Deal CGame::DealBySeats(const Deal& deal) const
{
    Deal bySeats = deal;
    bySeats.asker = players[deal.asker].seat;
    bySeats.partner = players[deal.partner].seat;
    return bySeats;
}

bool CGame::ComputerProposesDeal()
{
    const int seat = players[current].seat;
    if (roundsPlayed < nextDealRound[seat])
        return false;
    for (int partner = 0; partner < playerCount; ++partner) {
        Deal deal;
        if (partner == current || (players[partner].computer && !computerDeals) ||
            !Strategy(current).ProposesDeal(*this, partner, deal) || !DealRefusal(*this, deal).empty())
            continue;
        nextDealRound[seat] = roundsPlayed + kRoundsBetweenProposals;
        proposedDeals.push_back(DealBySeats(deal));
        pendingDeal = deal;
        Say("%s propose un échange à %s", players[current].name, players[partner].name);
        return !DealStep();
    }
    return false;
}
