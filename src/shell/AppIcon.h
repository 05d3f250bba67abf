// The program's own small icon, drawn rather than read from a file.
#pragma once

#include <QIcon>

namespace shell {

QIcon appIcon();

}  // namespace shell
