#pragma once

#include <QString>

#include <string>

// Saves KIF text: a name ending in ".kif" gets Shift_JIS, the encoding that extension has
// always meant, anything else (".kifu") UTF-8. The file is replaced only once the whole text
// is written, so a failed save leaves any earlier file as it was. Returns an empty string on
// success, otherwise one line that says what went wrong.
QString SaveKif(const QString& path, const std::string& kif);
