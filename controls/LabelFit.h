#pragma once
// Labels laid out for one font and shown in another: a substitute for a
// Windows font may need more room than the layout gives.

#include <QRect>

#include <initializer_list>

class QLabel;
class QWidget;

// Places ALabel at AGeometry, wider to the right when its font needs it, as a
// label sized to its caption grows: a single line to show its whole caption; a
// label that wraps words so that every word fits on a line and all the lines
// fit in its height.
void SetLabelGeometry(QLabel* ALabel, QRect AGeometry);

// Controls in a row, left to right, each at its place: a label whose caption
// leaves less than 4 pixels to the next control pushes the controls after it to the
// right, and the whole row then moves left as far as it must to end by ARight
// (not past x = 0). Captions that fit leave every control where it is.
void FlowRow(std::initializer_list<QWidget*> AControls, int ARight);
