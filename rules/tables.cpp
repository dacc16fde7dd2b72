#include "tables.h"

// clang-format off
const Property deedTable[kPropertyCount] = {
    {"BOUL. DE BELLEVILLE",     {200, 1000, 3000, 9000, 16000, 25000},        3000,  5000, 0, -1, 0, 0,  6000},
    {"RUE LECOURBE",            {400, 2000, 6000, 18000, 32000, 45000},       3000,  5000, 0, -1, 0, 0,  6000},
    {"RUE DE VAUGIRARD",        {600, 3000, 9000, 27000, 40000, 55000},       5000,  5000, 0, -1, 0, 0, 10000},
    {"RUE DE COURCELLES",       {600, 3000, 9000, 27000, 40000, 55000},       5000,  5000, 0, -1, 0, 0, 10000},
    {"AV. DE LA REPUBLIQUE",    {800, 4000, 10000, 30000, 45000, 60000},      6000,  5000, 0, -1, 0, 0, 12000},
    {"BOUL. DE LA VILLETTE",    {1000, 5000, 15000, 45000, 62500, 75000},     7000, 10000, 1, -1, 0, 0, 14000},
    {"AVENUE DE NEUILLY",       {1000, 5000, 15000, 45000, 62500, 75000},     7000, 10000, 1, -1, 0, 0, 14000},
    {"RUE DE PARADIS",          {1200, 6000, 18000, 50000, 70000, 90000},     8000, 10000, 1, -1, 0, 0, 16000},
    {"AVENUE MOZART",           {1400, 7000, 20000, 55000, 75000, 95000},     9000, 10000, 1, -1, 0, 0, 18000},
    {"BOUL. SAINT-MICHEL",      {1400, 7000, 20000, 55000, 75000, 95000},     9000, 10000, 1, -1, 0, 0, 18000},
    {"PLACE PIGALLE",           {1600, 8000, 22000, 60000, 80000, 100000},   10000, 10000, 1, -1, 0, 0, 20000},
    {"AVENUE MATIGNON",         {1800, 9000, 25000, 70000, 87500, 105000},   11000, 15000, 0, -1, 0, 0, 22000},
    {"BOUL. MALESHERBES",       {1800, 9000, 25000, 70000, 87500, 105000},   11000, 15000, 0, -1, 0, 0, 22000},
    {"AV. HENRI-MARTIN",        {2000, 10000, 30000, 75000, 92500, 110000},  12000, 15000, 0, -1, 0, 0, 24000},
    {"FAUBOURG ST-HONORE",      {2200, 11000, 33000, 80000, 97500, 115000},  13000, 15000, 0, -1, 0, 0, 26000},
    {"PLACE DE LA BOURSE",      {2200, 11000, 33000, 80000, 97500, 115000},  13000, 15000, 0, -1, 0, 0, 26000},
    {"RUE LAFAYETTE",           {2400, 12000, 36000, 85000, 102500, 120000}, 14000, 15000, 0, -1, 0, 0, 28000},
    {"AV. DE BRETEUIL",         {2600, 13000, 39000, 90000, 110000, 127500}, 15000, 20000, 1, -1, 0, 0, 30000},
    {"AVENUE FOCH",             {2600, 13000, 39000, 90000, 110000, 127500}, 15000, 20000, 1, -1, 0, 0, 30000},
    {"BOUL. DES CAPUCINES",     {2800, 15000, 45000, 100000, 120000, 140000},16000, 20000, 1, -1, 0, 0, 32000},
    {"AV. DES CHAMPS-ELYSEES",  {3500, 17500, 50000, 110000, 130000, 150000},17500, 20000, 1, -1, 0, 0, 35000},
    {"RUE DE LA PAIX",          {5000, 20000, 60000, 140000, 170000, 200000},20000, 20000, 1, -1, 0, 0, 40000},
    {"COMPAGNIE D'ELECTRICITE", {0, 0, 0, 0, 0, 0},                           7500,     0, 1, -1, 0, 0, 15000},
    {"COMPAGNIE DES EAUX",      {0, 0, 0, 0, 0, 0},                           7500,     0, 0, -1, 0, 0, 15000},
    {"GARE MONTPARNASSE",       {0, 0, 0, 0, 0, 0},                          10000,     0, 0, -1, 0, 0, 20000},
    {"GARE DE LYON",            {0, 0, 0, 0, 0, 0},                          10000,     0, 1, -1, 0, 0, 20000},
    {"GARE DU NORD",            {0, 0, 0, 0, 0, 0},                          10000,     0, 0, -1, 0, 0, 20000},
    {"GARE SAINT-LAZARE",       {0, 0, 0, 0, 0, 0},                          10000,     0, 1, -1, 0, 0, 20000},
};

const int32_t squareToProperty[kSquareCount] = {
    -1, 0, -2, 1, -3, 24, 2, -4, 3, 4,
    -5, 5, 22, 6, 7, 25, 8, -6, 9, 10,
    -7, 11, -8, 12, 13, 26, 14, 15, 23, 16,
    -9, 17, 18, -10, 19, 27, -11, 20, -12, 21,
};

const int32_t propertySquare[kPropertyCount] = {
    1, 3, 6, 8, 9, 11, 13, 14, 16, 18, 19, 21, 23, 24,
    26, 27, 29, 31, 32, 34, 37, 39, 12, 28, 5, 15, 25, 35,
};

const int32_t groupFirst[kPropertyCount] = {
    0, 0, 2, 2, 2, 5, 5, 5, 8, 8, 8, 11, 11, 11,
    14, 14, 14, 17, 17, 17, 20, 20, 0, 0, 0, 0, 0, 0,
};

const int32_t groupSize[kPropertyCount] = {
    2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 2, 2, 0, 0, 0, 0, 0, 0,
};

const int32_t deedKind[kPropertyCount] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 5, 6, 1, 2, 3, 4,
};

const char specialSquareNames[kSpecialCount][21] = {
    "",
    "DEPART",
    "CAISSE DE COMMUNAUTE",
    "IMPOTS SUR LE REVENU",
    "CHANCE",
    "SIMPLE VISITE",
    "CAISSE DE COMMUNAUTE",
    "PARC GRATUIT",
    "CHANCE",
    "ALLEZ EN PRISON",
    "CAISSE DE COMMUNAUTE",
    "CHANCE",
    "TAXE DE LUXE",
};

const char specialSquareTexts[kSpecialCount][100] = {
    "",
    "Recevez 20.000 F chaque fois que vous passez ici.",
    "Tirez une carte Caisse de Communauté.",
    "Payez 20.000 F",
    "Tirez une carte Chance.",
    "Simple visite en prison.",
    "Tirez une carte Caisse de Communauté.",
    "Ramassez le parc gratuit",
    "Tirez une carte Chance.",
    "Allez en prison. Ne passez pas par la case Départ. Ne recevez pas 20.000F.",
    "Tirez une carte Caisse de Communauté.",
    "Tirez une carte Chance.",
    "Payez 10.000F de taxe de luxe.",
};

const PickRect pickRects[kPropertyCount] = {
    {395, 436, 435, 499}, {311, 353, 435, 499}, {187, 228, 435, 499}, {104, 145, 435, 499},
    { 63, 104, 435, 499}, {  1,  63, 395, 435}, {  1,  63, 312, 355}, {  1,  63, 270, 312},
    {  1,  63, 187, 228}, {  1,  63, 104, 145}, {  1,  63,  63, 104}, { 63, 104,   1,  63},
    {145, 187,   1,  63}, {187, 228,   1,  63}, {270, 311,   1,  63}, {311, 353,   1,  63},
    {395, 436,   1,  63}, {436, 498,  63, 104}, {436, 498, 104, 145}, {436, 498, 187, 228},
    {436, 498, 312, 355}, {436, 498, 395, 435}, {  1,  63, 355, 395}, {353, 395,   1,  63},
    {228, 270, 435, 499}, {  1,  63, 228, 270}, {228, 270,   1,  63}, {436, 498, 228, 270},
};
// clang-format on

int GroupNumber(int property)
{
    static const int firsts[kGroupCount] = {0, 2, 5, 8, 11, 14, 17, 20};
    if (property < 0 || property >= kStreetCount)
        return -1;
    for (int g = 0; g < kGroupCount; ++g)
        if (firsts[g] == groupFirst[property])
            return g;
    return -1;
}

int PropertyAt(int x, int y)
{
    for (int p = 0; p < kPropertyCount; ++p) {
        const PickRect& r = pickRects[p];
        if (x >= r.xFrom && x <= r.xTo && y >= r.yFrom && y <= r.yTo)
            return p;
    }
    return -1;
}
