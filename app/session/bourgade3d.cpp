#include "bourgade3d.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>

#include "angles.h"
#include "game.h"
#include "pawn_walk.h"
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

// The tour's view: straight down on a point 1 across and 2 into the
// square, 5 above the board.
const CQuaternion kTourOrientation(0, -0.7132440f, -0.7009030f, 0);
constexpr float kTourSeconds = 1.5f;
constexpr float kTourHeight = 5.0f;

// Half the board's width in pixels as the overview shows it: the 500 x 600
// view sees 60 degrees from top to bottom.
float OverviewBoardHalfPixels()
{
    const float halfHeight = OverviewPosition.y * std::tan(30.0f * DEG2RAD);
    return 300.0f * 12.0f / halfHeight;
}

bool IsPick(int32_t inputMode)
{
    return inputMode >= kInspectPick && inputMode <= kLiftPick;
}

}  // namespace

void CBourgade3D::BuildList()
{
    board.SetGame(m_pGame);
    board.SetPawns(pawns);
    board.Build();
    dice.Build();
    for (int k = 0; k < kPawnCount; ++k)
        pawns[k].m_vOffset = InSquareOffset(k);
    for (int k = 0; k < m_pGame->playerCount; ++k)
        pawns[k].Build();
    std::copy(std::begin(pawns), std::end(pawns), std::begin(m_SeatPawns));
    deedCard.Build();
    m_Heard = TakeHeardState(*m_pGame);
    // The frames so far showed no scene.
    m_S.frames.Changed();
}

void CBourgade3D::FlyCamera(CVector position, CQuaternion orientation, float seconds)
{
    CCamera& camera = m_S.camera;
    camera.BeginFlight();
    camera.m_vFrom = camera.GetEye();
    camera.m_vTo = position;
    camera.m_qTo = orientation;
    camera.m_bUseMatrix = true;
    m_S.pace.Run(WaitKind::kFlight, seconds, [&camera](float f) { camera.Fly(f); },
                 [this] { ShowNow(); });
    camera.m_bUseMatrix = false;
    camera.EndFlight();
}

void CBourgade3D::TourNextSquare()
{
    const int square = m_nTourSquare;
    m_nTourSquare = (m_nTourSquare + 1) % kSquareCount;
    CVector position = board.RestingPoint(square, CVector(1.0f, 0, 2.0f));
    position.y = kTourHeight;
    FlyCamera(position, kTourOrientation, kTourSeconds);
    m_S.camera.m_Angles.x = board.m_Squares[square].m_fAngle - 180;
    m_S.camera.UpdateUp();
}

// A yes/no answer already clicked, or a press made in a pick that the pick
// has not yet read: the reminders the rules show before they read it would
// only keep the player waiting.
bool CBourgade3D::AnswerWaiting() const
{
    const CGame& game = *m_pGame;
    if (game.inputMode == kYesNo)
        return game.answer == 'y' || game.answer == 'n';
    // The press that chose the pick's icon is no answer to it.
    return IsPick(game.inputMode) && game.action == kNoAction && m_S.presses.Unread() && !m_bPickRead;
}

// Every message is written to the log, which keeps a reminder to one line,
// and shown and held on the screen, a repeated one too. The scene is drawn
// afresh under the text: what the back buffer holds after a swap is not to
// be relied on.
void CBourgade3D::DrawMessage(const char* text)
{
    const bool withAnswers = m_bYesNoNext;
    m_bYesNoNext = false;
    m_S.log.Message(text);
    m_S.frames.Changed();
    Listen();
    if (m_S.pace.Scaled(kMessageHoldMs) == 0 || AnswerWaiting())
        return;
    const HeldLine line = LineToHold(text, withAnswers, m_pGame->inputMode == kYesNo, m_pGame->message);
    m_S.show(&line);
    m_S.pace.Hold(kMessageHoldMs);
    CutIfSkipped();
    // The hold is over: the next frame takes the message off the screen.
    m_S.frames.Changed();
}

void CBourgade3D::DrawYesNo()
{
    m_bYesNoNext = true;
}

void CBourgade3D::DrawOffer(const PricedOffer& offer)
{
    m_Offer = offer;
    m_S.frames.Changed();
}

// The rules ask for frames more often than a display shows them, and often
// when nothing has changed since the last one.
void CBourgade3D::Redraw()
{
    m_S.frames.Compare(VisibleStateHash(*m_pGame));
    if (m_S.frames.Due(m_S.clock.Milliseconds()))
        ShowNow();
}

void CBourgade3D::FlyToOverview()
{
    FlyCamera(OverviewPosition, OverviewOrientation, kOverviewSeconds);
    m_S.camera.UpdateUp();
}

void CBourgade3D::LookAtPoint(const CVector& point)
{
    m_S.camera.SetTarget(point);
    m_S.camera.UpdateAngles();
    m_S.camera.UpdateUp();
}

void CBourgade3D::RegardePion(int pawn)
{
    Listen();
    const CVector from = m_S.camera.GetTarget();
    const CVector to = pawns[pawn].m_vPosition;
    m_S.pace.Run(
        WaitKind::kFlight, kPawnLookSeconds, [&](float f) { LookAtPoint(from * (1 - f) + to * f); },
        [this] { ShowNow(); });
    m_S.frames.Changed();
}

void CBourgade3D::MovePawnTo(int pawn, int square, float seconds)
{
    m_S.log.Event();
    if (!Listen() && !m_S.pace.WalkSkipped())
        Sound(SoundEvent::kStep);
    MovePawn(pawn, pawns[pawn].m_nSquare, square, seconds);
    pawns[pawn].m_nSquare = pawns[pawn].m_nTarget;
}

void CBourgade3D::MovePawn(int pawn, int from, int to, float seconds)
{
    for (const WalkLeg& leg : WalkLegs(from, to))
        WalkStraight(pawns[pawn], leg.from, leg.to, seconds);
}

void CBourgade3D::WalkStraight(CPawn& pawn, int from, int to, float seconds)
{
    pawn.m_nFrom = from;
    pawn.m_nTarget = to % kSquareCount;
    pawn.m_vStart = board.RestingPoint(from, pawn.m_vOffset);
    pawn.m_vEnd = board.RestingPoint(to, pawn.m_vOffset);
    m_S.pace.Run(
        WaitKind::kWalk, seconds,
        [&](float f) {
            pawn.Interpolate(f);
            LookAtPoint(pawn.m_vPosition);
        },
        [this] { ShowNow(); });
    CutIfSkipped();
    m_S.frames.Changed();
}

void CBourgade3D::AnimateDice(int die1, int die2)
{
    m_S.log.Event();
    // The tumbling faces are for show: they draw on their own generator so
    // that the game's sequence of numbers stays its own.
    static std::minstd_rand faces(std::random_device{}());
    std::uniform_int_distribution<int> face(1, 6);
    int shown = -1;
    Sound(SoundEvent::kDiceRoll);
    m_S.pace.Run(
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
        [this] { ShowNow(); });
    CutIfSkipped();
    Sound(SoundEvent::kDiceLand);
    m_S.frames.Changed();
}

void CBourgade3D::LoadPicture(int square)
{
    deedCard.LoadPicture(square);
    if (square != m_nPictureSquare)
        m_S.frames.Changed();
    m_nPictureSquare = square;
}

void CBourgade3D::RemovePawn(int pawn, int pawnCount)
{
    fallenSeats.push_back(m_pGame->players[pawn].seat);
    for (int j = pawn; j < pawnCount - 1; ++j)
        pawns[j] = pawns[j + 1];
    pawns[pawnCount - 1].m_bBuilt = false;
    Sound(SoundEvent::kBankruptcy);
    m_S.frames.Changed();
}

void CBourgade3D::SetBuildings(int square, int count)
{
    board.SetBuildings(square, count);
    m_S.frames.Changed();
}

MouseEvent CBourgade3D::LastMouse() const
{
    return m_S.presses.Seen();
}

// From the overview the board spans fewer pixels than the pick rectangles
// (1 to 499) assume, leaving room for the buildings beyond its outer edge:
// a point is stretched about the view's centre to match. Only the picks and
// the trade screen ask.
MouseEvent BoardPointFromAbove(const MouseEvent& mouse)
{
    if (!mouse.pressed)
        return mouse;
    const float stretch = kPickHalfWidth / OverviewBoardHalfPixels();
    MouseEvent onBoard = mouse;
    onBoard.x = static_cast<int>(std::lround(kViewCentre + (mouse.x - kViewCentre) * stretch));
    onBoard.y = static_cast<int>(std::lround(kViewCentre + (mouse.y - kViewCentre) * stretch));
    return onBoard;
}

MouseEvent CBourgade3D::OnBoardFromAbove(const MouseEvent& mouse) const
{
    m_bPickRead = true;
    return BoardPointFromAbove(mouse);
}

char CBourgade3D::TakeKey()
{
    const char key = m_cLastKey;
    m_cLastKey = 0;
    return key;
}

void CBourgade3D::StepOver()
{
    m_bPickRead = false;
    Listen();
}

void CBourgade3D::Sound(SoundEvent event)
{
    m_S.sound.Play(event, SpeedInfo(m_S.pace.CurrentSpeed()).divisor);
}

// A skip ends the sound of what it skipped; a wait that ran its time
// outlasts its sound, or the pace already shortened the sound to it.
void CBourgade3D::CutIfSkipped()
{
    if (m_S.pace.EndedBySkip())
        m_S.sound.Cut();
}

// The walk, the dice and the messages come in the order of the game, so a
// change is heard with the first of them that follows it.
bool CBourgade3D::Listen()
{
    const HeardState now = TakeHeardState(*m_pGame);
    SoundEvent event = SoundEvent::kClick;
    const bool heard = SoundOfChange(m_Heard, now, event);
    m_Heard = now;
    if (heard)
        Sound(event);
    return heard;
}

void CBourgade3D::BetweenTurns()
{
    m_S.turnOver();
}

void CBourgade3D::NewTable()
{
    fallenSeats.clear();
    for (int k = 0; k < kPawnCount; ++k) {
        CPawn& pawn = m_SeatPawns[k];
        if (k < m_pGame->playerCount && !pawn.m_bBuilt)
            pawn.Build();
        pawns[k] = pawn;
        pawns[k].m_bBuilt = pawn.m_bBuilt && k < m_pGame->playerCount;
        pawns[k].m_nSquare = 0;
        pawns[k].m_vPosition = board.RestingPoint(0, pawn.m_vOffset);
    }
    for (int p = 0; p < kPropertyCount; ++p)
        board.SetBuildings(propertySquare[p], 0);
    m_S.frames.Changed();
}

// Pawns leave the table with their players, so pawn i is the pawn of the
// seat of player i, in that seat's colour and place inside the squares.
void CBourgade3D::PlaceResumedGame()
{
    const std::vector<CPawn> bySeat(std::begin(pawns), std::end(pawns));
    for (int i = 0; i < kPawnCount; ++i) {
        if (i >= m_pGame->playerCount) {
            pawns[i].m_bBuilt = false;
            continue;
        }
        const Player& player = m_pGame->players[i];
        pawns[i] = bySeat[player.seat];
        if (!pawns[i].m_bBuilt)
            pawns[i].Build();
        pawns[i].m_nSquare = player.square;
        pawns[i].m_vPosition = board.RestingPoint(player.square, pawns[i].m_vOffset);
    }
    for (int p = 0; p < kPropertyCount; ++p)
        board.SetBuildings(propertySquare[p], m_pGame->properties[p].houses);
    dice.m_nDie1 = m_pGame->die1;
    dice.m_nDie2 = m_pGame->die2;
}
