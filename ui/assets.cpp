#include "assets.h"

// The resources live in a static library, so they are registered by hand before first use.
static void RegisterAssets() { Q_INIT_RESOURCE(velmora); }

QImage LoadGlyphSheet()
{
    RegisterAssets();
    // The BMP reader may reorder a 1-bit palette, so only the pixel colours are used.
    return QImage(QStringLiteral(":/assets/glyphs.bmp")).convertToFormat(QImage::Format_RGB32);
}

QIcon LoadWindowIcon()
{
    RegisterAssets();
    return QIcon(QStringLiteral(":/assets/icon.ico"));
}
