#include "x_connection.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "terminal_text.h"

namespace {

const char kNoDisplay[] =
    "Impossible d'ouvrir l'affichage graphique (DISPLAY=%s) : Bourgade3D a besoin d'un écran X.\n";
const char kLostDisplay[] = "La connexion à l'affichage X est perdue : la partie s'arrête.\n";
const char kXError[] = "Erreur inattendue de l'affichage X (code %d) : la partie s'arrête.\n";

Display* g_pHeldDisplay = nullptr;
void (*g_pWindowGone)() = nullptr;
void (*g_pConnectionLost)() = nullptr;

// A window destroyed from outside (xdotool windowclose) shows up as the
// next drawing's error on a drawable that no longer exists; GLX reports it
// in its extension's range of codes.
int OnXError(Display*, XErrorEvent* error)
{
    constexpr int kFirstExtensionError = 128;
    if (error->error_code == BadWindow || error->error_code == BadDrawable ||
        error->error_code >= kFirstExtensionError)
        g_pWindowGone();
    std::fprintf(stderr, kXError, error->error_code);
    g_pConnectionLost();
    return 0;
}

int OnXConnectionLost(Display*)
{
    std::fputs(kLostDisplay, stderr);
    g_pConnectionLost();
    return 0;
}

// Before the window opens there is no game to save: the line is said and
// the program ends.
int OnLostBeforeWindow(Display*)
{
    std::fputs(kLostDisplay, stderr);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

bool HoldDisplay()
{
    // A server resetting after its last client left turns connections away
    // for a moment.
    constexpr int kTries = 10;
    constexpr useconds_t kPauseMicroseconds = 100000;
    g_pHeldDisplay = XOpenDisplay(nullptr);
    for (int i = 1; i < kTries && g_pHeldDisplay == nullptr; ++i) {
        usleep(kPauseMicroseconds);
        g_pHeldDisplay = XOpenDisplay(nullptr);
    }
    if (g_pHeldDisplay == nullptr) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, kNoDisplay, Printable(name != nullptr ? name : "").c_str());
        return false;
    }
    XSetIOErrorHandler(OnLostBeforeWindow);
    return true;
}

void CheckHeldDisplay()
{
    if (g_pHeldDisplay != nullptr)
        XSync(g_pHeldDisplay, False);
}

void ReleaseDisplay()
{
    if (g_pHeldDisplay != nullptr)
        XCloseDisplay(g_pHeldDisplay);
    g_pHeldDisplay = nullptr;
}

void InstallXErrorHandlers(void (*windowGone)(), void (*connectionLost)())
{
    g_pWindowGone = windowGone;
    g_pConnectionLost = connectionLost;
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnXConnectionLost);
}
