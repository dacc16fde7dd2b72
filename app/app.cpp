#include "app.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "data_path.h"
#include "game_setup.h"
#include "overlays.h"
#include "prompt_zones.h"
#include "router.h"
#include "standings.h"
#include "turn_number.h"
#include "visible_state.h"

namespace {

// A game that waits for a person still steps twenty times a second, but
// draws nothing until something visible changes: it leaves the processor
// alone. Every movement paces its own frames.
constexpr uint32_t kRestMilliseconds = 50;

}  // namespace

CApp::CApp(const GameOptions& options)
    : m_Table(FrameServices{m_Camera, m_Pace, m_Frames, m_Clock, m_Log, m_Presses, m_Sound,
                            [this](const HeldLine* message) { ShowFrame(message); },
                            [this] { m_Saver.Save(m_Game, History()); }}),
      m_Renderer(SceneParts{m_Game, m_Table, m_Camera, m_Panel, m_Icons, m_Text, m_Fit, m_Hover,
                            m_Speed, m_Clock}),
      m_Play(PlayParts{m_Game, m_Table, m_Presses, m_CameraControl, m_Speed, m_Frames, m_Renderer,
                       [this] { m_Screens.Push(m_Help); }, [this] { m_Journal.Open(); },
                       [this] { OpenTrade(); }, [this] { m_Sound.ToggleMute(); },
                       [this] { Escape(); }})
{
    m_Table.SetGame(&m_Game);
    m_Sound.SetMuted(options.mute);
    m_Screens.OnChange([this] { m_Sound.Play(SoundEvent::kClick, 1); });
    m_Pace.SetSpeed(options.speed);
    m_Pace.SetFastComputers(options.fastComputers);
    if (options.seeded)
        m_Random.Seed(options.seed);
}

void CApp::UseSave(const SaveChoice& choice)
{
    m_SaveChoice = choice;
    m_bSaveChosen = true;
    if (choice.saving)
        m_Saver.SetPath(choice.savePath);
}

// A speed named on the command line wins over the saved one.
void CApp::Resume(const GameHistory& history, const GameOptions& options)
{
    m_Table.fallenSeats = history.fallenSeats;
    if (!options.speedChosen)
        m_Pace.SetSpeed(static_cast<Speed>(history.speed));
    m_Pace.SetFastComputers(options.fastComputers || history.fastComputers != 0);
    m_Sound.SetVolume(history.soundVolume);
    m_Sound.SetMuted(options.mute || history.soundMuted != 0);
}

// The sounds live in the data folder's sounds/, found as the pictures are.
void CApp::OpenSound()
{
    m_Sound.Open([](const char* file) { return DataPath((std::string("textures/sounds/") + file).c_str()); },
                 stdout);
}

GameHistory CApp::History() const
{
    GameHistory history;
    history.fallenSeats = m_Table.fallenSeats;
    history.speed = static_cast<int32_t>(m_Pace.ChosenSpeed());
    history.fastComputers = m_Pace.FastComputers() ? 1 : 0;
    history.soundVolume = m_Sound.Volume();
    history.soundMuted = m_Sound.Muted() ? 1 : 0;
    return history;
}

void CApp::Start(bool resumed)
{
    m_Pace.SetEventPump([this] { PumpEvents(); });
    m_Renderer.Build();
    m_Table.FlyToOverview();
    m_Table.BuildList();
    if (resumed) {
        m_Table.PlaceResumedGame();
        return;
    }
    m_Game.ResetProperties();
    m_Saver.Save(m_Game, History());
}

WindowHooks CApp::Hooks()
{
    WindowHooks hooks;
    hooks.input = [this](const InputEvent& event) { Input(event); };
    hooks.idle = [this] { Tick(); };
    hooks.expose = [this] { m_Frames.Changed(); };
    hooks.reshape = [this](int width, int height) {
        m_Fit = CLayoutFit(width, height);
        m_Frames.Changed();
    };
    hooks.finish = [this] { m_Saver.SaveNow(m_Game, History()); };
    return hooks;
}

void CApp::Quit()
{
    EndProgram(EXIT_SUCCESS);
}

void CApp::Escape()
{
    if (m_bMenu)
        m_Screens.Push(m_Pause);
    else
        Quit();
}

// Pointer positions become the layout's, and every event is stamped with
// the turn it was made in. The resting pointer only moves the tooltip.
void CApp::Input(const InputEvent& windowEvent)
{
    InputEvent event = windowEvent;
    const PixelPoint at = m_Fit.ToLayout({windowEvent.x, windowEvent.y});
    event.x = at.x;
    event.y = at.y;
    event.turn = TurnNumber(m_Game);
    if (event.kind == InputKind::kPress && !ScreenOpen())
        m_LongPress.Press(event, m_Clock.Milliseconds());
    else if (event.kind == InputKind::kRelease)
        m_LongPress.Release();
    else if (event.kind == InputKind::kDrag)
        m_LongPress.Drag(event);
    if (event.kind == InputKind::kHover)
        m_Hover.Move(event.x, event.y, m_Clock.Milliseconds());
    else if (m_Pace.Waiting())
        ActWhileWaiting(event);
    else
        m_Queue.push_back(event);
}

// Inside a wait only the skip, the speed and the way out act at once.
void CApp::ActWhileWaiting(const InputEvent& event)
{
    switch (WhileWaiting(event, m_Game.inputMode)) {
    case WaitingInput::kSkip:
        m_Pace.Skip();
        break;
    case WaitingInput::kAnswer:
        m_Pace.Skip();
        m_Queue.push_back(event);
        break;
    case WaitingInput::kFaster:
    case WaitingInput::kSlower:
        m_Speed.Step(SpeedKeyStep(event.key));
        m_Frames.Changed();
        break;
    case WaitingInput::kMute:
        m_Sound.ToggleMute();
        break;
    case WaitingInput::kQuit:
        Quit();
    case WaitingInput::kKeep:
        m_Queue.push_back(event);
        break;
    default:
        break;
    }
}

void CApp::Dispatch(const InputEvent& event)
{
    CScreen& top = m_Screens.Top();
    switch (event.kind) {
    case InputKind::kPress:
        top.OnPress(event);
        break;
    case InputKind::kRelease:
        m_CameraControl.Release();
        break;
    case InputKind::kDrag:
        top.OnDrag(event);
        return;
    case InputKind::kKey:
        top.OnKey(event);
        break;
    case InputKind::kSpecialKey:
        top.OnSpecialKey(event);
        break;
    default:
        return;
    }
    m_Frames.Changed();
}

void CApp::DrainInput()
{
    while (!m_Queue.empty() && !m_Presses.Unread()) {
        const InputEvent event = m_Queue.front();
        m_Queue.pop_front();
        Dispatch(event);
    }
}

// Turns a press on "OUI" or "NON" into the answer; false when the press is
// on the words' row but on neither word, which runs no step.
bool CApp::ReadAnswerClick()
{
    const MouseEvent mouse = m_Presses.Seen();
    if (!mouse.pressed || m_Game.inputMode != kYesNo)
        return true;
    switch (PromptClickAt(mouse.x, mouse.y)) {
    case PromptClick::kYes:
        m_Game.answer = 'y';
        return true;
    case PromptClick::kNo:
        m_Game.answer = 'n';
        return true;
    case PromptClick::kBetween:
        m_Presses.StepRead();
        return false;
    default:
        return true;
    }
}

void CApp::ShowStandings()
{
    const std::vector<Standing> standings = RankPlayers(m_Game, m_Table.fallenSeats);
    const std::string note = LimitNote(m_Game);
    if (!note.empty())
        std::printf("\n%s\n", note.c_str());
    std::printf("\nClassement final :\n");
    for (const std::string& line : StandingLines(standings))
        std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    m_End.Show(standings, m_Game.message, note);
    // Once the standings are taken away, a game set up in the window offers
    // the next one.
    if (m_bMenu)
        m_Screens.Push(m_EndChoices);
    m_Screens.Push(m_End);
    m_Sound.Play(SoundEvent::kWinner, SpeedInfo(m_Pace.CurrentSpeed()).divisor);
}

void CApp::RunStep()
{
    const bool wasOver = m_Game.gameOver;
    const int32_t actionBefore = m_Game.action;
    const int64_t turn = TurnNumber(m_Game);
    m_StepLog.Before();
    m_Pace.SetComputerTurn(m_Game.players[m_Game.current].computer != 0);
    {
        const CGameSaver::CStepping stepping(m_Saver);
        m_Game.Step();
    }
    ClickForAction(actionBefore);
    AfterStep(wasOver);
    // The board's changes the step log told belong to the turn just ended.
    if (TurnNumber(m_Game) != turn)
        m_Log.TurnOver();
}

// A throw is heard in its dice, and the options in their screen.
void CApp::ClickForAction(int32_t before)
{
    const int32_t action = m_Game.action;
    const bool quiet = action == kNoAction || action == kActionThrow || action == kActionThrowRight ||
                       action == kActionOptions;
    if (action != before && !quiet)
        m_Sound.Play(SoundEvent::kClick, 1);
}

// The rules stop once the game is over; the players may still fly to the
// view from above to look at the final board.
void CApp::AfterStep(bool wasOver)
{
    if (m_Game.gameOver && ChosenAction(m_Presses.Seen(), m_Table.TakeKey()) == kActionOverview)
        m_Game.FlyToOverview();
    m_Presses.StepRead();
    m_Table.StepOver();
    m_Pace.EndStep();
    m_StepLog.After();
    if (m_Game.action == kActionOverview || m_Game.action == kActionInspect)
        m_Game.FlyToOverview();
    if (m_Game.action == kActionOptions)
        m_Screens.Push(m_Options);
    if (m_bTradeAfterStep) {
        m_bTradeAfterStep = false;
        OpenTrade();
    }
    ShowDealToAnswer();
    if (m_Game.gameOver && !wasOver)
        ShowStandings();
}

void CApp::ShowFrame(const HeldLine* message)
{
    m_Renderer.DrawScene(message);
    m_Renderer.EnterBoardView();
    m_Screens.Draw();
    DrawNotice(m_Text, m_TradeNotice.TextAt(m_Clock.Milliseconds()));
    m_Renderer.FinishFrame();
    ShowDrawnFrame();
    m_Frames.Drawn(m_Clock.Milliseconds(), VisibleStateHash(m_Game));
}

// Draws what changed once a frame is due; sleeps while the game only waits,
// and goes straight on with the next step while it moves.
void CApp::DrawOrRest(bool moved)
{
    const uint32_t now = m_Clock.Milliseconds();
    if (m_Speed.NoticeExpired() || m_Renderer.TooltipChanges(now))
        m_Frames.Changed();
    if (m_TradeNotice.Expire(now))
        m_Frames.Changed();
    if (m_Frames.Due(now))
        ShowFrame(nullptr);
    if (moved || !m_Queue.empty())
        return;
    m_Clock.Sleep(m_Frames.Pending() ? m_Frames.UntilDue(now) : kRestMilliseconds);
}

void CApp::Tick()
{
    EndIfSignalled();
    DrainInput();
    OpenTradeOnLongPress();
    if (m_Screens.HoldsGame() || !ReadAnswerClick()) {
        DrawOrRest(false);
        return;
    }
    const uint64_t before = VisibleStateHash(m_Game);
    const uint64_t framesBefore = m_Frames.Frames();
    RunStep();
    const uint64_t after = VisibleStateHash(m_Game);
    m_Frames.Compare(after);
    DrawOrRest(after != before || m_Frames.Frames() != framesBefore);
}

// --- Deals ---

void CApp::PumpEvents()
{
    PumpWindowEvents();
    const bool pickHeld = m_Game.inputMode == kTradeWantedPick && m_LongPress.Due(m_Clock.Milliseconds());
    if (m_bTradeAfterStep || pickHeld)
        m_Pace.Skip();
}

void CApp::OpenTrade()
{
    const char* closed = TradeClosedReason(m_Game);
    if (closed != nullptr) {
        m_TradeNotice.Show(closed, m_Clock.Milliseconds());
        m_Frames.Changed();
        return;
    }
    m_Screens.CloseAll();
    m_Trade.Compose();
    m_Table.FlyToOverview();
}

void CApp::OpenTradeOnLongPress()
{
    if (!m_LongPress.Due(m_Clock.Milliseconds()))
        return;
    m_LongPress.Take();
    if (m_Game.inputMode != kTradeWantedPick) {
        OpenTrade();
        return;
    }
    InputEvent rightClick;
    rightClick.kind = InputKind::kPress;
    rightClick.button = kRightButton;
    m_Presses.Press(PressForRules(rightClick, m_Game.inputMode));
    m_bTradeAfterStep = true;
}

// Keys and clicks made before the deal was shown do not answer it.
void CApp::ShowDealToAnswer()
{
    if (m_Game.inputMode != kDealAnswer || m_Screens.IsOpen(m_Trade))
        return;
    const auto early = std::remove_if(m_Queue.begin(), m_Queue.end(), [](const InputEvent& event) {
        return event.kind == InputKind::kKey || event.kind == InputKind::kSpecialKey ||
               event.kind == InputKind::kPress;
    });
    m_Queue.erase(early, m_Queue.end());
    m_Screens.CloseAll();
    m_Trade.Answer();
    m_Table.FlyToOverview();
}

// --- A game set up in the window ---

void CApp::FillMenus()
{
    m_Pause.SetRows({
        {"Reprendre", [this] { m_Screens.Pop(); }},
        {"Journal", [this] { m_Journal.Open(); }},
        {"Options", [this] { m_Screens.Push(m_Options); }},
        {"Aide", [this] { m_Screens.Push(m_Help); }},
        {"Quitter (la partie est enregistrée)", [this] { Quit(); }},
    });
    m_Pause.SetEscape([this] { m_Screens.Pop(); });
    m_EndChoices.SetRows({
        {"Nouvelle partie", [this] { StartGame(SamePlayers()); }},
        {"Menu", [this] { ShowTitle(); }},
        {"Quitter", [this] { Quit(); }},
    });
    m_EndChoices.SetEscape([this] { Quit(); });
}

void CApp::StartOnTitle(const std::string& usualSave)
{
    m_bMenu = true;
    m_UsualSave = usualSave;
    // No one sits at the table until a game is set up.
    m_Game.playerCount = 0;
    m_Pace.SetEventPump([this] { PumpEvents(); });
    m_Renderer.Build();
    m_Table.FlyToOverview();
    m_Table.BuildList();
    FillMenus();
    ShowTitle();
}

void CApp::ShowTitle()
{
    std::vector<MenuRow> rows = {{"Nouvelle partie", [this] { m_Screens.Push(m_SetupScreen); }}};
    const std::string inProgress = GameInProgressLabel(m_UsualSave);
    if (!inProgress.empty())
        rows.push_back({inProgress, [this] { ResumeFromTitle(); }});
    rows.push_back({"Options", [this] { m_Screens.Push(m_Options); }});
    rows.push_back({"Aide", [this] { m_Screens.Push(m_Help); }});
    rows.push_back({"Quitter", [this] { Quit(); }});
    m_Title.SetRows(std::move(rows));
    m_Title.SetEscape([this] { Quit(); });
    m_Screens.CloseAll();
    m_Screens.Push(m_Title);
}

// The first game started from the title takes the usual save, or the first
// free one beside it; the next ones keep it.
bool CApp::ChooseSave()
{
    if (m_bSaveChosen)
        return true;
    GameHistory history;
    SaveChoice choice;
    if (!OpenSave(false, "", m_UsualSave, m_Game, history, m_SaveLock, choice, std::cout, std::cerr))
        return false;
    UseSave(choice);
    return true;
}

void CApp::StartGame(const GameSetup& setup)
{
    if (!ChooseSave())
        return;
    m_Game.ClearTable();
    ApplySetup(setup, m_Game);
    m_Game.NewGame();
    m_Game.ResetProperties();
    m_Pace.SetSpeed(setup.speed);
    if (setup.fullScreen)
        EnterFullScreen();
    m_Table.NewTable();
    KeepOldSave(m_SaveChoice.savePath, std::cout);
    m_Saver.Save(m_Game, History());
    m_Screens.CloseAll();
    m_Table.FlyToOverview();
}

void CApp::ResumeFromTitle()
{
    GameHistory history;
    SaveChoice choice;
    if (!OpenSave(true, "", m_UsualSave, m_Game, history, m_SaveLock, choice, std::cout, std::cerr))
        return;
    UseSave(choice);
    m_Table.NewTable();
    Resume(history, GameOptions());
    m_Table.PlaceResumedGame();
    m_Screens.CloseAll();
}

// The seats that played the game just over, as they sat down.
GameSetup CApp::SamePlayers() const
{
    GameSetup setup;
    setup.count = 0;
    for (int seat = 0; seat < kMaxPlayers; ++seat) {
        if (m_Game.worthHistory.Line(seat).empty())
            continue;
        const Player& player = m_Game.setupPlayers[seat];
        setup.names[setup.count] = player.name;
        setup.computer[setup.count] = player.computer;
        setup.level[setup.count] = player.level;
        setup.count += 1;
    }
    setup.speed = m_Pace.ChosenSpeed();
    setup.turnLimit = m_Game.turnLimit;
    setup.confirmSales = m_Game.confirmSales;
    return setup;
}
