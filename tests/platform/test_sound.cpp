// PlayWaveResource against SDL's disk audio driver, which writes what it plays
// to a file and sleeps for each buffer as long as a sound card would take.

#include "Resources.h"
#include "RiffChunks.h"
#include "SoundPlayer.h"
#include "uJuboUtils.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(FFolder.isValid());
        FOutput = FFolder.filePath(QStringLiteral("audio.raw"));
        // Read by SDL when the audio subsystem starts, on the first sound.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(FOutput));
    }

    void init() { QFile::remove(FOutput); }

    // SDL and the sound libraries behind it stay out of the process until a
    // sound plays, so that a silent game starts light. Runs before any sound.
    void loadsSdlWithTheFirstSound() {
#if defined(Q_OS_LINUX)
        QVERIFY(!SdlMapped());
        PlayWaveResource("NoSuchSound");
        QVERIFY(!SdlMapped());
        PlayWaveResource("DiceRoll");
        QVERIFY(SdlMapped());
        QVERIFY(QFile::exists(FOutput));
#else
        QSKIP("the library is linked, not loaded, on this platform");
#endif
    }

    void playsWholeSoundBeforeReturning_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bytesPerSecond");
        QTest::addColumn<bool>("throughInterface");
        QTest::newRow("DiceRoll, mono 11,025 Hz") << "DiceRoll" << 11025 * 2 << false;
        QTest::newRow("Tada, stereo 22,050 Hz, through the interface")
            << "tada" << 22050 * 4 << true;
    }

    void playsWholeSoundBeforeReturning() {
        QFETCH(QString, name);
        QFETCH(int, bytesPerSecond);
        QFETCH(bool, throughInterface);
        const QByteArray samples = RiffChunk(LoadResourceData(name), "data");
        QVERIFY(!samples.isEmpty());
        const qint64 duration = samples.size() * 1000 / bytesPerSecond;

        QElapsedTimer timer;
        timer.start();
        if (throughInterface) {
            TSdlSoundPlayer player;
            static_cast<ISoundPlayer&>(player).PlayWaveResource(name.toStdString());
        } else {
            PlayWaveResource(name.toStdString());
        }
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(
            elapsed >= duration,
            qPrintable(QStringLiteral("returned after %1 ms of %2 ms").arg(elapsed).arg(duration)));
        QVERIFY2(elapsed < duration + 2000, qPrintable(QString::number(elapsed)));

        // The device wrote the samples once, unchanged, with only a little
        // silence from its buffers around them.
        QFile output(FOutput);
        QVERIFY(output.open(QIODevice::ReadOnly));
        const QByteArray written = output.readAll();
        const qsizetype at = written.indexOf(samples);
        QVERIFY2(at >= 0, "the samples were not played whole");
        const QByteArray padding = written.left(at) + written.mid(at + samples.size());
        QCOMPARE(padding.count('\0'), padding.size());
        QVERIFY2(padding.size() < bytesPerSecond / 4, qPrintable(QString::number(padding.size())));
    }

    void skipsWhatIsNoSound_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such resource") << "NoSuchSound";
        QTest::newRow("empty name") << "";
        QTest::newRow("a picture, not a wave") << "DICE1";
    }

    void skipsWhatIsNoSound() {
        QFETCH(QString, name);
        QElapsedTimer timer;
        timer.start();
        PlayWaveResource(name.toStdString());
        QVERIFY2(timer.elapsed() < 250, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!QFile::exists(FOutput));
    }

private:
    static bool SdlMapped() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libSDL2");
    }

    QTemporaryDir FFolder;
    QString FOutput;
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
