#include "tools/assetgen/ImageFiles.h"

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

// One box of the median cut: a run of colours that will share a palette entry,
// with the channel along which it spreads widest and how much it matters.
struct TBox {
    explicit TBox(std::vector<TColourCount> AColours) : Colours(std::move(AColours)) {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        for (const TColourCount& colour : Colours) {
            for (std::size_t c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], colour.Rgb[c]);
                hi[c] = std::max(hi[c], colour.Rgb[c]);
            }
            Pixels += colour.Count;
        }
        for (std::size_t c = 0; c < 3; ++c) {
            if (hi[c] - lo[c] > hi[Channel] - lo[Channel]) {
                Channel = c;
            }
        }
        // Wide boxes covering many pixels are split first.
        Score = Colours.size() < 2 ? 0 : (hi[Channel] - lo[Channel]) * std::sqrt(double(Pixels));
    }

    QRgb Average() const {
        std::array<qint64, 3> sum{};
        for (const TColourCount& colour : Colours) {
            for (std::size_t c = 0; c < 3; ++c) {
                sum[c] += colour.Rgb[c] * colour.Count;
            }
        }
        const auto mean = [&](std::size_t c) {
            return static_cast<int>((sum[c] + Pixels / 2) / Pixels);
        };
        return qRgb(mean(0), mean(1), mean(2));
    }

    std::vector<TColourCount> Colours;
    qint64 Pixels = 0;
    std::size_t Channel = 0;
    double Score = 0;
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
    std::vector<TBox> boxes{TBox(std::move(AColours))};
    while (static_cast<int>(boxes.size()) < AEntries) {
        const auto widest =
            std::max_element(boxes.begin(), boxes.end(),
                             [](const TBox& a, const TBox& b) { return a.Score < b.Score; });
        if (widest->Score <= 0) {
            break;
        }
        // Split at the pixel median along the widest channel.
        std::vector<TColourCount> colours = std::move(widest->Colours);
        const std::size_t channel = widest->Channel;
        const qint64 pixels = widest->Pixels;
        std::stable_sort(colours.begin(), colours.end(),
                         [channel](const TColourCount& a, const TColourCount& b) {
                             return a.Rgb[channel] < b.Rgb[channel];
                         });
        qint64 running = 0;
        std::size_t split = 1;
        for (; split < colours.size() - 1; ++split) {
            running += colours[split - 1].Count;
            if (running * 2 >= pixels) {
                break;
            }
        }
        const auto middle = colours.begin() + static_cast<std::ptrdiff_t>(split);
        *widest = TBox(std::vector<TColourCount>(colours.begin(), middle));
        boxes.emplace_back(std::vector<TColourCount>(middle, colours.end()));
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
