#include "BrokenPictures.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "Lesson.h"
#include "Mouse.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "pictures/Pictures.h"
#include "pictures/WmfReader.h"
#include "program/Activities.h"
#include "program/ScreenDirectory.h"
#include "shell/ScreenNames.h"

namespace testing_support {

namespace {

// 20000 x 20000 pixels, far beyond any limit, in a file of a few hundred bytes.
constexpr int kEnormousSide = 20000;
// Within the limit on a side and within what Qt lets one picture allocate (32 MB decoded), yet
// a gigabyte once scaled for a projector.
constexpr QSize kLarge{8000, 1000};

QByteArray enormousJpeg(QSize declared = {kEnormousSide, kEnormousSide}) {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QByteArray bytes = jpegOf(small);
    // Start of frame: marker, length, precision, then height and width, big-endian.
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    Q_ASSERT(frame > 0);
    qToBigEndian<quint16>(declared.height(), bytes.data() + frame + 5);
    qToBigEndian<quint16>(declared.width(), bytes.data() + frame + 7);
    return bytes;
}

QByteArray enormousMetafile(QByteArray wmf) {
    // Bounds 0..32000 at one unit to the inch: 3 million pixels a side at 96 dpi.
    qToLittleEndian<qint16>(0, wmf.data() + 6);
    qToLittleEndian<qint16>(0, wmf.data() + 8);
    qToLittleEndian<qint16>(32000, wmf.data() + 10);
    qToLittleEndian<qint16>(32000, wmf.data() + 12);
    qToLittleEndian<quint16>(1, wmf.data() + 14);
    // The header's checksum covers the words before it.
    quint16 sum = 0;
    for (qsizetype i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(wmf.constData() + 2 * i);
    qToLittleEndian<quint16>(sum, wmf.data() + 20);
    return wmf;
}

const program::Activity* activityNamed(const QString& name) {
    for (const program::Activity& activity : program::activities())
        if (name == QLatin1String(activity.screen)) return &activity;
    return nullptr;
}

forms::Control* shownControl(const forms::Screen& screen, const QString& name) {
    forms::Control* control = screen.findControl(name);
    return control && control->isVisible() ? control : nullptr;
}

QImage grabbed(const forms::Screen& screen) {
    return screen.window()->grab().toImage();
}

}  // namespace

std::optional<QByteArray> damaged(const QString& kind, const QByteArray& bytes,
                                  const QByteArray& board) {
    const bool metafile = pictures::isPlaceableMetafile(bytes);
    if (kind == QLatin1String("missing")) return std::nullopt;
    if (kind == QLatin1String("empty")) return QByteArray();
    if (kind == QLatin1String("truncated")) return bytes.left(bytes.size() / 2);
    if (kind == QLatin1String("not a picture"))
        return QByteArray("<html><body>404 Not Found</body></html>\r\n");
    if (metafile) return enormousMetafile(board);
    return kind == QLatin1String("large") ? enormousJpeg(kLarge) : enormousJpeg();
}

void damage(TestProgram& program, const QString& relative, const QByteArray& bytes,
            const QString& kind, const QByteArray& board) {
    // A file of its own, never written through a link to the build's picture.
    program.removeFile(relative);
    if (const std::optional<QByteArray> broken = damaged(kind, bytes, board))
        program.addFile(relative, *broken);
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString workActivity(forms::Screens& screens, const program::Activity& activity) {
    const QString name = QString::fromLatin1(activity.screen);
    forms::Screen& menu = screens.show(shell::menuScreenName(activity.menu));
    settle();
    forms::Control* entry = controlOf(menu, QStringLiteral("Label3"), activity.entry);
    if (!menu.isVisible() || !entry) return QStringLiteral("its menu or entry is not there");
    Mouse(menu).click(Mouse::centreOf(*entry));
    settle();
    forms::Screen* screen = screens.loaded(name);
    if (!screen || !screen->isVisible()) return QStringLiteral("did not open from its menu");
    QImage before = grabbed(*screen);
    if (before.isNull()) return QStringLiteral("did not paint");

    const auto press = [&](const char* button) -> std::optional<QImage> {
        forms::Control* control = shownControl(*screen, QString::fromLatin1(button));
        if (!control) return std::nullopt;
        Mouse(*screen).click(Mouse::centreOf(*control));
        settle();
        if (!screens.loaded(name) || !screen->isVisible()) return QImage();
        return grabbed(*screen);
    };
    if (const std::optional<QImage> answered = press("cmdsoln")) {
        if (answered->isNull()) return QStringLiteral("Answer closed it");
        if (*answered == before) return QStringLiteral("Answer changed nothing on view");
        before = *answered;
    }
    if (const std::optional<QImage> next = press("cmdgo")) {
        if (next->isNull()) return QStringLiteral("Next closed it");
        if (*next == before) return QStringLiteral("Next changed nothing on view");
    }
    for (const char* button : {"cmdcheckit", "cmdscramble"}) {
        if (const std::optional<QImage> after = press(button); after && after->isNull())
            return QStringLiteral("%1 closed it").arg(QLatin1String(button));
    }
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_Right}) {
        QTest::keyClick(screen->window(), key);
        settle();
        if (!screens.loaded(name) || !screen->isVisible())
            return QStringLiteral("key %1 closed it").arg(key, 0, 16);
    }

    if (auto* board = dynamic_cast<labelling::LabellingBoard*>(screen)) {
        forms::ControlArrayBase* names = screen->findArray(QStringLiteral("Label2"));
        forms::ControlArrayBase* boxes = screen->findArray(QStringLiteral("Label1"));
        forms::Control* label = nullptr;
        forms::Control* box = nullptr;
        int picked = -1;
        for (int i : names ? names->indices() : std::vector<int>{}) {
            if (names->element(i)->isVisible()) {
                label = names->element(i);
                picked = i;
                break;
            }
        }
        for (int i : boxes ? boxes->indices() : std::vector<int>{})
            if (!box && boxes->element(i)->isVisible()) box = boxes->element(i);
        if (!label || !box) return QStringLiteral("a board with no name label or box on view");
        const QPointF home(label->left(), label->top());
        Mouse(*screen).click(Mouse::centreOf(*label));
        settle();
        if (board->picked() != picked) return QStringLiteral("a tap did not pick a label up");
        Mouse(*screen).click(Mouse::centreOf(*box));
        settle();
        if (board->picked() != -1 || QPointF(label->left(), label->top()) == home)
            return QStringLiteral("a second tap did not put the label down on a box");
    }

    QTest::keyClick(screen->window(), Qt::Key_Escape);
    settle();
    if (screens.isLoaded(name)) return QStringLiteral("Escape did not leave it");
    if (!menu.isVisible()) return QStringLiteral("leaving it did not give its menu back");
    return {};
}

QStringList openAndCloseEveryScreen(forms::Platform& platform, pictures::Pictures& pictures,
                                    double factor, bool work) {
    QStringList failed;
    forms::Screens names(platform, pictures);
    program::defineScreens(names);
    for (const QString& name : names.definedNames()) {
        forms::Screens screens(platform, pictures);
        program::defineScreens(screens);
        screens.setScale(forms::Scale(factor));
        screens.onProgramEnd = [] {};
        if (const program::Activity* activity = work ? activityNamed(name) : nullptr) {
            if (const QString why = workActivity(screens, *activity); !why.isEmpty())
                failed << name + QStringLiteral(": ") + why;
        } else {
            forms::Screen& screen = screens.show(name);
            settle();
            // Paints the whole window now, pictures included, whatever the platform exposes.
            const QImage shot = grabbed(screen);
            if (!screen.isVisible() || shot.isNull()) failed << name;
        }
        for (const QString& loaded : screens.loadedNames()) screens.unload(loaded);
        settle();
    }
    return failed;
}

bool copyEveryPictureFile(TestProgram& program) {
    const pictures::Pictures built({buildDir()});
    const QDir root(buildDir());
    bool all = true;
    std::vector<ProgramPicture> files = programPictures();
    files.insert(files.end(), programPictureVariants().begin(), programPictureVariants().end());
    for (const ProgramPicture& picture : files) {
        const QString source = built.resolve(picture.path);
        const QString target = program.path(root.relativeFilePath(source));
        // Linked rather than copied: copying syncs every file to the disk, seconds a case.
        // damage() replaces a file rather than writing into it.
        all = !source.isEmpty() && QDir().mkpath(QFileInfo(target).path()) &&
              (::link(QFile::encodeName(source).constData(),
                      QFile::encodeName(target).constData()) == 0 ||
               QFile::copy(source, target)) &&
              all;
    }
    return all;
}

QByteArray builtBoard() {
    QFile board(pictures::Pictures({buildDir()}).resolve(QStringLiteral("IMAGES\\BOARD.WMF")));
    return board.open(QIODevice::ReadOnly) ? board.readAll() : QByteArray();
}

}  // namespace testing_support
