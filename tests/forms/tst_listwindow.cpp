// The scrolling rules of a drop-down list: what is on view, what is picked out, the thumb.
#include <QtTest>

#include "forms/ListWindow.h"

using forms::ListWindow;

class ListWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aShortListShowsEveryRowAndNeverScrolls();
    void anEmptyListHasNothingToPick();
    void scrollingStaysWithinTheList();
    void thePickedRowIsAlwaysOnView();
    void arrowKeysFromNoPickStartAtTheRowsOnView();
    void theThumbSpansTheTrackInProportion();
    void aThumbPlaceGivesBackItsTop();
};

void ListWindowTest::aShortListShowsEveryRowAndNeverScrolls() {
    ListWindow list(5, 16);
    QCOMPARE(list.visibleRows(), 5);
    QVERIFY(!list.scrolls());
    list.scrollBy(3);
    QCOMPARE(list.top(), 0);
    QCOMPARE(list.rowAtVisible(4), 4);
    QCOMPARE(list.rowAtVisible(5), -1);
    const ListWindow::Thumb thumb = list.thumb(200, 17);
    QCOMPARE(thumb.start, 0.0);
    QCOMPARE(thumb.length, 200.0);
}

void ListWindowTest::anEmptyListHasNothingToPick() {
    ListWindow list(0, 16);
    QCOMPARE(list.visibleRows(), 0);
    QVERIFY(!list.scrolls());
    list.moveHighlight(1);
    list.highlightLast();
    QCOMPARE(list.highlighted(), -1);
    QCOMPARE(list.rowAtVisible(0), -1);
}

void ListWindowTest::scrollingStaysWithinTheList() {
    ListWindow list(44, 16);
    QCOMPARE(list.lastTop(), 28);
    list.scrollBy(-1);
    QCOMPARE(list.top(), 0);
    list.scrollBy(100);
    QCOMPARE(list.top(), 28);
    QCOMPARE(list.rowAtVisible(15), 43);
    list.scrollTo(10);
    QCOMPARE(list.rowAtVisible(0), 10);
}

void ListWindowTest::thePickedRowIsAlwaysOnView() {
    ListWindow list(44, 16);
    list.highlight(20);
    QCOMPARE(list.top(), 5);  // 20 is the last row on view
    list.highlight(3);
    QCOMPARE(list.top(), 3);  // and now the first
    list.highlight(10);
    QCOMPARE(list.top(), 3);  // already on view: no scrolling
    list.highlight(500);
    QCOMPARE(list.highlighted(), 43);
    QCOMPARE(list.top(), 28);
    list.moveHighlight(-15);
    QCOMPARE(list.highlighted(), 28);
    list.moveHighlight(-100);
    QCOMPARE(list.highlighted(), 0);
    QCOMPARE(list.top(), 0);
    list.highlight(-1);
    QCOMPARE(list.highlighted(), -1);
}

void ListWindowTest::arrowKeysFromNoPickStartAtTheRowsOnView() {
    ListWindow down(44, 16);
    down.scrollTo(7);
    down.moveHighlight(1);
    QCOMPARE(down.highlighted(), 7);
    ListWindow up(44, 16);
    up.scrollTo(7);
    up.moveHighlight(-1);
    QCOMPARE(up.highlighted(), 22);
    QCOMPARE(up.top(), 7);
}

void ListWindowTest::theThumbSpansTheTrackInProportion() {
    ListWindow list(40, 10);
    ListWindow::Thumb thumb = list.thumb(400, 17);
    QCOMPARE(thumb.length, 100.0);
    QCOMPARE(thumb.start, 0.0);
    list.scrollTo(list.lastTop());
    thumb = list.thumb(400, 17);
    QCOMPARE(thumb.start + thumb.length, 400.0);
    // A very long list keeps a thumb big enough to take hold of.
    ListWindow longList(1000, 16);
    QCOMPARE(longList.thumb(300, 17).length, 17.0);
    // A track shorter than the smallest thumb is all thumb.
    QCOMPARE(longList.thumb(10, 17).length, 10.0);
}

void ListWindowTest::aThumbPlaceGivesBackItsTop() {
    for (int count : {17, 44, 390}) {
        ListWindow list(count, 16);
        for (int top = 0; top <= list.lastTop(); ++top) {
            list.scrollTo(top);
            const double start = list.thumb(310, 17).start;
            QCOMPARE(list.topForThumbStart(start, 310, 17), top);
        }
        QCOMPARE(list.topForThumbStart(-50, 310, 17), 0);
        QCOMPARE(list.topForThumbStart(5000, 310, 17), list.lastTop());
    }
}

QTEST_GUILESS_MAIN(ListWindowTest)
#include "tst_listwindow.moc"
