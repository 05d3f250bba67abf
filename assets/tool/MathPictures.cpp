#include "MathPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <complex>

#include "Canvas.h"

namespace assets {

namespace {

constexpr int kWidth = 364;
constexpr int kHeight = 160;
constexpr double kPi = 3.14159265358979323846;
using Complex = std::complex<double>;

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Samples across each pixel: three to a design pixel's side, however many pixels it now spans.
int samplesAt(int scale) {
    return std::max(1, (3 + scale - 1) / scale);
}

}  // namespace

QImage drawJuliaSet(int pictureScale) {
    // Filled Julia set of z -> z^2 + c, coloured by how fast each point escapes.
    const Complex c(-0.8, 0.156);
    constexpr int kMaxIterations = 300;
    const int kSamples = samplesAt(pictureScale);  // per side, to smooth the edges
    const double scale = 3.55 / kWidth;
    QImage image = canvas(kWidth * pictureScale, kHeight * pictureScale, Qt::black);
    const QColor night(8, 12, 48), blue(40, 110, 230), gold(255, 220, 60), inside(10, 10, 10);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    // In the pixels of the design size.
                    const double px = (x + (sx + 0.5) / kSamples) / pictureScale - kWidth / 2.0;
                    const double py = (y + (sy + 0.5) / kSamples) / pictureScale - kHeight / 2.0;
                    Complex z(px * scale, -py * scale);
                    int n = 0;
                    while (n < kMaxIterations && std::norm(z) < 256) {
                        z = z * z + c;
                        ++n;
                    }
                    QColor colour = inside;
                    if (n < kMaxIterations) {
                        const double smooth = n + 1 - std::log2(std::log2(std::abs(z)));
                        const double t = std::sqrt(std::max(0.0, smooth) / 60.0);
                        colour = t < 0.5 ? mix(night, blue, t * 2) : mix(blue, gold, t * 2 - 1);
                    }
                    r += colour.redF();
                    g += colour.greenF();
                    b += colour.blueF();
                }
            }
            const double n = kSamples * kSamples;
            image.setPixelColor(x, y, QColor::fromRgbF(float(r / n), float(g / n), float(b / n)));
        }
    }
    return image;
}

QImage drawJoukowskiAirfoil(int pictureScale) {
    // A circle through z = 1, offset from the origin, maps under w = z + 1/z onto an airfoil;
    // the flow round the circle, with the circulation that leaves the trailing edge smoothly,
    // maps onto the flow round the wing.
    const Complex centre(-0.09, 0.10);
    const double radius = std::abs(Complex(1, 0) - centre);
    const double attack = 6 * kPi / 180;
    const double beta = std::arg(Complex(1, 0) - centre);
    const double circulation = 4 * kPi * radius * std::sin(attack - beta);

    const double scale = 68;  // pixels per unit of w
    const QPointF origin(kWidth / 2.0 + 4, kHeight / 2.0 + 6);
    const auto toScreen = [&](Complex w) {
        return QPointF(origin.x() + w.real() * scale, origin.y() - w.imag() * scale);
    };
    const auto inverse = [&](Complex w) {
        // Of the two preimages, the one outside the circle is the flow's.
        const Complex root = std::sqrt(w * w - 4.0);
        Complex z = (w + root) / 2.0;
        if (std::abs(z - centre) < radius) z = (w - root) / 2.0;
        return z;
    };
    const auto stream = [&](Complex z) {
        const Complex s = (z - centre) * std::polar(1.0, -attack);
        const Complex potential =
            s + radius * radius / s + Complex(0, circulation / (2 * kPi)) * std::log(s);
        return potential.imag();
    };

    QImage image = canvas(kWidth * pictureScale, kHeight * pictureScale, QColor(245, 248, 255));
    // Streamlines: pixels where the stream function is near a multiple of the spacing, their
    // width in the pixels of the design size.
    const int kSamples = samplesAt(pictureScale);
    constexpr double kSpacing = 0.16;
    const QColor line(30, 90, 200);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            double ink = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = (x + (sx + 0.5) / kSamples) / pictureScale;
                    const double py = (y + (sy + 0.5) / kSamples) / pictureScale;
                    const Complex w((px - origin.x()) / scale, (origin.y() - py) / scale);
                    const Complex z = inverse(w);
                    if (std::abs(z - centre) < radius) continue;
                    const double h = 0.5 / scale;
                    const double psi = stream(z);
                    const double dx = stream(inverse(w + h)) - stream(inverse(w - h));
                    const double dy =
                        stream(inverse(w + Complex(0, h))) - stream(inverse(w - Complex(0, h)));
                    const double gradient = std::hypot(dx, dy) / (2 * h) / scale;
                    const double level = psi / kSpacing;
                    const double distance = std::abs(level - std::round(level)) * kSpacing;
                    if (gradient > 0 && distance / gradient < 0.9) ink += 1;
                }
            }
            const double t = ink / (kSamples * kSamples);
            if (t > 0) image.setPixelColor(x, y, mix(image.pixelColor(x, y), line, t));
        }
    }

    QPainterPath wing;
    constexpr int kSteps = 720;
    for (int i = 0; i <= kSteps; ++i) {
        const Complex z = centre + std::polar(radius, 2 * kPi * i / kSteps);
        const QPointF point = toScreen(z + 1.0 / z);
        if (i == 0) {
            wing.moveTo(point);
        } else {
            wing.lineTo(point);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, pictureScale);
    p.setPen(QPen(QColor(20, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(200, 200, 210));
    p.drawPath(wing);
    p.setPen(QPen(QColor(120, 130, 150), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kWidth - 2, kHeight - 2));
    return image;
}

}  // namespace assets
