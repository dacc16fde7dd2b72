// What a title-deed card says, line by line, from the rules' own tables.
#pragma once

#include <string>
#include <vector>

struct CDeedLine {
    std::string label;
    std::string amount;
    bool startsSection = false;  // a rule is drawn above it
};

enum EDeedKind { kStreetDeed, kStationDeed, kUtilityDeed };

EDeedKind DeedKindOf(int property);

// The priced lines of the card, top to bottom.
std::vector<CDeedLine> DeedLines(int property);
