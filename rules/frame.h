// Everything the rules ask of the screen and read from the player.
//
// The game calls these from inside its step. The window implements them with
// timed animations and held messages; tests and the simulator implement them
// with fakes that record or ignore.
#pragma once

// The last mouse-button event, in window pixels with y growing downwards.
struct Deal;

struct MouseEvent {
    int x = 0;
    int y = 0;
    bool pressed = false;  // true from the press until the release
};

// A square of window pixels (y downwards, bounds included) that answers a
// question when clicked.
struct ClickSquare {
    int xFrom, xTo, yFrom, yTo;
    bool Holds(const MouseEvent& mouse) const
    {
        return mouse.x >= xFrom && mouse.x <= xTo && mouse.y >= yFrom && mouse.y <= yTo;
    }
};

// The two answers to a computer player's priced exchange, over the top-left
// corner of the board seen from above.
constexpr ClickSquare kAcceptSquare = {40, 53, 107, 120};
constexpr ClickSquare kRefuseSquare = {104, 117, 107, 120};

// A computer player's offer to the player whose turn it is: the property the
// player asked for against one of the player's own, for a price.
struct PricedOffer {
    int computer;  // who makes the offer and owns `gives`
    int human;     // who is asked and owns `wants`
    int gives;     // property index
    int wants;     // property index
    int price;     // francs the human pays the computer; below 0 the computer pays
};

class CFrame {
public:
    virtual ~CFrame() = default;

    // Shows one line over the board and holds it for 1.5 s.
    virtual void DrawMessage(const char* text) = 0;
    // Puts the "OUI   NON" words under the next message.
    virtual void DrawYesNo() = 0;
    // Draws the offer and its accept and refuse squares, labelled, without
    // showing them; the DrawMessage that follows shows them.
    virtual void DrawOffer(const PricedOffer& offer) = 0;
    // Draws one frame of the board as it stands.
    virtual void Redraw() = 0;
    // Walks a pawn to a square, each straight leg taking the given seconds.
    virtual void MovePawnTo(int pawn, int square, float seconds) = 0;
    // Turns the camera towards a pawn.
    virtual void RegardePion(int pawn) = 0;
    // Flies the camera to the view from above the board.
    virtual void FlyToOverview() = 0;
    // Rolls the dice on screen, ending on the given faces.
    virtual void AnimateDice(int die1, int die2) = 0;
    // Shows the title deed of the property on this square.
    virtual void LoadPicture(int square) = 0;
    // Removes a pawn from play; those after it move down one slot.
    virtual void RemovePawn(int pawn, int pawnCount) = 0;
    // Sets the buildings drawn on a square: 0..4 houses, 5 a hotel.
    virtual void SetBuildings(int square, int count) = 0;

    // The last mouse-button event.
    virtual MouseEvent LastMouse() const = 0;
    // Where a window point falls on the board seen from above, in the frame
    // of the properties' pick rectangles (the board from pixel 1 to 499).
    virtual MouseEvent OnBoardFromAbove(const MouseEvent& mouse) const { return mouse; }
    // The key typed last, or 0; reading it clears it.
    virtual char TakeKey() = 0;

    // A turn is over, or the game is: the state is whole and the next step
    // starts a turn, so this is where a copy of the game resumes from.
    virtual void BetweenTurns() {}
    // Swapping(a, b, value): two computer players' properties a and b are
    // about to change hands, the owner of b paying the owner of a `value`.
    // Lifting(p): a computer player is about to lift the mortgage of p.
    // Dealing(deal): an accepted deal is about to be done.
    // Nothing is shown: these are for keeping count.
    virtual void Swapping(int, int, int) {}
    virtual void Lifting(int) {}
    virtual void Dealing(const Deal&) {}
};

// A frame that shows nothing and never has input: for headless play.
class CNullFrame : public CFrame {
public:
    void DrawMessage(const char*) override {}
    void DrawYesNo() override {}
    void DrawOffer(const PricedOffer&) override {}
    void Redraw() override {}
    void MovePawnTo(int, int, float) override {}
    void RegardePion(int) override {}
    void FlyToOverview() override {}
    void AnimateDice(int, int) override {}
    void LoadPicture(int) override {}
    void RemovePawn(int, int) override {}
    void SetBuildings(int, int) override {}
    MouseEvent LastMouse() const override { return {}; }
    char TakeKey() override { return 0; }
};
