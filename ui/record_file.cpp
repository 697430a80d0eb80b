#include "record_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// KIF with this extension is Shift_JIS; Qt encodes it through ICU.
const QString ShiftJisSuffix = QStringLiteral(".kif");

} // namespace

QString SaveKif(const QString& path, const std::string& kif)
{
    const QString text = QString::fromStdString(kif);
    QByteArray bytes;
    if (path.endsWith(ShiftJisSuffix, Qt::CaseInsensitive)) {
        QStringEncoder encoder("Shift_JIS");
        if (!encoder.isValid())
            return QStringLiteral("Shift_JIS is not available here: save as .kifu");
        bytes = encoder(text);
        if (encoder.hasError())
            return QStringLiteral("The game cannot be written in Shift_JIS: save as .kifu");
    } else {
        bytes = text.toUtf8();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Could not save %1: %2").arg(path, file.errorString());
    return {};
}

std::optional<std::string> DecodeRecordBytes(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString asUtf8 = utf8(bytes);
    if (!utf8.hasError())
        return bytes.toStdString();
    QStringDecoder shiftJis("Shift_JIS");
    if (!shiftJis.isValid())
        return std::nullopt;
    const QString text = shiftJis(bytes);
    if (shiftJis.hasError())
        return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> ReadRecordFile(const QString& path, qint64 maxBytes, QString& error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    // A record of a 5 x 5 game is a few kilobytes; anything far larger is not read at all.
    if (file.size() > maxBytes) {
        error = QStringLiteral("%1 is larger than 1 MB, far more than a game record").arg(name);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(maxBytes + 1);
    std::optional<std::string> text = DecodeRecordBytes(bytes);
    if (!text)
        error = QStringLiteral("%1 is not text in UTF-8 or Shift_JIS").arg(name);
    return text;
}
