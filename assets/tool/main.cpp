// kindrel_assets MANIFEST SVG_DIR OUT_DIR: writes every picture of the manifest under OUT_DIR,
// each raster picture at 1, 2 and 3 times its size ("exit.jpg", "exit@2x.jpg", "exit@3x.jpg").
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>
#include <functional>

#include "Backgrounds.h"
#include "Board.h"
#include "Buttons.h"
#include "Canvas.h"
#include "MathPictures.h"
#include "Molecules.h"
#include "forms/Font.h"
#include "pictures/PictureManifest.h"
#include "pictures/Pictures.h"

using namespace assets;

namespace {

// The pictures drawn by code, by the names the manifest gives them, at a scale.
using Drawing = std::function<std::optional<QImage>(int scale)>;
QHash<QString, Drawing> drawings() {
    QHash<QString, Drawing> all;
    const struct {
        const char* name;
        const char* word;
        ButtonIcon icon;
    } buttons[] = {
        {"exit", "Exit", ButtonIcon::Exit},       {"next", "Next", ButtonIcon::Next},
        {"answer", "Answer", ButtonIcon::Answer}, {"check", "Check", ButtonIcon::Check},
        {"jotter", "Jotter", ButtonIcon::Jotter}, {"scramble", "Scramble", ButtonIcon::Scramble},
        {"list", "List", ButtonIcon::List}};
    for (const auto& button : buttons) {
        all.insert(QStringLiteral("button-") + QLatin1String(button.name), [button](int scale) {
            return drawButton(QString::fromLatin1(button.word), button.icon, scale);
        });
    }
    all.insert(QStringLiteral("tick"), [](int scale) { return drawTick(scale); });
    all.insert(QStringLiteral("cross"), [](int scale) { return drawCross(scale); });
    all.insert(QStringLiteral("front-background"),
               [](int scale) { return drawFrontBackground(scale); });
    const struct {
        const char* name;
        Element element;
    } atoms[] = {{"C", Element::C},
                 {"H", Element::H},
                 {"O", Element::O},
                 {"N", Element::N},
                 {"Cl", Element::Cl}};
    for (const auto& atom : atoms)
        all.insert(QStringLiteral("atom-") + QLatin1String(atom.name),
                   [atom](int scale) { return drawAtom(atom.element, scale); });
    for (const char* key : {"CO2", "H2", "H2O", "CH4", "NH3", "HCl", "N2", "O2", "CCl4", "CO"})
        all.insert(QStringLiteral("molecule-") + QLatin1String(key),
                   [key](int scale) { return drawMolecule(QString::fromLatin1(key), scale); });
    all.insert(QStringLiteral("julia"), [](int scale) { return drawJuliaSet(scale); });
    all.insert(QStringLiteral("airfoil"), [](int scale) { return drawJoukowskiAirfoil(scale); });
    return all;
}

struct Writer {
    QDir out;
    int failures = 0;

    void jpeg(const QString& file, const QImage& image) {
        if (!QDir().mkpath(QFileInfo(out.filePath(file)).path()) || image.isNull() ||
            !saveJpeg(image, out.filePath(file)))
            fail(file, "could not write it");
    }
    void bytes(const QString& file, const QByteArray& data) {
        QFile f(out.filePath(file));
        if (!QDir().mkpath(QFileInfo(out.filePath(file)).path()) || !f.open(QIODevice::WriteOnly) ||
            f.write(data) != data.size())
            fail(file, "could not write it");
    }
    void fail(const QString& file, const char* why) {
        std::fprintf(stderr, "kindrel_assets: %s: %s\n", qPrintable(file), why);
        ++failures;
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kindrel_assets MANIFEST SVG_DIR OUT_DIR\n");
        return 2;
    }
    forms::registerHouseFonts();
    const std::optional<pictures::PictureManifest> manifest =
        pictures::readPictureManifest(QString::fromLocal8Bit(argv[1]));
    if (!manifest || !manifest->errors.isEmpty()) {
        std::fprintf(stderr, "kindrel_assets: cannot read the manifest %s\n", argv[1]);
        if (manifest) {
            for (const QString& error : manifest->errors)
                std::fprintf(stderr, "  %s\n", qPrintable(error));
        }
        return 1;
    }
    const QDir svgDir(QString::fromLocal8Bit(argv[2]));
    Writer w{QDir(QString::fromLocal8Bit(argv[3]))};
    const QHash<QString, Drawing> drawn = drawings();

    for (const pictures::ManifestPicture& picture : manifest->pictures) {
        const QString file = picture.filePath();
        if (file.endsWith(QLatin1String(".WMF"), Qt::CaseInsensitive)) {
            // The board is a metafile, drawn as vectors wherever it is shown.
            w.bytes(file, boardMetafile());
            continue;
        }
        const auto drawing = drawn.constFind(picture.sourceName());
        if (!picture.isSvg() && drawing == drawn.constEnd()) {
            w.fail(file, "no drawing of that name");
            continue;
        }
        for (int scale : pictures::Pictures::kVariants) {
            const QString variant = pictures::Pictures::variantPath(file, scale);
            const QSize size = picture.size * scale;
            const std::optional<QImage> image =
                picture.isSvg() ? renderSvg(svgDir.filePath(picture.sourceName()), size.width(),
                                            size.height(), picture.background)
                                : (*drawing)(scale);
            if (!image) {
                w.fail(variant, "its source could not be drawn");
                break;
            }
            if (image->size() != size) {
                w.fail(variant, "drawn at another size than the manifest gives");
                break;
            }
            w.jpeg(variant, *image);
        }
    }
    return w.failures == 0 ? 0 : 1;
}
