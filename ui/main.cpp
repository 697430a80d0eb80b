#include "Unit1.h"
#include "board_accessible.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A fractional factor would draw the picture's pixels unevenly; a whole one keeps them square.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);
    // Names the installed desktop entry, so that Wayland compositors show the menu's icon.
    QGuiApplication::setDesktopFileName("org.velmora.Velmora");
    InstallBoardAccessibility();
    TForm1 form;
    Form1 = &form;
    form.ShowCentred();
    return application.exec();
}
