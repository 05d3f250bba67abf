// menu1 to menu5: one design built from its row of the menu table.
#pragma once

#include "forms/Screen.h"
#include "shell/HoverRule.h"
#include "shell/MenuTable.h"

namespace forms {
class CommandButton;
class Label;
}  // namespace forms

namespace shell {

class MenuScreen : public forms::Screen {
  public:
    MenuScreen(forms::Screens& screens, const MenuDesign& design);
    void load() override;

    const MenuDesign& design() const { return m_design; }

  private:
    void tabClicked(int index);
    void entryClicked(int index);
    void exitClicked();

    const MenuDesign& m_design;
    forms::Label& Label1;
    forms::ControlArray<forms::Label>& Label3;
    forms::ControlArray<forms::Label>& Label2;
    forms::CommandButton& Command1;
    HoverRule m_hover;
};

}  // namespace shell
