#pragma once

#include <QString>

#include <optional>
#include <string>

// Saves KIF text: a name ending in ".kif" gets Shift_JIS, the encoding that extension has
// always meant, anything else (".kifu") UTF-8. The file is replaced only once the whole text
// is written, so a failed save leaves any earlier file as it was. Returns an empty string on
// success, otherwise one line that says what went wrong.
QString SaveKif(const QString& path, const std::string& kif);

// The text of a record in UTF-8, told from its bytes: UTF-8 (the encoding of ".kifu", and of
// many ".kif" files too) when they are UTF-8, otherwise Shift_JIS. Nothing when they are neither.
std::optional<std::string> DecodeRecordBytes(const QByteArray& bytes);

// Reads a file of at most maxBytes and decodes it; nothing, with one line in error, when it
// cannot be read, is larger or is not text.
std::optional<std::string> ReadRecordFile(const QString& path, qint64 maxBytes, QString& error);
