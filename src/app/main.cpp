// Chemistry Key Stage 3 Kindrel: starts on the title screen.
#include <QApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>

#include "forms/Accessible.h"
#include "forms/Font.h"
#include "pictures/Memory.h"
#include "program/Options.h"
#include "program/Program.h"
#include "program/TeacherLists.h"
#include "program/WorksheetCommand.h"
#include "shell/Texts.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file grown past the system's limit on file size must fail its write, which the program
    // then reports, rather than end the program before the teacher is told why.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Read before Qt starts, so that the help and a mistaken option need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const program::ParsedOptions parsed = program::parseOptions(arguments);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "kindrel: %s\nTry 'kindrel --help' for the options.\n",
                     qPrintable(parsed.error));
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(qPrintable(program::usage()), stdout);
        return 0;
    }
    if (parsed.options.version) {
        std::printf("kindrel %s\n", KINDREL_VERSION);
        return 0;
    }

    if (!parsed.options.worksheet.isEmpty()) {
        // No window is opened: without a display, or a platform asked for, draw offscreen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        forms::registerHouseFonts();
        return program::writeWorksheet(parsed.options);
    }

    pictures::returnLargeBlocksToTheSystem();
    // Checking lists shows nothing: it measures text as the screens would, with no display.
    if (parsed.options.checkLists && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kindrel"));
    QApplication::setApplicationDisplayName(QString());
    // Screens end the program themselves: when the last one is unloaded, or on "Exit".
    QApplication::setQuitOnLastWindowClosed(false);
    if (parsed.options.checkLists) {
        forms::registerHouseFonts();
        const program::ListsReport report =
            program::TeacherLists(parsed.options.listsDir).checkEverything();
        for (const QString& line : report.lines()) std::printf("%s\n", qPrintable(line));
        return report.allSound() ? 0 : 1;
    }
    program::Program program;
    program.prepare(parsed.options);
    forms::registerHouseFonts();
    if (!parsed.options.openList.isEmpty()) {
        const QString why = program.chooseList(parsed.options.openScreen, parsed.options.openList);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "kindrel: --list %s: %s\n", qPrintable(parsed.options.openList),
                         qPrintable(why));
            return 2;
        }
    }
    forms::installAccessibility(QString::fromUtf8(shell::kProductTitle));
    program.start(parsed.options);
    return QApplication::exec();
}
