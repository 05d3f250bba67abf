// Vocab: the mathematics glossary; a letter tile opens its term list, a chosen term is shown large.
#pragma once

#include <array>

#include "activities/vocab/BridgeProblemScreen.h"
#include "activities/vocab/GlossaryCatalogue.h"
#include "forms/Screen.h"

namespace forms {
class ComboBox;
class CommandButton;
class Label;
class Panel;
class PictureBox;
}  // namespace forms

namespace vocab {

class VocabScreen : public forms::Screen {
  public:
    explicit VocabScreen(forms::Screens& screens);
    void load() override;

    static constexpr auto kScreenName = "Vocab";
    // Where the exit leads, and the screen the problem button opens.
    static constexpr auto kMenuName = "menu4";
    static constexpr auto kProblemScreenName = BridgeProblemScreen::kScreenName;

    // Group k's tile and term list are element k - 1.
    forms::Label& tile(int group) const { return *m_tiles.at(group - 1); }
    forms::ComboBox& termList(int group) const { return *m_termLists.at(group - 1); }

  private:
    bool letterKey(int key, Qt::KeyboardModifiers modifiers);
    std::array<forms::Label*, kGroupCount> addTiles();
    std::array<forms::ComboBox*, kGroupCount> addTermLists();
    void openGroup(int group);
    void showChosenTerm(int group);
    void leave();

    forms::Label& Label56;
    forms::Panel& Frame2;
    std::array<forms::Label*, kGroupCount> m_tiles{};
    std::array<forms::ComboBox*, kGroupCount> m_termLists{};
    forms::PictureBox& Image1;
    forms::Label& Label57;
    forms::Panel& Frame1;
    forms::Label& Label55;
    forms::Panel& framestatus;
    forms::CommandButton& cmdexit;
};

}  // namespace vocab
