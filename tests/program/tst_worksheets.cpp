// Every activity's worksheet as the PDF a teacher prints: read back with poppler's tools, each
// item of its table is on the worksheet and each answer on the answer sheet after it, the pages
// are those the layout turned, and no page is blank.
#include <QtTest>
#include <map>
#include <numeric>

#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "forms/Font.h"
#include "kit/chem/Formula.h"
#include "kit/chem/FormulaMass.h"
#include "kit/lists/ListCheck.h"
#include "kit/labelling/BoardDesign.h"
#include "kit/sheets/SheetPrinter.h"
#include "kit/wordgames/Words.h"
#include "pictures/Pictures.h"
#include "program/Activities.h"
#include "program/Printing.h"
#include "program/Worksheets.h"

namespace {

QString run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Without spaces or line breaks: a wrapped text is found whole, and letters and numbers drawn
// in boxes of their own are read as the word or the equation they make.
QString flat(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{00a0}]")));
    return text;
}

// The texts each part puts on the worksheet, and those its answers put on the answer sheet.
void expectedTexts(const sheets::Worksheet& sheet, QStringList& asked, QStringList& answered) {
    for (const sheets::Part& part : sheet.parts) {
        if (const auto* q = std::get_if<sheets::Question>(&part)) {
            asked << q->text;
            answered << q->answer << q->reason;
        } else if (const auto* boxes = std::get_if<sheets::LetterBoxes>(&part)) {
            asked << boxes->clue << boxes->letters;
            answered << boxes->word;
        } else if (const auto* equation = std::get_if<sheets::BalancingBoxes>(&part)) {
            asked << equation->words << equation->reactants << equation->products;
            // The numbers in their boxes, each before its formula.
            QStringList sides[2];
            std::size_t n = 0;
            for (const QString& formula : equation->reactants)
                sides[0] << QString::number(equation->numbers.at(n++)) + formula;
            for (const QString& formula : equation->products)
                sides[1] << QString::number(equation->numbers.at(n++)) + formula;
            answered << sides[0].join(QLatin1Char('+')) + QStringLiteral("→") +
                            sides[1].join(QLatin1Char('+'));
        } else if (const auto* lines = std::get_if<sheets::PictureLines>(&part)) {
            asked << lines->prompts;
            answered << lines->answers;
        } else if (const auto* board = std::get_if<sheets::BoardSheet>(&part)) {
            const labelling::BoardDesign& design = *board->design;
            for (std::size_t i = 0; i < design.items.size(); ++i) {
                const char* text = design.items[i].text;
                if (board->page >= 0)
                    text = design.pages[static_cast<std::size_t>(board->page)].texts[i];
                // In the word bank, and written in its box on the answer sheet.
                asked << QString::fromUtf8(text);
                answered << QString::fromUtf8(text);
            }
            if (board->page >= 0)
                asked << QString::fromUtf8(
                    design.pages[static_cast<std::size_t>(board->page)].question);
        } else if (const auto* note = std::get_if<sheets::Note>(&part)) {
            asked << note->text;
        }
    }
    asked.removeAll(QString());
    answered.removeAll(QString());
}

// A printed formula read back as typed: "H₂O" is "H2O".
std::string typed(const QString& printed) {
    QString plain = printed;
    for (QChar& c : plain)
        if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089)
            c = QChar(u'0' + (c.unicode() - 0x2080));
    return plain.toStdString();
}

std::vector<sheets::Part> partsOf(const char* screen, std::uint64_t seed) {
    const std::optional<sheets::Worksheet> sheet =
        program::worksheetFor(QString::fromLatin1(screen), seed);
    return sheet ? sheet->parts : std::vector<sheets::Part>{};
}

// Pixels darker than paper on a page rendered small.
int inkedPixels(const QString& pdf, int page) {
    const QString stem = QDir::temp().filePath(QStringLiteral("kindrel-sheet-page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
                   QStringLiteral("-singlefile"), QStringLiteral("-png"), QStringLiteral("-f"),
                   QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return -1;
    const QImage image(stem + QStringLiteral(".png"));
    QFile::remove(stem + QStringLiteral(".png"));
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200) ++inked;
    return inked;
}

// The sheet as a teacher prints it: its title whole at the head of each sheet, every item on
// the worksheet and every answer on the answer sheet after it, a running head on every later
// page that says which sheet it is, and no blank page.
void printedWhole(const sheets::Worksheet& sheet) {
    pictures::Pictures pictures({qEnvironmentVariable("KINDREL_BUILD_DIR")});
    const std::optional<sheets::Pdf> pdf = sheets::worksheetPdf(sheet, pictures, true);
    QVERIFY(pdf);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(sheets::saveWhole(pdf->bytes, file).isEmpty());

    const int worksheetPages = pdf->pages.worksheet;
    const int pages = worksheetPages + pdf->pages.answers;
    QVERIFY(worksheetPages >= 1 && pdf->pages.answers >= 1);
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
    QVERIFY(info.contains(sheet.landscape ? QStringLiteral("842 x 595")
                                           : QStringLiteral("595 x 842")));

    const auto text = [&](int first, int last) {
        return flat(
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(first),
                 QStringLiteral("-l"), QString::number(last), file, QStringLiteral("-")}));
    };
    const QString worksheet = text(1, worksheetPages);
    const QString answers = text(worksheetPages + 1, pages);
    QVERIFY2(worksheet.startsWith(flat(sheet.title + QStringLiteral("Name"))),
             qPrintable(worksheet.left(200)));
    QVERIFY(answers.startsWith(flat(sheet.title + QStringLiteral(": answers"))));
    QVERIFY(!worksheet.contains(QStringLiteral(":answers")));

    QStringList asked;
    QStringList answered;
    expectedTexts(sheet, asked, answered);
    QVERIFY(!answered.isEmpty());
    for (const QString& item : asked)
        QVERIFY2(worksheet.contains(flat(item)), qPrintable(item));
    for (const QString& answer : answered)
        QVERIFY2(answers.contains(flat(answer)), qPrintable(answer));

    // A word to find never shows on the worksheet itself (the clues are in small letters).
    for (const sheets::Part& part : sheet.parts)
        if (const auto* boxes = std::get_if<sheets::LetterBoxes>(&part))
            QVERIFY2(!worksheet.contains(boxes->word), qPrintable(boxes->word));

    for (int page = 2; page <= pages; ++page) {
        const int number = page > worksheetPages ? page - worksheetPages : page;
        if (number < 2) continue;
        const QString head = text(page, page);
        QVERIFY2(head.contains(QStringLiteral("page%1").arg(number)), qPrintable(head));
        QCOMPARE(head.contains(QStringLiteral(":answers")), page > worksheetPages);
    }
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(inkedPixels(file, page) > 500, qPrintable(QString::number(page)));
}

}  // namespace

class WorksheetsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        forms::registerHouseFonts();
        for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm", "pdfimages"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     "poppler-utils is not installed");
    }

    void everyActivity_data() {
        QTest::addColumn<QString>("screen");
        for (const program::Activity& activity : program::activities())
            QTest::newRow(activity.screen) << QString::fromLatin1(activity.screen);
    }

    void everyActivity() {
        QFETCH(QString, screen);
        const std::optional<sheets::Worksheet> sheet = program::worksheetFor(screen, 20261209);
        if (!sheet) {
            // Only those that have nothing to print, and they say so.
            QVERIFY2(program::printsNothing(screen), "an activity without a worksheet");
            return;
        }
        QVERIFY(!program::printsNothing(screen));
        QVERIFY(!sheet->parts.empty());

        printedWhole(*sheet);
    }

    // The answer sheet balances every equation, with the smallest whole numbers.
    void equationsBalance() {
        const std::vector<sheets::Part> parts = partsOf("equations", 1);
        QVERIFY(!parts.empty());
        for (const sheets::Part& part : parts) {
            const auto& equation = std::get<sheets::BalancingBoxes>(part);
            std::map<std::string_view, int> atoms[2];
            std::size_t n = 0;
            int common = 0;
            for (int side = 0; side < 2; ++side) {
                for (const QString& printed : side == 0 ? equation.reactants : equation.products) {
                    const std::optional<chem::Formula> formula = chem::parseFormula(typed(printed));
                    QVERIFY2(formula, qPrintable(printed));
                    const int number = equation.numbers.at(n++);
                    QVERIFY(number >= 1);
                    common = std::gcd(common, number);
                    for (const chem::AtomCount& atom : formula->atoms())
                        atoms[side][atom.symbol] += number * atom.count;
                }
            }
            QCOMPARE(n, equation.numbers.size());
            QVERIFY2(atoms[0] == atoms[1], qPrintable(equation.words));
            QCOMPARE(common, 1);
        }
    }

    void drawnOnce_data() {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1ULL, 2ULL, 20261209ULL, 0xFFFFFFFFFFFFULL})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    // What is drawn at random is drawn once from the seed, and the answer sheet made with it
    // works out those very numbers and letters.
    void drawnOnce() {
        QFETCH(quint64, seed);
        const std::vector<sheets::Part> formulae = partsOf("formulae", seed);
        QVERIFY(!formulae.empty());
        const QRegularExpression working(QStringLiteral("= (−?\\d+) ([÷×−]) (−?\\d+) = (−?\\d+)"));
        const auto number = [](QString text) { return text.replace(u'−', u'-').toInt(); };
        for (const sheets::Part& part : formulae) {
            const auto& question = std::get<sheets::Question>(part);
            const QRegularExpressionMatch m = working.match(question.answer);
            QVERIFY2(m.hasMatch(), qPrintable(question.answer));
            const int first = number(m.captured(1));
            const int second = number(m.captured(3));
            const int result = number(m.captured(4));
            // The values the class is given are those the working uses.
            QVERIFY2(question.text.contains(QStringLiteral(" = %1 ").arg(m.captured(1))) &&
                         question.text.contains(QStringLiteral(" = %1 ").arg(m.captured(3))),
                     qPrintable(question.text + QStringLiteral(" / ") + question.answer));
            if (m.captured(2) == QStringLiteral("÷")) QCOMPARE(first, second * result);
            if (m.captured(2) == QStringLiteral("×")) QCOMPARE(first * second, result);
            if (m.captured(2) == QStringLiteral("−")) QCOMPARE(first - second, result);
        }
        // The same seed draws the same sheet, which a print preview repainting relies on.
        const auto texts = [](const std::vector<sheets::Part>& parts) {
            QStringList all;
            for (const sheets::Part& part : parts)
                if (const auto* q = std::get_if<sheets::Question>(&part)) all << q->text;
            return all;
        };
        QCOMPARE(texts(partsOf("formulae", seed)), texts(formulae));
        QVERIFY(texts(partsOf("formulae", seed + 1)) != texts(formulae));

        for (const sheets::Part& part : partsOf("mixedup", seed)) {
            const auto& boxes = std::get<sheets::LetterBoxes>(part);
            QString mixed = boxes.letters;
            QString word = boxes.word;
            QVERIFY2(mixed != word, qPrintable(word));
            std::sort(mixed.begin(), mixed.end());
            std::sort(word.begin(), word.end());
            QCOMPARE(mixed, word);
        }
    }

    // On a board's page each picture stands where the board has it against its boxes: the
    // boxes' numbers give the page's scale and offset, and every picture is found there.
    void picturesWhereTheirBoxesAre_data() {
        QTest::addColumn<QString>("screen");
        for (const char* screen :
             {"measures", "bunsen", "ph", "hazards", "changingstate", "equipment"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }
    void picturesWhereTheirBoxesAre() {
        QFETCH(QString, screen);
        const std::optional<sheets::Worksheet> sheet = program::worksheetFor(screen, 1);
        QVERIFY(sheet);
        const labelling::BoardDesign* design = nullptr;
        for (const sheets::Part& part : sheet->parts)
            if (const auto* board = std::get_if<sheets::BoardSheet>(&part)) design = board->design;
        QVERIFY(design && !design->pictures.empty());
        pictures::Pictures pictures({qEnvironmentVariable("KINDREL_BUILD_DIR")});
        const std::optional<sheets::Pdf> pdf = sheets::worksheetPdf(*sheet, pictures, false);
        QVERIFY(pdf);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("board.pdf"));
        QVERIFY(sheets::saveWhole(pdf->bytes, file).isEmpty());
        const QString xml =
            run(QStringLiteral("pdftohtml"),
                {QStringLiteral("-xml"), QStringLiteral("-stdout"), QStringLiteral("-f"),
                 QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), file});
        const auto at = [](const QRegularExpressionMatch& m) {
            return QRectF(m.captured(QStringLiteral("left")).toDouble(),
                          m.captured(QStringLiteral("top")).toDouble(),
                          m.captured(QStringLiteral("width")).toDouble(),
                          m.captured(QStringLiteral("height")).toDouble());
        };
        const QString place = QStringLiteral(
            "top=\"(?<top>[\\d.]+)\" left=\"(?<left>[\\d.]+)\" width=\"(?<width>[\\d.]+)\" "
            "height=\"(?<height>[\\d.]+)\"");
        std::vector<QRectF> images, numbers;
        for (const auto& m : QRegularExpression(QStringLiteral("<image ") + place).globalMatch(xml))
            images.push_back(at(m));
        for (const auto& m : QRegularExpression(QStringLiteral("<text ") + place +
                                                QStringLiteral("[^>]*><b>\\d+</b></text>"))
                                 .globalMatch(xml))
            numbers.push_back(at(m));
        QCOMPARE(images.size(), design->pictures.size());
        QCOMPARE(numbers.size(), design->items.size());

        // Extremes need no knowledge of which number is which box's.
        const auto span = [](const auto& values, auto of) {
            const auto [low, high] =
                std::minmax_element(values.begin(), values.end(),
                                    [&](const auto& a, const auto& b) { return of(a) < of(b); });
            return std::pair{of(*low), of(*high)};
        };
        const auto [boxLeft, boxRight] =
            span(design->items, [](const auto& i) { return double(i.target.left); });
        const auto [boxTop, boxBottom] =
            span(design->items, [](const auto& i) { return double(i.target.top); });
        const auto [numLeft, numRight] = span(numbers, [](const QRectF& r) { return r.left(); });
        const auto [numTop, numBottom] = span(numbers, [](const QRectF& r) { return r.top(); });
        const double scale = boxRight > boxLeft ? (numRight - numLeft) / (boxRight - boxLeft)
                                                : (numBottom - numTop) / (boxBottom - boxTop);
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("<page [^>]*width=\"(\\d+)\"")).match(xml);
        QVERIFY(page.hasMatch());
        // Within 3 % of the page's width: a picture in the wrong place is a box away or more.
        const double tolerance = 0.03 * page.captured(1).toDouble();
        for (const labelling::BoardPicture& picture : design->pictures) {
            const QPointF expected(
                numLeft + (picture.place.left + picture.place.width / 2 - boxLeft) * scale,
                numTop + (picture.place.top + picture.place.height / 2 - boxTop) * scale);
            double nearest = 1e9;
            for (const QRectF& image : images)
                nearest = std::min(nearest, QLineF(image.center(), expected).length());
            QVERIFY2(nearest < tolerance,
                     qPrintable(QStringLiteral("%1 is %2 from where its box puts it")
                                    .arg(QLatin1String(picture.file))
                                    .arg(nearest)));
        }
    }

    // Pictures go into the PDF as drawn at three times their design size, not the screen's copy.
    void picturesAtTheirLargest() {
        const std::optional<sheets::Worksheet> sheet =
            program::worksheetFor(QStringLiteral("safety"), 1);
        QVERIFY(sheet);
        pictures::Pictures pictures({qEnvironmentVariable("KINDREL_BUILD_DIR")});
        const std::optional<sheets::Pdf> pdf = sheets::worksheetPdf(*sheet, pictures, false);
        QVERIFY(pdf);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("safety.pdf"));
        QVERIFY(sheets::saveWhole(pdf->bytes, file).isEmpty());
        // The laboratory is 800 x 582 at design size.
        const QString list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
        QVERIFY2(list.contains(QRegularExpression(QStringLiteral("image\\s+2400\\s+1746"))),
                 qPrintable(list));
    }

    // A teacher's list prints as its screen plays it: the whole title on both sheets, the
    // words in the letters the games show, and an Atomic Mass key with every mass its answers
    // are worked from.
    void listSheets_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray acids("word,clue\nalkali,a solution with a pH above 7\nAcid,a solution "
                               "with a pH below 7\nsalT,made when an acid reacts with a base\n");
        QTest::newRow("hangman in small letters") << "hangman" << "Year 8.csv" << acids;
        QTest::newRow("mixedup in small letters") << "mixedup" << "Year 8.csv" << acids;
        QTest::newRow("atomicmass beyond the key")
            << "atomicmass" << "Salts.csv"
            << QByteArray("formula\nKMnO4\nAgNO3\nCaCO3\nH2SO4\nK2Cr2O7\n");
        QByteArray many("word;clue\n");
        for (const char* word : {"filtrate", "residue", "solvent", "solute", "solution",
                                 "distillation", "evaporation", "condenser", "chromatography",
                                 "crystals", "insoluble", "soluble", "mixture", "filtration",
                                 "decant", "sieve", "funnel", "beaker", "flask", "tripod"})
            many += QByteArray(word) + ";a word of separating mixtures\n";
        QTest::newRow("long title")
            << "hangman"
            << "Y9 separating (Excel semicolons) and the methods a class meets in its first "
               "term of chemistry.csv"
            << many;
        QTest::newRow("title of one long word")
            << "hangman" << "Y9separatingExcelsemicolonsandthemethodsaclassmeetsinitsfirstterm.csv"
            << many;
    }
    void listSheets() {
        QFETCH(QString, screen);
        QFETCH(QString, file);
        QFETCH(QByteArray, csv);
        const lists::ListKind kind =
            screen == u"atomicmass" ? lists::ListKind::FormulaMasses : lists::ListKind::Words;
        const lists::CheckedList list = lists::checkList(kind, file, csv);
        QVERIFY2(list.sound(), qPrintable(list.describedErrors().join(u'\n')));
        const std::optional<sheets::Worksheet> sheet = program::listWorksheetFor(screen, list, 7);
        QVERIFY(sheet);
        printedWhole(*sheet);
        if (QTest::currentTestFailed()) return;

        const std::vector<wordgames::Word> played = wordgames::wordsFor(&list);
        std::size_t next = 0;
        std::map<QString, double> key;
        for (const sheets::Part& part : sheet->parts) {
            if (const auto* boxes = std::get_if<sheets::LetterBoxes>(&part)) {
                QVERIFY(next < played.size());
                QCOMPARE(boxes->word, played[next++].word);
            } else if (const auto* note = std::get_if<sheets::Note>(&part)) {
                static const QRegularExpression pair(QStringLiteral("(\\w+)\\x{00a0}=\\x{00a0}([\\d.]+)"));
                for (const QRegularExpressionMatch& m : pair.globalMatch(note->text))
                    key[m.captured(1)] = m.captured(2).toDouble();
            } else if (const auto* question = std::get_if<sheets::Question>(&part)) {
                // Worked out again from the key alone, each answer comes to its total.
                const QString asked = question->text.section(QStringLiteral(" of "), 1).chopped(1);
                const std::optional<chem::Formula> formula = chem::parseFormula(typed(asked));
                QVERIFY2(formula, qPrintable(asked));
                double total = 0;
                for (const chem::AtomCount& atom : formula->atoms()) {
                    const QString symbol = QString::fromLatin1(atom.symbol.data(),
                                                               qsizetype(atom.symbol.size()));
                    QVERIFY2(key.contains(symbol), qPrintable(symbol));
                    total += atom.count * key[symbol];
                }
                // The working, as the screen shows it, ends with the total.
                QVERIFY2(question->answer.endsWith(QStringLiteral("= ") + chem::formatMass(total)),
                         qPrintable(question->answer));
            }
        }
        QCOMPARE(next, kind == lists::ListKind::Words ? played.size() : 0);
    }

    // Which pages go to paper, numbered as the preview shows the sheets chosen. The rows with
    // a range are the faults seen: "1 to 2" of a sheet of two pages and its two of answers, and
    // "1 to 1" of one and one, each printed the answers.
    void pagesToPaper_data() {
        QTest::addColumn<int>("printed");
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("worksheetPages");
        QTest::addColumn<int>("answerPages");
        QTest::addColumn<QString>("painted");
        const int worksheet = int(sheets::Printed::Worksheet);
        const int answers = int(sheets::Printed::Answers);
        const int both = int(sheets::Printed::Both);
        QTest::newRow("worksheet") << worksheet << "" << 2 << 2 << "w1 w2";
        QTest::newRow("answers") << answers << "" << 2 << 2 << "a1 a2";
        QTest::newRow("both") << both << "" << 2 << 2 << "w1 w2 a1 a2";
        QTest::newRow("both, 1 to 2") << both << "1-2" << 2 << 2 << "w1 w2";
        QTest::newRow("both, 1 to 1") << both << "1" << 1 << 1 << "w1";
        QTest::newRow("both, 3 to 4") << both << "3-4" << 2 << 2 << "a1 a2";
        QTest::newRow("both, 2 and 4") << both << "2,4" << 2 << 2 << "w2 a2";
        QTest::newRow("answers, 1") << answers << "1" << 2 << 2 << "a1";
        QTest::newRow("worksheet, 2 to 9") << worksheet << "2-9" << 3 << 1 << "w2 w3";
        QTest::newRow("worksheet, past its end") << worksheet << "3-4" << 2 << 2 << "";
    }
    void pagesToPaper() {
        QFETCH(int, printed);
        QFETCH(QString, range);
        QFETCH(int, worksheetPages);
        QFETCH(int, answerPages);
        QFETCH(QString, painted);
        const QPageRanges ranges = QPageRanges::fromString(range);
        QCOMPARE(ranges.isEmpty(), range.isEmpty());
        QStringList got;
        for (int answers = 0; answers < 2; ++answers)
            for (int page = 1; page <= (answers ? answerPages : worksheetPages); ++page)
                if (sheets::printsPage(sheets::Printed(printed), ranges, answers, page,
                                       worksheetPages))
                    got << (answers ? u'a' : u'w') + QString::number(page);
        QCOMPARE(got.join(u' '), painted);
        QCOMPARE(sheets::printsAny(sheets::Printed(printed), ranges,
                                   {worksheetPages, answerPages}),
                 !painted.isEmpty());
    }

    // Every range the print dialog can give: none, from and to, a list of pages, the page on
    // view in the preview.
    void pagesAskedFor() {
        QPrinter printer;
        QVERIFY(program::pagesAskedFor(printer, 3).isEmpty());
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, 2);
        QCOMPARE(program::pagesAskedFor(printer, 3).toString(), QStringLiteral("1-2"));
        printer.setPageRanges(QPageRanges::fromString(QStringLiteral("2,4-5")));
        QCOMPARE(program::pagesAskedFor(printer, 3).toString(), QStringLiteral("2,4-5"));
        printer.setPrintRange(QPrinter::CurrentPage);
        QCOMPARE(program::pagesAskedFor(printer, 3).toString(), QStringLiteral("3"));
        printer.setPrintRange(QPrinter::AllPages);
        QVERIFY(program::pagesAskedFor(printer, 3).isEmpty());
    }

    // The preview opens on the worksheet alone; the answers come only when chosen, and what is
    // printed keeps to the range the print dialog gave. Ranges are written with W for the
    // worksheet's last page, A for the answers' first and T for the last of both sheets.
    void previewPrintsWhatIsChosen_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("printed");  // "worksheet", "answers", "both" or "nothing"
        QTest::newRow("symbols as it opens") << "symbols" << "" << "" << "worksheet";
        QTest::newRow("symbols both, its worksheet's pages")
            << "symbols" << "Both" << "1-W" << "worksheet";
        QTest::newRow("hazards both, 1 to 1") << "hazards" << "Both" << "1-1" << "worksheet";
        QTest::newRow("hazards both, the rest") << "hazards" << "Both" << "A-T" << "answers";
        QTest::newRow("symbols both") << "symbols" << "Both" << "" << "both";
        QTest::newRow("symbols answers, 1 to 1") << "symbols" << "Answers" << "1-1" << "answers";
        QTest::newRow("symbols worksheet, past its end")
            << "symbols" << "Worksheet" << "T-T" << "nothing";
    }
    void previewPrintsWhatIsChosen() {
        QFETCH(QString, screen);
        QFETCH(QString, choice);
        QFETCH(QString, range);
        QFETCH(QString, printed);
        const std::optional<sheets::Worksheet> sheet = program::worksheetFor(screen, 1);
        QVERIFY(sheet);
        pictures::Pictures pictures({qEnvironmentVariable("KINDREL_BUILD_DIR")});
        const std::optional<sheets::Pdf> whole = sheets::worksheetPdf(*sheet, pictures, true);
        QVERIFY(whole);
        const int w = whole->pages.worksheet;
        const int a = whole->pages.answers;

        QPrinter printer(QPrinter::HighResolution);
        const std::unique_ptr<QPrintPreviewDialog> preview =
            program::worksheetPreview(printer, *sheet, pictures, true);
        auto* what = preview->findChild<QComboBox*>(QStringLiteral("whatToPrint"));
        QVERIFY(what);
        QCOMPARE(what->currentText(), QStringLiteral("Worksheet"));
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(view);
        preview->show();
        QTRY_COMPARE(view->pageCount(), w);
        if (!choice.isEmpty()) what->setCurrentText(choice);
        QCOMPARE(what->currentText(), choice.isEmpty() ? QStringLiteral("Worksheet") : choice);
        const int shown = choice == u"Both" ? w + a : choice == u"Answers" ? a : w;
        QTRY_COMPARE(view->pageCount(), shown);

        // Printed to a file through the dialog's own request, as its Print button does.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        QPrinter paper(QPrinter::HighResolution);
        paper.setOutputFormat(QPrinter::PdfFormat);
        paper.setOutputFileName(file);
        if (!range.isEmpty()) {
            QString pages = range;
            pages.replace(u'W', QString::number(w))
                .replace(u'A', QString::number(w + 1))
                .replace(u'T', QString::number(w + a));
            paper.setPrintRange(QPrinter::PageRange);
            paper.setPageRanges(QPageRanges::fromString(pages));
        }
        Q_EMIT preview->paintRequested(&paper);
        preview->close();
        if (printed == u"nothing") {
            QVERIFY2(!QFile::exists(file), "a range with no page in it printed a page");
            return;
        }
        const QString text =
            flat(run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")}));
        const int pages = range.isEmpty() ? shown
                          : range == u"1-1" ? 1
                          : range == u"1-W" ? w
                                            : a;
        QVERIFY(run(QStringLiteral("pdfinfo"), {file})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
        QCOMPARE(text.contains(QStringLiteral(":answers")), printed != u"worksheet");
        QCOMPARE(text.startsWith(flat(sheet->title + QStringLiteral("Name"))),
                 printed != u"answers");
    }
};

QTEST_MAIN(WorksheetsTest)
#include "tst_worksheets.moc"
