#include "forms/DropDownList.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "forms/Bevel.h"
#include "forms/Colour.h"

namespace forms {

namespace {
// The picked-out row: dark enough to read white on, and unlike any screen's blue.
const QColor kHighlight(0, 0, 128);
const QColor kHighlightText(kWhite);
const QColor kTrack(224, 224, 224);
constexpr int kBorder = 1;
constexpr int kTextIndent = 4;
constexpr int kWheelRows = 3;
}  // namespace

DropDownList::DropDownList(QWidget* field, const QStringList& items, const Look& look, int maxRows)
    : QWidget(field, Qt::Popup | Qt::FramelessWindowHint),
      m_field(field),
      m_items(items),
      m_look(look),
      m_rows(static_cast<int>(items.size()), maxRows),
      m_rowHeight(QFontMetrics(look.font).height() + 4) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFont(look.font);
}

void DropDownList::open(const QRect& field, const QRect& display) {
    const int height = std::max(1, m_rows.visibleRows()) * m_rowHeight + 2 * kBorder;
    QRect placed(field.left(), field.bottom() + 1, field.width(), height);
    // Over the field where the display ends below it and there is room above.
    if (placed.bottom() > display.bottom() && field.top() - height >= display.top())
        placed.moveBottom(field.top() - 1);
    setGeometry(placed);
    show();
    setFocus(Qt::PopupFocusReason);
}

int DropDownList::scrollBarWidth() const {
    return m_rows.scrolls() ? std::max(kMinScrollBarWidth, m_rowHeight) : 0;
}

QRect DropDownList::rowRect(int visibleRow) const {
    return {kBorder, kBorder + visibleRow * m_rowHeight, width() - 2 * kBorder - scrollBarWidth(),
            m_rowHeight};
}

QRect DropDownList::scrollBarRect() const {
    const int w = scrollBarWidth();
    if (w == 0) return {};
    return {width() - kBorder - w, kBorder, w, height() - 2 * kBorder};
}

QRect DropDownList::upArrowRect() const {
    const QRect bar = scrollBarRect();
    return bar.isNull() ? QRect() : QRect(bar.topLeft(), QSize(bar.width(), bar.width()));
}

QRect DropDownList::downArrowRect() const {
    const QRect bar = scrollBarRect();
    if (bar.isNull()) return {};
    return {bar.left(), bar.bottom() - bar.width() + 1, bar.width(), bar.width()};
}

QRect DropDownList::trackRect() const {
    const QRect bar = scrollBarRect();
    if (bar.isNull()) return {};
    return QRect(QPoint(bar.left(), upArrowRect().bottom() + 1),
                 QPoint(bar.right(), downArrowRect().top() - 1));
}

QRect DropDownList::thumbRect() const {
    const QRect track = trackRect();
    if (track.isNull()) return {};
    const ListWindow::Thumb thumb = m_rows.thumb(track.height(), kMinScrollBarWidth);
    const int top = track.top() + qRound(thumb.start);
    const int end = track.top() + qRound(thumb.start + thumb.length);
    return {track.left(), top, track.width(), end - top};
}

int DropDownList::rowAt(QPoint pos) const {
    const QRect rows(kBorder, kBorder, width() - 2 * kBorder - scrollBarWidth(),
                     m_rows.visibleRows() * m_rowHeight);
    if (!rows.contains(pos)) return -1;
    return m_rows.rowAtVisible((pos.y() - kBorder) / m_rowHeight);
}

void DropDownList::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_look.back);
    painter.setPen(QColor(kBlack));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(m_look.font);
    for (int visible = 0; visible < m_rows.visibleRows(); ++visible) {
        const int row = m_rows.rowAtVisible(visible);
        const QRect area = rowRect(visible);
        const bool picked = row == m_rows.highlighted();
        if (picked) painter.fillRect(area, kHighlight);
        painter.setPen(picked ? kHighlightText : m_look.fore);
        const QRect text = area.adjusted(kTextIndent, 0, -kTextIndent, 0);
        painter.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(m_items.at(row), Qt::ElideRight, text.width()));
    }
    if (!m_rows.scrolls()) return;
    const QColor face(kButtonFace);
    painter.fillRect(trackRect(), kTrack);
    for (const QRect& part : {upArrowRect(), downArrowRect(), thumbRect()}) {
        painter.fillRect(part, face);
        drawRaisedEdge(painter, part, face);
    }
    drawArrow(painter, upArrowRect(), true, QColor(kBlack));
    drawArrow(painter, downArrowRect(), false, QColor(kBlack));
}

void DropDownList::scrollAndRepaint(int top) {
    m_rows.scrollTo(top);
    update();
}

void DropDownList::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        // A press on the field closes the list; let it not open the list again at once.
        const QPoint onField = m_field->mapFromGlobal(event->globalPosition().toPoint());
        setAttribute(Qt::WA_NoMouseReplay, m_field->rect().contains(onField));
        close();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (const int row = rowAt(pos); row >= 0) {
        m_pressedOnRows = true;
        m_rows.highlight(row);
        update();
    } else if (upArrowRect().contains(pos)) {
        scrollAndRepaint(m_rows.top() - 1);
    } else if (downArrowRect().contains(pos)) {
        scrollAndRepaint(m_rows.top() + 1);
    } else if (thumbRect().contains(pos)) {
        m_draggingThumb = true;
        m_thumbGrab = pos.y() - thumbRect().top();
    } else if (trackRect().contains(pos)) {
        const int page = m_rows.visibleRows();
        scrollAndRepaint(m_rows.top() + (pos.y() < thumbRect().top() ? -page : page));
    }
}

void DropDownList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_draggingThumb) {
        const QRect track = trackRect();
        scrollAndRepaint(m_rows.topForThumbStart(pos.y() - track.top() - m_thumbGrab,
                                                 track.height(), kMinScrollBarWidth));
        return;
    }
    const int row = rowAt(pos);
    if (row < 0) return;
    if (event->buttons() & Qt::LeftButton) m_draggedOntoRows = true;
    if (row != m_rows.highlighted()) {
        m_rows.highlight(row);
        update();
    }
}

void DropDownList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (std::exchange(m_draggingThumb, false)) return;
    const int row = rowAt(event->position().toPoint());
    // A press on a row, or a press on the field dragged down onto one, then let go.
    if (row >= 0 && (m_pressedOnRows || m_draggedOntoRows)) choose(row);
    m_pressedOnRows = false;
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) scrollAndRepaint(m_rows.top() - notches * kWheelRows);
    event->accept();
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    const int page = std::max(1, m_rows.visibleRows() - 1);
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (event->modifiers() & Qt::AltModifier) {
                close();
                return;
            }
            m_rows.moveHighlight(event->key() == Qt::Key_Up ? -1 : 1);
            break;
        case Qt::Key_PageUp:
            m_rows.moveHighlight(-page);
            break;
        case Qt::Key_PageDown:
            m_rows.moveHighlight(page);
            break;
        case Qt::Key_Home:
            m_rows.highlightFirst();
            break;
        case Qt::Key_End:
            m_rows.highlightLast();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_rows.highlighted() >= 0)
                choose(m_rows.highlighted());
            else
                close();
            return;
        case Qt::Key_Escape:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            close();
            return;
        default:
            return;
    }
    update();
    // The reader follows the arrows from entry to entry.
    if (QAccessible::isActive()) {
        QAccessibleEvent moved(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&moved);
    }
}

void DropDownList::choose(int row) {
    m_chosen = row;
    close();
}

void DropDownList::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (auto closed = std::exchange(onClosed, nullptr)) closed(m_chosen);
}

}  // namespace forms
