#include "option_rows.h"

#include "message_layout.h"

namespace {

// The box fills the board view's width but for a margin, under the
// guidance line and above the lower strip.
constexpr float kBoxLeft = 30;
constexpr float kBoxRight = 610;
constexpr float kBoxTop = 380;
constexpr int kFirstRowY = 310;
// Ten rows fit above the lower strip.
constexpr int kRowStep = 27;

}  // namespace

FontBox OptionsBox(int rows)
{
    return {kBoxLeft, kFirstRowY - kRowStep * rows + 10.0f, kBoxRight, kBoxTop};
}

int OptionsRowY(int row)
{
    return kFirstRowY - kRowStep * row;
}

int OptionsRowAt(int layoutX, int layoutY, int rows)
{
    const FontBox box = OptionsBox(rows);
    const float x = BoardFontX(layoutX);
    const float y = BoardFontY(layoutY);
    if (layoutX >= 500 || x < box.left || x > box.right || y < box.bottom || y > box.top)
        return kOutsideBox;
    for (int row = 0; row < rows; ++row)
        if (y >= OptionsRowY(row) - 3 && y < OptionsRowY(row) + 24)
            return row;
    return -1;
}
