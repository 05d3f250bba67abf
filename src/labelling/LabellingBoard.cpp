#include "labelling/LabellingBoard.h"

#include <QPainter>
#include <vector>

#include "forms/PictureBox.h"
#include "forms/Pictures.h"
#include "forms/Screens.h"
#include "labelling/SnapRules.h"
#include "shell/HouseStyle.h"
#include "shell/ScreenFrame.h"

namespace labelling {

using namespace forms;

namespace {

struct ButtonDesign {
    const char* caption;
    TwipRect rect;
    bool visible;
};
constexpr ButtonDesign kButtons[] = {
    {"Exit", {10560, 7920, 1245, 495}, true},
    {"Start Again", {3360, 7920, 2565, 495}, true},
    {"Check Score", {6000, 7920, 2565, 495}, false},
};

QString numberText(int number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

bool isAt(const Label& label, const Label& box) {
    return label.left() == box.left() && label.top() == box.top();
}

}  // namespace

QString LabellingBoard::scoreMessage(int score, int count, const QString& suffix) {
    return numberText(score) + QStringLiteral(" out of") + numberText(count) + suffix;
}

LabellingBoard::LabellingBoard(Screens& screens, QString name, const BoardDesign& design)
    : Screen(screens, std::move(name)),
      Label1(addArray<Label>(QStringLiteral("Label1"))),
      Label2(addArray<Label>(QStringLiteral("Label2"))),
      Label3(addArray<Label>(QStringLiteral("Label3"))),
      Label4(addArray<Label>(QStringLiteral("Label4"))),
      m_design(design) {
    const LabelLook itemLook{.font = design.font,
                             .fore = shell::TitleYellow,
                             .back = shell::TitleBlack,
                             .opaque = true,
                             .border = true,
                             .align = Align::Centre};
    const int count = static_cast<int>(design.items.size());
    Q_ASSERT_X(design.groups.empty() || std::ssize(design.groups) == count, "LabellingBoard",
               "one group per item");
    for (int i = 0; i < count; ++i) {
        const BoardItem& item = design.items[i];
        Label& target = Label1.add(i, item.target);
        target.setLook(itemLook);
        target.setCaption(QString::fromUtf8(item.text));
    }
    for (int i = 0; i < count; ++i) {
        const BoardItem& item = design.items[i];
        Label2.add(i, {item.homeLeft, item.homeTop, item.target.width, item.target.height})
            .setLook(itemLook);
    }
    for (int k = 0; k < 3; ++k) {
        Label& button = Label3.add(k, kButtons[k].rect);
        button.setLook({.font = tahoma(15.75f, true),
                        .fore = shell::TitleYellow,
                        .back = shell::TitleBlack,
                        .opaque = true,
                        .border = true,
                        .align = Align::Centre});
        button.setCaption(QString::fromUtf8(kButtons[k].caption));
        button.setVisible(kButtons[k].visible);
    }
    // Home boxes are placed at load, where the name labels stand.
    for (int i = 0; i < count; ++i) {
        const TwipRect& target = design.items[i].target;
        Label4.add(i, {0, 0, target.width, target.height})
            .setLook({.font = design.font, .border = true});
    }

    Label2.onMouseMove = [this](int i, const MouseEvent& event) { drag(i, event); };
    Label2.onMouseUp = [this](int i, const MouseEvent&) { drop(i); };
    Label3.onClick = [this](int k) {
        switch (k) {
            case kExit:
                this->screens().unload(this->name());
                break;
            case kStartAgain:
                startAgain();
                break;
            case kCheckScore:
                checkScore();
                break;
        }
    };
    Label3.onMouseMove = [this](int k, const MouseEvent&) { Label3[k].setOpaque(true); };
    onMouseMove = [this](const MouseEvent&) {
        for (int k = 0; k < 3; ++k) Label3[k].setOpaque(false);
    };
}

void LabellingBoard::load() {
    shell::ApplyScreenFrame(*this);
    setUpScreen();
    setUpBoard();
}

void LabellingBoard::sizeHomeBox(int i) {
    Label4[i].setWidth(Label2[i].width());
    Label4[i].setHeight(Label2[i].height());
}

void LabellingBoard::setUpBoard() {
    m_count = static_cast<int>(m_design.items.size());
    for (int i = 0; i < m_count; ++i) {
        sizeHomeBox(i);
        Label1[i].setVisible(false);
    }
    for (int i = 0; i < m_count; ++i) {
        Label2[i].setCaption(Label1[i].caption());
        Label1[i].setCaption(QString());
        Label1[i].setOpaque(false);
        Label1[i].setVisible(true);
        Label4[i].move(Label2[i].left(), Label2[i].top());
    }
    // Above everything the screen has added, so a label on a box or a picture can be picked up
    // again. Nothing restacks them afterwards, picking one up included.
    for (int i = 0; i < m_count; ++i) Label2[i].toFront();
}

void LabellingBoard::drag(int i, const MouseEvent& event) {
    // Left alone drags; left and right together, or any other state, leave the label be.
    if (event.button != kLeftButton) return;
    Label& label = Label2[i];
    label.move(label.left() + event.x - label.width() / 2,
               label.top() + event.y - label.height() / 2);
}

void LabellingBoard::drop(int i) {
    std::vector<TwipRect> boxes;
    boxes.reserve(2 * static_cast<size_t>(m_count));
    for (int k = 0; k < m_count; ++k) {
        boxes.push_back(Label1[k].rect());
        // Every home box catches every label, not only its own.
        boxes.push_back(Label4[k].rect());
    }
    Label& label = Label2[i];
    const TwipPoint rest = settle({label.left(), label.top()}, boxes);
    label.move(rest.left, rest.top);
    // Nothing checks occupancy, so two labels on one box make this count N with a box still empty;
    // and once shown, only Start Again hides the button.
    if (placedPairs() == m_count) Label3[kCheckScore].setVisible(true);
}

int LabellingBoard::placedPairs() const {
    int pairs = 0;
    for (int j = 0; j < m_count; ++j) {
        for (int k = 0; k < m_count; ++k) {
            if (isAt(Label2[j], Label1[k])) ++pairs;
        }
    }
    return pairs;
}

bool LabellingBoard::belongsOn(int label, int box) const {
    if (m_design.groups.empty()) return label == box;
    return m_design.groups[label] == m_design.groups[box];
}

int LabellingBoard::score() const {
    int correct = 0;
    for (int j = 0; j < m_count; ++j) {
        for (int k = 0; k < m_count; ++k) {
            if (belongsOn(j, k) && isAt(Label2[j], Label1[k])) {
                ++correct;
                break;
            }
        }
    }
    return correct;
}

void LabellingBoard::checkScore() {
    Label& message = messageLabel();
    message.setCaption(scoreMessage(score(), m_count, QString::fromUtf8(m_design.scoreSuffix)));
    if (revealsMessage()) message.setVisible(true);
}

void LabellingBoard::startAgain() {
    resetMessage();
    for (int i = 0; i < m_count; ++i) Label2[i].move(Label4[i].left(), Label4[i].top());
    Label3[kCheckScore].setVisible(false);
}

bool LabellingBoard::loadPictureToFit(PictureBox& box, const QString& designPath) {
    std::optional<QImage> picture = box.screen().pictures().load(designPath);
    if (!picture) return false;
    const QSize size = box.rect().toPixels().size();
    if (picture->size() != size && !size.isEmpty()) {
        QImage scaled = picture->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (scaled.size() == size) {
            picture = std::move(scaled);
        } else {
            // Kept in proportion and centred; the margin left over is see-through.
            QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
            fitted.fill(Qt::transparent);
            QPainter painter(&fitted);
            painter.drawImage((size.width() - scaled.width()) / 2,
                              (size.height() - scaled.height()) / 2, scaled);
            painter.end();
            picture = std::move(fitted);
        }
    }
    box.setPicture(*picture);
    return true;
}

}  // namespace labelling
