// PlayWaveResource against SDL's disk audio driver, which writes what it plays
// to a file and sleeps for each buffer as long as a sound card would take.

#include "game/uJuboUtils.h"
#include "platform/AnsweringSoundPlayer.h"
#include "platform/Resources.h"
#include "platform/SoundPlayer.h"
#include "tests/support/RiffChunks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("frameBytes");
        QTest::addColumn<bool>("throughInterface");
        QTest::addColumn<QString>("before");
        QTest::newRow("DiceRoll, mono 11,025 Hz") << "DiceRoll" << 11025 << 2 << false << QString();
        QTest::newRow("Tada, stereo 22,050 Hz, through the game's player")
            << "tada" << 22050 << 4 << true << QString();
        // The fanfare follows the roll's sound at once, while the roll's device
        // is still being closed.
        QTest::newRow("Tada right after DiceRoll") << "Tada" << 22050 << 4 << false << "DiceRoll";
    }

    // The call returns once the whole sound has played (how much later is a
    // budget of the benchmarks). Afterwards the device is closed and SDL's
    // audio thread gone, so that nothing runs while the game is idle.
    void playsWholeSoundBeforeReturning() {
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, frameBytes);
        QFETCH(bool, throughInterface);
        QFETCH(QString, before);
        const QByteArray samples = RiffChunk(LoadResourceData(name), "data");
        QVERIFY(!samples.isEmpty());
        const qint64 duration = samples.size() / frameBytes * 1000 / rate;
        // A player looks at the dice for longer than the last sound's device
        // takes to close, unless the fanfare follows the roll's sound at once.
        QTRY_COMPARE_WITH_TIMEOUT(AudioThreads(), 0, 2000);
        if (!before.isEmpty()) {
            PlayWaveResource(before.toStdString());
        }

        QElapsedTimer timer;
        timer.start();
        if (throughInterface) {
            TAnsweringSoundPlayer player;
            static_cast<ISoundPlayer&>(player).PlayWaveResource(name.toStdString());
        } else {
            PlayWaveResource(name.toStdString());
        }
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(
            elapsed >= duration,
            qPrintable(QStringLiteral("returned after %1 ms of %2 ms").arg(elapsed).arg(duration)));

        // The device wrote the samples once, unchanged, with only a little
        // silence from its buffers around them, and then went away.
        QByteArray written;
        QTRY_VERIFY_WITH_TIMEOUT((written = ReadOutput()).contains(samples), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(AudioThreads(), 0, 2000);
        const qsizetype at = written.indexOf(samples);
        const QByteArray padding = written.left(at) + written.mid(at + samples.size());
        QCOMPARE(padding.count('\0'), padding.size());
        QVERIFY2(padding.size() < rate * frameBytes / 4,
                 qPrintable(QString::number(padding.size())));
    }

    // The game's player keeps its thread answering while the sound plays: a
    // timer falls due meanwhile, but a key handed back as a posted event (as a
    // screen reader does) waits until the sound is over.
    void answersWhileTheSoundPlays() {
        TAnsweringSoundPlayer player;
        QLineEdit field;
        bool playing = true;
        bool firedWhilePlaying = false;
        QTimer::singleShot(50, [&] {
            firedWhilePlaying = playing;
            QCoreApplication::postEvent(&field,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_R, {}, "r"));
        });
        player.PlayWaveResource("DiceRoll");
        playing = false;
        QVERIFY(QFile::exists(FOutput));
        QVERIFY(firedWhilePlaying);
        QCOMPARE(field.text(), QString());
        QTRY_COMPARE(field.text(), QStringLiteral("r"));
    }

    // The end of a sound, with the times of the device's hand-overs given: the
    // last part plays after its buffer, and nothing ends before the whole length.
    void lastSampleWaitsForItsBufferAndTheWholeLength() {
        using std::chrono::microseconds;
        const std::chrono::steady_clock::time_point first{microseconds(1'000'000)};
        const microseconds length(500'000);
        // A device that plays as it takes: the last part ends the sound.
        QVERIFY(LastSamplePlayed(first, first + microseconds(480'000), microseconds(46'000),
                                 length) == first + microseconds(526'000));
        // A device that takes buffers ahead of playing them: the length decides.
        QVERIFY(LastSamplePlayed(first, first + microseconds(10'000), microseconds(20'000),
                                 length) == first + length);
        // A one-buffer sound.
        QVERIFY(LastSamplePlayed(first, first, microseconds(30'000), microseconds(30'000)) ==
                first + microseconds(30'000));
    }

    void skipsWhatIsNoSound_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such resource") << "NoSuchSound";
        QTest::newRow("empty name") << "";
        QTest::newRow("a picture, not a wave") << "DICE1";
    }

    void skipsWhatIsNoSound() {
        QFETCH(QString, name);
        PlayWaveResource(name.toStdString());
        QVERIFY(!QFile::exists(FOutput));
    }

private:
    QByteArray ReadOutput() const {
        QFile output(FOutput);
        return output.open(QIODevice::ReadOnly) ? output.readAll() : QByteArray();
    }

    // SDL's audio threads in this process (SDL names them "SDLAudioP2" and so
    // on); none where /proc does not tell.
    static int AudioThreads() {
        int count = 0;
        for (const QString& task :
             QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile name(QStringLiteral("/proc/self/task/%1/comm").arg(task));
            if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("SDLAudio")) {
                ++count;
            }
        }
        return count;
    }

    static bool SdlMapped() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libSDL2");
    }

    QTemporaryDir FFolder;
    QString FOutput;
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
