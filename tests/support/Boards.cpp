#include "Boards.h"

#include "TestProgram.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"

namespace testing_support {

QStringList boardScreens() {
    QStringList names;
    TestProgram program;
    program.addShellPictures();
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        if (dynamic_cast<labelling::LabellingBoard*>(&program.screens.load(name))) names << name;
    }
    return names;
}

}  // namespace testing_support
