#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "fake_frame.h"
#include "game.h"
#include "long_press.h"
#include "trade_form.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
constexpr unsigned char kTab = 9;

bool Overlap(const TradeRect& a, const TradeRect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// An item as "kind act value side mortgaged left,top,right,bottom text".
std::string Placed(const TradeItem& item)
{
    char placed[160];
    std::snprintf(placed, sizeof placed, "%d %d %d %d %d %d,%d,%d,%d %s", static_cast<int>(item.kind),
                  static_cast<int>(item.act), item.value, item.side, item.mortgaged, item.rect.left, item.rect.top,
                  item.rect.right, item.rect.bottom, item.text.c_str());
    return placed;
}

const std::vector<std::string> kComposed = {
    "0 0 0 0 0 86,88,264,102 Anne propose un échange à :",
    "5 1 1 0 0 86,105,125,119 Bruno",
    "4 1 2 0 0 131,105,170,119 Chloé",
    "1 0 0 0 0 86,122,329,136 Cliquez les propriétés sur le plateau",
    "0 0 0 0 0 86,145,165,159 Anne donne :",
    "3 0 0 0 0 86,162,93,176  ",
    "0 0 0 0 0 98,162,223,176 BOUL. DE BELLEVILLE",
    "1 0 0 0 0 98,177,144,191 6.000 F",
    "0 0 0 0 0 86,194,192,208 Argent : 1.000 F",
    "6 2 -1000 0 0 86,211,145,225 -1.000 F",
    "6 2 1000 0 0 150,211,209,225 +1.000 F",
    "6 2 -10000 0 0 86,229,152,243 -10.000 F",
    "6 2 10000 0 0 157,229,223,243 +10.000 F",
    "0 0 0 0 0 255,145,341,159 Bruno donne :",
    "3 0 24 0 1 255,162,262,176  ",
    "0 0 0 0 0 267,162,379,176 GARE MONTPARNASSE",
    "1 0 0 0 0 267,177,366,191 20.000 F (hyp.)",
    "0 0 0 0 0 255,194,334,208 Argent : 0 F",
    "6 2 -1000 1 0 255,211,314,225 -1.000 F",
    "6 2 1000 1 0 319,211,378,225 +1.000 F",
    "6 2 -10000 1 0 255,229,321,243 -10.000 F",
    "6 2 10000 1 0 326,229,392,243 +10.000 F",
    "2 0 0 0 0 86,253,356,267 RUE DE COURCELLES n'appartient à personne",
    "6 3 0 0 0 86,272,145,286 Proposer",
    "6 4 0 0 0 255,272,307,286 Annuler",
};
const std::vector<std::string> kAnswered = {
    "0 0 0 0 0 86,88,290,102 Anne propose un échange à Bruno",
    "0 0 0 0 0 86,113,165,127 Anne donne :",
    "3 0 0 0 0 86,130,93,144  ",
    "0 0 0 0 0 98,130,223,144 BOUL. DE BELLEVILLE",
    "1 0 0 0 0 98,145,144,159 6.000 F",
    "0 0 0 0 0 86,162,192,176 Argent : 1.000 F",
    "0 0 0 0 0 255,113,341,127 Bruno donne :",
    "3 0 24 0 1 255,130,262,144  ",
    "0 0 0 0 0 267,130,379,144 GARE MONTPARNASSE",
    "1 0 0 0 0 267,145,366,159 20.000 F (hyp.)",
    "0 0 0 0 0 255,162,334,176 Argent : 0 F",
    "0 0 0 0 0 86,185,231,199 Bruno, acceptez-vous ?",
    "6 5 0 0 0 86,206,145,220 Accepter",
    "6 6 0 0 0 255,206,307,220 Refuser",
};

class TradeFormTest : public ::testing::Test {
protected:
    TradeFormTest()
    {  // Anne's turn, before the throw; Chloé plays too
        game.playerCount = 3;
        const char* names[] = {"Anne", "Bruno", "Chloé"};
        for (int i = 0; i < 3; ++i)
            std::snprintf(game.players[i].name, kNameSize, "%s", names[i]);
        std::copy(game.players, game.players + kPlayerSlots, game.setupPlayers);
        game.NewGame();
        game.inputMode = kNoInput;
        game.gameOver = 0;
        game.players[0].money = 30000;
        game.players[1].money = 12000;
        Own(0, 0);
        Own(2, 1);
        Own(24, 1);
        Own(5, 2);
        form.Compose();
    }
    void Own(int property, int owner) { game.properties[property].owner = owner; }
    const TradeItem* Find(const std::string& text) const
    {
        static std::vector<TradeItem> items;
        items = form.Items();
        const auto at = std::find_if(items.begin(), items.end(), [&](const TradeItem& i) { return i.text == text; });
        return at == items.end() ? nullptr : &*at;
    }
    CTradeForm::Outcome ClickOn(const std::string& text)
    {
        const TradeItem* item = Find(text);
        EXPECT_NE(item, nullptr) << text;
        return form.Click(item->rect.left + 2, item->rect.top + 2, -1);
    }

    CFakeFrame frame;
    CScriptedRandom random;
    CGame game{frame, random};
    CTradeForm form{game};
};

}  // namespace

TEST_F(TradeFormTest, OpensOnlyForAPersonOnTheirTurnWithNothingElseUnderWay)
{
    const struct { int32_t inputMode, computer, gameOver, pendingAsker; const char* reason; } cases[] = {
        {kNoInput, 0, 0, -1, nullptr},
        {kNoInput, 0, 1, -1, "La partie est finie"},
        {kNoInput, 1, 0, -1, "On ne propose un échange que pendant son tour"},
        {kYesNo, 0, 0, -1, "Finissez d'abord l'action en cours"},
        {kTradeWantedPick, 0, 0, -1, "Finissez d'abord l'action en cours"},
        {kNoInput, 0, 0, 1, "Un échange attend déjà sa réponse"},
        {kNoInput, 0, 0, 0, "Un échange attend déjà sa réponse"},
    };
    for (const auto& c : cases) {
        game.inputMode = c.inputMode;
        game.players[0].computer = c.computer;
        game.gameOver = c.gameOver;
        game.pendingDeal.asker = c.pendingAsker;
        EXPECT_EQ(TradeClosedReason(game) ? std::string(TradeClosedReason(game)) : "", c.reason ? c.reason : "");
    }
    game.pendingDeal.asker = -1;
    game.playerCount = 2;
    EXPECT_EQ(TradeClosedReason(game), nullptr) << "two players may trade";
    game.playerCount = 0;
    EXPECT_STREQ(TradeClosedReason(game), "Aucune partie en cours");
}

TEST_F(TradeFormTest, APropertyGoesInOnItsOwnersSideOrIsRefusedWithTheReason)
{
    for (int p = 8; p <= 10; ++p)
        Own(p, 0);
    game.properties[9].houses = 2;
    const std::string group = std::string("Le groupe de ") + game.properties[8].name + " a des maisons ou un hôtel";
    const struct { int property; uint32_t askerGives, partnerGives; std::string note; } cases[] = {
        {0, PropertyBit(0), 0, ""},
        {24, PropertyBit(0), PropertyBit(24), ""},
        {0, 0, PropertyBit(24), ""},  // a second click takes it out
        {5, 0, PropertyBit(24), std::string(game.properties[5].name) + " est à Chloé"},
        {3, 0, PropertyBit(24), std::string(game.properties[3].name) + " n'appartient à personne"},
        {8, 0, PropertyBit(24), group},
        {-1, 0, PropertyBit(24), group},  // a click on no property
        {kPropertyCount, 0, PropertyBit(24), group},
    };
    for (const auto& c : cases) {
        form.Click(250, 480, c.property);
        EXPECT_EQ(form.Current().askerGives, c.askerGives) << c.property;
        EXPECT_EQ(form.Current().partnerGives, c.partnerGives) << c.property;
        EXPECT_EQ(form.Note(), c.note) << c.property;
        std::string shown;
        for (const TradeItem& item : form.Items())
            if (item.kind == TradeItem::Kind::kNote)
                shown += (shown.empty() ? "" : " ") + item.text;
        EXPECT_EQ(shown, c.note) << "the note whole, on as many lines as it needs";
    }
}

// On Bruno's turn Anne's street is another player's, then the partner's.
TEST_F(TradeFormTest, OnAnotherTurnTheFirstSeatIsAPartnerLikeAnyOther)
{
    game.current = 1;
    form.Compose();
    form.ChoosePartner(2);
    form.Toggle(0);
    EXPECT_EQ(form.Note(), std::string(game.properties[0].name) + " est à Anne");
    form.ChoosePartner(0);
    form.Toggle(0);
    EXPECT_EQ(form.Current().partnerGives, PropertyBit(0));
}

TEST_F(TradeFormTest, CashStepsStayBetweenNothingAndWhatTheSideHas)
{
    const struct { const char* button; int32_t cash; } cases[] = {
        {"-1.000 F", 0}, {"+10.000 F", 10000}, {"+10.000 F", 20000}, {"+10.000 F", 30000},
        {"+1.000 F", 30000}, {"-1.000 F", 29000}, {"-10.000 F", 19000},
    };
    for (const auto& c : cases) {
        ClickOn(c.button);
        EXPECT_EQ(form.Current().askerCash, c.cash) << c.button;
    }
    // Bruno has 12.000 F.
    form.AddCash(1, 20000);
    EXPECT_EQ(form.Current().partnerCash, 12000);
    EXPECT_EQ(form.Current().askerCash, 19000);
    game.players[1].money = 0;
    form.AddCash(1, 1000);
    EXPECT_EQ(form.Current().partnerCash, 0) << "nothing from a side that has nothing";
}

TEST_F(TradeFormTest, AnotherPartnerTakesTheFormerPartnersSideOutOfTheDeal)
{
    form.Toggle(0);
    form.Toggle(24);
    form.AddCash(1, 5000);
    EXPECT_EQ(form.Partners(), (std::vector<int>{1, 2}));
    const struct { unsigned char key; int special; int partner; } cases[] = {
        {kTab, 0, 2}, {kTab, 0, 1}, {0, kKeyLeft, 2}, {0, kKeyUp, 1}, {0, kKeyRight, 2}, {0, kKeyDown, 1},
    };
    for (const auto& c : cases) {
        if (c.key != 0)
            form.Key(c.key);
        else
            form.Special(c.special);
        EXPECT_EQ(form.Current().partner, c.partner);
    }
    EXPECT_EQ(form.Current().askerGives, PropertyBit(0));
    EXPECT_EQ(form.Current().partnerGives, 0u);
    EXPECT_EQ(form.Current().partnerCash, 0);
    ClickOn("Chloé");
    EXPECT_EQ(form.Current().partner, 2);
}

TEST_F(TradeFormTest, ProposerWaitsForAValidDealAndEachModeHasItsKeys)
{
    using O = CTradeForm::Outcome;
    EXPECT_EQ(form.Key(kEnter), O::kNone);
    EXPECT_EQ(form.Note(), DealRefusal(game, form.Current()));
    EXPECT_EQ(Find("Proposer")->kind, TradeItem::Kind::kOffButton);
    form.Toggle(0);
    form.Toggle(24);
    EXPECT_EQ(Find("Proposer")->kind, TradeItem::Kind::kButton);
    EXPECT_EQ(ClickOn("Proposer"), O::kPropose);
    const struct { CTradeForm::Mode mode; unsigned char key; O outcome; } keys[] = {
        {CTradeForm::Mode::kCompose, kEnter, O::kPropose}, {CTradeForm::Mode::kCompose, kEscape, O::kLeave},
        {CTradeForm::Mode::kCompose, 'e', O::kLeave},      {CTradeForm::Mode::kCompose, 'x', O::kNone},
        {CTradeForm::Mode::kAnswer, kEnter, O::kAccept},   {CTradeForm::Mode::kAnswer, kEscape, O::kRefuse},
        {CTradeForm::Mode::kAnswer, 'e', O::kNone},
    };
    game.pendingDeal = form.Current();
    game.properties[24].mortgaged = 1;
    for (const auto& c : keys) {
        if (c.mode == CTradeForm::Mode::kAnswer)
            form.Answer();
        EXPECT_EQ(form.Key(c.key), c.outcome) << c.key;
    }
    EXPECT_EQ(ClickOn("Accepter"), O::kAccept);
    EXPECT_EQ(ClickOn("Refuser"), O::kRefuse);
    EXPECT_NE(Find("Bruno, acceptez-vous ?"), nullptr);
    EXPECT_NE(Find("20.000 F (hyp.)"), nullptr);  // the station's price
    for (const TradeItem& chip : form.Items())
        if (chip.kind == TradeItem::Kind::kChip) {
            EXPECT_EQ(chip.mortgaged, chip.value == 24) << chip.value;
        }
    form.Toggle(2);
    EXPECT_EQ(form.Current(), game.pendingDeal);  // nothing changes while answering
}

// A crowded deal between players with the longest names stays inside the
// centre of the board, clear of the squares, with no two buttons overlapping.
TEST_F(TradeFormTest, ACrowdedDealStaysInsideTheCentreOfTheBoard)
{
    game.playerCount = 6;
    for (int i = 0; i < 6; ++i)
        std::snprintf(game.players[i].name, kNameSize, "%c%s", 'A' + i, std::string(18, 'W').c_str());
    for (int p = 0; p < kPropertyCount; ++p)
        game.properties[p].owner = p % 2;
    form.Compose();
    for (int p = 0; p < kPropertyCount; ++p)
        form.Toggle(p);
    game.pendingDeal = form.Current();
    CTradeForm answer(game);
    answer.Answer();
    for (const CTradeForm* shown : {&form, &answer}) {
        const std::vector<TradeItem> items = shown->Items();
        std::vector<std::string> more;
        for (const TradeItem& item : items)
            if (item.text.find("autres") != std::string::npos)
                more.push_back(item.text);
        const std::string left = shown == &form ? "et 12 autres" : "et 10 autres";
        EXPECT_EQ(more, (std::vector<std::string>{left, left})) << "the rest of each side's fourteen";
        const auto chips = std::count_if(items.begin(), items.end(), [](const TradeItem& item) {
            return item.kind == TradeItem::Kind::kChip;
        });
        EXPECT_EQ(chips, shown == &form ? 4 : 8) << "as many listed as the rest leaves";
        std::vector<int> partnerRows;
        for (const TradeItem& item : items)
            if (item.act == TradeItem::Act::kPartner)
                partnerRows.push_back(item.rect.top);
        const std::vector<int> rows = {105, 105, 122, 122, 139};
        EXPECT_EQ(partnerRows, shown == &form ? rows : std::vector<int>()) << "two names a row";
        for (const TradeItem& item : items) {
            EXPECT_GE(item.rect.left, 82) << item.text;
            EXPECT_LE(item.rect.right, 418) << item.text;
            EXPECT_GE(item.rect.top, 82) << item.text;
            EXPECT_LE(item.rect.bottom, 418) << item.text;
            const auto overlapping = std::count_if(items.begin(), items.end(), [&](const TradeItem& other) {
                return &other != &item && Overlap(item.rect, other.rect);
            });
            EXPECT_EQ(overlapping, 0) << item.text;
        }
    }
}

// A small deal's box, item by item, in both modes: a change of spacing
// shows here before rows touch or a label leaves its button.
TEST_F(TradeFormTest, TheBoxIsLaidOutItemByItem)
{
    form.Toggle(0);
    form.Toggle(24);
    form.AddCash(0, 1000);
    form.Toggle(3);  // the bank's: a note under the deal
    game.properties[24].mortgaged = 1;
    game.pendingDeal = form.Current();
    CTradeForm answer(game);
    answer.Answer();
    for (const CTradeForm* shown : {&form, &answer}) {
        std::vector<std::string> placed;
        for (const TradeItem& item : shown->Items())
            placed.push_back(Placed(item));
        EXPECT_EQ(placed, shown == &form ? kComposed : kAnswered);
    }
    form.Answer();
    EXPECT_EQ(form.Note(), "") << "the note goes with the deal composed";
    form.Compose();
    EXPECT_EQ(form.Items().back().text, "Annuler") << "composing again after an answer";
    EXPECT_EQ(form.Current().askerGives, 0u) << "a new deal";
    EXPECT_EQ(form.Current().askerCash, 0);
}

TEST(LongPress, OnlyALeftButtonHeldOnTheExchangeIconLongEnough)
{
    const ActionZone icon = actionZones[kActionTrade];
    const struct { int button, x, y; bool released, draggedOff; uint32_t held; bool due; } cases[] = {
        {kLeftButton, icon.x + 20, icon.y + 20, false, false, 600, true},
        {kLeftButton, icon.x, icon.y + 35, false, false, 5000, true},
        {kLeftButton, icon.x + 20, icon.y + 20, false, false, 599, false},
        {kLeftButton, icon.x + 20, icon.y + 20, true, false, 600, false},
        {kLeftButton, icon.x + 20, icon.y + 20, false, true, 600, false},
        {kRightButton, icon.x + 20, icon.y + 20, false, false, 600, false},
        {kLeftButton, icon.x - 1, icon.y + 20, false, false, 600, false},
    };
    for (const auto& c : cases) {
        CLongPress press;
        InputEvent event;
        event.kind = InputKind::kPress;
        event.button = c.button;
        event.x = c.x;
        event.y = c.y;
        press.Press(event, 1000);
        event.x = c.draggedOff ? icon.x + 41 : c.x;
        press.Drag(event);
        if (c.released)
            press.Release();
        EXPECT_EQ(press.Due(1000 + c.held), c.due) << c.button << " " << c.x << "," << c.y << " " << c.held;
        press.Take();
        EXPECT_FALSE(press.Due(1000 + c.held));
    }
}
