// The floor for start-up and memory: a Qt 6 program that shows one label in a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Chemistry Key Stage 3 Kindrel"));
    label.show();
    return QApplication::exec();
}
