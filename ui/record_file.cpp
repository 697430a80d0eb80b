#include "record_file.h"

#include <QSaveFile>
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
