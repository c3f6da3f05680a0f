#pragma once
// Reads the chunks of a RIFF file (a WAV) for the tests.

#include <QByteArray>
#include <QtEndian>

// The body of the first chunk with the four-letter id AId, or a null array.
inline QByteArray RiffChunk(const QByteArray& AFile, const char* AId) {
    if (AFile.size() < 12 || !AFile.startsWith("RIFF") || AFile.mid(8, 4) != "WAVE") {
        return {};
    }
    qsizetype at = 12;
    while (at + 8 <= AFile.size()) {
        const auto size = qFromLittleEndian<quint32>(AFile.constData() + at + 4);
        if (AFile.mid(at, 4) == AId) {
            return AFile.mid(at + 8, size);
        }
        at += 8 + size + (size % 2);
    }
    return {};
}
