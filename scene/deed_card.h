// The title-deed card of the right-hand panel: the picture of one property
// square, loaded on demand and drawn once a picture is loaded.
#pragma once

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

private:
    int m_nSquare = -1;  // whose picture is loaded
};
