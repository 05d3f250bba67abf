// Teachers' lists: a 1,000-row list read and checked as the program checks it, every field
// measured against its box; and balancing an equation of eight formulas.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "Benchmarks.h"
#include "Figures.h"
#include "kit/chem/Equation.h"
#include "kit/chem/EquationText.h"
#include "kit/lists/ListFinder.h"
#include "program/TeacherLists.h"

namespace bench {

namespace {

// Words of ten letters with clues of a line or two, each row different.
QByteArray thousandWords() {
    QByteArray csv = "word,clue\n";
    for (int i = 0; i < 1000; ++i) {
        QByteArray word;
        for (int n = i, k = 0; k < 10; ++k, n /= 26) word += char('A' + n % 26);
        csv +=
            word + ",a clue for the class to read aloud as number " + QByteArray::number(i) + "\n";
    }
    return csv;
}

// The list's own checks (reading, columns, letters, repeats), and then as the program checks a
// word list, every clue measured against Hangman's, Mixed Up Words' and Four in a Row's boxes.
void checkThousand(benchmark::State& state, bool measured) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Long.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(thousandWords()) < 0) {
        state.SkipWithError("cannot write the list");
        return;
    }
    file.close();
    const lists::FoundList found{file.fileName(), QStringLiteral("Long.csv")};
    lists::CheckOptions options;
    options.lettersOnly = true;
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const lists::CheckedList checked =
            measured ? program::checkListFile(QStringLiteral("hangman"), found)
                     : lists::checkList(lists::ListKind::Words, found.fileName,
                                        lists::readListFile(found.path).bytes, options);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        if (!checked.sound() || checked.entries.size() != 1000) {
            state.SkipWithError("the list did not check sound");
            return;
        }
        samples.push_back(took.count());
        state.SetIterationTime(took.count() / 1000);
    }
    const double middle = median(samples);
    if (measured)
        record({"a 1,000-row word list, every field measured against its boxes", middle, "ms", "",
                false, ""});
    else
        record({"a 1,000-row list read and checked", middle, "ms", "< 10 ms", middle < 10, ""});
}

// Eight formulas, balanced one way only (4, 7, 14 -> 4, 7, 4, 7, 5), worked out, not given.
constexpr char16_t kEightFormulas[] = u"CuSCN + KIO3 + HCl -> CuSO4 + KCl + HCN + ICl + H2O";

void balanceEight(benchmark::State& state) {
    const chem::EquationReading reading = chem::parseEquation(QStringView(kEightFormulas));
    if (!reading.equation) {
        state.SkipWithError("the equation does not read");
        return;
    }
    std::vector<double> samples;
    chem::BalanceOutcome outcome;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const chem::BalanceResult result =
            chem::balance(reading.equation->reactants, reading.equation->products);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        benchmark::DoNotOptimize(result);
        outcome = result.outcome;
        if (outcome != chem::BalanceOutcome::Balanced) {
            state.SkipWithError("the equation did not balance");
            return;
        }
        samples.push_back(took.count());
        state.SetIterationTime(took.count() / 1000);
    }
    const double middle = median(samples);
    record({"balancing an equation of eight formulas", middle * 1000, "us", "< 1,000 us",
            middle < 1, ""});
}

}  // namespace

void registerLists() {
    benchmark::RegisterBenchmark("lists/check 1000 rows", checkThousand, false)
        ->Iterations(20)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("lists/check and measure 1000 rows", checkThousand, true)
        ->Iterations(10)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("lists/balance 8 formulas", balanceEight)
        ->Iterations(1000)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace bench
