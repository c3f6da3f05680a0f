#include "ImageFiles.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr int kPaletteSize = 256;
constexpr int kInfoHeaderSize = 40;
constexpr int kFileHeaderSize = 14;

struct TColourCount {
    std::array<int, 3> Rgb;
    qint64 Count;
};

// One box of the median cut: a run of colours that will share a palette entry.
struct TBox {
    std::vector<TColourCount> Colours;

    int WidestChannel(int& ARange) const {
        int best = 0;
        ARange = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [lo, hi] = std::minmax_element(
                Colours.begin(), Colours.end(),
                [c](const TColourCount& a, const TColourCount& b) { return a.Rgb[c] < b.Rgb[c]; });
            if (hi->Rgb[c] - lo->Rgb[c] > ARange) {
                ARange = hi->Rgb[c] - lo->Rgb[c];
                best = c;
            }
        }
        return best;
    }

    QRgb Average() const {
        std::array<qint64, 3> sum{};
        qint64 total = 0;
        for (const TColourCount& colour : Colours) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += colour.Rgb[c] * colour.Count;
            }
            total += colour.Count;
        }
        const auto mean = [&](int c) { return static_cast<int>((sum[c] + total / 2) / total); };
        return qRgb(mean(0), mean(1), mean(2));
    }
};

std::vector<TColourCount> Histogram(const QImage& AImage) {
    std::map<QRgb, qint64> counts; // ordered, so that the result does not depend on hashing
    for (int y = 0; y < AImage.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(AImage.constScanLine(y));
        for (int x = 0; x < AImage.width(); ++x) {
            if (qAlpha(line[x]) >= 128) {
                ++counts[line[x] | 0xff000000u];
            }
        }
    }
    std::vector<TColourCount> result;
    result.reserve(counts.size());
    for (const auto& [rgb, count] : counts) {
        result.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, count});
    }
    return result;
}

// Splits the box whose colours spread widest, weighted by how many pixels it
// covers, at the pixel median of its widest channel, until there are enough.
QList<QRgb> MedianCut(std::vector<TColourCount> AColours, int AEntries) {
    QList<QRgb> palette;
    if (AColours.empty() || AEntries <= 0) {
        return palette;
    }
    std::vector<TBox> boxes{TBox{std::move(AColours)}};
    while (static_cast<int>(boxes.size()) < AEntries) {
        double bestScore = 0;
        std::size_t bestBox = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].Colours.size() < 2) {
                continue;
            }
            int range = 0;
            boxes[i].WidestChannel(range);
            qint64 pixels = 0;
            for (const TColourCount& colour : boxes[i].Colours) {
                pixels += colour.Count;
            }
            const double score = range * std::sqrt(static_cast<double>(pixels));
            if (score > bestScore) {
                bestScore = score;
                bestBox = i;
            }
        }
        if (bestBox == boxes.size()) {
            break;
        }
        int range = 0;
        const int channel = boxes[bestBox].WidestChannel(range);
        std::vector<TColourCount>& colours = boxes[bestBox].Colours;
        std::stable_sort(colours.begin(), colours.end(),
                         [channel](const TColourCount& a, const TColourCount& b) {
                             return a.Rgb[channel] < b.Rgb[channel];
                         });
        qint64 total = 0;
        for (const TColourCount& colour : colours) {
            total += colour.Count;
        }
        qint64 running = 0;
        std::size_t split = 1;
        for (; split < colours.size() - 1; ++split) {
            running += colours[split - 1].Count;
            if (running * 2 >= total) {
                break;
            }
        }
        TBox upper{std::vector<TColourCount>(colours.begin() + static_cast<std::ptrdiff_t>(split),
                                             colours.end())};
        colours.resize(split);
        boxes.push_back(std::move(upper));
    }
    for (const TBox& box : boxes) {
        palette.append(box.Average());
    }
    std::sort(palette.begin(), palette.end());
    return palette;
}

void PutU16(QByteArray& AOut, quint16 AValue) {
    const quint16 le = qToLittleEndian(AValue);
    AOut.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void PutU32(QByteArray& AOut, quint32 AValue) {
    const quint32 le = qToLittleEndian(AValue);
    AOut.append(reinterpret_cast<const char*>(&le), sizeof le);
}

int RowBytes(int AWidth, int ABitsPerPixel) {
    return ((AWidth * ABitsPerPixel + 31) / 32) * 4;
}

// BITMAPINFOHEADER, colour table and bottom-up pixel rows of an 8-bit image.
// An icon stores twice the height (picture and mask) and adds the mask rows.
QByteArray DibBytes(const QImage& AIndexed, const QImage* AMask) {
    const int width = AIndexed.width();
    const int height = AIndexed.height();
    const int pixelRow = RowBytes(width, 8);
    const int maskRow = RowBytes(width, 1);
    const quint32 imageSize = static_cast<quint32>(pixelRow * height);

    QByteArray out;
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<quint32>(width));
    PutU32(out, static_cast<quint32>(AMask ? 2 * height : height));
    PutU16(out, 1); // planes
    PutU16(out, 8); // bits per pixel
    PutU32(out, 0); // BI_RGB: uncompressed
    PutU32(out, AMask ? imageSize + static_cast<quint32>(maskRow * height) : imageSize);
    PutU32(out, 3780); // 96 dots per inch, in dots per metre
    PutU32(out, 3780);
    PutU32(out, AMask ? 0 : kPaletteSize); // colours used (0 means all, as icons have it)
    PutU32(out, 0);                        // important colours: all

    const QList<QRgb> table = AIndexed.colorTable();
    for (int i = 0; i < kPaletteSize; ++i) {
        const QRgb rgb = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(rgb)));
        out.append(static_cast<char>(qGreen(rgb)));
        out.append(static_cast<char>(qRed(rgb)));
        out.append('\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(AIndexed.constScanLine(y)), width);
        out.append(QByteArray(pixelRow - width, '\0'));
    }
    if (AMask) {
        for (int y = height - 1; y >= 0; --y) {
            QByteArray row(maskRow, '\0');
            for (int x = 0; x < width; ++x) {
                if (qAlpha(AMask->pixel(x, y)) < 128) {
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
                }
            }
            out.append(row);
        }
    }
    return out;
}

} // namespace

QImage QuantiseTo256(const QImage& AImage, const QList<QRgb>& AKeepColours) {
    const QImage source = AImage.convertToFormat(QImage::Format_ARGB32);
    std::vector<TColourCount> colours = Histogram(source);
    const int freeEntries = kPaletteSize - static_cast<int>(AKeepColours.size());

    QList<QRgb> palette = AKeepColours;
    if (static_cast<int>(colours.size()) <= freeEntries) {
        for (const TColourCount& colour : colours) {
            palette.append(qRgb(colour.Rgb[0], colour.Rgb[1], colour.Rgb[2]));
        }
    } else {
        palette.append(MedianCut(std::move(colours), freeEntries));
    }
    while (palette.size() < kPaletteSize) {
        palette.append(qRgb(0, 0, 0));
    }
    // Match on opaque colours; the icon keeps its transparency in a separate mask.
    QImage opaque = source.convertToFormat(QImage::Format_RGB32);
    return opaque.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

QByteArray BmpFileBytes(const QImage& AIndexed) {
    const QByteArray dib = DibBytes(AIndexed, nullptr);
    QByteArray out;
    out.append("BM");
    PutU32(out, static_cast<quint32>(kFileHeaderSize + dib.size()));
    PutU32(out, 0); // reserved
    PutU32(out, kFileHeaderSize + kInfoHeaderSize + 4 * kPaletteSize);
    out.append(dib);
    return out;
}

QByteArray IcoFileBytes(const QList<QImage>& APictures) {
    QList<QByteArray> entries;
    for (const QImage& picture : APictures) {
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        entries.append(DibBytes(QuantiseTo256(argb), &argb));
    }
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1); // an icon, not a cursor
    PutU16(out, static_cast<quint16>(entries.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        out.append(static_cast<char>(APictures[i].width() & 0xff)); // 256 is stored as 0
        out.append(static_cast<char>(APictures[i].height() & 0xff));
        out.append('\0'); // 256 colours are stored as 0
        out.append('\0');
        PutU16(out, 1); // planes
        PutU16(out, 8); // bits per pixel
        PutU32(out, static_cast<quint32>(entries[i].size()));
        PutU32(out, offset);
        offset += static_cast<quint32>(entries[i].size());
    }
    for (const QByteArray& entry : entries) {
        out.append(entry);
    }
    return out;
}
