// What the guidance line says in each state of the game, and which tooltip
// the resting pointer shows.
#include <gtest/gtest.h>

#include <cstring>

#include "guidance_line.h"
#include "random.h"
#include "tooltips.h"

TEST(Guidance, SaysWhoPlaysAndWhatTheGameWaitsFor)
{
    const struct {
        int32_t inputMode;
        bool computer, gameOver;
        const char* expected;
    } cases[] = {
        {kNoInput, false, false, "À vous, Alice : cliquez sur un dé (ou touche t)"},
        {kNoInput, true, false, "L'ordinateur joue pour Alice"},
        {kInspectPick, false, false, "Regarder : cliquez sur une propriété, à côté pour sortir"},
        {kBuildPick, false, false, "Construire : cliquez sur une rue (une autre pour annuler)"},
        {kMortgagePick, false, false, "Hypothéquer : cliquez sur une de vos propriétés"},
        {kLiftPick, false, false, "Lever une hypothèque : cliquez sur une propriété"},
        {kTradeWantedPick, false, false, "Échange : cliquez sur la propriété voulue"},
        {kTradeOfferedPick, false, false, "Bruno : cliquez sur la propriété demandée, à côté pour refuser"},
        // The question, the offer and the end speak for themselves.
        {kYesNo, false, false, ""}, {kPricedOffer, false, false, ""}, {kNoInput, false, true, ""},
    };
    for (const auto& c : cases) {
        CNullFrame frame;
        CSeededRandom random{1};
        CGame game{frame, random};
        std::strcpy(game.players[0].name, "Alice");
        std::strcpy(game.players[1].name, "Bruno");
        game.current = 0;
        game.players[0].computer = c.computer;
        game.inputMode = c.inputMode;
        game.gameOver = c.gameOver;
        game.tradeWanted = 3;
        game.properties[3].owner = 1;
        EXPECT_EQ(GuidanceLine(game), c.expected);
    }
}

TEST(Tooltips, EachIconAndDieIsNamedWithItsKey)
{
    const struct {
        int x, y;
        const char* tip;
    } cases[] = {
        {38, 547, "Vue de dessus (d)"},   {100, 547, "Options (o)"},
        {164, 547, "Regarder une propriété (i)"}, {215, 545, "Lancer les dés (t)"},
        {275, 545, "Lancer les dés (h)"},  {345, 547, "Échanger (q)"},
        {389, 547, "Construire (b)"},      {454, 530, "Hypothéquer (m)"},
        {454, 570, "Lever une hypothèque (u)"}, {250, 300, nullptr}, {600, 545, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(TooltipAt(c.x, c.y), c.tip) << c.x << "," << c.y;
}

TEST(Tooltips, ShownAfterHalfASecondOnTheSameIcon)
{
    CHover hover;
    hover.Move(454, 530, 1000);
    EXPECT_EQ(hover.Shown(1499), nullptr);
    EXPECT_STREQ(hover.Shown(1500), "Hypothéquer (m)");
    // Moving within the same half of the icon keeps the time.
    hover.Move(456, 531, 1600);
    EXPECT_STREQ(hover.Shown(1600), "Hypothéquer (m)");
    // The other half starts again.
    hover.Move(454, 570, 1700);
    EXPECT_EQ(hover.Shown(2000), nullptr);
    EXPECT_STREQ(hover.Shown(2200), "Lever une hypothèque (u)");
    hover.Move(250, 300, 2300);
    EXPECT_EQ(hover.Shown(5000), nullptr);
}
