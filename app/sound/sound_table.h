// Which event of the game plays which sound: the file the generator writes
// and the game loads, and how loud it plays against the chosen volume.
#pragma once

#include <string>

enum class SoundEvent {
    kDiceRoll,
    kDiceLand,
    kStep,
    kPurchase,
    kRent,
    kCard,
    kPrison,
    kFreed,
    kHouse,
    kHotel,
    kMortgage,
    kLift,
    kBankruptcy,
    kWinner,
    kClick,
};
constexpr int kSoundCount = 15;

struct SoundRow {
    SoundEvent event;
    const char* file;  // in the data folder's sounds/
    int loudness;      // percent of the chosen volume
};

const SoundRow& SoundInfo(SoundEvent event);
// The event of the table's row `index`, 0 to kSoundCount - 1.
SoundEvent SoundAt(int index);

// The volume row of the options screen goes round these, in percent.
int NextVolume(int volume);
constexpr int kFullVolume = 100;
std::string VolumeLabel(int volume);
std::string MuteLabel(bool muted);
