#pragma once

#include <QIcon>
#include <QImage>

// The pictures compiled into the program, so it runs from any folder.

// The glyph sheet as black and white RGB32 pixels.
QImage LoadGlyphSheet();
// The 32 x 32 window icon.
QIcon LoadWindowIcon();
