// Broken picture files for the robustness tests, and every screen opened and worked over them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace pictures {
class Pictures;
}  // namespace pictures
namespace forms {
class Platform;
class Screens;
}  // namespace forms
namespace program {
struct Activity;
}

namespace testing_support {

class TestProgram;

// The kinds of damage a picture file suffers, each made from the file's own bytes.
inline constexpr const char* kDamages[] = {"missing",       "empty",    "truncated",
                                           "not a picture", "enormous", "large"};

// The file's bytes after the damage; none when the file is gone. `board` is a whole placeable
// metafile, the one enlarged for a metafile's enormous damage.
std::optional<QByteArray> damaged(const QString& kind, const QByteArray& bytes,
                                  const QByteArray& board);
void damage(TestProgram& program, const QString& relative, const QByteArray& bytes,
            const QString& kind, const QByteArray& board);

// The board metafile as built; empty when it is not there.
QByteArray builtBoard();

long peakResidentKiB();

// Works an activity as the teacher does, with whatever pictures there are: opened from its
// menu, Answer shows something, Next moves on from it, Check and Scramble answer, the remote's
// keys, a name label placed by two taps on a board, and Escape gives the menu back. What went
// wrong, or nothing.
QString workActivity(forms::Screens& screens, const program::Activity& activity);

// Opens every screen the program defines, each in a program of its own (so that closing the
// last one ends only that program), lets it paint, and closes it; with `work`, every activity
// is worked as the teacher does. The screens that failed, with why.
QStringList openAndCloseEveryScreen(forms::Platform& platform, pictures::Pictures& pictures,
                                    double factor = 1.0, bool work = false);

// Every picture file of the build, at every size, put in the program's folder (hard-linked where
// the folders share a disk: damage() replaces such a file, never writes into it).
bool copyEveryPictureFile(TestProgram& program);

}  // namespace testing_support
