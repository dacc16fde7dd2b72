#include "bourgade3d.h"

#include <GL/freeglut.h>

#include <cmath>
#include <iterator>
#include <random>
#include <vector>

#include "angles.h"
#include "display.h"
#include "globals.h"
#include "overlays.h"
#include "pawn_walk.h"
#include "pending_question.h"
#include "save_game.h"
#include "visible_state.h"

const CVector OverviewPosition(0, 27, 0);
const CQuaternion OverviewOrientation(0, -0.70710677f, -0.70710677f, 0);

namespace {

constexpr uint32_t kMessageHoldMs = 1500;
constexpr float kOverviewSeconds = 1.0f;
constexpr float kPawnLookSeconds = 0.5f;
constexpr int kDiceFaces = 8;
// Long enough for each tumbling face to be seen.
constexpr float kDiceRollSeconds = kDiceFaces * 0.06f;

// The board view's centre in window pixels, both ways, and the half-width of
// the board in the pick rectangles.
constexpr float kViewCentre = 250.0f;
constexpr float kPickHalfWidth = 249.0f;

// Half the board's width in pixels as the overview shows it: the 500 x 600
// view sees 60 degrees from top to bottom.
float OverviewBoardHalfPixels()
{
    const float halfHeight = OverviewPosition.y * std::tan(30.0f * DEG2RAD);
    return 300.0f * 12.0f / halfHeight;
}

void LookAtPoint(const CVector& point)
{
    g_Camera.SetTarget(point);
    g_Camera.UpdateAngles();
    g_Camera.UpdateUp();
}

}  // namespace

void FlyCamera(CVector position, CQuaternion orientation, float seconds)
{
    g_Camera.BeginFlight();
    g_Camera.m_vFrom = g_Camera.GetEye();
    g_Camera.m_vTo = position;
    g_Camera.m_qTo = orientation;
    g_Camera.m_bUseMatrix = true;
    g_Pace.Run(WaitKind::kFlight, seconds, [](float f) { g_Camera.Fly(f); }, OnDisplay);
    g_Camera.m_bUseMatrix = false;
    g_Camera.EndFlight();
}

void CBourgade3D::BuildList()
{
    board.SetGame(&g_Game);
    board.SetPawns(pawns);
    board.Build();
    dice.Build();
    for (int k = 0; k < kPawnCount; ++k)
        pawns[k].m_vOffset = InSquareOffset(k);
    for (int k = 0; k < g_Game.playerCount; ++k)
        pawns[k].Build();
    deedCard.Build();
    g_StatusPanel.SetGame(&g_Game);
    g_StatusPanel.Build();
    g_IconBar.Build();
    g_Text = g_StatusPanel.m_Font;
    // The frames so far showed no scene.
    g_Frames.Changed();
}

// A reminder, a message the log has just written, is neither drawn nor held
// again: a game waiting for a click rests, and steps run while the player
// clicks do not pile up holds. The scene is drawn afresh under the text:
// what the back buffer holds after a swap is not to be relied on.
void CBourgade3D::DrawMessage(const char* text)
{
    const bool withAnswers = m_bYesNoNext;
    m_bYesNoNext = false;
    if (text[0] != '\0' && !g_Log.Message(text))
        return;
    g_Frames.Changed();
    if (g_Pace.Scaled(kMessageHoldMs) == 0)
        return;
    DrawScene(false);
    SetBoardView();
    const HeldLine line = LineToHold(text, withAnswers, g_Game.inputMode == kYesNo, g_Game.message);
    if (line.withAnswerWords)
        DrawAnswerWords();
    DrawMessageLines(line.text);
    ShowFrame();
    g_Pace.Hold(kMessageHoldMs);
    // The hold is over: the next frame takes the message off the screen.
    g_Frames.Changed();
}

void CBourgade3D::DrawYesNo()
{
    m_bYesNoNext = true;
}

void CBourgade3D::DrawOffer(const PricedOffer& offer)
{
    m_Offer = offer;
    g_Frames.Changed();
}

// The rules ask for frames more often than a display shows them, and often
// when nothing has changed since the last one.
void CBourgade3D::Redraw()
{
    g_Frames.Compare(VisibleStateHash(g_Game));
    if (g_Frames.Due(g_Clock.Milliseconds()))
        OnDisplay();
}

void CBourgade3D::FlyToOverview()
{
    FlyCamera(OverviewPosition, OverviewOrientation, kOverviewSeconds);
    g_Camera.UpdateUp();
}

void CBourgade3D::RegardePion(int pawn)
{
    const CVector from = g_Camera.GetTarget();
    const CVector to = pawns[pawn].m_vPosition;
    g_Pace.Run(
        WaitKind::kFlight, kPawnLookSeconds,
        [&](float f) { LookAtPoint(from * (1 - f) + to * f); }, [] {});
    g_Frames.Changed();
}

void CBourgade3D::MovePawnTo(int pawn, int square, float seconds)
{
    g_Log.Event();
    g_nMovingPawn = pawn;
    MovePawn(pawns[pawn].m_nSquare, square, seconds);
    pawns[pawn].m_nSquare = pawns[pawn].m_nTarget;
}

void CBourgade3D::MovePawn(int from, int to, float seconds)
{
    for (const WalkLeg& leg : WalkLegs(from, to))
        WalkStraight(leg.from, leg.to, seconds);
}

void CBourgade3D::WalkStraight(int from, int to, float seconds)
{
    CPawn& pawn = pawns[g_nMovingPawn];
    pawn.m_nFrom = from;
    pawn.m_nTarget = to % kSquareCount;
    pawn.m_vStart = board.RestingPoint(from, pawn.m_vOffset);
    pawn.m_vEnd = board.RestingPoint(to, pawn.m_vOffset);
    g_Pace.Run(
        WaitKind::kWalk, seconds,
        [&](float f) {
            pawn.Interpolate(f);
            LookAtPoint(pawn.m_vPosition);
        },
        OnDisplay);
    g_Frames.Changed();
}

void CBourgade3D::AnimateDice(int die1, int die2)
{
    g_Log.Event();
    // The tumbling faces are for show: they draw on their own generator so
    // that the game's sequence of numbers stays its own.
    static std::minstd_rand faces(std::random_device{}());
    std::uniform_int_distribution<int> face(1, 6);
    int shown = -1;
    g_Pace.Run(
        WaitKind::kDice, kDiceRollSeconds,
        [&](float f) {
            const int tumble = static_cast<int>(f * kDiceFaces);
            if (f >= 1.0f) {
                dice.m_nDie1 = die1;
                dice.m_nDie2 = die2;
            } else if (tumble != shown) {
                shown = tumble;
                dice.m_nDie1 = face(faces);
                dice.m_nDie2 = face(faces);
            }
        },
        OnDisplay);
    g_Frames.Changed();
}

void CBourgade3D::LoadPicture(int square)
{
    deedCard.LoadPicture(square);
    if (square != m_nPictureSquare)
        g_Frames.Changed();
    m_nPictureSquare = square;
}

void CBourgade3D::RemovePawn(int pawn, int pawnCount)
{
    g_FallenSeats.push_back(g_Game.players[pawn].seat);
    for (int j = pawn; j < pawnCount - 1; ++j)
        pawns[j] = pawns[j + 1];
    pawns[pawnCount - 1].m_bBuilt = false;
    g_Frames.Changed();
}

void CBourgade3D::SetBuildings(int square, int count)
{
    board.SetBuildings(square, count);
    g_Frames.Changed();
}

MouseEvent CBourgade3D::LastMouse() const
{
    return g_MouseLatch.Seen();
}

// From the overview the board spans fewer pixels than the pick rectangles
// (1 to 499) assume, leaving room for the buildings beyond its outer edge:
// a point is stretched about the view's centre to match.
MouseEvent CBourgade3D::OnBoardFromAbove(const MouseEvent& mouse) const
{
    const float stretch = kPickHalfWidth / OverviewBoardHalfPixels();
    MouseEvent onBoard = mouse;
    onBoard.x = static_cast<int>(std::lround(kViewCentre + (mouse.x - kViewCentre) * stretch));
    onBoard.y = static_cast<int>(std::lround(kViewCentre + (mouse.y - kViewCentre) * stretch));
    return onBoard;
}

char CBourgade3D::TakeKey()
{
    const char key = m_cLastKey;
    m_cLastKey = 0;
    return key;
}

void CBourgade3D::BetweenTurns()
{
    SaveGame();
}

// Pawns leave the table with their players, so pawn i is the pawn of the
// seat of player i, in that seat's colour and place inside the squares.
void CBourgade3D::PlaceResumedGame()
{
    const std::vector<CPawn> bySeat(std::begin(pawns), std::end(pawns));
    for (int i = 0; i < kPawnCount; ++i) {
        if (i >= g_Game.playerCount) {
            pawns[i].m_bBuilt = false;
            continue;
        }
        const Player& player = g_Game.players[i];
        pawns[i] = bySeat[player.seat];
        if (!pawns[i].m_bBuilt)
            pawns[i].Build();
        pawns[i].m_nSquare = player.square;
        pawns[i].m_vPosition = board.RestingPoint(player.square, pawns[i].m_vOffset);
    }
    for (int p = 0; p < kPropertyCount; ++p)
        board.SetBuildings(propertySquare[p], g_Game.properties[p].houses);
    dice.m_nDie1 = g_Game.die1;
    dice.m_nDie2 = g_Game.die2;
}
