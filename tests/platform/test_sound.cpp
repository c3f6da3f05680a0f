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
        // What the last device wrote, in order.
        QTest::addColumn<QStringList>("written");
        QTest::newRow("DiceRoll, mono 11,025 Hz")
            << "DiceRoll" << 11025 << 2 << false << QString() << QStringList{"DiceRoll"};
        QTest::newRow("Tada, stereo 22,050 Hz, through the game's player")
            << "tada" << 22050 << 4 << true << QString() << QStringList{"tada"};
        // The fanfare follows the roll's sound at once, on a device of its own
        // format, while the roll's device is still open.
        QTest::newRow("Tada right after DiceRoll")
            << "Tada" << 22050 << 4 << false << "DiceRoll" << QStringList{"Tada"};
        // A sound of the same format plays on the device the last one left open.
        QTest::newRow("DiceRoll right after DiceRoll")
            << "DiceRoll" << 11025 << 2 << false << "DiceRoll"
            << QStringList{"DiceRoll", "DiceRoll"};
    }

    // The call returns once the whole sound has played (how much later is a
    // budget of the benchmarks). The device stays open a moment for a sound
    // that may follow; then it is closed and SDL's audio thread gone, so that
    // nothing runs while the game is idle.
    void playsWholeSoundBeforeReturning() {
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, frameBytes);
        QFETCH(bool, throughInterface);
        QFETCH(QString, before);
        QFETCH(QStringList, written);
        const QByteArray samples = RiffChunk(LoadResourceData(name), "data");
        QVERIFY(!samples.isEmpty());
        const qint64 duration = samples.size() / frameBytes * 1000 / rate;
        // A player looks at the dice for longer than the last sound's device
        // stays open, unless a sound follows another at once.
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

        // The device wrote each sound once, unchanged and in order, with only a
        // little silence from its buffers before and between them; after them
        // comes the silence that the disk driver writes while the paused
        // device waits for a sound that may follow, and then it went away.
        QTRY_COMPARE_WITH_TIMEOUT(AudioThreads(), 0, 2000);
        const QByteArray output = ReadOutput();
        QByteArray padding;
        qsizetype from = 0;
        for (const QString& sound : written) {
            const QByteArray part = RiffChunk(LoadResourceData(sound), "data");
            const qsizetype at = output.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable(sound + QStringLiteral(" not written after byte ") +
                                         QString::number(from)));
            padding += output.mid(from, at - from);
            from = at + part.size();
        }
        const QByteArray tail = output.mid(from);
        QCOMPARE(padding.count('\0'), padding.size());
        QCOMPARE(tail.count('\0'), tail.size());
        QVERIFY2(padding.size() < rate * frameBytes / 4,
                 qPrintable(QString::number(padding.size())));
        QVERIFY2(tail.size() < rate * frameBytes / 2, qPrintable(QString::number(tail.size())));
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
