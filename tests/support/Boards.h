// The labelling boards among the activities.
#pragma once

#include <QStringList>

namespace testing_support {

// The screen names of every activity that is a labelling board. Only the names: a board's design
// is its own copy, gone with the board.
QStringList boardScreens();

}  // namespace testing_support
