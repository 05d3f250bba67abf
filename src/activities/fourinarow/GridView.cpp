#include "activities/fourinarow/GridView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "forms/Twips.h"

namespace fourinarow {

using namespace forms;

namespace {

const QColor kBoard(18, 52, 160);
const QColor kHole(228, 236, 246);
// Room round the holes for the chooser's frame.
constexpr double kFramePx = 7;
constexpr double kHoleRatio = 0.40;

}  // namespace

GridView::GridView(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget();
}

QColor GridView::teamColour(Team team) {
    switch (team) {
        case Team::Red:
            return {222, 28, 36};
        case Team::Yellow:
            return {255, 214, 0};
        case Team::None:
            break;
    }
    return kHole;
}

void GridView::setGrid(const Grid& grid) {
    m_grid = &grid;
    refresh();
}

void GridView::refresh() {
    repaint();
    describe();
}

void GridView::setKeyColumn(int column) {
    if (column == m_keyColumn) return;
    m_keyColumn = column;
    repaint();
    if (column >= 0)
        setDescription(QStringLiteral("column %1 chosen; Enter drops").arg(column + 1));
    else
        describe();
}

void GridView::describe() {
    if (!m_grid) return;
    QStringList columns;
    for (int column = 0; column < Grid::kColumns; ++column) {
        QStringList counters;
        for (int row = 0; row < Grid::kRows; ++row) {
            const Team team = m_grid->at(column, row);
            if (team != Team::None)
                counters << (team == Team::Red ? QStringLiteral("red") : QStringLiteral("yellow"));
        }
        columns << QStringLiteral("column %1: %2")
                       .arg(column + 1)
                       .arg(counters.isEmpty() ? QStringLiteral("empty")
                                               : counters.join(QStringLiteral(", ")));
    }
    setDescription(QStringLiteral("the grid, from the foot up; ") +
                   columns.join(QStringLiteral("; ")));
}

void GridView::setChooser(Team team) {
    if (team == m_chooser) return;
    m_chooser = team;
    repaint();
}

double GridView::cellPixels() const {
    const QRect pixels = rect().toPixels();
    return std::min((pixels.width() - 2 * kFramePx) / Grid::kColumns,
                    (pixels.height() - 2 * kFramePx) / Grid::kRows);
}

QRectF GridView::boardPixels() const {
    const QRect pixels = rect().toPixels();
    const double cell = cellPixels();
    const QSizeF size(cell * Grid::kColumns, cell * Grid::kRows);
    return {QPointF((pixels.width() - size.width()) / 2, (pixels.height() - size.height()) / 2),
            size};
}

std::optional<int> GridView::columnAt(float x, float y) const {
    const QRectF board = boardPixels().adjusted(-kFramePx, -kFramePx, kFramePx, kFramePx);
    const QPointF at(x / kTwipsPerPixel, y / kTwipsPerPixel);
    if (!board.contains(at)) return std::nullopt;
    const int column = static_cast<int>((at.x() - boardPixels().left()) / cellPixels());
    return std::clamp(column, 0, Grid::kColumns - 1);
}

QPointF GridView::cellCentre(Cell cell) const {
    const QRectF board = boardPixels();
    const double side = cellPixels();
    return {toTwips(board.left() + (cell.column + 0.5) * side),
            toTwips(board.top() + (Grid::kRows - cell.row - 0.5) * side)};
}

void GridView::paint(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF board = boardPixels();
    const double side = cellPixels();
    const QRectF outer = board.adjusted(-kFramePx, -kFramePx, kFramePx, kFramePx);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_chooser == Team::None ? kBoard : teamColour(m_chooser));
    painter.drawRoundedRect(outer, 12, 12);
    painter.setBrush(kBoard);
    painter.drawRoundedRect(board, 6, 6);

    const double radius = side * kHoleRatio;
    for (int column = 0; column < Grid::kColumns; ++column) {
        for (int row = 0; row < Grid::kRows; ++row) {
            const Team team = m_grid ? m_grid->at(column, row) : Team::None;
            const QPointF centre(board.left() + (column + 0.5) * side,
                                 board.top() + (Grid::kRows - row - 0.5) * side);
            const QColor fill = teamColour(team);
            painter.setPen(team == Team::None ? QPen(kBoard.darker(140), 2)
                                              : QPen(fill.darker(150), 3));
            painter.setBrush(fill);
            painter.drawEllipse(centre, radius, radius);
        }
    }

    if (m_keyColumn >= 0) {
        // The keyboard's column, framed black then white as the focus ring is.
        const QRectF column(board.left() + m_keyColumn * side, board.top(), side, board.height());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 6));
        painter.drawRoundedRect(column.adjusted(2, 2, -2, -2), 6, 6);
        painter.setPen(QPen(Qt::white, 3));
        painter.drawRoundedRect(column.adjusted(2, 2, -2, -2), 6, 6);
    }

    if (!m_grid) return;
    // Black then white rings, so the line shows on red and on yellow alike.
    for (const Cell& cell : m_grid->winningCells()) {
        const QPointF centre(board.left() + (cell.column + 0.5) * side,
                             board.top() + (Grid::kRows - cell.row - 0.5) * side);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 9));
        painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
        painter.setPen(QPen(Qt::white, 5));
        painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
    }
}

}  // namespace fourinarow
