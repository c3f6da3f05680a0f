#pragma once
// Labels laid out for one font and shown in another: a substitute for a
// Windows font may need more room than the layout gives.

#include <QRect>

class QLabel;

// Places ALabel at AGeometry, wider to the right when its font needs it, as a
// label sized to its caption grows: a single line to show its whole caption; a
// label that wraps words so that every word fits on a line and all the lines
// fit in its height.
void SetLabelGeometry(QLabel* ALabel, QRect AGeometry);
