#include "deed_text.h"

#include "money_text.h"
#include "tables.h"

namespace {

constexpr int kStationCount = kPropertyCount - kFirstStation;

std::vector<CDeedLine> StreetLines(const Property& deed)
{
    std::vector<CDeedLine> lines = {{"Prix", FormatFrancs(deed.price)},
                                    {"Loyer terrain nu", FormatFrancs(deed.rent[0])},
                                    {"Avec 1 maison", FormatFrancs(deed.rent[1])}};
    for (int houses = 2; houses <= 4; ++houses)
        lines.push_back(
            {"Avec " + std::to_string(houses) + " maisons", FormatFrancs(deed.rent[houses])});
    lines.push_back({"Avec un HÔTEL", FormatFrancs(deed.rent[5])});
    lines.push_back({"Prix d'une maison", FormatFrancs(deed.houseCost), true});
    lines.push_back({"Prix d'un hôtel", FormatFrancs(deed.houseCost)});
    return lines;
}

std::vector<CDeedLine> StationLines(const Property& deed)
{
    std::vector<CDeedLine> lines = {{"Prix", FormatFrancs(deed.price)},
                                    {"Loyer", FormatFrancs(kStationBaseRent << 1)}};
    for (int stations = 2; stations <= kStationCount; ++stations)
        lines.push_back({"Avec " + std::to_string(stations) + " gares",
                         FormatFrancs(kStationBaseRent << stations)});
    return lines;
}

std::vector<CDeedLine> UtilityLines(const Property& deed)
{
    return {{"Prix", FormatFrancs(deed.price)},
            {"Une compagnie", "dés × " + FormatFrancs(kUtilityRentPerPoint)},
            {"Les deux", "dés × " + FormatFrancs(kBothUtilitiesRentPerPoint)}};
}

}  // namespace

EDeedKind DeedKindOf(int property)
{
    if (property >= kFirstStation)
        return kStationDeed;
    return property >= kFirstUtility ? kUtilityDeed : kStreetDeed;
}

std::vector<CDeedLine> DeedLines(int property)
{
    const Property& deed = deedTable[property];
    std::vector<CDeedLine> lines = DeedKindOf(property) == kStreetDeed    ? StreetLines(deed)
                                   : DeedKindOf(property) == kStationDeed ? StationLines(deed)
                                                                          : UtilityLines(deed);
    lines.push_back({"Valeur hypothécaire", FormatFrancs(deed.mortgageValue), true});
    return lines;
}

