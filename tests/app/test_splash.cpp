// The splash screen: its window, its picture and that input leaves it alone.

#include "app/uSplash.h"
#include "platform/Resources.h"
#include "tests/support/ErrorBoxGuard.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

class TestSplash : public QObject {
    Q_OBJECT

    const TErrorBoxGuard FErrorBoxGuard;

private slots:
    void borderlessOnTopAndCentred();
    void pictureFillsTheWindow();
    void paintedAtOnceAndDeafToInput();
};

void TestSplash::borderlessOnTopAndCentred() {
    TfrmSplash splash;
    const Qt::WindowFlags flags = splash.windowFlags();
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash.minimumSize(), QSize(465, 281));
    QCOMPARE(splash.maximumSize(), QSize(465, 281));
    QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QCOMPARE(splash.Image1->geometry(), QRect(0, 0, 465, 281));
}

void TestSplash::pictureFillsTheWindow() {
    if (ResourcePath(QStringLiteral("SPLASH")).isEmpty()) {
        QSKIP("the SPLASH picture is not among the resources of this build");
    }
    TfrmSplash splash;
    QCOMPARE(splash.Image1->pixmap().size(), QSize(465, 281));
}

void TestSplash::paintedAtOnceAndDeafToInput() {
    TfrmSplash splash;
    splash.ShowAndPaint();
    QVERIFY(splash.isVisible());
    QVERIFY(splash.windowHandle()->isExposed());

    QTest::mouseClick(splash.windowHandle(), Qt::LeftButton, {}, QPoint(200, 140));
    QTest::keyClick(splash.windowHandle(), Qt::Key_Escape);
    QTest::keyClick(splash.windowHandle(), Qt::Key_Space);
    QVERIFY(splash.isVisible());
}

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
