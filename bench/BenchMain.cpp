// kindrel_bench: every benchmark in table order, then the table of figures and targets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "Benchmarks.h"
#include "Figures.h"
#include "forms/Accessible.h"
#include "forms/Font.h"
#include "pictures/Memory.h"
#include "shell/Texts.h"

namespace bench {

std::string buildDir() {
    const QByteArray given = qgetenv("KINDREL_BUILD_DIR");
    return given.isEmpty() ? std::string(KINDREL_BUILD_DIR) : given.toStdString();
}

std::string benchDir() {
    return KINDREL_BENCH_DIR;
}

}  // namespace bench

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    pictures::returnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    forms::registerHouseFonts();
    // As main() does, so that a reader asking is answered by the screens' own interfaces.
    forms::installAccessibility(QString::fromLatin1(shell::kProductTitle));
    // The program reads its pictures from its working directory, as it does when installed.
    if (!QDir::setCurrent(QString::fromStdString(bench::buildDir()))) {
        std::fprintf(stderr, "kindrel_bench: no build folder %s\n", bench::buildDir().c_str());
        return 1;
    }

    bench::registerStartUp();
    bench::registerLesson();
    bench::registerActivities();
    bench::registerPointerWork();
    bench::registerMemory();
    bench::registerGrowth();
    bench::registerKeyboardWork();
    bench::registerLists();
    bench::registerWorksheets();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    bench::printFigures();
    benchmark::Shutdown();
    return 0;
}
