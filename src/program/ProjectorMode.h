// Projector mode: every screen as large as the display holds, or as the command line says;
// F11 switches it on and off while the program runs.
#pragma once

#include <QObject>

#include "program/Options.h"

namespace forms {
class Screens;
}

namespace program {

class ProjectorMode : public QObject {
  public:
    // On from the start when the options ask for it; F11 watched on every screen.
    ProjectorMode(forms::Screens& screens, const Options& options);
    ~ProjectorMode() override;

    // The factor projector mode draws at: the one given, or the largest at which a framed
    // screen fits the display as it is now.
    double projectorFactor() const;
    bool isOn() const { return m_on; }
    void setOn(bool on);
    void toggle() { setOn(!m_on); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    forms::Screens& m_screens;
    Options m_options;
    bool m_on = false;
};

}  // namespace program
