#include "settings_file.h"

#include <QSettings>

namespace {

// clang-format off
const QString ZoomKey       = QStringLiteral("zoom");
const QString RulesKey      = QStringLiteral("rules");
const QString ComputerKey   = QStringLiteral("computer");
const QString ThinkingKey   = QStringLiteral("thinking_ms");
const QString NotationKey   = QStringLiteral("notation");
// clang-format on

// A value that is no whole number reads as 0, which no setting takes.
int WholeNumber(const QSettings& file, const QString& key)
{
    bool ok = false;
    const int value = file.value(key).toInt(&ok);
    return ok ? value : 0;
}

std::string Name(const QSettings& file, const QString& key)
{
    return file.value(key).toString().toStdString();
}

} // namespace

WindowSettings LoadSettings(const QSettings& file)
{
    if (file.status() != QSettings::NoError)
        return {};
    return ValidSettings({ WholeNumber(file, ZoomKey), Name(file, RulesKey),
        Name(file, ComputerKey), WholeNumber(file, ThinkingKey), Name(file, NotationKey) });
}

bool SaveSettings(QSettings& file, const WindowSettings& settings)
{
    file.setValue(ZoomKey, settings.zoom);
    file.setValue(RulesKey, QString::fromStdString(settings.rules));
    file.setValue(ComputerKey, QString::fromStdString(settings.computer));
    file.setValue(ThinkingKey, settings.thinkingMs);
    file.setValue(NotationKey, QString::fromStdString(settings.notation));
    file.sync();
    return file.status() == QSettings::NoError;
}
