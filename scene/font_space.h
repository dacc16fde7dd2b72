// The font's 640 x 480 units over the current viewport as the matrices, for
// marks drawn among the text; lighting, texturing and depth testing off.
// Leave restores the matrices and depth testing.
#pragma once

void EnterFontSpace();
void LeaveFontSpace();
