#include "board.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "angles.h"
#include "game.h"
#include "hotel.h"
#include "house.h"
#include "material.h"
#include "square_lists.h"
#include "texture_file.h"

namespace {

constexpr float kBoardEdge = -12;
constexpr float kSquareWidth = 2;
constexpr float kCornerExtra = 1;
constexpr float kSideTurn = -90;
constexpr int kSquaresPerSide = 10;
constexpr float kRestHeight = 0.5f;

// Which picture (b files) and band (h files) each square shows. A number
// below the square's own index names the earlier square whose texture it
// shares; any other names the file to load.
constexpr int kPictureNumber[kSquareCount] = {
    0, 1, 2,  1, 4, 5,  1, 7,  1, 1, 10, 1, 12, 1, 1, 5, 1, 2,  1, 1,
    20, 1, 22, 1, 1, 5, 1, 1, 28, 1, 30, 1, 1,  2, 1, 5, 36, 1, 38, 1,
};
constexpr int kBandNumber[kSquareCount] = {
    0,  1,  2, 1,  2,  2, 6,  2, 6,  6,  10, 11, 2,  11, 11, 2, 16, 2,  16, 16,
    20, 21, 2, 21, 21, 2, 26, 26, 2, 26, 30, 31, 31, 2,  31, 2, 2,  37, 2,  37,
};

// The centre: 18 x 18 units, level with the top of the squares' inner edges.
constexpr float kCentreHeight = kSquareWidth / 2 / 3;
constexpr int kCentreCells = 9;
constexpr float kCentreFrom = -9;
constexpr float kCentreColour[4] = {0.7529f, 0.8666f, 0.6784f, 1.0f};

}  // namespace

void CBoard::SetGame(const CGame* game)
{
    m_pGame = game;
    for (CSquare& s : m_Squares)
        s.m_pGame = game;
}

void CBoard::SetPawns(const CPawn* pawns)
{
    m_pPawns = pawns;
    for (CSquare& s : m_Squares)
        s.m_pPawns = pawns;
}

void CBoard::SetBuildings(int square, int count)
{
    if (square < 0 || square >= kSquareCount)
        return;
    m_Squares[square].m_nBuildings = std::clamp(count, 0, 5);
}

void CBoard::Build()
{
    m_nList = glGenLists(1);
    g_House.Build();
    g_Hotel.Build();
    BuildSquareLists();
    for (int side = 0; side < 4; ++side) {
        float x = kBoardEdge;
        const float z = kBoardEdge;
        for (int j = 0; j < kSquaresPerSide; ++j) {
            const int i = side * kSquaresPerSide + j;
            m_Squares[i] = CSquare(x, z, kSideTurn * side, i);
            m_Squares[i].m_pGame = m_pGame;
            m_Squares[i].m_pPawns = m_pPawns;
            LoadTextures(m_Squares[i]);
            m_Squares[i].Build();
            x += kSquareWidth + (j == 0 ? kCornerExtra : 0);
        }
    }
    BuildCentre();
    m_Table.Build();
    m_Labels.Build();
}

void CBoard::LoadTextures(CSquare& square)
{
    char path[32];
    if (square.IsCorner()) {
        std::snprintf(path, sizeof path, "textures\\c%d.tga", square.m_nIndex);
        LoadOrReport(square.m_nTexture, path, path);
        return;
    }
    const int i = square.m_nIndex;
    square.m_nPictureTex = SharedTexture(kPictureNumber[i], i, &CSquare::m_nPictureTex, "b");
    square.m_nBandTex = SharedTexture(kBandNumber[i], i, &CSquare::m_nBandTex, "h");
}

uint32_t CBoard::SharedTexture(int number, int square, uint32_t CSquare::*field,
                               const char* prefix)
{
    if (number < square)
        return m_Squares[number].*field;
    char path[32];
    std::snprintf(path, sizeof path, "textures\\%s%d.tga", prefix, number);
    uint32_t name = 0;
    LoadOrReport(name, path, path);
    return name;
}

void CBoard::BuildCentre()
{
    const float step = 1.0f / kCentreCells;
    LoadSmoothOrReport(m_nCentreTex, "textures\\centre.tga", "textures\\centre.tga");
    glNewList(m_nList, GL_COMPILE);
    SetMaterial(kCentreColour[0], kCentreColour[1], kCentreColour[2], kCentreColour[3],
                GL_FRONT_AND_BACK);
    for (int row = 0; row < kCentreCells; ++row) {
        const float z = kCentreFrom + kSquareWidth * row;
        glBegin(GL_QUAD_STRIP);
        for (int col = 0; col <= kCentreCells; ++col) {
            const float x = kCentreFrom + kSquareWidth * col;
            glNormal3f(0, 1, 0);
            glTexCoord2f(step * col, step * row);
            glVertex3f(x, kCentreHeight, z);
            glNormal3f(0, 1, 0);
            glTexCoord2f(step * col, step * (row + 1));
            glVertex3f(x, kCentreHeight, z + kSquareWidth);
        }
        glEnd();
    }
    glEndList();
}

void CBoard::Draw()
{
    // Frames drawn before the scene is built show an empty board view.
    if (m_nList == 0)
        return;
    for (CSquare& s : m_Squares) {
        glPushMatrix();
        glRotatef(s.m_fAngle, 0, 1, 0);
        glTranslatef(s.m_Place.x, 0, s.m_Place.y);
        s.Draw();
        m_Labels.Draw(s.m_nIndex, Mortgaged(s.m_nIndex), s.m_nBuildings);
        glPopMatrix();
    }
    // The centre's picture is tinted by its material, as the plain centre was.
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_nCentreTex);
    glCallList(m_nList);
    glDisable(GL_TEXTURE_2D);
    m_Table.Draw();
}

bool CBoard::Mortgaged(int square) const
{
    const int p = squareToProperty[square];
    return m_pGame && p >= 0 && m_pGame->properties[p].mortgaged;
}

CVector CBoard::RestingPoint(int square, const CVector& offset) const
{
    const CSquare& s = m_Squares[square];
    const float x = s.m_Place.x + offset.x;
    const float z = s.m_Place.y + offset.z;
    const float a = s.m_fAngle * DEG2RAD;
    // glRotatef's turn about +y, as the board draws the square.
    return CVector(x * std::cos(a) + z * std::sin(a), kRestHeight,
                   -x * std::sin(a) + z * std::cos(a));
}
