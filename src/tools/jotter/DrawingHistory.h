// The Jotter's undo and redo: the drawing after each step, kept compressed and within a bound.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <deque>
#include <optional>

namespace jotter {

// A line of drawings, one after each step (a stroke, an erasing stroke, Clear, Flip), with a
// place in the line that undo and redo move along. Each drawing is kept as zlib-compressed RGB,
// a few kilobytes for a page of handwriting; a new step drops the drawings ahead of the place.
// The oldest go first once there are more than kMaxSteps steps behind the place or their bytes
// pass kMaxBytes. At design size the bytes allow 51 drawings even of the largest (tall) surface
// filled with noise that no compression shrinks, so fifty steps back are always there.
class DrawingHistory {
  public:
    static constexpr int kMaxSteps = 100;
    static constexpr qsizetype kMaxBytes = qsizetype{32} * 1024 * 1024;

    // A drawing, the layout it was drawn in (the Jotter's wide or tall) and the projector factor
    // its pixels were drawn at.
    struct State {
        QImage image;
        int layout = 0;
        double factor = 1.0;
    };

    // Forgets every step: this drawing is where undo stops.
    void start(const QImage& image, int layout, double factor = 1.0);
    // The drawing after a step. False, and nothing recorded, when it is the drawing already at
    // the place (a stroke that changed nothing).
    bool record(const QImage& image, int layout, double factor = 1.0);

    std::optional<State> undo();
    std::optional<State> redo();
    int undoSteps() const { return m_place; }
    int redoSteps() const { return static_cast<int>(m_kept.size()) - 1 - m_place; }
    // The compressed bytes of every drawing kept.
    qsizetype bytes() const { return m_bytes; }

  private:
    struct Kept {
        QByteArray packed;
        QSize size;
        int layout = 0;
        double factor = 1.0;
    };
    static Kept pack(const QImage& image, int layout, double factor);
    static State unpack(const Kept& kept);
    void trim();

    std::deque<Kept> m_kept;
    int m_place = -1;
    qsizetype m_bytes = 0;
};

}  // namespace jotter
