#include <gtest/gtest.h>

#include <set>

#include "tables.h"

TEST(Tables, SquareMapsAreInverse)
{
    int propertySquares = 0;
    for (int s = 0; s < kSquareCount; ++s) {
        const int p = squareToProperty[s];
        if (p < 0)
            continue;
        ++propertySquares;
        EXPECT_EQ(propertySquare[p], s) << "square " << s;
    }
    EXPECT_EQ(propertySquares, kPropertyCount);
}

TEST(Tables, SpecialCodesCoverEachSpecialSquareOnce)
{
    std::set<int> codes;
    for (int s = 0; s < kSquareCount; ++s)
        if (squareToProperty[s] < 0)
            codes.insert(-squareToProperty[s]);
    EXPECT_EQ(codes.size(), 12u);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 12);
    EXPECT_STREQ(specialSquareNames[-squareToProperty[30]], "ALLEZ EN PRISON");
    EXPECT_STREQ(specialSquareNames[-squareToProperty[20]], "PARC GRATUIT");
}

TEST(Tables, GroupsAgreeWithTheDeeds)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const bool street = p < kStreetCount;
        EXPECT_EQ(deedKind[p] == 0, street) << p;
        EXPECT_EQ(groupSize[p] > 0, street) << p;
        EXPECT_EQ(deedTable[p].houseCost > 0, street) << p;
        if (!street)
            continue;
        const int first = groupFirst[p];
        EXPECT_GE(p, first);
        EXPECT_LT(p, first + groupSize[p]);
        // Every street of a group shares its group's first, size and house cost.
        for (int q = first; q < first + groupSize[p]; ++q) {
            EXPECT_EQ(groupFirst[q], first);
            EXPECT_EQ(groupSize[q], groupSize[p]);
            EXPECT_EQ(deedTable[q].houseCost, deedTable[p].houseCost);
            EXPECT_EQ(GroupNumber(q), GroupNumber(p));
        }
        // Rents grow with buildings; the mortgage is half the price.
        for (int h = 1; h < 6; ++h)
            EXPECT_GT(deedTable[p].rent[h], deedTable[p].rent[h - 1]) << p;
    }
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(deedTable[p].mortgageValue * 2, deedTable[p].price) << p;
        EXPECT_EQ(deedTable[p].owner, -1);
        const int s = propertySquare[p];
        EXPECT_EQ(deedTable[p].verticalSide, (s > 10 && s < 20) || s > 30) << p;
    }
    EXPECT_EQ(GroupNumber(0), 0);
    EXPECT_EQ(GroupNumber(21), 7);
    EXPECT_EQ(GroupNumber(22), -1);
}

TEST(Tables, PickRectanglesLieOnTheirSquaresSide)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const PickRect& r = pickRects[p];
        const int s = propertySquare[p];
        const int cx = (r.xFrom + r.xTo) / 2, cy = (r.yFrom + r.yTo) / 2;
        EXPECT_EQ(PropertyAt(cx, cy), p) << "centre of " << p;
        // DEPART is bottom right: squares 1-9 along the bottom, 11-19 up the
        // left, 21-29 along the top, 31-39 down the right.
        if (s < 10)
            EXPECT_GT(cy, 435 - 1) << p;
        else if (s < 20)
            EXPECT_LT(cx, 64) << p;
        else if (s < 30)
            EXPECT_LT(cy, 64) << p;
        else
            EXPECT_GT(cx, 435) << p;
    }
}

TEST(Tables, PickingBordersAndMisses)
{
    EXPECT_EQ(PropertyAt(104, 450), 3);  // the shared border goes to the lower index
    EXPECT_EQ(PropertyAt(470, 470), -1);  // DEPART
    EXPECT_EQ(PropertyAt(30, 470), -1);   // the prison
    EXPECT_EQ(PropertyAt(250, 250), -1);  // the centre
    EXPECT_EQ(PropertyAt(600, 300), -1);  // beside the board
    EXPECT_EQ(PropertyAt(166, 470), -1);  // CHANCE, square 7
}
