// The publisher's web address as the front screen shows it and as the browser is given it.
#pragma once

#include <QString>

namespace shell {

// Without its scheme: "www.example.org" for "https://www.example.org".
QString shownAddress(const QString& address);
// With its scheme; an address configured without one is taken as https.
QString openedAddress(const QString& address);

}  // namespace shell
