// The toolkit's controls described to assistive technology (AT-SPI on Linux) through Qt.
#pragma once

#include <QAccessible>
#include <QString>

namespace forms {

class Control;

// Once, before the first screen shows: every control the toolkit draws is then a push button, a
// static text, a picture or a group to a screen reader, named by what it shows. Qt asks for an
// interface only when assistive technology asks, so this costs nothing without one. A window
// whose caption is blank by design is named by the program's name.
void installAccessibility(const QString& program = {});

// A control's name as a screen reader reads it: its text on one line, a formula's subscript
// digits as plain digits ("CO2"), or its description where its face is a picture.
QString accessibleName(const Control& control);

// Tells a screen reader, if one is listening, that a control's name, description or state has
// changed, or (an Alert) that what it now says should be read out: a score, a win, "Time's up!".
void tellChanged(const Control& control, QAccessible::Event change);

}  // namespace forms
