#pragma once
// Colours as the settings and the controls hold them: 0x00BBGGRR, red in the low
// byte. The high byte is not a colour channel and is ignored on conversion.

#include <QColor>
#include <QtGlobal>

using TColor = quint32;

inline QColor TColorToQColor(TColor AColor) {
    return QColor(static_cast<int>(AColor & 0xFFu), static_cast<int>((AColor >> 8) & 0xFFu),
                  static_cast<int>((AColor >> 16) & 0xFFu));
}

inline TColor QColorToTColor(const QColor& AColor) {
    const QRgb rgb = AColor.rgb();
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8) |
           (static_cast<TColor>(qBlue(rgb)) << 16);
}
