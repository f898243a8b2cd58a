// The four corner texts of the output image, drawn with a real font.
#pragma once

#include <QFont>

#include "Unit2/Image.h"
#include "Unit2/Settings.h"

namespace varno {

// "Times New Roman" (fontconfig's stand-in where it is missing), 12 points at 96 pixels per
// inch: 16 pixels of character height. Regular style, without smoothing, so that every glyph
// pixel has exactly the text colour.
QFont CornerTextFont();

// Draws the four texts in the colour over a transparent background, in the order top-left,
// top-right, bottom-left, bottom-right, with the top-left corner of each text's cell at
// (X, Y - 4), (X, Y - 3), (X, Y - 3) and (X, Y - 4) respectively, clipped to the picture. An
// empty text draws nothing. The texts hold Windows-1252 bytes. Only the pixels around each
// text are touched. Needs a QGuiApplication.
void DrawCornerTexts(Image& output, const CornerTexts& texts, PackedColour colour);

}  // namespace varno
