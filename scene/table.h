// What the board stands on: a backdrop behind everything, a wooden table
// reaching to the horizon, and the board's own thick plate. The plate's rim
// reaches beyond the squares' outer edge far enough to carry the houses and
// hotels, which stand just outside the squares.
#pragma once

#include <cstdint>

// The rim's outer edge on x and z; the squares end at 12.
constexpr float kPlateEdge = 12.75f;
// The plate's top, just under the squares so that they never mix with it.
constexpr float kPlateTop = -0.02f;
// The table top, at the plate's foot.
constexpr float kTableHeight = -0.6f;
// The plate's colour under white light.
constexpr float kPlateColour[3] = {0.52f, 0.47f, 0.40f};

class CTable {
public:
    virtual ~CTable() = default;

    // Loads "textures\table.tga" and compiles the table and the plate.
    void Build();
    // Draws the plate, the table and the backdrop, each only where nothing
    // nearer was drawn before, so it goes after the squares. Leaves
    // texturing and blending off.
    void Draw() const;

private:
    void CompileTableTop() const;
    void CompilePlate() const;

    uint32_t m_nList = 0;
    uint32_t m_nWoodTex = 0;
};
