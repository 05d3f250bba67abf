// A whole program on a fake platform, reading pictures from a folder of its own.
#pragma once

#include <QColor>
#include <QSize>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"

namespace testing_support {

// A picture's bytes as a JPEG file.
QByteArray jpegOf(const QImage& image, int quality = 95);

class TestProgram {
  public:
    // With withScreens, every screen of the program is defined as the program defines them.
    explicit TestProgram(bool withScreens = true);
    ~TestProgram();

    FakePlatform platform;
    QTemporaryDir folder;
    pictures::Pictures pictures;
    forms::Screens screens;
    int programEnds = 0;

    // Writes a picture file under the folder, e.g. "Images/exit.jpg", of the given pixel size.
    // The format follows the file's extension; a .jpg is a real JPEG.
    void addPicture(const QString& relativePath, QSize pixels, QColor colour = Qt::darkCyan);
    // Writes a file with the given bytes (for broken pictures).
    void addFile(const QString& relativePath, const QByteArray& bytes);
    void removeFile(const QString& relativePath);
    // Every picture the shell's screens read, at the sizes they are drawn for.
    void addShellPictures();
    // Copies every picture the program reads from the build folder, under their names on disk;
    // false when one of them is not there.
    bool addProgramPictures();
    QString path(const QString& relativePath) const;
};

}  // namespace testing_support
