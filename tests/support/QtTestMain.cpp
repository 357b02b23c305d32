// main() of the window tests: a QApplication on the offscreen platform, message boxes and the
// end of the program answered by the tests instead of a person.

#include "ui/Form.h"
#include "ui/ProgramEnd.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SetProgramEndHandler([](bool) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
