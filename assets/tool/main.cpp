// kindrel_assets SVG_DIR OUT_DIR: writes every picture the program reads into OUT_DIR/Images
// and OUT_DIR/opening.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "Backgrounds.h"
#include "Board.h"
#include "Buttons.h"
#include "Canvas.h"
#include "MathPictures.h"
#include "Molecules.h"
#include "forms/Font.h"

using namespace assets;

namespace {

struct SvgPicture {
    const char* file;  // under the output folder
    const char* source;
    int width;
    int height;
    QColor background;
};

// Pixel sizes are the places the screens give them (15 twips to the pixel).
const SvgPicture kSvgPictures[] = {
    {"opening/kal2h000.jpg", "title.svg", 320, 240, Qt::white},
    {"Images/logo2.jpg", "logo.svg", 100, 139, kDeepBlue},
    {"Images/bunsensm.jpg", "bunsen.svg", 164, 124, Qt::white},
    {"Images/tripodsm.jpg", "tripod.svg", 164, 124, Qt::white},
    {"Images/funnelsm.jpg", "funnel.svg", 164, 124, Qt::white},
    {"Images/thermosm.jpg", "thermometer.svg", 164, 124, Qt::white},
    {"Images/testtubesm.jpg", "testtube.svg", 164, 124, Qt::white},
    {"Images/beakersm.jpg", "beaker.svg", 164, 124, Qt::white},
    {"Images/flasksm.jpg", "flask.svg", 164, 124, Qt::white},
    {"Images/pipettesm.jpg", "pipette.svg", 164, 124, Qt::white},
    {"Images/measuresm.jpg", "measure.svg", 164, 124, Qt::white},
    {"Images/spatulasm.jpg", "spatula.svg", 164, 124, Qt::white},
    {"Images/lab.jpg", "lab.svg", 800, 582, Qt::white},
    {"Images/kbridge.jpg", "kbridge.svg", 364, 160, Qt::white},
};

struct Writer {
    QDir out;
    int failures = 0;

    void jpeg(const QString& file, const QImage& image) {
        if (image.isNull() || !saveJpeg(image, out.filePath(file))) fail(file);
    }
    void bytes(const QString& file, const QByteArray& data) {
        QFile f(out.filePath(file));
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) fail(file);
    }
    void fail(const QString& file) {
        std::fprintf(stderr, "kindrel_assets: could not make %s\n", qPrintable(file));
        ++failures;
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kindrel_assets SVG_DIR OUT_DIR\n");
        return 2;
    }
    forms::registerHouseFonts();
    const QDir svgDir(QString::fromLocal8Bit(argv[1]));
    Writer w{QDir(QString::fromLocal8Bit(argv[2]))};
    if (!w.out.mkpath(QStringLiteral("Images")) || !w.out.mkpath(QStringLiteral("opening"))) {
        std::fprintf(stderr, "kindrel_assets: cannot create the picture folders\n");
        return 1;
    }

    for (const SvgPicture& picture : kSvgPictures) {
        const QString file = QString::fromLatin1(picture.file);
        const auto image = renderSvg(svgDir.filePath(QString::fromLatin1(picture.source)),
                                     picture.width, picture.height, picture.background);
        if (!image) {
            w.fail(file);
            continue;
        }
        w.jpeg(file, *image);
    }

    w.jpeg(QStringLiteral("Images/exit.jpg"), drawButton(QStringLiteral("Exit"), ButtonIcon::Exit));
    w.jpeg(QStringLiteral("Images/next.jpg"), drawButton(QStringLiteral("Next"), ButtonIcon::Next));
    w.jpeg(QStringLiteral("Images/answer.jpg"),
           drawButton(QStringLiteral("Answer"), ButtonIcon::Answer));
    w.jpeg(QStringLiteral("Images/check.jpg"),
           drawButton(QStringLiteral("Check"), ButtonIcon::Check));
    w.jpeg(QStringLiteral("Images/jotter.jpg"),
           drawButton(QStringLiteral("Jotter"), ButtonIcon::Jotter));
    w.jpeg(QStringLiteral("Images/scramble.jpg"),
           drawButton(QStringLiteral("Scramble"), ButtonIcon::Scramble));
    w.jpeg(QStringLiteral("Images/tick.jpg"), drawTick());
    w.jpeg(QStringLiteral("Images/cross.jpg"), drawCross());
    w.bytes(QStringLiteral("Images/BOARD.WMF"), boardMetafile());
    w.jpeg(QStringLiteral("Images/kal2he24.jpg"), drawFrontBackground());

    const struct {
        const char* file;
        Element element;
    } atoms[] = {{"Catom", Element::C},
                 {"Hatom", Element::H},
                 {"Oatom", Element::O},
                 {"Natom", Element::N},
                 {"Clatom", Element::Cl}};
    for (const auto& atom : atoms) {
        w.jpeg(QStringLiteral("Images/%1.jpg").arg(QLatin1String(atom.file)),
               drawAtom(atom.element));
    }
    for (const char* key : {"CO2", "H2", "H2O", "CH4", "NH3", "HCl", "N2", "O2", "CCl4", "CO"}) {
        const QString file = QStringLiteral("Images/%1.jpg").arg(QLatin1String(key));
        const auto image = drawMolecule(QString::fromLatin1(key));
        if (!image) {
            w.fail(file);
            continue;
        }
        w.jpeg(file, *image);
    }

    w.jpeg(QStringLiteral("Images/julia1.jpg"), drawJuliaSet());
    w.jpeg(QStringLiteral("Images/airfoil.jpg"), drawJoukowskiAirfoil());
    return w.failures == 0 ? 0 : 1;
}
