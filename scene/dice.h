// The pair of dice of the lower strip: one translucent cube with white pips,
// drawn twice, each turned to show its value to the viewer (along +z).
#pragma once

#include "scene_object.h"

class CDice : public CSceneObject {
public:
    int m_nDie1 = 3;  // 1..6; any other value shows the face of 1
    int m_nDie2 = 6;

    void Build() override;
    void Draw() override;
};
