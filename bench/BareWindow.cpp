// The floor for start-up and memory: a Qt 6 program that shows one label in a window; given
// "WIDTHxHEIGHT", a window of that many pixels, as large as a screen in projector mode.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Chemistry Key Stage 3 Kindrel"));
    const QStringList size =
        argc > 1 ? QString::fromLatin1(argv[1]).split(QLatin1Char('x')) : QStringList();
    if (size.size() == 2) label.resize(size[0].toInt(), size[1].toInt());
    label.show();
    return QApplication::exec();
}
