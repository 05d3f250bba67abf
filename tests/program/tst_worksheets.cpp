// Every activity's worksheet as the PDF a teacher prints: read back with poppler's tools, each
// item of its table is on the worksheet and each answer on the answer sheet after it, the pages
// are those the layout turned, and no page is blank.
#include <QtTest>
#include <map>
#include <numeric>

#include "forms/Font.h"
#include "kit/chem/Formula.h"
#include "kit/labelling/BoardDesign.h"
#include "kit/sheets/SheetPrinter.h"
#include "pictures/Pictures.h"
#include "program/Activities.h"
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

        pictures::Pictures pictures({qEnvironmentVariable("KINDREL_BUILD_DIR")});
        const std::optional<sheets::Pdf> pdf = sheets::worksheetPdf(*sheet, pictures, true);
        QVERIFY(pdf);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
        QVERIFY(sheets::saveWhole(pdf->bytes, file).isEmpty());

        const int worksheetPages = pdf->pages.worksheet;
        const int pages = worksheetPages + pdf->pages.answers;
        QVERIFY(worksheetPages >= 1 && pdf->pages.answers >= 1);
        const QString info = run(QStringLiteral("pdfinfo"), {file});
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
        QVERIFY(info.contains(sheet->landscape ? QStringLiteral("842 x 595")
                                               : QStringLiteral("595 x 842")));

        const auto text = [&](int first, int last) {
            return flat(
                run(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(first),
                     QStringLiteral("-l"), QString::number(last), file, QStringLiteral("-")}));
        };
        const QString worksheet = text(1, worksheetPages);
        const QString answers = text(worksheetPages + 1, pages);
        QVERIFY(worksheet.startsWith(flat(sheet->title + QStringLiteral("Name"))));
        QVERIFY(answers.startsWith(flat(sheet->title + QStringLiteral(": answers"))));
        QVERIFY(!worksheet.contains(QStringLiteral(":answers")));

        QStringList asked;
        QStringList answered;
        expectedTexts(*sheet, asked, answered);
        QVERIFY(!answered.isEmpty());
        for (const QString& item : asked)
            QVERIFY2(worksheet.contains(flat(item)), qPrintable(item));
        for (const QString& answer : answered)
            QVERIFY2(answers.contains(flat(answer)), qPrintable(answer));

        // A word to find never shows on the worksheet itself (the clues are in small letters).
        for (const sheets::Part& part : sheet->parts)
            if (const auto* boxes = std::get_if<sheets::LetterBoxes>(&part))
                QVERIFY2(!worksheet.contains(boxes->word), qPrintable(boxes->word));

        for (int page = 1; page <= pages; ++page)
            QVERIFY2(inkedPixels(file, page) > 500, qPrintable(QString::number(page)));
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
};

QTEST_MAIN(WorksheetsTest)
#include "tst_worksheets.moc"
