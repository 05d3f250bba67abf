// Chemistry Key Stage 3 Kindrel: starts on the title screen.
#include <QApplication>

#include "forms/Font.h"
#include "forms/Memory.h"
#include "program/Program.h"

int main(int argc, char** argv) {
    forms::returnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kindrel"));
    QApplication::setApplicationDisplayName(QString());
    // Screens end the program themselves: when the last one is unloaded, or on "Exit".
    QApplication::setQuitOnLastWindowClosed(false);
    forms::registerHouseFonts();

    program::Program program;
    program.start();
    return QApplication::exec();
}
