#include "activities/equations/EquationsScreen.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>
#include <numeric>

#include "activities/equations/ChemicalEquations.h"
#include "forms/Accessible.h"
#include "forms/CommandButton.h"
#include "forms/PictureBox.h"
#include "forms/TextFit.h"
#include "kit/chem/EquationText.h"
#include "kit/chem/FormulaText.h"
#include "kit/lists/ListCheck.h"
#include "kit/lists/RoomCheck.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace equations {

using namespace forms;

namespace {

constexpr float kNumberPoints = 33;
constexpr float kBoxWidth = 930;
// A 1 is not written, so it shows only faintly.
constexpr Colour kFaint = rgb(105, 105, 105);
// Across the row, in whole pixels: a box to its formula, and either side of a sign.
constexpr float kBoxGap = 90;
constexpr float kSignGap = 165;
constexpr float kHintTop = 8010;

shell::ActivityFrame equationsFrame() {
    return {.back = shell::ScreenBlue, .next = true, .answer = true, .check = true, .marks = true};
}

}  // namespace

// A word equation too long for one line breaks after its arrow, never inside a name.
QString EquationsScreen::wordsAsShown(const char* words) {
    return wordsAsShown(QString::fromUtf8(words));
}

QString EquationsScreen::wordsAsShown(const QString& text) {
    const QFontMetricsF metrics(tahoma(kWordsPoints, true).toQFont());
    if (metrics.horizontalAdvance(text) <= kWordsPlace.toPixels().width()) return text;
    QString broken = text;
    return broken.replace(QStringLiteral("\u2192 "), QStringLiteral("\u2192\n"));
}

EquationsScreen::EquationsScreen(Screens& screens, const shell::ActivityId& id,
                                 const lists::CheckedList* list)
    : ActivityScreen(screens, id, equationsFrame()),
      lblwords(add<Label>(QStringLiteral("lblwords"), kWordsPlace)),
      lblnumber(addArray<Label>(QStringLiteral("lblnumber"))),
      lblformula(addArray<Label>(QStringLiteral("lblformula"))),
      lblsign(addArray<Label>(QStringLiteral("lblsign"))),
      lblmessage(add<Label>(QStringLiteral("lblmessage"), kMessagePlace)),
      lblanswer(add<Label>(QStringLiteral("lblanswer"), kAnswerPlace)),
      lblhint(add<Label>(QStringLiteral("lblhint"), {1980, kHintTop, 7920, 420})) {
    LabelLook words = shell::questionLook(kWordsPoints);
    words.align = Align::Centre;
    lblwords.setLook(words);

    const FontSpec numberFont = tahoma(kNumberPoints, true);
    const double boxHeight = std::ceil(QFontMetricsF(numberFont.toQFont()).height()) + 2;
    if (list) {
        for (const lists::ListEntry& entry : list->entries) {
            const auto* item = std::get_if<lists::EquationItem>(&entry.item);
            if (!item) continue;
            Shown shown{item->wordEquation, {item->reactants, item->products}, item->numbers};
            m_terms = std::max(m_terms, shown.equation.termCount());
            for (const int number : item->numbers) m_highest = std::max(m_highest, number);
            m_equations.push_back(std::move(shown));
        }
    }
    // The table's test reads every row; a row that did not read would be left out, not shown
    // broken.
    if (m_equations.empty()) {
        for (const ChemicalEquation& row : kChemicalEquations) {
            std::optional<SymbolEquation> parsed =
                readSymbolEquation(QString::fromUtf8(row.symbols));
            if (!parsed || parsed->termCount() > kMaxTerms) continue;
            const std::vector<int> answer(row.answer.begin(),
                                          row.answer.begin() + parsed->termCount());
            m_equations.push_back({QString::fromUtf8(row.words), std::move(*parsed), answer});
        }
    }

    const LabelLook formula = shell::textLook(tahoma(kFormulaPoints, true));
    for (int i = 0; i < m_terms; ++i) {
        Label& box = lblnumber.add(i, {0, toTwips(std::round(toPixels(kRowMiddle) - boxHeight / 2)),
                                       kBoxWidth, toTwips(boxHeight)});
        box.setLook(shell::boxedLook(numberFont));
        box.setPointer(Qt::PointingHandCursor);
        lblformula.add(i, {}).setLook(formula);
        if (i + 1 < m_terms) lblsign.add(i, {}).setLook(formula);
    }
    lblnumber.onClick = [this](int term) { countUp(term); };
    lblnumber.onKey = [this](int term, int key, Qt::KeyboardModifiers modifiers) {
        return numberKey(term, key, modifiers);
    };
    lblmessage.setAnnounced(true);

    LabelLook message = shell::textLook(tahoma(kMessagePoints, true), Align::Centre);
    lblmessage.setLook(message);
    LabelLook answer = shell::answerLook(kFormulaPoints);
    answer.align = Align::Centre;
    lblanswer.setLook(answer);
    lblhint.setLook(shell::textLook(tahoma(14.25f), Align::Centre));
    lblhint.setCaption(QStringLiteral("Click a number to change it, then check."));

    cmdgo->onClick = [this] { next(); };
    cmdcheckit->onClick = [this] { check(); };
    cmdsoln->onClick = [this] { reveal(); };
}

namespace {

// A text's width as the row draws it: laid out whole, subscripts in whatever font has them.
float drawnWidth(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return toTwips(std::ceil(line.naturalTextWidth()) + 1);
}

}  // namespace

float EquationsScreen::formulaPointsFor(const SymbolEquation& equation) {
    for (const float points : kFormulaSizes)
        if (rowWidth(equation, points) <= kRowRoom) return points;
    return 0;
}

float EquationsScreen::messagePointsFor(const QString& message) {
    for (const float points : kMessageSizes)
        if (captionFits(message, tahoma(points, true), kMessagePlace)) return points;
    return 0;
}

float EquationsScreen::rowWidth(const SymbolEquation& equation, float points) {
    const QFont font = tahoma(points, true).toQFont();
    float width = 0;
    for (int i = 0; i < equation.termCount(); ++i) {
        width += kBoxWidth + kBoxGap + drawnWidth(chem::displayFormula(equation.term(i)), font);
        if (i + 1 < equation.termCount()) {
            const bool arrow = equation.isProduct(i + 1) && !equation.isProduct(i);
            width += 2 * kSignGap +
                     drawnWidth(arrow ? QStringLiteral("\u2192") : QStringLiteral("+"), font);
        }
    }
    return width;
}

std::optional<QString> EquationsScreen::listTextCheck(const QString& column, const QString& text) {
    if (column == QLatin1String("word equation")) {
        const QString shown = wordsAsShown(text);
        return lists::tooLongFor(QStringLiteral("the word equation"), shown,
                                 tahoma(kWordsPoints, true), kWordsPlace);
    }
    if (column != QLatin1String("equation")) return std::nullopt;
    const std::optional<SymbolEquation> read = readSymbolEquation(text);
    // One that cannot be read or balanced is told of by the list's own check.
    if (!read) return std::nullopt;
    const SymbolEquation& equation = *read;
    if (formulaPointsFor(equation) == 0)
        return QStringLiteral("the equation is too wide to show across the screen");
    // Check lists every element whose atoms differ, a line each under "Not balanced."
    std::vector<std::string_view> elements;
    for (int i = 0; i < equation.termCount(); ++i)
        for (const chem::AtomCount& atom : equation.term(i).atoms())
            if (std::find(elements.begin(), elements.end(), atom.symbol) == elements.end())
                elements.push_back(atom.symbol);
    QString worst = QStringLiteral("Not balanced.");
    for (const std::string_view symbol : elements)
        worst += QStringLiteral("\n%1 atoms: 99 on the left, 99 on the right")
                     .arg(QString::fromLatin1(symbol.data(), std::ssize(symbol)));
    if (messagePointsFor(worst) == 0)
        return QStringLiteral("the equation has %1 elements, more than Check can list")
            .arg(elements.size());
    const chem::BalanceResult balanced = chem::balance(equation.reactants, equation.products);
    if (balanced.outcome != chem::BalanceOutcome::Balanced) return std::nullopt;
    return lists::tooLongFor(QStringLiteral("the balanced equation"),
                             writtenEquation(equation, balanced.coefficients),
                             tahoma(kFormulaPoints, true), kAnswerPlace);
}

void EquationsScreen::setUp() {
    m_deck.reset(static_cast<int>(m_equations.size()));
    next();
}

void EquationsScreen::next() {
    const int index = m_deck.next(platform());
    if (index >= 0) showEquation(index);
}

void EquationsScreen::showEquation(int index) {
    if (index < 0 || index >= std::ssize(m_equations)) return;
    m_index = index;
    const SymbolEquation& shown = equation();
    m_numbers.assign(static_cast<size_t>(shown.termCount()), 1);
    lblwords.setCaption(wordsAsShown(m_equations[static_cast<size_t>(index)].words));
    for (int i = 0; i < m_terms; ++i) {
        const bool used = i < shown.termCount();
        lblnumber[i].setVisible(used);
        lblformula[i].setVisible(used);
        if (used) {
            lblformula[i].setCaption(chem::displayFormula(shown.term(i)));
            lblnumber[i].setDescription(QStringLiteral("the number in front of ") +
                                        forms::accessibleName(lblformula[i]));
            showNumber(i);
        }
        if (i + 1 < m_terms) {
            lblsign[i].setVisible(i + 1 < shown.termCount());
            lblsign[i].setCaption(shown.isProduct(i + 1) && !shown.isProduct(i)
                                      ? QStringLiteral("\u2192")
                                      : QStringLiteral("+"));
        }
    }
    // The program's own all take the house size; only a teacher's long one comes down.
    const float points =
        std::max(formulaPointsFor(shown), kFormulaSizes[std::size(kFormulaSizes) - 1]);
    const LabelLook formula = shell::textLook(tahoma(points, true));
    for (int i = 0; i < m_terms; ++i) {
        if (lblformula[i].look().font.points != points) lblformula[i].setLook(formula);
        if (i + 1 < m_terms && lblsign[i].look().font.points != points) lblsign[i].setLook(formula);
    }
    layOutRow();
    hideVerdict();
    lblanswer.setVisible(false);
}

// The whole row centred across the screen, the texts on one baseline, level with the numbers.
void EquationsScreen::layOutRow() {
    const int terms = equation().termCount();
    const QFont numberFont = lblnumber[0].look().font.toQFont();
    const QFont textFont = lblformula[0].look().font.toQFont();
    const QFontMetricsF numberMetrics(numberFont);
    const float boxTop = lblnumber[0].top();
    const double digitMiddle =
        toPixels(boxTop) + 1 + numberMetrics.ascent() - numberMetrics.capHeight() / 2;
    const double baseline = digitMiddle + QFontMetricsF(textFont).capHeight() / 2;

    // A formula's subscripts may come from a fallback font that sits lower and stands taller
    // than Tahoma, so each text is measured as drawn.
    const auto fitText = [&](Label& label) {
        QTextLayout layout(label.caption(), textFont);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        label.setRect({0, toTwips(std::floor(baseline - line.ascent())),
                       toTwips(std::ceil(line.naturalTextWidth()) + 1),
                       toTwips(std::ceil(line.height()) + 1)});
    };
    float width = 0;
    for (int i = 0; i < terms; ++i) {
        fitText(lblformula[i]);
        width += kBoxWidth + kBoxGap + lblformula[i].width();
        if (i + 1 < terms) {
            fitText(lblsign[i]);
            width += 2 * kSignGap + lblsign[i].width();
        }
    }
    // Whole pixels, so that no text loses a pixel to rounding.
    float x = toTwips(std::round((clientWidth() - width) / 2 / kTwipsPerPixel));
    const auto place = [](Label& label, float left) {
        label.setLeft(left);
        return left + label.width();
    };
    for (int i = 0; i < terms; ++i) {
        x = place(lblnumber[i], x) + kBoxGap;
        x = place(lblformula[i], x);
        if (i + 1 < terms) x = place(lblsign[i], x + kSignGap) + kSignGap;
    }
}

void EquationsScreen::countUp(int term) {
    if (term < 0 || term >= std::ssize(m_numbers)) return;
    int& number = m_numbers[static_cast<size_t>(term)];
    number = number % m_highest + 1;
    showNumber(term);
    // A mark left up would judge numbers that are no longer there.
    hideVerdict();
}

// A number box with the focus: a digit sets it, Up and Down count on and back, round as a
// click does.
bool EquationsScreen::numberKey(int term, int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (term < 0 || term >= std::ssize(m_numbers)) return false;
    int& number = m_numbers[static_cast<size_t>(term)];
    if (key >= Qt::Key_1 && key <= Qt::Key_1 + std::min(m_highest, 9) - 1)
        number = key - Qt::Key_0;
    else if (key == Qt::Key_Up)
        number = number % m_highest + 1;
    else if (key == Qt::Key_Down)
        number = (number + m_highest - 2) % m_highest + 1;
    else
        return false;
    showNumber(term);
    hideVerdict();
    return true;
}

void EquationsScreen::showNumber(int term) {
    const int number = m_numbers[static_cast<size_t>(term)];
    lblnumber[term].setCaption(QString::number(number));
    lblnumber[term].setForeColour(number == 1 ? kFaint : shell::TitleYellow);
}

chem::Balance EquationsScreen::balance() const {
    if (m_index < 0) return chem::Balance::Unbalanced;
    const SymbolEquation& shown = equation();
    return chem::checkBalance(shown.reactants, shown.products, m_numbers);
}

QString EquationsScreen::checkMessage(const SymbolEquation& equation,
                                      std::span<const int> numbers) {
    switch (chem::checkBalance(equation.reactants, equation.products, numbers)) {
        case chem::Balance::Balanced:
            return QStringLiteral("Balanced, in the smallest numbers.");
        case chem::Balance::BalancedNotSmallest: {
            const int factor = std::accumulate(numbers.begin(), numbers.end(), 0,
                                               [](int a, int b) { return std::gcd(a, b); });
            return QStringLiteral(
                       "It balances, but not in the smallest numbers:\ndivide every "
                       "number by %1.")
                .arg(factor);
        }
        case chem::Balance::Unbalanced:
            break;
    }
    // A line for each element that differs, so the class sees where to look.
    QString message = QStringLiteral("Not balanced.");
    for (const AtomDifference& d : atomDifferences(equation, numbers)) {
        message += QStringLiteral("\n%1 atoms: %2 on the left, %3 on the right")
                       .arg(QString::fromLatin1(d.symbol.data(), std::ssize(d.symbol)))
                       .arg(d.left)
                       .arg(d.right);
    }
    return message;
}

void EquationsScreen::check() {
    if (m_index < 0) return;
    const chem::Balance verdict = balance();
    imgtick->setVisible(verdict == chem::Balance::Balanced);
    imgcross->setVisible(verdict != chem::Balance::Balanced);
    const QString message = checkMessage(equation(), m_numbers);
    const float points =
        std::max(messagePointsFor(message), kMessageSizes[std::size(kMessageSizes) - 1]);
    if (lblmessage.look().font.points != points)
        lblmessage.setLook(shell::textLook(tahoma(points, true), Align::Centre));
    lblmessage.setCaption(message);
    lblmessage.setForeColour(verdict == chem::Balance::Balanced ? kGreen : shell::TitleYellow);
    lblmessage.setVisible(true);
}

void EquationsScreen::reveal() {
    if (m_index < 0) return;
    lblanswer.setCaption(writtenEquation(equation(), answer()));
    lblanswer.setVisible(true);
}

std::span<const int> EquationsScreen::answer() const {
    if (m_index < 0) return {};
    return m_equations[static_cast<size_t>(m_index)].answer;
}

bool EquationsScreen::answerShown() const {
    return lblanswer.isVisible();
}

bool EquationsScreen::hideAnswer() {
    lblanswer.setVisible(false);
    return true;
}

void EquationsScreen::hideVerdict() {
    imgtick->setVisible(false);
    imgcross->setVisible(false);
    lblmessage.setVisible(false);
}

}  // namespace equations
