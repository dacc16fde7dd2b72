// The game's frame: the 3D table's board, dice, pawns and deed card, and
// everything the rules ask of the screen, played out as timed animations
// and held messages. It draws through the function it is given, and reads
// the presses and keys the application hands it between steps.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "board.h"
#include "camera.h"
#include "clock.h"
#include "deed_card.h"
#include "dice.h"
#include "frame.h"
#include "frame_pacer.h"
#include "game_log.h"
#include "pace.h"
#include "pawn.h"
#include "pending_question.h"
#include "press_reader.h"
#include "quaternion.h"
#include "sound.h"
#include "sound_cues.h"
#include "vector.h"

class CGame;

// The view from above the board's centre.
extern const CVector OverviewPosition;
extern const CQuaternion OverviewOrientation;

// A press on the board seen from above, in the pick rectangles' pixels.
MouseEvent BoardPointFromAbove(const MouseEvent& mouse);

// What the frame works with; the application owns all of it.
struct FrameServices {
    CCamera& camera;
    CPace& pace;
    CFramePacer& frames;
    CClock& clock;
    CGameLog& log;
    CPressReader& presses;
    CSound& sound;
    // Draws the whole frame and shows it, with a held message when given.
    std::function<void(const HeldLine*)> show;
    // A turn is over: the game is whole and may be saved.
    std::function<void()> turnOver;
};

class CBourgade3D : public CFrame {
public:
    explicit CBourgade3D(FrameServices services) : m_S(std::move(services)) {}

    CBoard board;
    CDice dice;
    CPawn pawns[kPawnCount];
    CDeedCard deedCard;
    // The seats of the players who went bankrupt, in the order they fell.
    std::vector<int> fallenSeats;

    void SetGame(CGame* game) { m_pGame = game; }
    // Builds every scene object once the window exists.
    void BuildList();
    // Puts the pawns, buildings and dice where a resumed game left them,
    // once the scene is built.
    void PlaceResumedGame();
    // Sets the table for a new game of the players seated now: every pawn
    // of theirs on the start, no building, no one fallen.
    void NewTable();

    // A key for the rules' next reading of the player's action.
    void GiveKey(char key) { m_cLastKey = key; }
    // The step is over: the next one reads afresh, and what it changed
    // without a message is heard.
    void StepOver();

    // Flies the eye in a straight line to `position` while turning the view
    // to `orientation`.
    void FlyCamera(CVector position, CQuaternion orientation, float seconds);
    // Flies to the next square of the tour, straight down onto it.
    void TourNextSquare();

    const PricedOffer& Offer() const { return m_Offer; }

    // --- What the rules ask of the screen ---
    void DrawMessage(const char* text) override;
    void DrawYesNo() override;
    void DrawOffer(const PricedOffer& offer) override;
    void Redraw() override;
    void MovePawnTo(int pawn, int square, float seconds) override;
    void RegardePion(int pawn) override;
    void FlyToOverview() override;
    void AnimateDice(int die1, int die2) override;
    void LoadPicture(int square) override;
    void RemovePawn(int pawn, int pawnCount) override;
    void SetBuildings(int square, int count) override;
    MouseEvent LastMouse() const override;
    MouseEvent OnBoardFromAbove(const MouseEvent& mouse) const override;
    char TakeKey() override;
    void BetweenTurns() override;

private:
    void MovePawn(int pawn, int from, int to, float seconds);
    void WalkStraight(CPawn& pawn, int from, int to, float seconds);
    void LookAtPoint(const CVector& point);
    void ShowNow() { m_S.show(nullptr); }
    // Plays an event's sound at the pace in force.
    void Sound(SoundEvent event);
    // Plays the sound of what changed since the last time; false when
    // nothing was heard.
    bool Listen();
    void CutIfSkipped();
    // The player has already answered what the coming reminders ask.
    bool AnswerWaiting() const;

    FrameServices m_S;
    CGame* m_pGame = nullptr;
    char m_cLastKey = 0;
    // The next message comes with the "OUI   NON" words.
    bool m_bYesNoNext = false;
    // The square whose title deed is shown: showing it again changes nothing.
    int m_nPictureSquare = -1;
    int m_nTourSquare = 0;
    // The pawns of the six seats as they were made, built once each.
    CPawn m_SeatPawns[kPawnCount];
    // The last priced offer put to a player, shown while it waits.
    PricedOffer m_Offer{};
    // The pick read its press in this step.
    mutable bool m_bPickRead = false;
    // The game as the players last heard it.
    HeardState m_Heard{};
};
