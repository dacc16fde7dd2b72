#include "sound_table.h"

namespace {

// In the order of SoundEvent. A pawn steps on every square: it stays in
// the background.
const SoundRow kSounds[kSoundCount] = {
    {SoundEvent::kDiceRoll, "dice_roll.wav", 80},
    {SoundEvent::kDiceLand, "dice_land.wav", 90},
    {SoundEvent::kStep, "step.wav", 35},
    {SoundEvent::kPurchase, "purchase.wav", 80},
    {SoundEvent::kRent, "rent.wav", 80},
    {SoundEvent::kCard, "card.wav", 80},
    {SoundEvent::kPrison, "prison.wav", 90},
    {SoundEvent::kFreed, "freed.wav", 80},
    {SoundEvent::kHouse, "house.wav", 80},
    {SoundEvent::kHotel, "hotel.wav", 85},
    {SoundEvent::kMortgage, "mortgage.wav", 85},
    {SoundEvent::kLift, "lift.wav", 80},
    {SoundEvent::kBankruptcy, "bankruptcy.wav", 90},
    {SoundEvent::kWinner, "winner.wav", 90},
    {SoundEvent::kClick, "click.wav", 50},
};

constexpr int kVolumeStep = 25;

}  // namespace

const SoundRow& SoundInfo(SoundEvent event)
{
    return kSounds[static_cast<int>(event)];
}

SoundEvent SoundAt(int index)
{
    return kSounds[index].event;
}

int NextVolume(int volume)
{
    return volume >= kFullVolume ? kVolumeStep : (volume / kVolumeStep + 1) * kVolumeStep;
}

std::string VolumeLabel(int volume)
{
    return "Volume : " + std::to_string(volume) + " %";
}

std::string MuteLabel(bool muted)
{
    return muted ? "Son : coupé (s)" : "Son : en marche (s)";
}
