// The base of every 3D model of the game: it compiles its geometry into one
// display list once (Build, with a current OpenGL context) and replays that
// list every frame (Draw).
#pragma once

#include <cstdint>

#include "vector.h"

class CSceneObject {
public:
    uint32_t m_nList = 0;     // display list, set by Build
    uint32_t m_nTexture = 0;  // main texture, for the objects that have one
    bool m_bBuilt = false;
    CVector m_vPosition{0, 0, 0};  // translation applied by Draw, where used

    CSceneObject() = default;
    virtual ~CSceneObject() = default;
    // Copies share the display list and the texture: nothing is rebuilt.
    CSceneObject(const CSceneObject&) = default;
    CSceneObject& operator=(const CSceneObject&) = default;

    virtual void Build() = 0;
    virtual void Draw() = 0;
};
