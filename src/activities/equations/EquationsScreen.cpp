#include "activities/equations/EquationsScreen.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <cmath>
#include <numeric>

#include "activities/equations/ChemicalEquations.h"
#include "forms/Accessible.h"
#include "forms/CommandButton.h"
#include "forms/PictureBox.h"
#include "kit/chem/FormulaText.h"
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
    const QString text = QString::fromUtf8(words);
    const QFontMetricsF metrics(tahoma(kWordsPoints, true).toQFont());
    if (metrics.horizontalAdvance(text) <= kWordsPlace.toPixels().width()) return text;
    QString broken = text;
    return broken.replace(QStringLiteral("\u2192 "), QStringLiteral("\u2192\n"));
}

EquationsScreen::EquationsScreen(Screens& screens, const shell::ActivityId& id)
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
    const LabelLook formula = shell::textLook(tahoma(kFormulaPoints, true));
    for (int i = 0; i < kMaxTerms; ++i) {
        Label& box = lblnumber.add(i, {0, toTwips(std::round(toPixels(kRowMiddle) - boxHeight / 2)),
                                       kBoxWidth, toTwips(boxHeight)});
        box.setLook(shell::boxedLook(numberFont));
        box.setPointer(Qt::PointingHandCursor);
        lblformula.add(i, {}).setLook(formula);
        if (i + 1 < kMaxTerms) lblsign.add(i, {}).setLook(formula);
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

    // The table's test reads every row; a row that did not read would be left out, not shown
    // broken.
    for (const ChemicalEquation& row : kChemicalEquations) {
        std::optional<SymbolEquation> parsed = parseSymbolEquation(row.symbols);
        if (parsed && parsed->termCount() <= kMaxTerms) m_equations.push_back({&row, *parsed});
    }

    cmdgo->onClick = [this] { next(); };
    cmdcheckit->onClick = [this] { check(); };
    cmdsoln->onClick = [this] { reveal(); };
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
    lblwords.setCaption(wordsAsShown(m_equations[static_cast<size_t>(index)].row->words));
    for (int i = 0; i < kMaxTerms; ++i) {
        const bool used = i < shown.termCount();
        lblnumber[i].setVisible(used);
        lblformula[i].setVisible(used);
        if (used) {
            lblformula[i].setCaption(chem::displayFormula(shown.term(i)));
            lblnumber[i].setDescription(QStringLiteral("the number in front of ") +
                                        forms::accessibleName(lblformula[i]));
            showNumber(i);
        }
        if (i + 1 < kMaxTerms) {
            lblsign[i].setVisible(i + 1 < shown.termCount());
            lblsign[i].setCaption(shown.isProduct(i + 1) && !shown.isProduct(i)
                                      ? QStringLiteral("\u2192")
                                      : QStringLiteral("+"));
        }
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
    number = number % kHighestNumber + 1;
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
    if (key >= Qt::Key_1 && key < Qt::Key_1 + kHighestNumber)
        number = key - Qt::Key_0;
    else if (key == Qt::Key_Up)
        number = number % kHighestNumber + 1;
    else if (key == Qt::Key_Down)
        number = (number + kHighestNumber - 2) % kHighestNumber + 1;
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
    lblmessage.setCaption(checkMessage(equation(), m_numbers));
    lblmessage.setForeColour(verdict == chem::Balance::Balanced ? kGreen : shell::TitleYellow);
    lblmessage.setVisible(true);
}

void EquationsScreen::reveal() {
    if (m_index < 0) return;
    const std::span<const int> answer(m_equations[static_cast<size_t>(m_index)].row->answer);
    lblanswer.setCaption(
        writtenEquation(equation(), answer.first(static_cast<size_t>(equation().termCount()))));
    lblanswer.setVisible(true);
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
