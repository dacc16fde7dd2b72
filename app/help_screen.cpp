#include "help_screen.h"

#include <GL/gl.h>

#include "globals.h"
#include "overlays.h"

namespace {

// At most 45 characters a line: the width of the font's space.
const char* const kHelpLines[] = {
    "Aide",
    "",
    "Icônes du bas, de gauche à droite :",
    " loupe : vue de dessus (d)",
    " engrenage : options (o)",
    " i : regarder une propriété (i)",
    " dés : lancer les dés (t ou h)",
    " flèches : échanger (q)",
    " maison + : construire (b)",
    " hypothèque : haut hypothéquer (m),",
    "   bas lever une hypothèque (u)",
    "Souris sur le plateau :",
    " glisser à gauche : tourner la vue",
    " glisser à droite ou molette : zoomer",
    " clic : choisir une propriété, OUI, NON",
    "Touches : t tourner ou déplacer la vue,",
    " l fil de fer, f plein, i tour des cases,",
    " F1 ou ? cette aide, Échap quitter",
    "",
    "Échap ou un clic : fermer",
};

constexpr int kTop = 440;
constexpr int kLineStep = 20;

}  // namespace

void DrawHelpScreen()
{
    FillFontRect(0, 0, 640, 480, 0, 0, 0.1f, 0.88f);
    int y = kTop;
    for (const char* line : kHelpLines) {
        glColor3f(1, 1, 1);
        g_Text.Print(6, y, line, 0);
        y -= kLineStep;
    }
}
