// The application: one object that owns the running program's state, the
// game and its frame, the pace, the screens and what they draw, and the
// queue of what the player did. The window's callbacks reach it only
// through its hooks; it acts on the queue between two steps of the game.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "bourgade3d.h"
#include "brief_notice.h"
#include "camera.h"
#include "camera_control.h"
#include "clock.h"
#include "end_screen.h"
#include "frame_pacer.h"
#include "game.h"
#include "game_log.h"
#include "game_options.h"
#include "game_random.h"
#include "game_saver.h"
#include "gl_text.h"
#include "help_screen.h"
#include "icon_bar.h"
#include "journal_screen.h"
#include "layout_fit.h"
#include "long_press.h"
#include "menu_screen.h"
#include "options_screen.h"
#include "pace.h"
#include "play_screen.h"
#include "press_reader.h"
#include "renderer.h"
#include "resume.h"
#include "save_file.h"
#include "save_slot.h"
#include "screen.h"
#include "sound.h"
#include "setup_screen.h"
#include "speed_control.h"
#include "status_panel.h"
#include "step_log.h"
#include "tooltips.h"
#include "trade_screen.h"
#include "window.h"

class CApp {
public:
    explicit CApp(const GameOptions& options);
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    CGame& Game() { return m_Game; }
    CSaveLock& SaveLock() { return m_SaveLock; }
    // What a resumed save brought back besides the rules' state.
    void Resume(const GameHistory& history, const GameOptions& options);
    // The save chosen at start, for this game and the next ones.
    void UseSave(const SaveChoice& choice);
    // Opens the audio device, unless the game is muted; a failure is one
    // line on the console, and the game plays silent.
    void OpenSound();

    // Once the window is open: builds the scene and shows the board; a new
    // game is saved at once.
    void Start(bool resumed);
    // Once the window is open, with no game yet: the title screen, from
    // which games are set up, resumed from `usualSave` or beside it.
    void StartOnTitle(const std::string& usualSave);
    // What the window calls.
    WindowHooks Hooks();

    // One turn of the loop: the queued input, then a step of the game
    // unless a screen holds it, then a frame when one is due.
    void Tick();
    // An event from the window, in its own pixels.
    void Input(const InputEvent& windowEvent);
    // Draws the whole frame, with a held message when given, and shows it.
    void ShowFrame(const HeldLine* message);

    // Prints the final standings and puts up the end screen.
    void ShowStandings();

    // For tests and benchmarks that drive the parts themselves.
    CBourgade3D& Table() { return m_Table; }
    CCamera& Camera() { return m_Camera; }
    CPace& Pace() { return m_Pace; }
    CFramePacer& Frames() { return m_Frames; }
    bool ScreenOpen() const { return &m_Screens.Top() != &m_Play; }

private:
    void Dispatch(const InputEvent& event);
    void ActWhileWaiting(const InputEvent& event);
    // Hands the queue to the screens, up to the first press for the rules,
    // which gets a step of its own.
    void DrainInput();
    bool ReadAnswerClick();
    void RunStep();
    // An icon's action chosen in the step just run clicks.
    void ClickForAction(int32_t before);
    void AfterStep(bool wasOver);
    void DrawOrRest(bool moved);
    // The window's events during a wait; a press held on the exchange icon
    // ends the waits of the pick its click began, so that the trade screen
    // comes at once.
    void PumpEvents();
    // The trade screen for the current player, or a line that says why not.
    void OpenTrade();
    // A press held on the exchange icon leaves the pick that its click
    // began, as a right click would, and the trade screen follows the step.
    void OpenTradeOnLongPress();
    // A deal that waits for a person's answer is shown to that person.
    void ShowDealToAnswer();
    GameHistory History() const;
    [[noreturn]] void Quit();
    // Escape with no screen open: the pause on a game started in the
    // window, else the way out.
    void Escape();
    void ShowTitle();
    bool ChooseSave();
    void StartGame(const GameSetup& setup);
    void ResumeFromTitle();
    GameSetup SamePlayers() const;
    void FillMenus();

    CSteadyClock m_Clock;
    CPace m_Pace{m_Clock};
    CFramePacer m_Frames;
    CGameLog m_Log{stdout};
    CGameRandom m_Random;
    CCamera m_Camera;
    CStatusPanel m_Panel;
    CIconBar m_Icons;
    glText m_Text;  // the messages' font: a copy of the panel's
    CLayoutFit m_Fit;
    CHover m_Hover;
    CSpeedControl m_Speed{m_Pace};
    CPressReader m_Presses;
    CSound m_Sound;
    CSaveLock m_SaveLock;
    CGameSaver m_Saver{stdout};
    CBourgade3D m_Table;
    CGame m_Game{m_Table, m_Random};
    CStepLog m_StepLog{m_Log, m_Game};
    CRenderer m_Renderer;
    CCameraControl m_CameraControl{m_Camera};
    CPlayScreen m_Play;
    CScreenStack m_Screens{m_Play};
    CHelpScreen m_Help{m_Screens, m_Text};
    CJournalScreen m_Journal{m_Screens, m_Log, m_Text};
    COptionsScreen m_Options{m_Screens, m_Help, m_Journal, m_Speed, m_Sound, m_Game, m_Text, [this] { OpenTrade(); }};
    CTradeScreen m_Trade{m_Screens, m_Game, m_Text,
                         TradeActions{[this](const Deal& deal) { return m_Game.ProposeDeal(deal); },
                                      [this](bool accepted) { m_Game.AnswerDeal(accepted); }}};
    CLongPress m_LongPress;
    // Why the trade screen did not open.
    CBriefNotice m_TradeNotice;
    // The pick the long press left is to be followed by the trade screen.
    bool m_bTradeAfterStep = false;
    CEndScreen m_End{m_Screens, m_Game, m_Text};
    CMenuScreen m_Title{m_Text, "Bourgade3D"};
    CMenuScreen m_Pause{m_Text, "Pause"};
    CMenuScreen m_EndChoices{m_Text, "Partie terminée"};
    CSetupScreen m_SetupScreen{m_Screens, m_Text, [this](const GameSetup& setup) { StartGame(setup); }};
    // A game set up in the window: Escape pauses, the end offers another.
    bool m_bMenu = false;
    std::string m_UsualSave;
    SaveChoice m_SaveChoice;
    bool m_bSaveChosen = false;
    std::deque<InputEvent> m_Queue;
};
