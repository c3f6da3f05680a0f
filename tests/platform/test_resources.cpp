// The generated pictures and sounds as the game finds them among its resources.

#include "platform/Resources.h"
#include "tests/support/RiffChunks.h"

#include <QIcon>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace {

quint32 U32(const QByteArray& AData, qsizetype AAt) {
    return qFromLittleEndian<quint32>(AData.constData() + AAt);
}

quint16 U16(const QByteArray& AData, qsizetype AAt) {
    return qFromLittleEndian<quint16>(AData.constData() + AAt);
}

// Checks the headers of an uncompressed, bottom-up 8-bit BMP with a full palette.
void VerifyBmp8(const QByteArray& AData, int AWidth, int AHeight) {
    const int rowBytes = (AWidth + 3) / 4 * 4;
    const qsizetype dibSize = 40 + 1024 + rowBytes * AHeight;
    QCOMPARE(AData.size(), 14 + dibSize);
    QVERIFY(AData.startsWith("BM"));
    QCOMPARE(U32(AData, 2), quint32(AData.size()));
    QCOMPARE(U32(AData, 10), quint32(14 + 40 + 1024)); // pixels follow the colour table
    QCOMPARE(U32(AData, 14), quint32(40));             // BITMAPINFOHEADER
    QCOMPARE(qint32(U32(AData, 18)), AWidth);
    QCOMPARE(qint32(U32(AData, 22)), AHeight); // positive: rows stored bottom-up
    QCOMPARE(U16(AData, 26), quint16(1));
    QCOMPARE(U16(AData, 28), quint16(8));
    QCOMPARE(U32(AData, 30), quint32(0)); // uncompressed
    QVERIFY(U32(AData, 46) == 0 || U32(AData, 46) == 256);

    QImage image;
    QVERIFY(image.loadFromData(AData, "BMP"));
    QCOMPARE(image.size(), QSize(AWidth, AHeight));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(image.colorCount(), 256);
}

int Distance(QRgb A, QRgb B) {
    return std::abs(qRed(A) - qRed(B)) + std::abs(qGreen(A) - qGreen(B)) +
           std::abs(qBlue(A) - qBlue(B));
}

// Counts the separate spots of pixels close to AColour (4-connected, at least
// three pixels, so that a stray edge pixel does not count).
int CountSpots(const QImage& AImage, QRgb AColour) {
    const int w = AImage.width(), h = AImage.height();
    std::vector<bool> seen(static_cast<std::size_t>(w * h), false);
    const auto near = [&](int x, int y) { return Distance(AImage.pixel(x, y), AColour) < 60; };
    int spots = 0;
    for (int start = 0; start < w * h; ++start) {
        if (seen[static_cast<std::size_t>(start)] || !near(start % w, start / w)) {
            continue;
        }
        int size = 0;
        std::vector<int> todo{start};
        seen[static_cast<std::size_t>(start)] = true;
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            ++size;
            const int x = at % w, y = at / w;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx, ny = y + dy;
                const int next = ny * w + nx;
                if (nx >= 0 && ny >= 0 && nx < w && ny < h &&
                    !seen[static_cast<std::size_t>(next)] && near(nx, ny)) {
                    seen[static_cast<std::size_t>(next)] = true;
                    todo.push_back(next);
                }
            }
        }
        if (size >= 3) {
            ++spots;
        }
    }
    return spots;
}

int CountNear(const QImage& AImage, QRgb AColour, int ATolerance) {
    int count = 0;
    for (int y = 0; y < AImage.height(); ++y) {
        for (int x = 0; x < AImage.width(); ++x) {
            count += Distance(AImage.pixel(x, y), AColour) <= ATolerance ? 1 : 0;
        }
    }
    return count;
}

const QStringList kNames{"DICE1",     "DICE2",     "DICE3",     "DICE4",     "DICE5",
                         "DICE6",     "HELDDICE1", "HELDDICE2", "HELDDICE3", "HELDDICE4",
                         "HELDDICE5", "HELDDICE6", "DICEROLL",  "TADA",      "MAINICON",
                         "SPLASH",    "ABOUT"};

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void everyResourceIsEmbeddedUnderItsName() {
        for (const QString& name : kNames) {
            QVERIFY2(!LoadResourceData(name).isEmpty(), qPrintable(name));
            QCOMPARE(ResourcePath(name), QStringLiteral(":/res/") + name);
        }
    }

    void namesMatchWithoutRegardToCase() {
        QCOMPARE(LoadResourceData(QStringLiteral("dice1")), LoadResourceData("DICE1"));
        QCOMPARE(LoadResourceData(QStringLiteral("DiceRoll")), LoadResourceData("DICEROLL"));
        QCOMPARE(ResourcePath(QStringLiteral("HeldDice6")), QStringLiteral(":/res/HELDDICE6"));
        QVERIFY(LoadResourceData(QStringLiteral("DICE7")).isEmpty());
        QVERIFY(LoadResourceData(QString()).isEmpty());
    }

    void diePictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<QRgb>("ground");
        QTest::addColumn<QRgb>("pip");
        for (int value = 1; value <= 6; ++value) {
            QTest::addRow("DICE%d", value) << QStringLiteral("DICE%1").arg(value) << value
                                           << qRgb(32, 32, 64) << qRgb(255, 255, 255);
            QTest::addRow("HELDDICE%d", value) << QStringLiteral("HELDDICE%1").arg(value) << value
                                               << qRgb(0, 0, 0) << qRgb(192, 220, 192);
        }
    }

    void diePictures() {
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(QRgb, ground);
        QFETCH(QRgb, pip);
        const QByteArray data = LoadResourceData(name);
        VerifyBmp8(data, 70, 70);
        QCOMPARE(data.size(), 6118);
        if (QTest::currentTestFailed()) {
            return;
        }
        const QImage image = QImage::fromData(data, "BMP");
        for (const QPoint corner : {QPoint(0, 0), QPoint(69, 0), QPoint(0, 69), QPoint(69, 69)}) {
            QCOMPARE(image.pixel(corner), ground);
        }
        // The value reads from the top face: one spot of pip colour per pip.
        QCOMPARE(CountSpots(image, pip), value);
        // A red die: a good part of the picture is its top face.
        const bool held = ground == qRgb(0, 0, 0);
        const int mainTone = CountNear(image, qRgb(224, 64, 64), 40);
        if (held) {
            QCOMPARE(mainTone, 0); // darker all over
        } else {
            QVERIFY2(mainTone > 400, qPrintable(QString::number(mainTone)));
        }
    }

    void formPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("SPLASH") << "SPLASH" << QSize(465, 281);
        QTest::newRow("ABOUT") << "ABOUT" << QSize(160, 120);
    }

    void formPictures() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray data = LoadResourceData(name);
        VerifyBmp8(data, size.width(), size.height());
        if (QTest::currentTestFailed()) {
            return;
        }
        const QImage image = QImage::fromData(data, "BMP");
        QCOMPARE(image.pixel(0, size.height() - 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(size.width() - 1, 0), qRgb(0, 0, 0));
        // Red dice lying on a green table.
        int green = 0, red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                green += qGreen(c) > 2 * qRed(c) + 20 ? 1 : 0;
                red += qRed(c) > 2 * qGreen(c) + 40 ? 1 : 0;
            }
        }
        const int all = size.width() * size.height();
        QVERIFY2(green > all / 5, qPrintable(QString::number(green)));
        QVERIFY2(red > all / 20, qPrintable(QString::number(red)));
    }

    void iconHoldsTwoSizesOf256Colours() {
        const QByteArray data = LoadResourceData(QStringLiteral("MAINICON"));
        QVERIFY(data.size() > 6 + 2 * 16);
        QCOMPARE(U16(data, 2), quint16(1)); // an icon
        QCOMPARE(U16(data, 4), quint16(2));
        for (int entry = 0; entry < 2; ++entry) {
            const qsizetype at = 6 + 16 * entry;
            const int side = entry == 0 ? 32 : 48;
            QCOMPARE(int(quint8(data[at])), side);
            QCOMPARE(int(quint8(data[at + 1])), side);
            QCOMPARE(U16(data, at + 6), quint16(8)); // bits per pixel
            QVERIFY(U32(data, at + 12) + U32(data, at + 8) <= quint32(data.size()));
        }

        const QIcon icon(ResourcePath(QStringLiteral("MAINICON")));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
        const QImage image = icon.pixmap(QSize(48, 48)).toImage();
        QCOMPARE(image.size(), QSize(48, 48));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // the ground is transparent
        const QRgb middle = image.pixel(24, 30);
        QVERIFY2(qRed(middle) > 2 * qGreen(middle), qPrintable(QString::number(middle, 16)));
    }

    void waves_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<int>("fileBytes");
        QTest::newRow("DICEROLL") << "DICEROLL" << 1 << 11025 << 8960 << 9004;
        QTest::newRow("TADA") << "TADA" << 2 << 22050 << 171008 << 171100;
    }

    void waves() {
        QFETCH(QString, name);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, dataBytes);
        QFETCH(int, fileBytes);
        const QByteArray wave = LoadResourceData(name);
        QCOMPARE(wave.size(), fileBytes);
        QCOMPARE(U32(wave, 4), quint32(fileBytes - 8));
        const QByteArray format = RiffChunk(wave, "fmt ");
        QCOMPARE(format.size(), 16);
        QCOMPARE(U16(format, 0), quint16(1)); // PCM
        QCOMPARE(U16(format, 2), quint16(channels));
        QCOMPARE(U32(format, 4), quint32(rate));
        QCOMPARE(U32(format, 8), quint32(rate * channels * 2));
        QCOMPARE(U16(format, 12), quint16(channels * 2));
        QCOMPARE(U16(format, 14), quint16(16));
        const QByteArray samples = RiffChunk(wave, "data");
        QCOMPARE(samples.size(), dataBytes);

        // A sound one hears: loud enough, not clipped, and every channel in use.
        for (int channel = 0; channel < channels; ++channel) {
            double energy = 0;
            int peak = 0;
            const int frames = dataBytes / (2 * channels);
            for (int i = 0; i < frames; ++i) {
                const int sample = qint16(U16(samples, 2 * (i * channels + channel)));
                energy += double(sample) * sample;
                peak = std::max(peak, std::abs(sample));
            }
            const double rms = std::sqrt(energy / frames);
            QVERIFY2(rms > 1000, qPrintable(QString::number(rms)));
            QVERIFY2(peak > 16000 && peak < 32767, qPrintable(QString::number(peak)));
        }
    }
};

QTEST_MAIN(TestResources)
#include "test_resources.moc"
