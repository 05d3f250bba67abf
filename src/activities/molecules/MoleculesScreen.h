// molecules: a random molecule picture with three questions; the answers wait for the teacher.
#pragma once

#include <QString>

#include "forms/Screen.h"
#include "kit/quiz/AnswerReveal.h"
#include "shell/AnswerStep.h"

namespace forms {
class CommandButton;
class Label;
class PictureBox;
}  // namespace forms

namespace molecules {

class MoleculesScreen : public forms::Screen, public shell::AnswerStep {
  public:
    static constexpr char kScreenName[] = "molecules";

    explicit MoleculesScreen(forms::Screens& screens);
    void load() override;

    // The key of the molecule on show; empty only before the first draw.
    const QString& currentKey() const { return m_currentKey; }
    bool answersShown() const { return m_answers.isShown(); }

    bool answerShown() const override { return answersShown(); }
    bool hideAnswer() override;

    // Where a molecule picture of this size goes: right edge at 11400, vertical centre at 4800.
    static forms::TwipRect pictureSpot(float width, float height);

  protected:
    bool hasAnswerStep() const override { return true; }
    void leave() override { exit(); }

  private:
    void next() override;
    void calculate();
    void showMolecule(const QString& picturePath);
    void showMoleculeWhenRead(const QString& picturePath);
    void reveal() override;
    void exit();

    forms::Label& Label20;
    forms::Label& Label3;
    forms::Label& Label4;
    forms::ControlArray<forms::Label>& Label1;
    forms::PictureBox& Image2;
    forms::ControlArray<forms::PictureBox>& Image1;
    forms::ControlArray<forms::Label>& Label2;
    forms::CommandButton& cmdgo;
    forms::CommandButton& cmdsoln;
    forms::CommandButton& cmdexit;

    quiz::AnswerReveal m_answers;
    QString m_currentKey;
};

}  // namespace molecules
