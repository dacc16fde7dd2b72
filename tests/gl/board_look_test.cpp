// What a player reads on the board: the table and the backdrop around it,
// the rim that carries the buildings, the centre's name, each street's
// plate and a mortgage's stamp.
#include <GL/gl.h>

#include <vector>

#include "gl_test_env.h"
#include "scene_frame.h"
#include "table.h"

namespace {

constexpr Colour kPlate = {kPlateColour[0], kPlateColour[1], kPlateColour[2]};

class BoardLookTest : public GlTest {
protected:
    CTestScene& s = CTestScene::Get();

    void SetUp() override
    {
        GlTest::SetUp();
        if (s.m_Board.m_nList == 0)
            s.Build(3);
        s.m_Game.ResetProperties();
        for (int i = 0; i < kSquareCount; ++i)
            s.m_Board.SetBuildings(i, 0);
        s.ViewFromAbove();
    }

    // The pixels of the window rectangle around a board point.
    std::vector<Colour> Around(const CVector& world, int half)
    {
        const WindowPixel at = s.OnBoard(world);
        std::vector<Colour> seen;
        for (int dy = -half; dy <= half; ++dy)
            for (int dx = -half; dx <= half; ++dx)
                seen.push_back(ReadColour({at.x + dx, at.y + dy}));
        return seen;
    }
};

template <typename Test>
int Count(const std::vector<Colour>& pixels, Test test)
{
    int n = 0;
    for (const Colour& c : pixels)
        n += test(c);
    return n;
}

bool Stamped(const Colour& c)
{
    return c.r > 0.5f && c.g < 0.3f && c.b < 0.3f;
}

TEST_F(BoardLookTest, TheBoardLiesOnAWoodenTableBeforeABackdropAndCarriesItsHousesOnARim)
{
    s.ViewFromAngle(0, 25, 30);
    s.DrawFrame();
    const Colour table = ReadColour(s.OnBoard(CVector(0, kTableHeight, -22)));
    EXPECT_TRUE(table.r > table.g && table.g > table.b && table.r > 0.2f) << table;
    const Colour backdrop = ReadColour({250, 590});
    EXPECT_GT(backdrop.r + backdrop.g + backdrop.b, 0.4f) << backdrop;
    EXPECT_GE(backdrop.b, backdrop.r) << backdrop;

    // The first house of square 1 stands 0.2 outside the squares, on the
    // rim, which shows beside it where the fourth house would stand.
    s.ViewFromAbove();
    const CVector ridge = s.SquarePoint(1, 0.3f, 0.52f, -0.2f);
    const CVector beside = s.SquarePoint(1, 1.4f, 0, -0.3f);
    s.DrawFrame();
    EXPECT_TRUE(LitAs(ReadColour(s.OnBoard(ridge)), kPlate)) << ReadColour(s.OnBoard(ridge));
    s.m_Board.SetBuildings(1, 1);
    s.DrawFrame();
    EXPECT_FALSE(LitAs(ReadColour(s.OnBoard(ridge)), kPlate)) << ReadColour(s.OnBoard(ridge));
    EXPECT_TRUE(LitAs(ReadColour(s.OnBoard(beside)), kPlate)) << ReadColour(s.OnBoard(beside));
}

TEST_F(BoardLookTest, EachStreetShowsItsOwnPlateAndAMortgagedOneItsStamp)
{
    s.DrawFrame();
    const auto ink = [](const Colour& c) { return c.r + c.g + c.b < 0.9f; };
    const auto paper = [](const Colour& c) { return c.r > 0.8f && c.g > 0.8f && c.b > 0.7f; };
    const std::vector<Colour> first = Around(s.SquarePoint(1, 1, 0, 1.9f), 12);
    const std::vector<Colour> second = Around(s.SquarePoint(3, 1, 0, 1.9f), 12);
    EXPECT_GT(Count(first, ink), 15);
    EXPECT_GT(Count(first, paper), 100);
    int differ = 0;
    for (size_t i = 0; i < first.size(); ++i)
        differ += ink(first[i]) != ink(second[i]);
    EXPECT_GT(differ, 15) << "two streets show the same plate";

    const CVector middle = s.SquarePoint(1, 1, 0, 1.5f);
    const int plain = Count(Around(middle, 14), Stamped);
    s.m_Game.properties[0].owner = 0;
    s.m_Game.properties[0].mortgaged = 1;
    s.DrawFrame();
    EXPECT_GT(Count(Around(middle, 14), Stamped), plain + 60);
}

TEST_F(BoardLookTest, TheCentresNameStaysDarkAndItsGroundUnsaturatedUnderTheLights)
{
    s.DrawFrame();
    std::vector<Colour> row;
    for (float x = -7; x <= 7; x += 0.05f)
        row.push_back(ReadColour(s.OnBoard(CVector(x, 1.0f / 3, 5.2f))));
    const auto letter = [](const Colour& c) { return c.r > 0.3f && c.r > 2 * c.g && c.r < 0.9f; };
    EXPECT_GT(Count(row, letter), 40);
    const Colour ground = ReadColour(s.OnBoard(CVector(0, 1.0f / 3, 0)));
    EXPECT_LT(std::max({ground.r, ground.g, ground.b}), 0.97f) << ground;
    EXPECT_GT(ground.g, ground.b) << ground;
}

}  // namespace
