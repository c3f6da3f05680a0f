// Writes the game's generated pictures and sounds into the folder given on the
// command line, under the names the resource file expects, and the program icon
// as tolmir-<size>.png for each further size given (the desktop's icon theme).

#include "tools/assetgen/ImageFiles.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/Sounds.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool Write(const QDir& AFolder, const QString& AName, const QByteArray& ABytes) {
    QSaveFile file(AFolder.filePath(AName));
    if (!file.open(QIODevice::WriteOnly) || file.write(ABytes) != ABytes.size() || !file.commit()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

QByteArray PngFileBytes(const QImage& AImage) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    AImage.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    // Text needs a font database, hence a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QList<int> iconSizes;
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args[i].toInt(&isNumber);
        if (!isNumber || size < 1 || size > 1024) {
            std::fprintf(stderr, "assetgen: '%s' is not an icon size\n", qPrintable(args[i]));
            return 2;
        }
        iconSizes.append(size);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: assetgen OUTPUT-FOLDER [ICON-SIZE...]\n");
        return 2;
    }
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }

    bool ok = true;
    for (int value = 1; value <= 6; ++value) {
        ok &= Write(folder, QStringLiteral("DICE%1.bmp").arg(value),
                    BmpFileBytes(QuantiseTo256(DiePicture(value, false), {kNavy})));
        ok &= Write(folder, QStringLiteral("HELDDICE%1.bmp").arg(value),
                    BmpFileBytes(QuantiseTo256(DiePicture(value, true), {kBlack})));
    }
    ok &= Write(folder, QStringLiteral("MAINICON.ico"),
                IcoFileBytes({IconPicture(32), IconPicture(48)}));
    // The same die drawn at each size, never scaled up from a smaller one.
    for (const int size : iconSizes) {
        ok &= Write(folder, QStringLiteral("tolmir-%1.png").arg(size),
                    PngFileBytes(IconPicture(size)));
    }
    ok &= Write(folder, QStringLiteral("SPLASH.bmp"),
                BmpFileBytes(QuantiseTo256(SplashPicture(), {kBlack})));
    ok &= Write(folder, QStringLiteral("ABOUT.bmp"),
                BmpFileBytes(QuantiseTo256(AboutPicture(), {kBlack})));
    ok &= Write(folder, QStringLiteral("DICEROLL.wav"), DiceRollWave());
    ok &= Write(folder, QStringLiteral("TADA.wav"), TadaWave());
    return ok ? 0 : 1;
}
