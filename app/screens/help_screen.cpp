#include "help_screen.h"

#include "overlays.h"

namespace {

// At most 45 characters a line: the width of the font's space.
const char* const kHelpLines[] = {
    "Aide",
    "Icônes du bas, de gauche à droite :",
    " loupe : vue de dessus (d)",
    " engrenage : options (o)",
    " i : regarder une propriété (i)",
    " dés : lancer les dés (t ou h)",
    " flèches : échanger (q) ; appui long ou e :",
    "   échanges (propriétés et argent)",
    " maison + : construire (b)",
    " hypothèque : haut hypothéquer (m),",
    "   bas lever une hypothèque (u)",
    "Souris : glisser à gauche tourne la vue,",
    " à droite ou molette zoome ; clic : choisir",
    " une propriété, OUI ou NON ; à côté ou clic",
    " droit : annuler un choix",
    "Touches : t lance les dés et bascule le",
    " glisser entre tourner et déplacer ; i",
    " regarde et fait le tour des cases ; l fil",
    " de fer, f plein ; + et - vitesse ; espace",
    " passer ; s muet ; j journal ; F1 ou ? aide",
    "Échap : fermer, ou quitter la partie",
};

constexpr int kTop = 418;
constexpr int kLineStep = 18;
constexpr unsigned char kEscape = 27;
constexpr unsigned char kHelpKey = '?';

}  // namespace

void CHelpScreen::OnKey(const InputEvent& key)
{
    if (key.key == kEscape || key.key == kHelpKey)
        m_Stack.Pop();
}

// Over the board view, above the lower strip.
void CHelpScreen::Draw()
{
    FillFontRect(0, 44, 640, 480, 0, 0, 0.1f, 0.88f);
    int y = kTop;
    for (const char* line : kHelpLines) {
        PrintWhite(m_Text, 6, y, line);
        y -= kLineStep;
    }
}
