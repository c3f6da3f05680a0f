#include "controls/LabelFit.h"

#include <QLabel>

#include <algorithm>

namespace {

int WrappedLabelWidth(const QLabel& ALabel, const QRect& AGeometry) {
    // Room around the text: frame, contents margins and margin.
    const QMargins margins = ALabel.contentsMargins();
    const int around = 2 * ALabel.frameWidth() + margins.left() + margins.right() +
                       2 * std::max(0, ALabel.margin());
    const QFontMetrics metrics = ALabel.fontMetrics();
    int width = AGeometry.width();
    for (const QString& word : ALabel.text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        width = std::max(width, metrics.horizontalAdvance(word) + around);
    }
    // The lines get fewer as the label gets wider, down to one.
    const int oneLine = metrics.horizontalAdvance(ALabel.text()) + around;
    while (width < oneLine && ALabel.heightForWidth(width) > AGeometry.height()) {
        ++width;
    }
    return width;
}

} // namespace

void SetLabelGeometry(QLabel* ALabel, QRect AGeometry) {
    AGeometry.setWidth(ALabel->wordWrap()
                           ? WrappedLabelWidth(*ALabel, AGeometry)
                           : std::max(AGeometry.width(), ALabel->sizeHint().width()));
    ALabel->setGeometry(AGeometry);
}
