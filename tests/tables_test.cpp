#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "tables.h"

namespace {

// The printed title deeds in hundreds of francs: price, house cost, then the
// rent bare, with 1 to 4 houses and with a hotel. Stations and utilities
// print no rent here.
struct PrintedDeed {
    int32_t price, houseCost, rent[6];
};

const PrintedDeed kPrinted[kPropertyCount] = {
    {60, 50, {2, 10, 30, 90, 160, 250}}, {60, 50, {4, 20, 60, 180, 320, 450}},
    {100, 50, {6, 30, 90, 270, 400, 550}}, {100, 50, {6, 30, 90, 270, 400, 550}},
    {120, 50, {8, 40, 100, 300, 450, 600}}, {140, 100, {10, 50, 150, 450, 625, 750}},
    {140, 100, {10, 50, 150, 450, 625, 750}}, {160, 100, {12, 60, 180, 500, 700, 900}},
    {180, 100, {14, 70, 200, 550, 750, 950}}, {180, 100, {14, 70, 200, 550, 750, 950}},
    {200, 100, {16, 80, 220, 600, 800, 1000}}, {220, 150, {18, 90, 250, 700, 875, 1050}},
    {220, 150, {18, 90, 250, 700, 875, 1050}}, {240, 150, {20, 100, 300, 750, 925, 1100}},
    {260, 150, {22, 110, 330, 800, 975, 1150}}, {260, 150, {22, 110, 330, 800, 975, 1150}},
    {280, 150, {24, 120, 360, 850, 1025, 1200}}, {300, 200, {26, 130, 390, 900, 1100, 1275}},
    {300, 200, {26, 130, 390, 900, 1100, 1275}}, {320, 200, {28, 150, 450, 1000, 1200, 1400}},
    {350, 200, {35, 175, 500, 1100, 1300, 1500}}, {400, 200, {50, 200, 600, 1400, 1700, 2000}},
    {150, 0, {}}, {150, 0, {}}, {200, 0, {}}, {200, 0, {}}, {200, 0, {}}, {200, 0, {}},
};

}  // namespace

// Every deed as printed, in its group.
TEST(Tables, DeedsAreTheCardsAsPrintedInTheirGroups)
{
    const int firsts[] = {0, 2, 5, 8, 11, 14, 17, 20, 22};
    const int kinds[] = {5, 6, 1, 2, 3, 4};  // the utilities' deeds, then the stations'
    for (int p = 0; p < kPropertyCount; ++p) {
        SCOPED_TRACE(deedTable[p].name);
        const Property& deed = deedTable[p];
        EXPECT_EQ(deed.price, kPrinted[p].price * 100);
        EXPECT_EQ(deed.mortgageValue, kPrinted[p].price * 50);
        EXPECT_EQ(deed.houseCost, kPrinted[p].houseCost * 100);
        for (int h = 0; h < 6; ++h)
            EXPECT_EQ(deed.rent[h], kPrinted[p].rent[h] * 100) << h << " buildings";
        const int g = static_cast<int>(std::upper_bound(firsts, firsts + kGroupCount, p) - firsts) - 1;
        const bool street = p < kStreetCount;
        EXPECT_EQ(GroupNumber(p), street ? g : -1);
        EXPECT_EQ(groupSize[p], street ? firsts[g + 1] - firsts[g] : 0);
        EXPECT_EQ(deedKind[p], street ? 0 : kinds[p - kStreetCount]);
        EXPECT_TRUE(!street || groupFirst[p] == firsts[g]) << groupFirst[p];
    }
    EXPECT_EQ(GroupNumber(-1), -1);
}

TEST(Tables, SquareMapsAreInverseAndSpecialCodesUnique)
{
    std::set<int> codes;
    int propertySquares = 0;
    for (int s = 0; s < kSquareCount; ++s) {
        const int p = squareToProperty[s];
        if (p < 0) {
            codes.insert(-p);
            continue;
        }
        ++propertySquares;
        EXPECT_EQ(propertySquare[p], s) << "square " << s;
    }
    EXPECT_EQ(propertySquares, kPropertyCount);
    EXPECT_EQ(codes.size(), 12u);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 12);
    EXPECT_STREQ(specialSquareNames[-squareToProperty[30]], "ALLEZ EN PRISON");
    EXPECT_STREQ(specialSquareNames[-squareToProperty[20]], "PARC GRATUIT");
}

// The board seen from above is 499 pixels square: corners 63 wide, and on
// each side nine squares between the edges listed, the bottom row and the
// left column counted from DEPART's corner, the other two towards it.
TEST(Tables, EachPickRectangleIsItsSquareOnTheBoard)
{
    const int rows[] = {436, 395, 353, 311, 270, 228, 187, 145, 104, 63};
    const int columns[] = {435, 395, 355, 312, 270, 228, 187, 145, 104, 63};
    for (int p = 0; p < kPropertyCount; ++p) {
        const int s = propertySquare[p];
        const int k = s % 10;
        const PickRect& rect = pickRects[p];
        SCOPED_TRACE(deedTable[p].name);
        if (s < 10 || (s > 20 && s < 30)) {
            EXPECT_EQ(rect.xFrom, s < 10 ? rows[k] : rows[10 - k]);
            EXPECT_EQ(rect.xTo, s < 10 ? rows[k - 1] : rows[9 - k]);
            EXPECT_EQ(rect.yFrom, s < 10 ? 435 : 1);
            EXPECT_EQ(rect.yTo, s < 10 ? 499 : 63);
        } else {
            EXPECT_EQ(rect.xFrom, s < 20 ? 1 : 436);
            EXPECT_EQ(rect.xTo, s < 20 ? 63 : 498);
            EXPECT_EQ(rect.yFrom, s < 20 ? columns[k] : columns[10 - k]);
            EXPECT_EQ(rect.yTo, s < 20 ? columns[k - 1] : columns[9 - k]);
        }
    }
}

TEST(Tables, PropertyAtFindsThePickRectangles)
{
    // The bounds belong to the rectangle.
    for (auto [x, y] : {std::pair{395, 470}, {436, 470}, {420, 435}, {420, 499}})
        EXPECT_EQ(PropertyAt(x, y), 0) << x << "," << y;
    EXPECT_EQ(PropertyAt(104, 450), 3);  // the shared border goes to the lower index
    // DEPART, the prison, the centre, beside the board, CHANCE (square 7), just
    // beyond the right column, just above the top row.
    for (auto [x, y] : {std::pair{470, 470}, {30, 470}, {250, 250}, {600, 300}, {166, 470}, {499, 80},
                        {80, 0}})
        EXPECT_EQ(PropertyAt(x, y), -1) << x << "," << y;
}
