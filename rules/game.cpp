#include "game.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>

const ActionZone actionZones[kActionCount] = {
    {18, 530}, {82, 530}, {144, 530}, {195, 530}, {255, 530},
    {325, 530}, {369, 530}, {434, 515}, {434, 551},
};

namespace {

void InitialPlayer(Player& player, int index)
{
    player = Player{};
    if (index >= kMaxPlayers)
        return;
    std::snprintf(player.name, sizeof player.name, "Player %d", index + 1);
    player.money = kStartMoney;
    player.color = index;
    player.seat = index;
}

// Fills `order` with a permutation of 0..n-1 by drawing each place until it
// differs from every card already placed.
void ShuffleDeck(CRandom& random, int32_t* order, int n)
{
    for (int i = 0; i < n; ++i) {
        bool repeated = true;
        while (repeated) {
            order[i] = random.Next() % n;
            repeated = false;
            for (int j = 0; j < i; ++j)
                repeated = repeated || order[j] == order[i];
        }
    }
}

}  // namespace

CGame::CGame(CFrame& frame, CRandom& random) : m_pFrame(&frame), m_pRandom(&random)
{
    ClearTable();
}

void CGame::ClearTable()
{
    static_cast<GameState&>(*this) = GameState{};
    for (int i = 0; i < kPlayerSlots; ++i)
        InitialPlayer(players[i], i);
    for (int p = 0; p < kPropertyCount; ++p)
        properties[p] = deedTable[p];
}

void CGame::ResetPlayers()
{
    for (int i = 0; i < kPlayerSlots; ++i) {
        players[i].square = kStartSquare;
        players[i].money = kStartMoney;
        players[i].jail = 0;
        players[i].seat = i;
    }
}

void CGame::ResetProperties()
{
    for (Property& property : properties) {
        property.owner = -1;
        property.mortgaged = 0;
        property.houses = 0;
    }
}

void CGame::ShuffleDecks()
{
    ShuffleDeck(*m_pRandom, chestOrder, kChestCards);
    ShuffleDeck(*m_pRandom, chanceOrder, kChanceCards);
}

void CGame::NewGame()
{
    ResetPlayers();
    ResetProperties();
    ShuffleDecks();
    showSquare = 1;
    moveSteps = 0;
    doublesCount = 0;
    chestNext = 0;
    chanceNext = 0;
    jailCardHolder[0] = jailCardHolder[1] = -1;
    rollState = 0;
    current = 0;
    roundsPlayed = 0;
    pendingSale = -1;
    pendingSwap = 0;
    pendingDeal = Deal{};
    std::fill(std::begin(nextDealRound), std::end(nextDealRound), 0);
    proposedDeals.clear();
    worthHistory.Start(*this);
}

void CGame::ThrowDice()
{
    die1 = m_pRandom->Next() % 6 + 1;
    die2 = m_pRandom->Next() % 6 + 1;
    moveSteps = die1 + die2;
    m_pFrame->AnimateDice(die1, die2);
}

bool CGame::OwnsGroup(int p) const
{
    const int first = groupFirst[p];
    for (int q = first; q < first + groupSize[p]; ++q)
        if (properties[q].owner != properties[p].owner)
            return false;
    return groupSize[p] != 0;
}

bool CGame::SameGroup(int p, int q) const
{
    return q >= groupFirst[p] && q < groupFirst[p] + groupSize[p];
}

void CGame::ShowMessage()
{
    m_pFrame->DrawMessage(message);
}

void CGame::ShowText(const char* text)
{
    m_pFrame->DrawMessage(text);
}

char CGame::AskYesNo()
{
    inputMode = kYesNo;
    m_pFrame->DrawYesNo();
    m_pFrame->DrawMessage(message);
    return answer;
}

void CGame::FormatArgs(const char* format, va_list args)
{
    std::vsnprintf(message, sizeof message, format, args);
}

void CGame::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatArgs(format, args);
    va_end(args);
}

void CGame::Say(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatArgs(format, args);
    va_end(args);
    ShowMessage();
}

void CGame::FlyToOverview()
{
    action = kNoAction;
    m_pFrame->FlyToOverview();
}
