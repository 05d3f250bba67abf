#include "kit/lists/RoomCheck.h"

#include "forms/TextFit.h"

using namespace Qt::Literals::StringLiterals;

namespace lists {

namespace {

QString lines(int count) {
    return count == 1 ? u"1 line"_s : u"%1 lines"_s.arg(count);
}

}  // namespace

std::optional<QString> tooLongFor(const QString& what, const QString& text,
                                  const forms::FontSpec& font, const forms::TwipRect& box,
                                  bool border) {
    const forms::TextRoom room = forms::textRoom(text, font, box, border);
    if (room.fits()) return std::nullopt;
    if (room.wordTooWide) return u"%1 has a word too wide for its box"_s.arg(what);
    return u"%1 is too long for its box (it needs %2, the box holds %3)"_s.arg(
        what, lines(room.linesNeeded), QString::number(room.linesHeld));
}

}  // namespace lists
