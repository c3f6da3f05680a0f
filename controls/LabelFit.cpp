#include "controls/LabelFit.h"

#include <QLabel>

#include <algorithm>
#include <vector>

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

// The least room between a pushed caption and the next control.
constexpr int kRowGap = 4;

void FlowRow(std::initializer_list<QWidget*> AControls, int ARight) {
    const std::vector<QWidget*> controls(AControls);
    std::vector<int> left;
    int shift = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        left.push_back(controls[i]->x() + shift);
        const auto* label = qobject_cast<const QLabel*>(controls[i]);
        // A one-line label may be wider than its caption; what counts is the caption.
        const int need =
            label && !label->wordWrap() ? label->sizeHint().width() : controls[i]->width();
        const int room = i + 1 < controls.size() ? controls[i + 1]->x() - controls[i]->x()
                                                 : controls[i]->width();
        // The last control needs no gap after it.
        const int gap = i + 1 < controls.size() ? kRowGap : 0;
        shift += std::max(0, need + gap - room);
    }
    const int back =
        std::clamp(left.back() + controls.back()->width() - ARight, 0, std::max(0, left.front()));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i]->move(left[i] - back, controls[i]->y());
    }
}

void SetLabelGeometry(QLabel* ALabel, QRect AGeometry) {
    AGeometry.setWidth(ALabel->wordWrap()
                           ? WrappedLabelWidth(*ALabel, AGeometry)
                           : std::max(AGeometry.width(), ALabel->sizeHint().width()));
    ALabel->setGeometry(AGeometry);
}
