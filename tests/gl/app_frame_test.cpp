// The application in a real context: what its frames show, and where a
// click or a key goes, during a hold, on a screen, on the next turn.
#include <GL/gl.h>

#include <cmath>
#include <functional>

#include "end_screen.h"
#include "gl_test_env.h"
#include "palette.h"
#include "scene_frame.h"
#include "standings.h"
#include "trade_form.h"

namespace {

constexpr int kF1 = 1;

class AppFrameTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        game.playerCount = 4;
        game.NewGame();
        game.inputMode = kNoInput;
        game.gameOver = 0;
        game.answer = ' ';
        for (int i = 0; i < 4; ++i)
            game.players[i].computer = 0;
        app.Pace().SetEventPump(nullptr);
        app.Pace().SetSpeed(Speed::kInstant);
        app.Table().TakeKey();
        while (app.ScreenOpen())
            Key(27);
    }

    void Key(unsigned char key)
    {
        InputEvent event;
        event.kind = InputKind::kKey;
        event.key = key;
        app.Input(event);
        app.Tick();
    }

    void Send(InputKind kind, int x, int y)
    {
        InputEvent event;
        event.kind = kind;
        event.x = x;
        event.y = y;
        app.Input(event);
    }

    // A press and its release, then the loop's turn.
    void Click(int x, int y)
    {
        Send(InputKind::kPress, x, y);
        Send(InputKind::kRelease, x, y);
        app.Tick();
    }

    CApp& app = TheApp();
    CGame& game = TheApp().Game();
};

// Counts the pixels of a colour in a rectangle of the frame last shown
// (the software renderer keeps it in the back buffer after the swap).
int PixelsLike(const Colour& colour, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += LitAs(ReadColour({x, y}), colour, 0.8f, 0.05f);
    return count;
}

// A layout point on the property's square, on the board seen from above.
PixelPoint OnSquareFromAbove(int property)
{
    for (int y = 0; y < 500; y += 4)
        for (int x = 0; x < 500; x += 4) {
            const MouseEvent onBoard = BoardPointFromAbove({x, y, true});
            if (PropertyAt(onBoard.x, onBoard.y) == property)
                return {x, y};
        }
    return {-1, -1};
}

// The middle of the first item of the form that reads `text`.
PixelPoint ItemPoint(const CTradeForm& form, const std::string& text)
{
    for (const TradeItem& item : form.Items())
        if (item.text == text)
            return {(item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2};
    return {-1, -1};
}

int WhiteOnTheYesWord()
{
    return PixelsLike({1, 1, 1}, 174, 276, 204, 290);
}

}  // namespace

TEST_F(AppFrameTest, AClickOnAPropertySeenFromAbovePicksIt)
{
    ViewFromAbove();
    for (int p = 0; p < kPropertyCount; ++p) {
        // Three points across the square's picture, from its outer edge in.
        for (const float depth : {0.3f, 1.5f, 2.7f}) {
            const CVector point = app.Table().board.RestingPoint(propertySquare[p], CVector(1.0f, 0, depth));
            const WindowPixel at = OnBoard(CVector(point.x, 0, point.z));
            const MouseEvent onBoard = app.Table().OnBoardFromAbove({at.x, kGlWindowHeight - at.y, true});
            EXPECT_EQ(PropertyAt(onBoard.x, onBoard.y), p) << deedTable[p].name << " at " << at.x << "," << at.y;
        }
    }
}

// A prisoner asked to pay the fine is told "En Prison" again at every step:
// the question and its answer words stay on screen through those holds.
TEST_F(AppFrameTest, ThePrisonQuestionStaysOnScreenWithItsWords)
{
    app.Pace().SetSpeed(Speed::kFaster);
    app.Camera().m_vEye = CVector(0, 40, 0);
    Player& prisoner = game.players[game.current];
    prisoner.square = kPrisonSquare;
    prisoner.jail = 1;
    game.Format("Voulez-vous sortir de prison pour 5000F ?");
    game.inputMode = kYesNo;
    for (int tick = 0; tick < 2; ++tick) {
        app.Table().DrawMessage("En Prison");
        EXPECT_GT(WhiteOnTheYesWord(), 20) << "during the hold, tick " << tick;
        app.Tick();
        app.ShowFrame(nullptr);
        EXPECT_GT(WhiteOnTheYesWord(), 20) << "between the holds, tick " << tick;
    }
    EXPECT_EQ(game.inputMode, kYesNo);
}

// Escape and a click outside close the screens one at a time without ending
// the game; the screens' keys and clicks are not the game's. A closed
// screen stays closed, and the next click reaches the game.
TEST_F(AppFrameTest, ScreensOpenAndCloseWithoutQuittingThenInputReachesTheGame)
{
    Key('?');
    EXPECT_TRUE(app.ScreenOpen()) << "help on ?";
    Key('b');
    EXPECT_EQ(game.inputMode, kNoInput) << "keys are the screen's";
    Key(27);
    EXPECT_FALSE(app.ScreenOpen()) << "Escape closes";
    InputEvent f1;
    f1.kind = InputKind::kSpecialKey;
    f1.special = kF1;
    app.Input(f1);
    app.Tick();
    EXPECT_TRUE(app.ScreenOpen()) << "help on F1";
    Click(10, 10);
    EXPECT_FALSE(app.ScreenOpen()) << "a click closes the help";

    Click(100, 547);  // the gear
    ASSERT_TRUE(app.ScreenOpen()) << "the options";
    Click(250, 160);  // the speed's row
    EXPECT_EQ(app.Pace().ChosenSpeed(), Speed::kNormal) << "round from the fastest";
    Click(250, 197);  // the computers' row
    EXPECT_TRUE(app.Pace().FastComputers());
    Click(250, 250);  // the help's row
    Click(780, 580);
    EXPECT_TRUE(app.ScreenOpen()) << "the click closed the help over the options";
    Click(780, 580);
    EXPECT_FALSE(app.ScreenOpen()) << "a click outside closes the options";
    app.Pace().SetFastComputers(false);

    Key('x');
    EXPECT_FALSE(app.ScreenOpen()) << "a key does not bring the options back";
    Key('l');
    app.ShowFrame(nullptr);
    GLint mode[2];
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    Key('f');
    app.ShowFrame(nullptr);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    app.Pace().SetSpeed(Speed::kInstant);
    const int square = game.players[0].square;
    Click(215, 547);  // the die
    EXPECT_NE(game.players[0].square, square) << "the first click throws";
}

// A click or a key that ends a held message is spent on it, or waits for the
// end of the step; a key made on a turn that ended meanwhile is dropped.
TEST_F(AppFrameTest, InputDuringAHoldEndsItOrWaitsForTheStep)
{
    app.Pace().SetSpeed(Speed::kNormal);
    const int32_t rollState = game.rollState;
    int reads = 0;
    app.Pace().SetEventPump([&] {
        if (reads++ > 0)
            return;
        Send(InputKind::kPress, 215, 545);  // on a die
        Send(InputKind::kRelease, 215, 545);
        InputEvent key;
        key.kind = InputKind::kKey;
        key.key = 'm';
        app.Input(key);
    });
    app.Table().DrawMessage("Bob paye 2000F de loyer");
    EXPECT_EQ(reads, 1) << "the click ended the hold";
    EXPECT_FALSE(app.Table().LastMouse().pressed);
    EXPECT_EQ(app.Table().TakeKey(), 0) << "the key waits for the end of the step";
    app.Pace().SetEventPump(nullptr);
    app.Tick();
    EXPECT_EQ(game.inputMode, kMortgagePick) << "the key, after the step";
    EXPECT_EQ(game.rollState, rollState) << "the click threw no dice";

    game.inputMode = kNoInput;
    reads = 0;
    app.Pace().SetEventPump([&] {
        if (reads++ > 0)
            return;
        InputEvent key;
        key.kind = InputKind::kKey;
        key.key = 'i';
        app.Input(key);
    });
    app.Table().DrawMessage("Bob paye 2000F de loyer");
    app.Pace().SetEventPump(nullptr);
    game.current = 1;
    app.Tick();
    EXPECT_EQ(game.inputMode, kNoInput) << "a key of the last turn";
    game.current = 0;
}

// The game's end: the chart's lines in the players' colours, until a key
// takes the end screen away; the view from above still flies.
TEST_F(AppFrameTest, AtTheEndTheChartShowsEachPlayersLineUntilAKey)
{
    const int colours[3] = {0, 6, 2};
    const int64_t worth[3] = {300000, 150000, 40000};
    game.playerCount = 3;
    for (int k = 0; k < 3; ++k) {
        game.players[k].color = colours[k];
        game.setupPlayers[k].color = colours[k];
        game.players[k].money = worth[k];
    }
    game.worthHistory.Start(game);
    game.worthHistory.Record(game);
    game.worthHistory.Record(game);
    game.gameOver = 1;
    std::snprintf(game.message, sizeof game.message, "Joueur 1 a gagne!!!");
    app.ShowStandings();
    // The middle of a line's first step, in window pixels over the board view.
    const auto lineShown = [&](int k) {
        const ChartPoint from = PlaceOnChart(EndChartBox(3), 0, 3, worth[k], worth[0]);
        const ChartPoint to = PlaceOnChart(EndChartBox(3), 1, 3, worth[k], worth[0]);
        const Colour c = ReadColour({int(std::lround((from.x + to.x) / 2 * 500 / 640)),
                                     int(std::lround(50 + from.y * 600 / 480))});
        const PaletteColour& line = playerPalette[colours[k]];
        return LitAs(c, {line.r, line.g, line.b}, 1.0f, 6.0f / 255);
    };
    app.ShowFrame(nullptr);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(lineShown(k)) << "seat " << k;
    Key('x');
    EXPECT_FALSE(app.ScreenOpen());
    app.ShowFrame(nullptr);
    EXPECT_FALSE(lineShown(1));

    const std::pair<const char*, std::function<void()>> asks[] = {
        {"the d key", [this] { Key('d'); }},
        {"the view-from-above icon", [this] { Click(38, 547); }},
    };
    for (const auto& [what, ask] : asks) {
        app.Camera().m_vEye = CVector(5, 5, 5);
        ask();
        EXPECT_NEAR(app.Camera().GetEye().y, OverviewPosition.y, 0.5f) << what;
    }
}

// Two people make a deal on the trade screen: Anne opens it with e, clicks
// a street of hers and a station of Bruno's on the board, adds 2.000 F and
// proposes; the screen comes back for Bruno, who accepts.
TEST_F(AppFrameTest, TwoPeopleMakeADealThroughTheTradeScreen)
{
    game.properties[0].owner = 0;
    game.properties[24].owner = 1;
    const int64_t anne = game.players[0].money;
    const int64_t bruno = game.players[1].money;
    game.gameOver = 1;
    Key(kTradeKey);
    EXPECT_FALSE(app.ScreenOpen()) << "not once the game is over";
    game.gameOver = 0;
    Key(kTradeKey);
    ASSERT_TRUE(app.ScreenOpen());
    for (int property : {0, 24}) {
        const PixelPoint at = OnSquareFromAbove(property);
        Click(at.x, at.y);
    }
    CTradeForm mirror(game);
    mirror.Compose();
    mirror.Toggle(0);
    mirror.Toggle(24);
    const PixelPoint more = ItemPoint(mirror, "+1.000 F");
    Click(more.x, more.y);
    Click(more.x, more.y);
    Key(13);
    ASSERT_EQ(game.inputMode, kDealAnswer);
    EXPECT_TRUE(app.ScreenOpen()) << "shown to Bruno";
    mirror.Answer();
    const PixelPoint accept = ItemPoint(mirror, "Accepter");
    Click(accept.x, accept.y);
    EXPECT_FALSE(app.ScreenOpen());
    EXPECT_EQ(game.properties[0].owner, 1);
    EXPECT_EQ(game.properties[24].owner, 0);
    EXPECT_EQ(game.players[0].money, anne - 2000);
    EXPECT_EQ(game.players[1].money, bruno + 2000);
    EXPECT_EQ(game.pendingDeal.asker, -1);
}

// A press held on the exchange icon leaves the pick its click began and
// opens the trade screen; a click starts the exchange of one property.
TEST_F(AppFrameTest, APressHeldOnTheExchangeIconOpensTheTradeScreen)
{
    const ActionZone icon = actionZones[kActionTrade];
    Click(icon.x + 20, icon.y + 20);
    EXPECT_EQ(game.inputMode, kTradeWantedPick);
    EXPECT_FALSE(app.ScreenOpen());
    Send(InputKind::kPress, 10, 10);
    Send(InputKind::kRelease, 10, 10);
    app.Tick();
    ASSERT_EQ(game.inputMode, kNoInput);
    Send(InputKind::kPress, icon.x + 20, icon.y + 20);
    app.Tick();
    EXPECT_EQ(game.inputMode, kTradeWantedPick);
    app.Pace().Clock().Sleep(CLongPress::kHeldMilliseconds + 50);
    app.Tick();
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_TRUE(app.ScreenOpen());
    Send(InputKind::kRelease, icon.x + 20, icon.y + 20);
    Key(27);
}
