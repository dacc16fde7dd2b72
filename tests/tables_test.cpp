#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tables.h"

namespace {

// The printed title deeds: price, house cost, then the rent bare, with 1 to
// 4 houses and with a hotel. Stations and utilities print no rent here.
struct PrintedDeed {
    int32_t price, houseCost, rent[6];
};

const PrintedDeed kPrinted[kPropertyCount] = {
    {6000, 5000, {200, 1000, 3000, 9000, 16000, 25000}},
    {6000, 5000, {400, 2000, 6000, 18000, 32000, 45000}},
    {10000, 5000, {600, 3000, 9000, 27000, 40000, 55000}},
    {10000, 5000, {600, 3000, 9000, 27000, 40000, 55000}},
    {12000, 5000, {800, 4000, 10000, 30000, 45000, 60000}},
    {14000, 10000, {1000, 5000, 15000, 45000, 62500, 75000}},
    {14000, 10000, {1000, 5000, 15000, 45000, 62500, 75000}},
    {16000, 10000, {1200, 6000, 18000, 50000, 70000, 90000}},
    {18000, 10000, {1400, 7000, 20000, 55000, 75000, 95000}},
    {18000, 10000, {1400, 7000, 20000, 55000, 75000, 95000}},
    {20000, 10000, {1600, 8000, 22000, 60000, 80000, 100000}},
    {22000, 15000, {1800, 9000, 25000, 70000, 87500, 105000}},
    {22000, 15000, {1800, 9000, 25000, 70000, 87500, 105000}},
    {24000, 15000, {2000, 10000, 30000, 75000, 92500, 110000}},
    {26000, 15000, {2200, 11000, 33000, 80000, 97500, 115000}},
    {26000, 15000, {2200, 11000, 33000, 80000, 97500, 115000}},
    {28000, 15000, {2400, 12000, 36000, 85000, 102500, 120000}},
    {30000, 20000, {2600, 13000, 39000, 90000, 110000, 127500}},
    {30000, 20000, {2600, 13000, 39000, 90000, 110000, 127500}},
    {32000, 20000, {2800, 15000, 45000, 100000, 120000, 140000}},
    {35000, 20000, {3500, 17500, 50000, 110000, 130000, 150000}},
    {40000, 20000, {5000, 20000, 60000, 140000, 170000, 200000}},
    {15000, 0, {}}, {15000, 0, {}},
    {20000, 0, {}}, {20000, 0, {}}, {20000, 0, {}}, {20000, 0, {}},
};

// The edges of the squares along the board seen from above, in window
// pixels: across the top and bottom rows from the left, and down the left
// and right columns from the top.
const int kColumnEdges[] = {1, 63, 104, 145, 187, 228, 270, 311, 353, 395, 436};
const int kRowEdges[] = {63, 104, 145, 187, 228, 270, 312, 355, 395, 435};

// A square's rectangle: DEPART is bottom right, squares 1-9 run leftwards
// along the bottom, 11-19 up the left, 21-29 along the top, 31-39 down the
// right.
PickRect RectOfSquare(int s)
{
    const int k = s % 10;
    switch (s / 10) {
    case 0: return {kColumnEdges[10 - k], kColumnEdges[11 - k], 435, 499};
    case 1: return {1, 63, kRowEdges[9 - k], kRowEdges[10 - k]};
    case 2: return {kColumnEdges[k], kColumnEdges[k + 1], 1, 63};
    default: return {436, 498, kRowEdges[k - 1], kRowEdges[k]};
    }
}

}  // namespace

TEST(Tables, DeedsAreTheCardsAsPrinted)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        SCOPED_TRACE(deedTable[p].name);
        const Property& deed = deedTable[p];
        EXPECT_EQ(deed.price, kPrinted[p].price);
        EXPECT_EQ(deed.mortgageValue * 2, deed.price);
        EXPECT_EQ(deed.houseCost, kPrinted[p].houseCost);
        for (int h = 0; h < 6; ++h)
            EXPECT_EQ(deed.rent[h], kPrinted[p].rent[h]) << h << " buildings";
        EXPECT_EQ(deed.owner, -1);
        EXPECT_EQ(deed.mortgaged, 0);
        EXPECT_EQ(deed.houses, 0);
        const int s = propertySquare[p];
        EXPECT_EQ(deed.verticalSide, (s > 10 && s < 20) || s > 30);
    }
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

TEST(Tables, GroupsAgreeWithTheDeeds)
{
    const int firsts[] = {0, 2, 5, 8, 11, 14, 17, 20, 22};
    for (int g = 0; g < kGroupCount; ++g)
        for (int p = firsts[g]; p < firsts[g + 1]; ++p) {
            EXPECT_EQ(groupFirst[p], firsts[g]) << p;
            EXPECT_EQ(groupSize[p], firsts[g + 1] - firsts[g]) << p;
            EXPECT_EQ(GroupNumber(p), g) << p;
            EXPECT_EQ(deedKind[p], 0) << p;
        }
    // The utilities' deeds are kinds 5 and 6, the stations' 1 to 4.
    const int kinds[] = {5, 6, 1, 2, 3, 4};
    for (int p = kStreetCount; p < kPropertyCount; ++p) {
        EXPECT_EQ(groupSize[p], 0) << p;
        EXPECT_EQ(GroupNumber(p), -1) << p;
        EXPECT_EQ(deedKind[p], kinds[p - kStreetCount]) << p;
    }
    EXPECT_EQ(GroupNumber(-1), -1);
}

TEST(Tables, PickRectanglesAreTheSquaresSeenFromAbove)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const PickRect expected = RectOfSquare(propertySquare[p]);
        const PickRect& r = pickRects[p];
        EXPECT_EQ(r.xFrom, expected.xFrom) << p;
        EXPECT_EQ(r.xTo, expected.xTo) << p;
        EXPECT_EQ(r.yFrom, expected.yFrom) << p;
        EXPECT_EQ(r.yTo, expected.yTo) << p;
    }
    // The bounds belong to the rectangle.
    for (auto [x, y] : {std::pair{395, 470}, {436, 470}, {420, 435}, {420, 499}})
        EXPECT_EQ(PropertyAt(x, y), 0) << x << "," << y;
    EXPECT_EQ(PropertyAt(104, 450), 3);   // the shared border goes to the lower index
    EXPECT_EQ(PropertyAt(470, 470), -1);  // DEPART
    EXPECT_EQ(PropertyAt(30, 470), -1);   // the prison
    EXPECT_EQ(PropertyAt(250, 250), -1);  // the centre
    EXPECT_EQ(PropertyAt(600, 300), -1);  // beside the board
    EXPECT_EQ(PropertyAt(166, 470), -1);  // CHANCE, square 7
    EXPECT_EQ(PropertyAt(499, 80), -1);   // just beyond the right column
    EXPECT_EQ(PropertyAt(80, 0), -1);     // just above the top row
}
