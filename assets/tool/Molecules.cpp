#include "Molecules.h"

#include <QPainter>
#include <QRadialGradient>
#include <QVector3D>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Canvas.h"

namespace assets {

namespace {

struct Style {
    QColor colour;
    double radius;  // pixels; the same in the key and in every molecule
};

// School model colours; sizes follow the atoms' relative sizes, kept readable.
Style styleOf(Element e) {
    switch (e) {
        case Element::C:
            return {QColor(45, 45, 45), 27};
        case Element::H:
            return {QColor(245, 245, 245), 19};
        case Element::O:
            return {QColor(225, 25, 25), 26};
        case Element::N:
            return {QColor(25, 60, 225), 26};
        case Element::Cl:
            return {QColor(40, 200, 40), 33};
    }
    return {Qt::gray, 20};
}

// Sticks longer than to scale, as in a model kit, so that the shape shows between the balls.
constexpr double kPixelsPerAngstrom = 78;
constexpr double kPi = 3.14159265358979323846;

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void paintBall(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
    // Lit from the top left: a highlight, the colour, then a darker rim, so it reads as a sphere.
    const bool pale = colour.lightness() > 200;
    QRadialGradient shade(centre, radius, centre + QPointF(-radius * 0.38, -radius * 0.42));
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.12, mix(colour, Qt::white, pale ? 0.9 : 0.55));
    shade.setColorAt(0.55, colour);
    shade.setColorAt(1.0, pale ? QColor(140, 140, 150) : colour.darker(300));
    p.setPen(QPen(QColor(10, 10, 30), 1.6));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

struct Atom {
    Element element;
    QVector3D position;  // angstroms, y up, z towards the viewer
};

struct Bond {
    int a;
    int b;
    int order;
};

struct Molecule {
    std::vector<Atom> atoms;
    std::vector<Bond> bonds;
};

// Unit vectors of a tetrahedron with one bond straight up.
std::vector<QVector3D> tetrahedral() {
    const double down = -1.0 / 3.0;
    const double across = std::sqrt(1 - down * down);
    std::vector<QVector3D> v{{0, 1, 0}};
    for (int k = 0; k < 3; ++k) {
        const double phi = kPi / 2 + k * 2 * kPi / 3;
        v.emplace_back(across * std::cos(phi), down, across * std::sin(phi));
    }
    return v;
}

// Three bonds below the atom at the given angle between any two (ammonia's pyramid).
std::vector<QVector3D> pyramidal(double bondAngleDegrees) {
    const double cosAlpha = std::cos(bondAngleDegrees * kPi / 180);
    const double down = -std::sqrt((2 * cosAlpha + 1) / 3);
    const double across = std::sqrt(1 - down * down);
    std::vector<QVector3D> v;
    for (int k = 0; k < 3; ++k) {
        const double phi = kPi / 2 + k * 2 * kPi / 3;
        v.emplace_back(across * std::cos(phi), down, across * std::sin(phi));
    }
    return v;
}

Molecule diatomic(Element a, Element b, double length, int order) {
    return {{{a, {float(-length / 2), 0, 0}}, {b, {float(length / 2), 0, 0}}}, {{0, 1, order}}};
}

Molecule centred(Element centre, Element outer, const std::vector<QVector3D>& directions,
                 double length) {
    Molecule m{{{centre, {0, 0, 0}}}, {}};
    for (const QVector3D& d : directions) {
        m.atoms.push_back({outer, d * float(length)});
        m.bonds.push_back({0, int(m.atoms.size()) - 1, 1});
    }
    return m;
}

std::optional<Molecule> moleculeOf(const QString& key) {
    using E = Element;
    if (key == QLatin1String("CO2")) {
        return Molecule{{{E::O, {-1.16f, 0, 0}}, {E::C, {0, 0, 0}}, {E::O, {1.16f, 0, 0}}},
                        {{0, 1, 2}, {1, 2, 2}}};
    }
    if (key == QLatin1String("H2")) return diatomic(E::H, E::H, 0.74, 1);
    if (key == QLatin1String("H2O")) {
        const double half = 104.5 / 2 * kPi / 180;
        const float x = float(0.96 * std::sin(half)), y = float(-0.96 * std::cos(half));
        return Molecule{{{E::O, {0, 0, 0}}, {E::H, {-x, y, 0}}, {E::H, {x, y, 0}}},
                        {{0, 1, 1}, {0, 2, 1}}};
    }
    if (key == QLatin1String("CH4")) return centred(E::C, E::H, tetrahedral(), 1.09);
    if (key == QLatin1String("NH3")) return centred(E::N, E::H, pyramidal(107.8), 1.01);
    if (key == QLatin1String("HCl")) return diatomic(E::H, E::Cl, 1.27, 1);
    if (key == QLatin1String("N2")) return diatomic(E::N, E::N, 1.10, 3);
    if (key == QLatin1String("O2")) return diatomic(E::O, E::O, 1.21, 2);
    if (key == QLatin1String("CCl4")) return centred(E::C, E::Cl, tetrahedral(), 1.77);
    if (key == QLatin1String("CO")) return diatomic(E::C, E::O, 1.13, 3);
    return std::nullopt;
}

// Turned a little and seen a little from above, so that no atom hides behind another.
QVector3D viewed(const QVector3D& v, double yawDegrees, double pitchDegrees) {
    const double yaw = yawDegrees * kPi / 180, pitch = pitchDegrees * kPi / 180;
    const double x1 = v.x() * std::cos(yaw) + v.z() * std::sin(yaw);
    const double z1 = -v.x() * std::sin(yaw) + v.z() * std::cos(yaw);
    const double y2 = v.y() * std::cos(pitch) - z1 * std::sin(pitch);
    const double z2 = v.y() * std::sin(pitch) + z1 * std::cos(pitch);
    return QVector3D(float(x1), float(y2), float(z2));
}

void paintStick(QPainter& p, QPointF from, QPointF to, double width) {
    const QLineF line(from, to);
    const QLineF normal = line.normalVector().unitVector();
    const QPointF n = (normal.p2() - normal.p1()) * (width / 2);
    QLinearGradient shade(from + n, from - n);
    shade.setColorAt(0, QColor(120, 120, 125));
    shade.setColorAt(0.35, QColor(250, 250, 250));
    shade.setColorAt(1, QColor(110, 110, 115));
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.setBrush(shade);
    p.drawPolygon(QPolygonF({from + n, to + n, to - n, from - n}));
}

}  // namespace

QImage drawAtom(Element element, int scale) {
    QImage image = canvas(80 * scale, 80 * scale, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, scale);
    const Style style = styleOf(element);
    paintBall(p, QPointF(40, 40), style.radius, style.colour);
    return image;
}

std::optional<QImage> drawMolecule(const QString& key, int scale) {
    const std::optional<Molecule> molecule = moleculeOf(key);
    if (!molecule) return std::nullopt;
    constexpr int kWidth = 320, kHeight = 300, kMargin = 14;
    QImage image = canvas(kWidth * scale, kHeight * scale, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, scale);

    // Linear and flat molecules are drawn face on; the others turned to show their shape.
    // Ammonia is seen face on to one hydrogen, a little from above: a tripod.
    const bool solid = molecule->atoms.size() > 3;
    const bool ammonia = key == QLatin1String("NH3");
    const double yaw = ammonia ? 0 : 16, pitch = ammonia ? 18 : 24;
    std::vector<QVector3D> at;
    std::vector<double> radius;
    for (const Atom& a : molecule->atoms) {
        at.push_back((solid ? viewed(a.position, yaw, pitch) : a.position) *
                     float(kPixelsPerAngstrom));
        radius.push_back(styleOf(a.element).radius);
    }
    // Nearer atoms a little larger: a touch of perspective helps the eye with depth.
    for (std::size_t i = 0; i < at.size(); ++i) radius[i] *= 1.0 + at[i].z() / 900.0;

    // Small molecules are drawn larger, up to a limit, so that every one fills its place.
    double left = 1e9, right = -1e9, top = -1e9, bottom = 1e9;
    for (std::size_t i = 0; i < at.size(); ++i) {
        left = std::min(left, at[i].x() - radius[i]);
        right = std::max(right, at[i].x() + radius[i]);
        bottom = std::min(bottom, at[i].y() - radius[i]);
        top = std::max(top, at[i].y() + radius[i]);
    }
    const double zoom = std::min({1.6, (kWidth - 2.0 * kMargin) / (right - left),
                                  (kHeight - 2.0 * kMargin) / (top - bottom)});
    const QPointF middle((left + right) / 2, (top + bottom) / 2);
    const auto screen = [&](const QVector3D& v) {
        return QPointF(kWidth / 2.0 + (v.x() - middle.x()) * zoom,
                       kHeight / 2.0 - (v.y() - middle.y()) * zoom);
    };

    // Sticks first, then the balls from the back forward: every stick seems to run into its balls.
    for (const Bond& b : molecule->bonds) {
        const QPointF from = screen(at[b.a]), to = screen(at[b.b]);
        const QLineF normal = QLineF(from, to).normalVector().unitVector();
        const QPointF n = normal.p2() - normal.p1();
        const double width = (b.order == 1 ? 12 : 7.5) * zoom;
        const double spacing = (b.order == 3 ? 10 : 11) * zoom;
        for (int k = 0; k < b.order; ++k) {
            const QPointF offset = n * ((k - (b.order - 1) / 2.0) * spacing);
            paintStick(p, from + offset, to + offset, width);
        }
    }
    std::vector<int> order(at.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return at[x].z() < at[y].z(); });
    for (int i : order) {
        paintBall(p, screen(at[i]), radius[i] * zoom, styleOf(molecule->atoms[i].element).colour);
    }
    return image;
}

}  // namespace assets
