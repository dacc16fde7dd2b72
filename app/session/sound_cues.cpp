#include "sound_cues.h"

#include "game.h"

namespace {

// The jail count of a seat whose player has left the table.
constexpr int32_t kNotAtTable = -1;

using StreetChange = bool (*)(const HeardState&, const HeardState&, int);

bool AnyStreet(const HeardState& before, const HeardState& after, StreetChange changed)
{
    for (int p = 0; p < kPropertyCount; ++p)
        if (changed(before, after, p))
            return true;
    return false;
}

bool Bought(const HeardState& before, const HeardState& after, int p)
{
    return before.board.ownerSeat[p] < 0 && after.board.ownerSeat[p] >= 0;
}

bool HotelBuilt(const HeardState& before, const HeardState& after, int p)
{
    return after.board.houses[p] == 5 && before.board.houses[p] < 5;
}

bool HouseBuilt(const HeardState& before, const HeardState& after, int p)
{
    return after.board.houses[p] > before.board.houses[p] && after.board.houses[p] < 5;
}

bool SameOwner(const HeardState& before, const HeardState& after, int p)
{
    return before.board.ownerSeat[p] == after.board.ownerSeat[p];
}

bool Mortgaged(const HeardState& before, const HeardState& after, int p)
{
    return SameOwner(before, after, p) && after.board.mortgaged[p] > before.board.mortgaged[p];
}

bool Lifted(const HeardState& before, const HeardState& after, int p)
{
    return SameOwner(before, after, p) && after.board.mortgaged[p] < before.board.mortgaged[p];
}

bool Jailed(const HeardState& before, const HeardState& after)
{
    for (int seat = 0; seat < kPlayerSlots; ++seat)
        if (before.jail[seat] == 0 && after.jail[seat] > 0)
            return true;
    return false;
}

bool Freed(const HeardState& before, const HeardState& after)
{
    for (int seat = 0; seat < kPlayerSlots; ++seat)
        if (before.jail[seat] > 0 && after.jail[seat] == 0)
            return true;
    return false;
}

bool CardDrawn(const HeardState& before, const HeardState& after)
{
    return before.chestNext != after.chestNext || before.chanceNext != after.chanceNext;
}

bool RentPaid(const HeardState& before, const HeardState& after)
{
    const int seat = after.currentSeat;
    return after.onOthersStreet && seat == before.currentSeat && after.money[seat] < before.money[seat];
}

}  // namespace

HeardState TakeHeardState(const CGame& game)
{
    HeardState state{};
    state.board = TakeSnapshot(game);
    for (int32_t& jail : state.jail)
        jail = kNotAtTable;
    for (int i = 0; i < game.playerCount; ++i) {
        const Player& player = game.players[i];
        state.money[player.seat] = player.money;
        state.jail[player.seat] = player.jail;
    }
    const Player& current = game.players[game.current];
    const int street = squareToProperty[current.square];
    state.currentSeat = current.seat;
    state.onOthersStreet = street >= 0 && game.properties[street].owner >= 0 &&
                           game.properties[street].owner != game.current;
    state.chestNext = game.chestNext;
    state.chanceNext = game.chanceNext;
    return state;
}

bool SoundOfChange(const HeardState& before, const HeardState& after, SoundEvent& sound)
{
    struct Cue {
        bool heard;
        SoundEvent sound;
    };
    const Cue cues[] = {
        {Jailed(before, after), SoundEvent::kPrison},
        {Freed(before, after), SoundEvent::kFreed},
        {AnyStreet(before, after, HotelBuilt), SoundEvent::kHotel},
        {AnyStreet(before, after, HouseBuilt), SoundEvent::kHouse},
        {AnyStreet(before, after, Bought), SoundEvent::kPurchase},
        {AnyStreet(before, after, Mortgaged), SoundEvent::kMortgage},
        {AnyStreet(before, after, Lifted), SoundEvent::kLift},
        {CardDrawn(before, after), SoundEvent::kCard},
        {RentPaid(before, after), SoundEvent::kRent},
    };
    for (const Cue& cue : cues)
        if (cue.heard) {
            sound = cue.sound;
            return true;
        }
    return false;
}
