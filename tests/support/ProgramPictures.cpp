#include "ProgramPictures.h"

#include "forms/Twips.h"

namespace testing_support {

namespace {

QSize pixels(float widthTwips, float heightTwips) {
    return {forms::toPixels(widthTwips), forms::toPixels(heightTwips)};
}

std::vector<ProgramPicture> makeList() {
    std::vector<ProgramPicture> list;
    const auto add = [&list](const char* name, const QString& path, QSize size) {
        list.push_back({QString::fromLatin1(name), path, size});
    };
    const QSize button = pixels(1785, 495);
    add("title", QStringLiteral("opening\\kal2h000.jpg"), pixels(4800, 3600));
    add("exit", QStringLiteral("Images\\exit.jpg"), button);
    add("next", QStringLiteral("Images\\next.jpg"), button);
    add("answer", QStringLiteral("Images\\answer.jpg"), button);
    add("check", QStringLiteral("images\\check.jpg"), button);
    add("jotter", QStringLiteral("images\\jotter.jpg"), button);
    add("scramble", QStringLiteral("images\\scramble.jpg"), button);
    add("board", QStringLiteral("IMAGES\\BOARD.WMF"), QSize(100, 72));
    add("tick", QStringLiteral("images\\tick.jpg"), QSize(40, 40));
    add("cross", QStringLiteral("images\\cross.jpg"), QSize(40, 40));
    add("front background", QStringLiteral("Images\\kal2he24.jpg"), QSize(800, 600));
    add("logo", QStringLiteral("Images\\logo2.jpg"), pixels(1500, 2085));
    for (const char* atom : {"Catom", "Hatom", "Oatom", "Natom", "Clatom"})
        add(atom, QStringLiteral("Images\\%1.jpg").arg(QLatin1String(atom)), pixels(1200, 1200));
    for (const char* key : {"CO2", "H2", "H2O", "CH4", "NH3", "HCl", "N2", "O2", "CCl4", "CO"})
        add(key, QStringLiteral("Images\\%1.jpg").arg(QLatin1String(key)), QSize(320, 300));
    for (const char* name : {"bunsensm", "tripodsm", "funnelsm", "thermosm", "testtubesm",
                             "beakersm", "flasksm", "pipettesm", "measuresm", "spatulasm"})
        add(name, QStringLiteral("Images\\%1.jpg").arg(QLatin1String(name)), pixels(2460, 1860));
    add("lab", QStringLiteral("Images\\lab.jpg"), pixels(12000, 8730));
    add("airfoil", QStringLiteral("Images\\airfoil.jpg"), QSize(364, 160));
    add("julia", QStringLiteral("Images\\julia1.jpg"), QSize(364, 160));
    add("bridges", QStringLiteral("Images\\kbridge.jpg"), QSize(364, 160));
    return list;
}

}  // namespace

const std::vector<ProgramPicture>& programPictures() {
    static const std::vector<ProgramPicture> list = makeList();
    return list;
}

QString buildDir() {
    return qEnvironmentVariable("KINDREL_BUILD_DIR");
}

}  // namespace testing_support
