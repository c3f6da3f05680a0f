#pragma once
// Palette reduction and the two picture containers the game embeds: 8-bit
// Windows bitmaps and icons.

#include <QByteArray>
#include <QImage>
#include <QList>

// Reduces an opaque or transparent picture to an 8-bit image with exactly 256
// palette entries. AKeepColours are put into the palette unchanged (so that a
// background keeps its exact colour); the rest is chosen by median cut over the
// opaque pixels. Every pixel maps to the nearest entry.
QImage QuantiseTo256(const QImage& AImage, const QList<QRgb>& AKeepColours = {});

// An uncompressed, bottom-up 8-bit BMP file of an image from QuantiseTo256.
QByteArray BmpFileBytes(const QImage& AIndexed);

// A Windows icon file holding each picture as an 8-bit image with a
// transparency mask (pixels with alpha below one half are transparent).
QByteArray IcoFileBytes(const QList<QImage>& APictures);
