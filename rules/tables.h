// The static tables of the Paris board: title deeds, square maps, colour
// groups and the rectangles by which a property is picked from above.
#pragma once

#include <cstdint>

constexpr int kSquareCount = 40;
constexpr int kPropertyCount = 28;
constexpr int kStreetCount = 22;
constexpr int kGroupCount = 8;

// The colour of each street group as the players know it from the printed
// board: red, green and blue from 0 to 1. The pictures and the players'
// panel both show it.
constexpr double kGroupRgb[kGroupCount][3] = {
    {0.50, 0.26, 0.16},  // brown
    {0.58, 0.82, 0.96},  // light blue
    {0.84, 0.20, 0.58},  // pink
    {0.97, 0.56, 0.10},  // orange
    {0.88, 0.10, 0.13},  // red
    {1.00, 0.89, 0.05},  // yellow
    {0.10, 0.60, 0.28},  // green
    {0.00, 0.33, 0.68},  // dark blue
};

// Index of the first utility and of the first station in `properties`.
constexpr int kFirstUtility = 22;
constexpr int kFirstStation = 24;

// The square where a player in prison stands, and where "DEPART" lies.
constexpr int kPrisonSquare = 10;
constexpr int kStartSquare = 0;

// Money received on passing or landing on "DEPART".
constexpr int32_t kStartBonus = 20000;

// Rent of a station: this base, doubled once for every station its owner
// holds, so 2500 F for one and 20000 F for all four.
constexpr int32_t kStationBaseRent = 1250;
// Rent of a utility per point of the last throw of the dice, with one
// utility and with both in the same hands.
constexpr int32_t kUtilityRentPerPoint = 400;
constexpr int32_t kBothUtilitiesRentPerPoint = 1000;

// A title deed. `owner`, `mortgaged` and `houses` are the only fields that
// change during a game; the rest is the printed card.
struct Property {
    char name[32];
    int32_t rent[6];  // with 0..4 houses, then with a hotel
    int32_t mortgageValue;
    int32_t houseCost;
    int32_t verticalSide;
    int32_t owner;  // player index, -1 for the bank
    int32_t mortgaged;
    int32_t houses;  // 0..4 houses, 5 = a hotel
    int32_t price;
};

// The 28 title deeds as printed, every one owned by the bank.
extern const Property deedTable[kPropertyCount];

// Property index of each square, or the negative code of a special square.
extern const int32_t squareToProperty[kSquareCount];
// Square of each property.
extern const int32_t propertySquare[kPropertyCount];

// First street and number of streets of each property's group (0 for the
// utilities and stations), and the kind of deed: 0 street, 1..4 stations,
// 5..6 utilities.
extern const int32_t groupFirst[kPropertyCount];
extern const int32_t groupSize[kPropertyCount];
extern const int32_t deedKind[kPropertyCount];

// Colour group 0..7 of a street, -1 for a utility or a station.
int GroupNumber(int property);

// Names and texts of the special squares, indexed by minus their code.
constexpr int kSpecialCount = 13;
extern const char specialSquareNames[kSpecialCount][21];
extern const char specialSquareTexts[kSpecialCount][100];

// A property's rectangle in window pixels (y downwards, bounds included)
// on the board seen from above.
struct PickRect {
    int xFrom, xTo, yFrom, yTo;
};
extern const PickRect pickRects[kPropertyCount];

// The first property whose rectangle holds the point, or -1.
int PropertyAt(int x, int y);
