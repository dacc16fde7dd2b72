// The shape of the two card decks: each card's lines and what it does.
#pragma once

#include <cstdint>

enum class CardKind {
    kCollect,     // the bank pays `amount`
    kPayBank,     // `amount` to the bank
    kPayPot,      // `amount` to the bank, then into the free-parking pot
    kAdvanceTo,   // forward to `square`, collecting on passing "DEPART"
    kBackTo,      // back to `square`, collecting nothing
    kBackThree,   // three squares back
    kPrison,      // straight to prison
    kBirthday,    // every other player pays `amount`
    kPrisonCard,  // the card is kept until used
    kRepairs,     // `amount` per house and `perHotel` per hotel
};

struct CardEffect {
    CardKind kind;
    int32_t amount;
    int32_t perHotel;
    int32_t square;
    float seconds;  // per straight leg of the pawn's walk
    bool refresh;   // show the deed of the square reached
    const char* announcement;  // formatted with the player's name
};

// Up to four lines, shown one after the other; an empty line stands for a
// frame of the board drawn between two lines.
constexpr int kCardSteps = 7;

struct Card {
    const char* lines[kCardSteps];
    CardEffect effect;
};

struct Deck {
    const Card* cards;
    int size;
    int prisonCard;    // the card number of "Sortie de Prison"
    int holderSlot;    // its entry in `jailCardHolder`
    int squares[3];    // where the deck is drawn
};
