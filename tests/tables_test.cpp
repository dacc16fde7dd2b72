#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "tables.h"

// The group tables agree with one another: each street's group starts at
// its first street and holds the streets up to the next group's first.
TEST(Tables, GroupTablesAgree)
{
    const int firsts[] = {0, 2, 5, 8, 11, 14, 17, 20, 22};
    const int kinds[] = {5, 6, 1, 2, 3, 4};  // the utilities' deeds, then the stations'
    for (int p = 0; p < kPropertyCount; ++p) {
        SCOPED_TRACE(deedTable[p].name);
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
