// The chooser of an activity's lists: the program's own first, then each list found, a faulty
// one with its first error and not to be chosen. Worked by pointer, Tab, the arrows, Enter and
// Escape; a page at a time, Next (or Page Down) for the next page.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "shell/ActivityScreen.h"

namespace tools {

struct ChooserRow {
    QString title;
    QString note;  // what it holds, or its first error
    bool playable = true;
    bool inForce = false;
    QString from;  // whose it is and where, for a title that another row has too
};

class ListChooser : public shell::ActivityScreen {
  public:
    static constexpr int kRowsPerPage = 8;
    static constexpr float kFirstRowTop = 1080;
    static constexpr float kRowPitch = 780;
    static constexpr forms::TwipRect kTitlePlace{480, 0, 3900, 600};
    static constexpr forms::TwipRect kNotePlace{4560, 0, 6960, 690};
    static inline const forms::FontSpec kTitleFont = forms::tahoma(14.25f, true);
    // As large as the title: a reason a list is refused is read from the back of the room.
    static inline const forms::FontSpec kNoteFont = kTitleFont;
    // Text on the screen's blue cannot reach 7:1 in any colour, so the reason stands on black.
    static constexpr forms::Colour kReasonFore = forms::kWhite;
    static constexpr forms::Colour kReasonBack = forms::kBlack;

    // Chosen is called with a playable row's index, after which the chooser is no longer needed.
    ListChooser(forms::Screens& screens, const shell::ActivityId& id, std::vector<ChooserRow> rows,
                std::function<void(int)> chosen);

    int page() const { return m_page; }
    int pageCount() const;
    void showPage(int page);
    const std::vector<ChooserRow>& rows() const { return m_rows; }
    // The row a title label stands for on the page on view; -1 for none.
    int rowAt(int slot) const;

  protected:
    void setUp() override;
    bool activityKey(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    std::vector<ChooserRow> m_rows;
    std::function<void(int)> m_chosen;
    forms::ControlArray<forms::Label>& lbllist;
    forms::ControlArray<forms::Label>& lblnote;
    forms::Label& lblpage;
    int m_page = 0;
};

}  // namespace tools
