// The house model, drawn by the squares in their own frame: it stands on the
// square's surface along its outer edge, 0.5 apart for each further house.
#pragma once

#include "scene_object.h"

class CHouse : public CSceneObject {
public:
    // Loads "textures\maison.tga"; a missing file is reported and the house
    // is drawn untextured.
    void Build() override;
    void Draw() override;
};

extern CHouse g_House;
