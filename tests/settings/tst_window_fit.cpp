#include "settings/window_fit.h"

#include <QtTest>

#include <climits>

// Where the window goes: every row is a wanted geometry (stored or default) on a set of screens.
class TestWindowFit : public QObject {
  Q_OBJECT

private slots:
  void fitToScreens_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("expected");
    const QSize need(600, 300);
    const QList<QRect> one{QRect(0, 0, 1280, 1024)};
    const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    // 1280 by 900 at scale 2 is 640 by 450 of the window system's pixels.
    const QList<QRect> scaled{QRect(0, 0, 640, 450)};
    QTest::newRow("fits: kept") << QRect(100, 80, 640, 480) << need << one << QMargins()
                                << QRect(100, 80, 640, 480);
    QTest::newRow("scale 2: screen's height, from the top")
        << CentredIn({640, 480}, scaled[0]) << need << scaled << QMargins() << QRect(0, 0, 640, 450);
    QTest::newRow("stored height 16777215")
        << QRect(10, 10, 640, 16777215) << need << one << QMargins() << QRect(10, 0, 640, 1024);
    QTest::newRow("stored size beyond every int") << QRect(INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX) << need
                                                  << one << QMargins() << QRect(0, 0, 1280, 1024);
    QTest::newRow("off every screen: centred")
        << QRect(5000, 5000, 700, 500) << need << two << QMargins() << QRect(290, 262, 700, 500);
    QTest::newRow("left of every screen: centred")
        << QRect(-3000, 100, 640, 480) << need << one << QMargins() << QRect(320, 272, 640, 480);
    QTest::newRow("partly off: moved in")
        << QRect(1000, 900, 640, 480) << need << one << QMargins() << QRect(640, 544, 640, 480);
    QTest::newRow("on the second screen: kept")
        << QRect(1400, 100, 640, 480) << need << two << QMargins() << QRect(1400, 100, 640, 480);
    QTest::newRow("mostly on the second screen: moved onto it")
        << QRect(1000, 100, 640, 480) << need << two << QMargins() << QRect(1280, 100, 640, 480);
    QTest::newRow("below the minimum: raised")
        << QRect(100, 100, 200, 100) << need << one << QMargins() << QRect(100, 100, 600, 300);
    QTest::newRow("minimum wider than the screen: the screen wins")
        << QRect(0, 0, 640, 480) << QSize(700, 300) << scaled << QMargins() << QRect(0, 0, 640, 450);
    QTest::newRow("frame: title bar stays on the screen")
        << QRect(0, 0, 640, 480) << need << one << QMargins(2, 30, 2, 2) << QRect(2, 30, 640, 480);
    QTest::newRow("frame: screen's size less the frame")
        << QRect(0, 0, 5000, 5000) << need << one << QMargins(2, 30, 2, 2) << QRect(2, 30, 1276, 992);
  }
  void fitToScreens() {
    QFETCH(QRect, wanted);
    QFETCH(QSize, minimum);
    QFETCH(QList<QRect>, screens);
    QFETCH(QMargins, frame);
    QFETCH(QRect, expected);
    QCOMPARE(FitToScreens(wanted, minimum, {screens, screens.first()}, frame), expected);
  }

  void fittedMinimum_neverExceedsTheArea() {
    QCOMPARE(FittedMinimum({600, 300}, QRect(0, 0, 1280, 1024)), QSize(600, 300));
    QCOMPARE(FittedMinimum({700, 500}, QRect(0, 0, 640, 450)), QSize(640, 450));
  }
};

QTEST_GUILESS_MAIN(TestWindowFit)
#include "tst_window_fit.moc"
