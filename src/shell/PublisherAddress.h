// The publisher's web address as the front screen shows it and as the browser is given it.
#pragma once

#include <QString>

#include "forms/Font.h"

namespace shell {

// Without its scheme: "www.example.org" for "https://www.example.org".
QString shownAddress(const QString& address);
// With its scheme; an address configured without one is taken as https.
QString openedAddress(const QString& address);

// The address label's type: Arial 12 pt bold as designed, stepped down only for a configured
// address too long for the label's one line.
forms::FontSpec addressFont(const QString& shown, float labelWidth);

}  // namespace shell
