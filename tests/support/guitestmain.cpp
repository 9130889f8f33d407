// GoogleTest entry point for widget tests: the widgets need a QApplication,
// created once for the whole test executable.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv)
{
    // Widget tests never need a screen; this also lets the build list the
    // tests on a machine without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlora"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
