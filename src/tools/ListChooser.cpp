#include "tools/ListChooser.h"

#include <QFontMetricsF>

#include "forms/CommandButton.h"
#include "forms/TextFit.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace tools {

using namespace forms;

namespace {

constexpr Colour kUnplayable = rgb(160, 160, 160);
constexpr TwipRect kPagePlace{1980, shell::ButtonRowTop, 7920, 495};

shell::ActivityFrame chooserFrame() {
    return {.back = shell::ScreenBlue, .next = true};
}

// A note longer than its two lines ends in an ellipsis, so what shows is never cut mid-line.
QString shortened(const QString& note, const FontSpec& font, const TwipRect& place) {
    if (captionFits(note, font, place)) return note;
    QString text = note;
    while (text.size() > 1 && !captionFits(text + QChar(0x2026), font, place)) text.chop(1);
    return text.trimmed() + QChar(0x2026);
}

}  // namespace

ListChooser::ListChooser(Screens& screens, const shell::ActivityId& id,
                         std::vector<ChooserRow> rows, std::function<void(int)> chosen)
    : ActivityScreen(screens, id, chooserFrame()),
      m_rows(std::move(rows)),
      m_chosen(std::move(chosen)),
      lbllist(addArray<Label>(QStringLiteral("lbllist"))),
      lblnote(addArray<Label>(QStringLiteral("lblnote"))),
      lblpage(add<Label>(QStringLiteral("lblpage"), kPagePlace)) {
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        const float top = kFirstRowTop + slot * kRowPitch;
        Label& title =
            lbllist.add(slot, {kTitlePlace.left, top, kTitlePlace.width, kTitlePlace.height});
        LabelLook look = shell::boxedLook(kTitleFont);
        look.centreVertically = true;
        title.setLook(look);
        title.setVisible(false);
        Label& note =
            lblnote.add(slot, {kNotePlace.left, top, kNotePlace.width, kNotePlace.height});
        note.setVisible(false);
    }
    lblpage.setLook(shell::textLook(tahoma(14.25f), Align::Centre));
    lbllist.onClick = [this](int slot) {
        const int row = rowAt(slot);
        if (row < 0 || !m_rows[static_cast<size_t>(row)].playable) return;
        // The chooser goes with the choice: the handler is copied out before it does.
        const std::function<void(int)> chosen = m_chosen;
        if (chosen) chosen(row);
    };
    cmdgo->onClick = [this] { showPage(m_page + 1); };
}

int ListChooser::pageCount() const {
    return std::max<int>(1, static_cast<int>((m_rows.size() + kRowsPerPage - 1) / kRowsPerPage));
}

int ListChooser::rowAt(int slot) const {
    const int row = m_page * kRowsPerPage + slot;
    return slot >= 0 && slot < kRowsPerPage && row < std::ssize(m_rows) ? row : -1;
}

void ListChooser::setUp() {
    cmdgo->setVisible(pageCount() > 1);
    // Open at the page with the list in force.
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].inForce) m_page = static_cast<int>(row) / kRowsPerPage;
    showPage(m_page);
}

void ListChooser::showPage(int page) {
    m_page = ((page % pageCount()) + pageCount()) % pageCount();
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        const int row = rowAt(slot);
        Label& title = lbllist[slot];
        Label& note = lblnote[slot];
        title.setVisible(row >= 0);
        note.setVisible(row >= 0);
        if (row < 0) continue;
        const ChooserRow& shown = m_rows[static_cast<size_t>(row)];
        title.setCaption(shown.title);
        title.setForeColour(shown.playable ? shell::TitleYellow : kUnplayable);
        // Only a list that can be played takes a click, and so the keyboard's focus.
        title.setEnabled(shown.playable);
        QString note_text = shown.inForce ? QStringLiteral("In use. ") + shown.note : shown.note;
        if (!shown.from.isEmpty()) note_text = shown.from + u'\n' + note_text;
        const QString shown_note = shortened(note_text, kNoteFont, kNotePlace);
        note.setCaption(shown_note);
        LabelLook look = shell::textLook(kNoteFont);
        if (!shown.playable) {
            look.fore = kReasonFore;
            look.back = kReasonBack;
            look.opaque = true;
        }
        note.setLook(look);
        // A reader hears the whole of it: whose it is, why a list cannot be chosen, and a note
        // cut short on screen.
        QStringList described{shown.title};
        if (!shown.from.isEmpty()) described += shown.from;
        if (!shown.playable)
            described += QStringLiteral("cannot be used: ") + shown.note;
        else if (shown_note != note_text)
            described += note_text;
        title.setDescription(described.size() > 1 ? described.join(QStringLiteral(", "))
                                                  : QString());
    }
    lblpage.setCaption(pageCount() > 1
                           ? QStringLiteral("Page %1 of %2").arg(m_page + 1).arg(pageCount())
                           : QString());
}

bool ListChooser::activityKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (key) {
        case Qt::Key_Down:
            return moveFocus(true);
        case Qt::Key_Up:
            return moveFocus(false);
        case Qt::Key_PageDown:
            showPage(m_page + 1);
            return true;
        case Qt::Key_PageUp:
            showPage(m_page - 1);
            return true;
    }
    return false;
}

}  // namespace tools
