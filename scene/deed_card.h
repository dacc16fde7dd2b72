// The title-deed card of the right-hand panel: the picture of one property
// square, loaded on demand and drawn once a picture is loaded.
#pragma once

#include "panel_layout.h"
#include "scene_object.h"

class CDeedCard : public CSceneObject {
public:
    int m_bLoaded = 0;  // a picture is loaded

    // The card quad, with no picture yet.
    void Build() override;
    // Shows "textures\p<square>.tga"; 1 on success, 0 (and an empty card)
    // when the file cannot be loaded. Asking again for the picture already
    // shown keeps it without reading the file again.
    int LoadPicture(int square);
    void Draw() override;

    // Grows the card from its foot and lifts it, as the panel's room allows.
    void Place(const DeedPlacement& placement) { m_Placement = placement; }
    // A point of the card as drawn, in the panel's view: (0, 0) its lower
    // left corner, (1, 1) its upper right.
    CVector CardPoint(float across, float up) const;
    // The square whose picture is shown, or -1.
    int Square() const { return m_bLoaded ? m_nSquare : -1; }

private:
    DeedPlacement m_Placement{1, 0};
    int m_nSquare = -1;  // whose picture is loaded
};
