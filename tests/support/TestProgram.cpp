#include "TestProgram.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "ProgramPictures.h"
#include "forms/Font.h"
#include "program/ScreenDirectory.h"

namespace testing_support {

TestProgram::TestProgram(bool withScreens)
    : pictures({folder.path()}), screens(platform, pictures) {
    forms::registerHouseFonts();
    screens.onProgramEnd = [this] { ++programEnds; };
    if (withScreens) program::defineScreens(screens);
}

TestProgram::~TestProgram() {
    // Screens go before the platform whose timers they hold.
    for (const QString& name : screens.loadedNames()) screens.unload(name);
    screens.collectUnloaded();
}

QByteArray jpegOf(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QString TestProgram::path(const QString& relativePath) const {
    return QDir(folder.path()).filePath(relativePath);
}

void TestProgram::addPicture(const QString& relativePath, QSize pixels, QColor colour) {
    const QString file = path(relativePath);
    QDir().mkpath(QFileInfo(file).path());
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(colour);
    const bool saved = image.save(file, nullptr, 95);
    Q_ASSERT_X(saved, "TestProgram::addPicture", qPrintable(file));
}

void TestProgram::addFile(const QString& relativePath, const QByteArray& bytes) {
    const QString file = path(relativePath);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(bytes);
}

void TestProgram::removeFile(const QString& relativePath) {
    QFile::remove(path(relativePath));
}

void TestProgram::addShellPictures() {
    for (const char* button : {"exit", "next", "answer", "check", "jotter", "scramble"})
        addPicture(QStringLiteral("Images/%1.jpg").arg(QLatin1String(button)), {119, 33},
                   Qt::black);
    addPicture(QStringLiteral("Images/tick.jpg"), {40, 40}, Qt::green);
    addPicture(QStringLiteral("Images/cross.jpg"), {40, 40}, Qt::red);
    addPicture(QStringLiteral("Images/kal2he24.jpg"), {800, 600}, QColor(49, 135, 215));
    addPicture(QStringLiteral("Images/logo2.jpg"), {100, 139}, Qt::white);
    addPicture(QStringLiteral("opening/kal2h000.jpg"), {320, 240}, Qt::yellow);
}

bool TestProgram::addProgramPictures() {
    const pictures::Pictures built({buildDir()});
    const QDir root(buildDir());
    bool all = true;
    for (const ProgramPicture& picture : programPictures()) {
        const QString source = built.resolve(picture.path);
        if (source.isEmpty()) {
            all = false;
            continue;
        }
        const QString target = path(root.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        all = QFile::copy(source, target) && all;
    }
    return all;
}

}  // namespace testing_support
