#include "Unit1.h"
#include "board_accessible.h"
#include "settings_file.h"
#include "translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <optional>

namespace {

// Reads the command line; --help and --version answer and end the program here.
bool StartWithDefaults(const QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Minishogi, shogi on a 5 x 5 board, against the computer or a friend.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption defaults("defaults",
        "Start with the designed window and the default settings, and store no settings.");
    parser.addOption(defaults);
    parser.process(application);
    return parser.isSet(defaults);
}

} // namespace

int main(int argc, char** argv)
{
    // A fractional factor would draw the picture's pixels unevenly; a whole one keeps them square.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);
    // The settings live in the usual per-user place: ~/.config/Velmora/Velmora.conf.
    QCoreApplication::setOrganizationName("Velmora");
    QCoreApplication::setApplicationName("Velmora");
    QCoreApplication::setApplicationVersion(VELMORA_VERSION);
    // Names the installed desktop entry, so that Wayland compositors show the menu's icon.
    QGuiApplication::setDesktopFileName("org.velmora.Velmora");
    const bool defaults = StartWithDefaults(application);

    InstallBoardAccessibility();
    InstallTranslation(QLocale::system());
    std::optional<QSettings> settings;
    TForm1 form;
    Form1 = &form;
    if (!defaults) {
        settings.emplace();
        form.ApplySettings(LoadSettings(*settings));
        form.StoreSettings = [&settings](const WindowSettings& changed) {
            // A place that cannot be written keeps nothing; the game goes on as it is.
            SaveSettings(*settings, changed);
        };
    }
    form.ShowCentred();
    return application.exec();
}
