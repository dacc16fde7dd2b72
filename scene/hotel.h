// The hotel model: a square frustum standing on its narrow end, drawn by a
// square in its own frame in place of its houses.
#pragma once

#include "scene_object.h"

class CHotel : public CSceneObject {
public:
    // Loads "textures\maison.tga" and shows one fixed texel of it; a missing
    // file is left to the house to report.
    void Build() override;
    void Draw() override;
};

extern CHotel g_Hotel;
