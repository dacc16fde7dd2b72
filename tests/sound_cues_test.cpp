// What the players hear of a change in the game, read from its state, and
// the table of the sounds.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "game_fixture.h"
#include "sound_cues.h"
#include "sound_table.h"

namespace {

struct Cue {
    const char* name;
    std::function<void()> setUp;
    std::function<void()> change;
    bool heard;
    SoundEvent sound;
};

}  // namespace

TEST_F(GameTest, EachChangeIsHeardAsItsOwnSoundAndOthersAreNot)
{
    const auto none = [] {};
    const Cue cues[] = {
        {"a purchase", none, [this] { Own(0, {3}); }, true, SoundEvent::kPurchase},
        {"a house", none, [this] { Build({0}, 1); }, true, SoundEvent::kHouse},
        {"a hotel", [this] { Build({0, 1}, 4); }, [this] { Build({0}, 5); }, true, SoundEvent::kHotel},
        {"a sale of houses", [this] { Build({0, 1}, 2); }, [this] { Build({0}, 1); }, false, SoundEvent::kClick},
        {"a mortgage", [this] { Own(0, {5}); }, [this] { Deed(5).mortgaged = 1; }, true, SoundEvent::kMortgage},
        {"a lift", [this] { Deed(5).mortgaged = 1; }, [this] { Deed(5).mortgaged = 0; }, true, SoundEvent::kLift},
        {"an exchange", [this] { Own(1, {5}); }, [this] { Own(0, {5}); }, false, SoundEvent::kClick},
        {"prison", none, [this] { P(1).jail = 1; }, true, SoundEvent::kPrison},
        {"a failed throw in prison", [this] { P(1).jail = 1; }, [this] { P(1).jail = 2; }, false, SoundEvent::kClick},
        {"freed", [this] { P(0).jail = 1; }, [this] { P(0).jail = 0; }, true, SoundEvent::kFreed},
        {"a chance card", none, [this] { game.chanceNext = 4; }, true, SoundEvent::kCard},
        {"a chest card", none, [this] { game.chestNext = 2; }, true, SoundEvent::kCard},
        {"rent", [this] { Own(1, {3}); }, [this] { P(0).money -= 600; }, true, SoundEvent::kRent},
        {"rent on the first street",
         [this] {
             Own(1, {0});
             P(0).square = propertySquare[0];
         },
         [this] { P(0).money -= 400; }, true, SoundEvent::kRent},
        {"rent to the first player",
         [this] {
             Own(0, {3});
             game.current = 1;
             P(1).square = propertySquare[3];
         },
         [this] { P(1).money -= 600; }, true, SoundEvent::kRent},
        {"a tax", none, [this] { P(0).money -= 600; }, false, SoundEvent::kClick},
        {"a mortgaged street, nothing paid",
         [this] {
             Own(1, {3});
             Deed(3).mortgaged = 1;
         },
         none, false, SoundEvent::kClick},
        {"a tax beside a hotel", [this] { Build({0, 1}, 5); }, [this] { P(0).money -= 600; }, false,
         SoundEvent::kClick},
        {"rent into prison", [this] { Own(1, {3}); },
         [this] {
             P(0).money -= 600;
             P(0).jail = 1;
         },
         true, SoundEvent::kPrison},
    };
    for (const Cue& cue : cues) {
        Start({0, 0});
        P(0).square = propertySquare[3];
        Own(0, {0, 1, 5});
        Own(-1, {3});
        cue.setUp();
        const HeardState before = TakeHeardState(game);
        cue.change();
        SoundEvent sound = SoundEvent::kClick;
        EXPECT_EQ(SoundOfChange(before, TakeHeardState(game), sound), cue.heard) << cue.name;
        EXPECT_EQ(sound, cue.sound) << cue.name;
    }
}

// A player who leaves the table from prison is not freed from it.
TEST_F(GameTest, APlayerLeavingFromPrisonIsNotHeardFreed)
{
    Start({0, 0, 0});
    P(2).jail = 2;
    const HeardState before = TakeHeardState(game);
    game.playerCount = 2;
    SoundEvent sound = SoundEvent::kClick;
    EXPECT_FALSE(SoundOfChange(before, TakeHeardState(game), sound));
}

TEST(SoundTable, EveryEventHasItsOwnRowAndFile)
{
    std::set<std::string> files;
    for (int k = 0; k < kSoundCount; ++k) {
        const SoundEvent event = SoundAt(k);
        EXPECT_EQ(static_cast<int>(SoundInfo(event).event), k);
        EXPECT_GT(SoundInfo(event).loudness, 0);
        files.insert(SoundInfo(event).file);
    }
    EXPECT_EQ(files.size(), static_cast<size_t>(kSoundCount));
}

TEST(SoundTable, TheVolumeRowGoesRoundFromAQuarterToFull)
{
    int volume = kFullVolume;
    std::string seen;
    for (int k = 0; k < 5; ++k) {
        volume = NextVolume(volume);
        seen += VolumeLabel(volume) + ";";
    }
    EXPECT_EQ(seen, "Volume : 25 %;Volume : 50 %;Volume : 75 %;Volume : 100 %;Volume : 25 %;");
}
