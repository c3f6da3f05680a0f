#include "controls/VHDice.h"
#include "game/Random.h"
#include "platform/Application.h"
#include "platform/Resources.h"
#include "tests/support/ErrorBoxGuard.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const QColor kParent(0, 128, 0);
const TColor kFace = 0x0020A0F0; // orange, as RGB 240, 160, 32
const TColor kHeld = 0x00C08040; // RGB 64, 128, 192
const TColor kPips = 0x00600000; // dark blue

class CountingDice : public TVHDice {
public:
    using TVHDice::TVHDice;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* AEvent) override {
        ++paints;
        TVHDice::paintEvent(AEvent);
    }
};

// A parent with a plain background that the die can let show through.
class Board : public QWidget {
public:
    explicit Board(QSize ASize = {100, 100}) {
        resize(ASize);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kParent);
        setPalette(pal);
        setAutoFillBackground(true);
    }
};

QColor Pixel(const QImage& AImage, int AX, int AY) {
    return AImage.pixelColor(AX, AY);
}

// The pip places, by their centre, and which places each face uses.
const QPoint kPipCentres[7] = {{15, 15}, {15, 35}, {15, 55}, {35, 35},
                               {55, 15}, {55, 35}, {55, 55}};
const std::vector<int> kFacePips[6] = {{3},          {0, 6},          {0, 3, 6},
                                       {0, 2, 4, 6}, {0, 2, 3, 4, 6}, {0, 1, 2, 4, 5, 6}};

} // namespace

class TestDice : public QObject {
    Q_OBJECT

    TErrorBoxGuard FErrors{TErrorBoxGuard::Record};

private slots:
    void init() { FErrors.Clear(); }

    void defaultsAndValueRange() {
        TVHDice dice;
        QCOMPARE(dice.DiceValue(), 6);
        QCOMPARE(dice.Held(), false);
        QCOMPARE(dice.DiceColor(), TColor(0x00FFFFFF));
        QCOMPARE(dice.HeldColor(), TColor(0x00E4E4E4));
        QCOMPARE(dice.PipColor(), TColor(0));
        QCOMPARE(dice.DiceStyle(), ds2D);
        QCOMPARE(dice.size(), QSize(70, 70));
        QVERIFY(!dice.autoFillBackground());

        for (const int bad : {0, 7, -1, 100}) {
            dice.SetDiceValue(bad);
            QCOMPARE(dice.DiceValue(), 6);
        }
        for (int v = 1; v <= 6; ++v) {
            dice.SetDiceValue(v);
            QCOMPARE(dice.DiceValue(), v);
        }

        const auto outside = static_cast<TDiceStyle>(3);
        dice.SetDiceStyle(outside);
        QCOMPARE(static_cast<int>(dice.DiceStyle()), 3);
    }

    void holdEventSeesTheOldValue() {
        TVHDice dice;
        std::vector<std::pair<bool, bool>> calls; // (argument, property during the call)
        dice.OnHold = [&](bool AHeld, TVHCustomDice* ASender) {
            QCOMPARE(ASender, &dice);
            calls.emplace_back(AHeld, ASender->Held());
        };
        dice.SetHeld(false);
        QVERIFY(calls.empty());
        dice.SetHeld(true);
        QCOMPARE(dice.Held(), true);
        dice.SetHeld(true);
        dice.SetHeld(false);
        QCOMPARE(dice.Held(), false);
        const std::vector<std::pair<bool, bool>> expected{{false, false}, {true, true}};
        QCOMPARE(calls, expected);
    }

    void shuffleDrawsFromTheSharedGenerator() {
        TVHDice dice;
        std::vector<std::string> events;
        dice.OnBeforeShuffle = [&](int AValue, TVHCustomDice* ASender) {
            QCOMPARE(ASender, &dice);
            QCOMPARE(ASender->DiceValue(), AValue);
            events.push_back("before " + std::to_string(AValue));
        };
        dice.OnAfterShuffle = [&](int AValue, TVHCustomDice* ASender) {
            QCOMPARE(ASender->DiceValue(), AValue);
            events.push_back("after " + std::to_string(AValue));
        };

        // Seed 0 draws 1 twice in a row: a change, then the same value again.
        SetRandSeed(0);
        dice.Shuffle();
        dice.Shuffle();
        QCOMPARE(dice.DiceValue(), 1);
        const std::vector<std::string> expected{"before 6", "after 1", "before 1", "after 1"};
        QCOMPARE(events, expected);

        // A held die neither draws nor raises anything.
        events.clear();
        dice.SetHeld(true);
        const std::uint32_t seed = RandSeed();
        dice.Shuffle();
        QCOMPARE(RandSeed(), seed);
        QCOMPARE(dice.DiceValue(), 1);
        QVERIFY(events.empty());
    }

    void repaintsOnlyOnRealChanges() {
        Board board;
        auto* dice = new CountingDice(&board);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTRY_VERIFY(dice->paints > 0);

        const auto settle = [&] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            const int n = dice->paints;
            dice->paints = 0;
            return n;
        };
        settle();

        dice->SetDiceValue(6);
        dice->SetDiceValue(0);
        dice->SetDiceValue(7);
        dice->SetHeld(false);
        dice->SetDiceColor(dice->DiceColor());
        dice->SetHeldColor(dice->HeldColor());
        dice->SetPipColor(dice->PipColor());
        dice->SetDiceStyle(ds2D);
        SetRandSeed(0);
        dice->SetDiceValue(1);
        settle();
        dice->Shuffle(); // draws 1 again
        QCOMPARE(settle(), 0);

        dice->SetDiceValue(2);
        QCOMPARE(settle(), 1);
        dice->SetHeld(true);
        QCOMPARE(settle(), 1);
        dice->SetDiceColor(kFace);
        QCOMPARE(settle(), 1);
        dice->SetHeldColor(kHeld);
        QCOMPARE(settle(), 1);
        dice->SetPipColor(kPips);
        QCOMPARE(settle(), 1);
        dice->SetDiceStyle(ds3D);
        QCOMPARE(settle(), 1);
    }

    void paints2DFaces_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("held");
        for (int v = 1; v <= 6; ++v) {
            for (const bool held : {false, true}) {
                QTest::addRow("%d%s", v, held ? " held" : "") << v << held;
            }
        }
    }

    void paints2DFaces() {
        QFETCH(int, value);
        QFETCH(bool, held);
        Board board;
        auto* dice = new TVHDice(&board);
        dice->SetDiceColor(kFace);
        dice->SetHeldColor(kHeld);
        dice->SetPipColor(kPips);
        dice->SetDiceValue(value);
        dice->SetHeld(held);
        const QImage image = board.grab().toImage();

        const QColor face = TColorToQColor(held ? kHeld : kFace);
        const QColor pips = TColorToQColor(kPips);
        const std::vector<int>& shown = kFacePips[value - 1];
        for (int place = 0; place < 7; ++place) {
            const bool isShown = std::find(shown.begin(), shown.end(), place) != shown.end();
            const QPoint c = kPipCentres[place];
            QCOMPARE(Pixel(image, c.x(), c.y()), isShown ? pips : face);
            // Each pip is outlined in black across 14 pixels: x - 7 .. x + 6.
            const QColor edge = isShown ? QColor(Qt::black) : face;
            QCOMPARE(Pixel(image, c.x() - 7, c.y()), edge);
            QCOMPARE(Pixel(image, c.x() + 6, c.y()), edge);
            QCOMPARE(Pixel(image, c.x(), c.y() - 7), edge);
            QCOMPARE(Pixel(image, c.x(), c.y() + 6), edge);
            QCOMPARE(Pixel(image, c.x() - 8, c.y()), face);
            QCOMPARE(Pixel(image, c.x() + 7, c.y()), face);
        }

        // The outline runs along the 70 x 70 square; the rounded corners show the parent.
        for (const QPoint p : {QPoint(35, 0), QPoint(0, 35), QPoint(69, 35), QPoint(35, 69)}) {
            QCOMPARE(Pixel(image, p.x(), p.y()), QColor(Qt::black));
        }
        QCOMPARE(Pixel(image, 35, 1), face);
        QCOMPARE(Pixel(image, 68, 35), face);
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(69, 0),
                               QPoint(0, 69), QPoint(69, 69), QPoint(70, 35), QPoint(35, 70)}) {
            QCOMPARE(Pixel(image, p.x(), p.y()), kParent);
        }
        QCOMPARE(Pixel(image, 1, 1), QColor(Qt::black));
        // Every face, corners included, looks the same turned upside down.
        const QImage square = image.copy(0, 0, 70, 70);
        QCOMPARE(square.mirrored(true, true), square);
    }

    void faceKeepsItsSizeWhateverTheWidgetSize() {
        Board board;
        auto* tall = new TVHDice(&board);
        tall->resize(70, 73);
        QImage image = board.grab().toImage();
        QCOMPARE(Pixel(image, 35, 69), QColor(Qt::black));
        QCOMPARE(Pixel(image, 55, 55), QColor(Qt::black)); // bottom-right pip of the 6
        for (int y = 70; y < 73; ++y) {
            QCOMPARE(Pixel(image, 35, y), kParent);
        }

        tall->resize(100, 100);
        image = board.grab().toImage();
        QCOMPARE(Pixel(image, 69, 35), QColor(Qt::black));
        QCOMPARE(Pixel(image, 85, 35), kParent);
        QCOMPARE(Pixel(image, 35, 85), kParent);

        // A smaller die shows the top-left part of the face.
        tall->resize(40, 40);
        image = board.grab().toImage();
        QCOMPARE(Pixel(image, 15, 15), QColor(Qt::black));
        QCOMPARE(Pixel(image, 35, 1), QColor(Qt::white));
        QCOMPARE(Pixel(image, 39, 0), QColor(Qt::black)); // the top edge, cut at x = 40
        QCOMPARE(Pixel(image, 55, 15), kParent);
        QCOMPARE(Pixel(image, 35, 45), kParent);
    }

    void unknownStyleOrMissingPicturePaintsNothing() {
        Board board;
        auto* dice = new TVHDice(&board);
        QImage empty(board.grab().toImage());
        empty.fill(kParent);
        for (const auto style : {static_cast<TDiceStyle>(3), static_cast<TDiceStyle>(255)}) {
            dice->SetDiceStyle(style);
            QCOMPARE(board.grab().toImage(), empty);
        }
        // Without the embedded pictures a 3D die shows only the parent.
        dice->SetDiceStyle(ds3D);
        Q_CLEANUP_RESOURCE(tolmir_assets_qrc);
        const QImage withoutPictures = board.grab().toImage();
        Q_INIT_RESOURCE(tolmir_assets_qrc);
        QCOMPARE(withoutPictures, empty);
        QVERIFY(board.grab().toImage() != empty);
        QVERIFY(FErrors.Texts().empty());
    }

    void paints3DPictures_data() { paints2DFaces_data(); }

    void paints3DPictures() {
        QFETCH(int, value);
        QFETCH(bool, held);
        Board board;
        auto* dice = new TVHDice(&board);
        dice->resize(70, 73);
        dice->SetDiceStyle(ds3D);
        dice->SetDiceValue(value);
        dice->SetHeld(held);
        const QImage image = board.grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QString name = QStringLiteral("%1DICE%2").arg(held ? "HELD" : "").arg(value);
        const QImage picture = QImage::fromData(LoadResourceData(name));
        QCOMPARE(picture.size(), QSize(70, 70));
        QCOMPARE(image.copy(0, 0, 70, 70), picture.convertToFormat(QImage::Format_RGB32));

        // The picture fills its square: navy behind a free die, black behind a held one.
        const QColor background = held ? QColor(0, 0, 0) : QColor(32, 32, 64);
        for (const QPoint p : {QPoint(0, 0), QPoint(69, 0), QPoint(0, 69), QPoint(69, 69)}) {
            QCOMPARE(image.pixelColor(p), background);
        }
        QCOMPARE(image.pixelColor(35, 70), kParent);
        QCOMPARE(image.pixelColor(70, 35), kParent);
    }

    void eachValueHasItsOwnPicture() {
        Board board;
        auto* dice = new TVHDice(&board);
        dice->SetDiceStyle(ds3D);
        QList<QImage> seen;
        for (const bool held : {false, true}) {
            dice->SetHeld(held);
            for (int v = 1; v <= 6; ++v) {
                dice->SetDiceValue(v);
                const QImage image = board.grab().toImage().copy(0, 0, 70, 70);
                QVERIFY2(!seen.contains(image), qPrintable(QString::number(v)));
                seen.append(image);
            }
        }
    }

    void disabledDieLooksTheSame() {
        Board board;
        auto* dice = new TVHDice(&board);
        dice->SetDiceValue(5);
        dice->SetHeld(true);
        const QImage enabled = board.grab().toImage();
        dice->setEnabled(false);
        QCOMPARE(board.grab().toImage(), enabled);
    }

    void clickRaisesOnClickThenTogglesHeld() {
        Board board;
        auto* dice = new TVHDice(&board);
        std::vector<std::string> events;
        dice->OnClick = [&](TVHCustomDice* ASender) {
            QCOMPARE(ASender, dice);
            events.push_back("click");
        };
        dice->OnHold = [&](bool AHeld, TVHCustomDice*) {
            events.push_back(AHeld ? "hold true" : "hold false");
        };
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));

        QTest::mouseClick(dice, Qt::LeftButton);
        QCOMPARE(dice->Held(), true);
        QTest::mouseClick(dice, Qt::LeftButton, {}, QPoint(1, 1)); // a corner still counts
        QCOMPARE(dice->Held(), false);
        const std::vector<std::string> expected{"click", "hold false", "click", "hold true"};
        QCOMPARE(events, expected);

        // A double click: press, release, the second press as a double click, release.
        events.clear();
        QTest::mouseClick(dice, Qt::LeftButton);
        QTest::mouseDClick(dice, Qt::LeftButton);
        QTest::mouseRelease(dice, Qt::LeftButton);
        QCOMPARE(dice->Held(), true);
        QCOMPARE(events, (std::vector<std::string>{"click", "hold false"}));

        // The right button, and a left press released off the die, do nothing.
        events.clear();
        QTest::mouseClick(dice, Qt::RightButton);
        QTest::mousePress(dice, Qt::LeftButton);
        QTest::mouseRelease(dice, Qt::LeftButton, {}, QPoint(80, 35));
        QTest::mouseDClick(dice, Qt::RightButton);
        QTest::mouseRelease(dice, Qt::RightButton);
        QCOMPARE(dice->Held(), true);
        QVERIFY(events.empty());

        dice->setEnabled(false);
        QTest::mouseClick(dice, Qt::LeftButton);
        QCOMPARE(dice->Held(), true);
        QVERIFY(events.empty());
        QVERIFY(FErrors.Texts().empty());
    }

    void throwingOnClickCancelsTheToggle() {
        Board board;
        auto* dice = new TVHDice(&board);
        int holds = 0;
        dice->OnClick = [](TVHCustomDice*) {
            throw std::runtime_error("You have to shuffle at least once!");
        };
        dice->OnHold = [&](bool, TVHCustomDice*) { ++holds; };
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));

        QTest::mouseClick(dice, Qt::LeftButton);
        QCOMPARE(dice->Held(), false);
        QCOMPARE(holds, 0);
        QCOMPARE(FErrors.Texts(), std::vector<std::string>{"You have to shuffle at least once!"});
    }
};

QTEST_MAIN(TestDice)
#include "test_dice.moc"
