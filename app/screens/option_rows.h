// Where the options screen lies over the board view, in the font's units,
// and which of its rows a click falls on.
#pragma once

struct FontBox {
    float left, bottom, right, top;
};

// The box of a screen of `rows` rows.
FontBox OptionsBox(int rows);
// The font-unit height of row `row`'s text.
int OptionsRowY(int row);
// The row under a layout point, -1 for none inside the box, or -2 outside
// the box.
int OptionsRowAt(int layoutX, int layoutY, int rows);
constexpr int kOutsideBox = -2;
