#include "activities/hangman/GallowsDrawing.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "forms/Colour.h"
#include "forms/Scale.h"
#include "shell/HouseStyle.h"

namespace hangman {

namespace {

// Strokes on a 100 by 100 grid, fitted to the control's box; several may share a stage.
struct Stroke {
    int stage;
    bool ring;  // a ring about (x1, y1) of radius x2; otherwise a line from (x1, y1) to (x2, y2)
    float x1, y1, x2, y2;
};
constexpr Stroke kStrokes[] = {
    {1, false, 8, 95, 78, 95},                                // base
    {2, false, 25, 95, 25, 5},                                // upright
    {3, false, 25, 5, 70, 5},                                 // beam
    {4, false, 25, 22, 42, 5},                                // brace
    {5, false, 64, 5, 64, 20},                                // rope
    {6, true, 64, 28, 8, 0},                                  // head
    {7, false, 64, 36, 64, 64},                               // body
    {8, false, 64, 43, 50, 55},                               // arms
    {8, false, 64, 43, 78, 55},  {9, false, 64, 64, 53, 84},  // legs, one at a time
    {10, false, 64, 64, 75, 84},
};
// The gallows in white, the figure in the house yellow, both bold enough to read from far off.
constexpr int kFirstFigureStage = 6;
constexpr float kGallowsPen = 7.0f;
constexpr float kFigurePen = 6.0f;

struct Fit {
    float scale;
    QPointF origin;
    QPointF at(float x, float y) const { return origin + QPointF(x * scale, y * scale); }
};

Fit fitFor(const QSize& size) {
    const float scale = std::min(size.width(), size.height()) / 100.0f;
    return {scale, QPointF((size.width() - 100 * scale) / 2, (size.height() - 100 * scale) / 2)};
}

float penFor(int stage) {
    return stage >= kFirstFigureStage ? kFigurePen : kGallowsPen;
}

}  // namespace

GallowsDrawing::GallowsDrawing(forms::Screen& screen, forms::Container& container, QString name,
                               int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget();
    describe();
}

void GallowsDrawing::describe() {
    setDescription(QStringLiteral("the drawing, %1 of %2 lines").arg(m_stage).arg(kStages));
}

void GallowsDrawing::setStage(int stage) {
    stage = std::clamp(stage, 0, kStages);
    if (stage == m_stage) return;
    const int from = m_stage;
    m_stage = stage;
    describe();
    if (!widget()) return;
    if (stage == from + 1)
        widget()->update(stageArea(stage));
    else
        repaint();
}

QRect GallowsDrawing::stageArea(int stage) const {
    if (!widget()) return {};
    const Fit fit = fitFor(designArea().size());
    QRectF area;
    for (const Stroke& stroke : kStrokes) {
        if (stroke.stage != stage) continue;
        const QRectF box =
            stroke.ring
                ? QRectF(fit.at(stroke.x1 - stroke.x2, stroke.y1 - stroke.x2),
                         fit.at(stroke.x1 + stroke.x2, stroke.y1 + stroke.x2))
                : QRectF(fit.at(stroke.x1, stroke.y1), fit.at(stroke.x2, stroke.y2)).normalized();
        area = area.isNull() ? box : area.united(box);
    }
    const qreal pen = penFor(stage);
    // Drawn in the designs' pixels, updated in the display's.
    const double factor = scale().factor();
    const QRectF padded = area.adjusted(-pen, -pen, pen, pen);
    return QRectF(padded.topLeft() * factor, padded.size() * factor).toAlignedRect();
}

void GallowsDrawing::paint(QPainter& painter) {
    const Fit fit = fitFor(designArea().size());
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Stroke& stroke : kStrokes) {
        if (stroke.stage > m_stage) continue;
        const bool figure = stroke.stage >= kFirstFigureStage;
        QPen pen(QColor(figure ? shell::TitleYellow : forms::kWhite), penFor(stroke.stage));
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (stroke.ring) {
            const float r = stroke.x2 * fit.scale;
            painter.drawEllipse(fit.at(stroke.x1, stroke.y1), r, r);
        } else {
            painter.drawLine(fit.at(stroke.x1, stroke.y1), fit.at(stroke.x2, stroke.y2));
        }
    }
}

}  // namespace hangman
