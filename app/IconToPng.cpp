// Build tool: writes one size of the program icon (an .ico file) as a PNG, for
// the desktop's icon theme. Usage: IconToPng <icon.ico> <size> <out.png>

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: IconToPng <icon.ico> <size> <out.png>\n");
        return 2;
    }
    const int size = args.at(2).toInt();
    QImageReader reader(args.at(1));
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.width() == size && image.height() == size) {
            return image.save(args.at(3), "PNG") ? 0 : 1;
        }
    }
    std::fprintf(stderr, "IconToPng: %s has no %dx%d image (%s)\n", qPrintable(args.at(1)), size,
                 size, qPrintable(reader.errorString()));
    return 1;
}
