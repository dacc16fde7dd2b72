// The row of six action icons in the lower strip, with the dice between the
// third and the fourth. It only draws: the rules recognise clicks on it.
#pragma once

#include <cstdint>

constexpr int kIconCount = 6;

class CIconBar {
public:
    struct Icon {
        uint32_t m_nList = 0;
        uint32_t m_nTexture = 0;
    };
    Icon m_Icons[kIconCount];

    virtual ~CIconBar() = default;

    // Loads each icon's picture (a missing one is reported and drawn
    // untextured) and compiles its quad.
    void Build();
    void Draw();
};
