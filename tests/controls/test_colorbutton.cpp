#include "controls/VHColorButton.h"
#include "platform/Application.h"
#include "tests/support/ErrorBoxGuard.h"

#include <QImage>
#include <QTest>

#include <string>
#include <vector>

namespace {

const QColor kLight(255, 255, 255);
const QColor kDark(128, 128, 128);
const TColor kRed = 0x000000FF;

// A 56 x 20 swatch, as the options dialog places them, with known bevel colours.
void Prepare(TVHColorButton& AButton) {
    QPalette pal = AButton.palette();
    pal.setColor(QPalette::Light, kLight);
    pal.setColor(QPalette::Dark, kDark);
    AButton.setPalette(pal);
    AButton.resize(56, 20);
    AButton.SetColor(kRed);
}

// The bounding rectangle of the pixels in AColor, and their number.
QRect FieldOf(const QImage& AImage, const QColor& AColor, int& ACount) {
    QRect bounds;
    ACount = 0;
    for (int y = 0; y < AImage.height(); ++y) {
        for (int x = 0; x < AImage.width(); ++x) {
            if (AImage.pixelColor(x, y) == AColor) {
                bounds |= QRect(x, y, 1, 1);
                ++ACount;
            }
        }
    }
    return bounds;
}

QColor Pixel(const QImage& AImage, int AX, int AY) {
    return AImage.pixelColor(AX, AY);
}

} // namespace

class TestColorButton : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrors{TErrorBoxGuard::Record};

private slots:
    void init() { FErrors.Clear(); }
    void cleanup() { QVERIFY(FErrors.Texts().empty()); }

    void defaults() {
        TVHColorButton button;
        QCOMPARE(button.size(), QSize(25, 20));
        QCOMPARE(button.focusPolicy(), Qt::TabFocus); // Tab reaches it, a click does not
        QCOMPARE(button.BevelWidth(), 1);
        QCOMPARE(button.BevelInner(), TPanelBevel::bvNone);
        QCOMPARE(TColorToQColor(button.Color()),
                 button.palette().color(QPalette::Active, QPalette::Button));
        button.SetBevelWidth(0);
        QCOMPARE(button.BevelWidth(), 1);
    }

    void colourConversionsKeepRedInTheLowByte() {
        QCOMPARE(TColorToQColor(0x00DEBCBC), QColor(0xBC, 0xBC, 0xDE));
        QCOMPARE(QColorToTColor(QColor(1, 2, 3)), TColor(0x00030201));
        QCOMPARE(TColorToQColor(0xFF102030), QColor(0x30, 0x20, 0x10));
    }

    void paintsBevelsAroundTheColour() {
        TVHColorButton button;
        Prepare(button);
        int count = 0;
        QImage image = button.grab().toImage();
        QCOMPARE(FieldOf(image, TColorToQColor(kRed), count), QRect(1, 1, 54, 18));
        QCOMPARE(count, 54 * 18);
        // Raised: light along the top and left, dark along the bottom and right,
        // the dark edges taking the top-right and bottom-left corners.
        QCOMPARE(Pixel(image, 0, 0), kLight);
        QCOMPARE(Pixel(image, 54, 0), kLight);
        QCOMPARE(Pixel(image, 0, 18), kLight);
        QCOMPARE(Pixel(image, 55, 0), kDark);
        QCOMPARE(Pixel(image, 0, 19), kDark);
        QCOMPARE(Pixel(image, 55, 19), kDark);

        button.SetBevelWidth(2);
        image = button.grab().toImage();
        QCOMPARE(FieldOf(image, TColorToQColor(kRed), count), QRect(2, 2, 52, 16));

        button.SetColor(0x0000FF00);
        image = button.grab().toImage();
        QCOMPARE(FieldOf(image, QColor(0, 255, 0), count), QRect(2, 2, 52, 16));
    }

    void pressLowersAndReleaseRaisesThenClicks() {
        TVHColorButton button;
        Prepare(button);
        button.SetBevelWidth(3);
        button.SetTag(2);
        std::vector<TPanelBevel> seen;
        button.OnClick = [&](TVHColorButton* ASender) {
            QCOMPARE(ASender, &button);
            QCOMPARE(ASender->BevelWidth(), 1);
            seen.push_back(ASender->BevelInner());
        };
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.BevelWidth(), 1);
        QCOMPARE(button.BevelInner(), TPanelBevel::bvLowered);
        QVERIFY(seen.empty());
        int count = 0;
        QImage image = button.grab().toImage();
        QCOMPARE(FieldOf(image, TColorToQColor(kRed), count), QRect(2, 2, 52, 16));
        QCOMPARE(Pixel(image, 1, 1), kDark); // the inner bevel swaps the colours
        QCOMPARE(Pixel(image, 54, 18), kLight);

        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(55, 19));
        QCOMPARE(seen, std::vector<TPanelBevel>{TPanelBevel::bvRaised});
        QCOMPARE(button.BevelInner(), TPanelBevel::bvRaised);
        image = button.grab().toImage();
        QCOMPARE(FieldOf(image, TColorToQColor(kRed), count), QRect(2, 2, 52, 16));
        QCOMPARE(Pixel(image, 1, 1), kLight);
        QCOMPARE(Pixel(image, 54, 18), kDark);
    }

    void releaseOffTheSwatchRaisesNoClick() {
        TVHColorButton button;
        Prepare(button);
        int clicks = 0;
        button.OnClick = [&](TVHColorButton*) { ++clicks; };
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        for (const QPoint off : {QPoint(-1, 5), QPoint(56, 5), QPoint(5, -1), QPoint(5, 20)}) {
            QTest::mousePress(&button, Qt::LeftButton);
            QTest::mouseRelease(&button, Qt::LeftButton, {}, off);
            QCOMPARE(button.BevelInner(), TPanelBevel::bvRaised);
        }
        QCOMPARE(clicks, 0);

        // Only the left button operates it.
        TVHColorButton fresh;
        fresh.OnClick = [&](TVHColorButton*) { ++clicks; };
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QTest::mouseClick(&fresh, Qt::RightButton);
        QTest::mouseClick(&fresh, Qt::MiddleButton);
        QCOMPARE(fresh.BevelInner(), TPanelBevel::bvNone);
        QCOMPARE(clicks, 0);
    }

    void disabledSwatchIgnoresTheMouseAndLooksTheSame() {
        TVHColorButton button;
        Prepare(button);
        int clicks = 0;
        button.OnClick = [&](TVHColorButton*) { ++clicks; };
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        button.clearFocus(); // the look without the focus mark, which disabling removes
        const QImage enabled = button.grab().toImage();

        button.setEnabled(false);
        QCOMPARE(button.grab().toImage(), enabled);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.BevelInner(), TPanelBevel::bvNone);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.BevelInner(), TPanelBevel::bvNone);
        QCOMPARE(clicks, 0);
    }

    // From the keyboard: Space and Enter click it, other keys do not; a dotted
    // mark shows the focus and goes with it.
    void keyboardClicksAndFocusMark() {
        QWidget window;
        auto* button = new TVHColorButton(&window);
        Prepare(*button);
        auto* other = new TVHColorButton(&window);
        other->move(0, 30);
        int clicks = 0;
        button->OnClick = [&](TVHColorButton* ASender) {
            QCOMPARE(ASender, button);
            ++clicks;
        };
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus(Qt::TabFocusReason);
        const QImage plain = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        const QImage marked = button->grab().toImage();
        QVERIFY(marked != plain);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(button, key);
        }
        QTest::keyClick(button, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(button, Qt::Key_A);
        QCOMPARE(clicks, 3);
        QTest::keyClick(button, Qt::Key_Tab);
        QVERIFY(other->hasFocus());
        QCOMPARE(button->grab().toImage(), plain);
    }
};

QTEST_MAIN(TestColorButton)
#include "test_colorbutton.moc"
