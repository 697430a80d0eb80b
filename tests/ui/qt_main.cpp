#include <QApplication>

#include <gtest/gtest.h>

// The window tests run without a display; a message box would block, so none may open.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
