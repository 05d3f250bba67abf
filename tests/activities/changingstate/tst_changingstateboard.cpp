// Changing State: every box stands on an empty strip of its picture, covering none of the drawing.
#include <QtTest>

#include "ProgramPictures.h"
#include "activities/changingstate/ChangingStateBoard.h"
#include "pictures/Pictures.h"
#include "shell/HouseStyle.h"

using namespace forms;

class ChangingStateBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void boxesCoverOnlyTheBackground_data();
    void boxesCoverOnlyTheBackground();

  private:
    QImage m_picture;
};

void ChangingStateBoardTest::initTestCase() {
    std::optional<QImage> picture =
        pictures::Pictures({testing_support::buildDir()})
            .load(QString::fromLatin1(changingstate::kPictures[0].file));
    QVERIFY2(picture, "the built picture is missing");
    m_picture = picture->convertToFormat(QImage::Format_RGB32);
    QCOMPARE(m_picture.size(), changingstate::kPicture.toPixels().size());
}

void ChangingStateBoardTest::boxesCoverOnlyTheBackground_data() {
    QTest::addColumn<TwipRect>("box");
    for (const labelling::BoardItem& item : changingstate::kItems)
        QTest::newRow(item.text) << item.target;
}

// A label dropped on its box hides what is under it, and the box's own border would cross the
// drawing: under every box the picture must be the board's blue, give or take the JPEG.
void ChangingStateBoardTest::boxesCoverOnlyTheBackground() {
    QFETCH(TwipRect, box);
    const QRect inPicture =
        box.toPixels().translated(-changingstate::kPicture.toPixels().topLeft());
    QVERIFY(m_picture.rect().contains(inPicture));
    const QColor blue(shell::DeepBlue);
    int worst = 0;
    for (int y = inPicture.top(); y <= inPicture.bottom(); ++y) {
        for (int x = inPicture.left(); x <= inPicture.right(); ++x) {
            const QColor pixel(m_picture.pixel(x, y));
            worst =
                std::max({worst, qAbs(pixel.red() - blue.red()), qAbs(pixel.green() - blue.green()),
                          qAbs(pixel.blue() - blue.blue())});
        }
    }
    QVERIFY2(worst <= 24, qPrintable(QStringLiteral("a colour %1 off the blue").arg(worst)));
}

QTEST_MAIN(ChangingStateBoardTest)
#include "tst_changingstateboard.moc"
