#include "app/ScoreGrid.h"

#include "game/ScoreSheet.h"
#include "platform/Application.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

// Paints a cell as a plain string grid does: the background (button face for
// the label column, the selection colour for a selected cell), the text two
// pixels in from the cell's left and top edges, and a score hint in free cells.
class TScoreGridDelegate : public QStyledItemDelegate {
public:
    explicit TScoreGridDelegate(TScoreGrid* AGrid) : QStyledItemDelegate(AGrid), FGrid(AGrid) {}

    void paint(QPainter* APainter, const QStyleOptionViewItem& AOption,
               const QModelIndex& AIndex) const override {
        const int col = AIndex.column();
        const int row = AIndex.row();
        const QPalette& pal = FGrid->palette();
        const bool selected = FGrid->CellSelected(col, row);
        QColor background =
            col == kLabelCol ? pal.color(QPalette::Button) : pal.color(QPalette::Base);
        QColor foreground = pal.color(QPalette::WindowText);
        if (selected && col != kLabelCol) {
            background = pal.color(QPalette::Highlight);
            foreground = pal.color(QPalette::HighlightedText);
        }
        APainter->save();
        APainter->fillRect(AOption.rect, background);
        APainter->setPen(foreground);
        APainter->setFont(FGrid->font());
        const QString text = QString::fromStdString(FGrid->Cell(col, row));
        APainter->drawText(AOption.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        if (text.isEmpty() && FGrid->HintFor) {
            if (const std::optional<QString> hint = FGrid->HintFor(col, row)) {
                const QRect r = FGrid->HintRect(col, row);
                APainter->setClipRect(r);
                APainter->fillRect(r, background);
                APainter->setFont(FGrid->HintFont);
                APainter->setPen(FGrid->HintColor ? FGrid->HintColor() : foreground);
                APainter->drawText(r, Qt::AlignLeft | Qt::AlignTop, *hint);
            }
        }
        if (col == kScoreCol && row == FGrid->CurrentLine() && FGrid->hasFocus()) {
            APainter->setClipping(false);
            APainter->setPen(QPen(foreground, 1, Qt::DotLine));
            APainter->setBrush(Qt::NoBrush);
            APainter->drawRect(AOption.rect.adjusted(1, 1, -2, -2));
        }
        APainter->restore();
    }

private:
    TScoreGrid* FGrid;
};

namespace {

// A cell whose accessible text follows the sheet: asked when a screen reader
// reads it, so that it always matches what the cell shows. A score names its
// line, so a label says nothing to a reader: one that reads a whole row at a
// time would otherwise say the line twice. The label shows all the same.
class TScoreItem : public QTableWidgetItem {
public:
    QString Shown() const { return QTableWidgetItem::data(Qt::DisplayRole).toString(); }

    QVariant data(int ARole) const override {
        if (ARole == Qt::DisplayRole && column() == kLabelCol) {
            return {};
        }
        if (ARole == Qt::AccessibleTextRole) {
            if (const auto* grid = static_cast<const TScoreGrid*>(tableWidget())) {
                if (std::optional<QString> spoken = grid->SpokenText(column(), row())) {
                    return *spoken;
                }
            }
        }
        return QTableWidgetItem::data(ARole);
    }
};

} // namespace

TScoreGrid::TScoreGrid(QWidget* AParent) : QTableWidget(kSheetRowCount, kSheetColCount, AParent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    // A section holds the cell plus the grid line below or to the right of it.
    for (int col = 0; col < kSheetColCount; ++col) {
        setColumnWidth(col, kColWidth + kLineWidth);
    }
    for (int row = 0; row < kSheetRowCount; ++row) {
        setRowHeight(row, kRowHeight + kLineWidth);
        for (int col = 0; col < kSheetColCount; ++col) {
            auto* item = new TScoreItem;
            item->setFlags(Qt::ItemIsEnabled);
            setItem(row, col, item);
        }
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setItemDelegate(new TScoreGridDelegate(this));
    setFocusPolicy(Qt::TabFocus);
    setCurrentIndex(model()->index(0, kScoreCol));
}

std::string TScoreGrid::Cell(int ACol, int ARow) const {
    const auto* cell = static_cast<const TScoreItem*>(item(ARow, ACol));
    return cell ? cell->Shown().toStdString() : std::string();
}

void TScoreGrid::SetCell(int ACol, int ARow, const std::string& AText) {
    if (QTableWidgetItem* cell = item(ARow, ACol)) {
        cell->setText(QString::fromStdString(AText));
    }
}

bool TScoreGrid::MouseToCell(int AX, int AY, int& ACol, int& ARow) const {
    ACol = columnAt(AX);
    ARow = rowAt(AY);
    return ACol >= 0 && ARow >= 0;
}

void TScoreGrid::Invalidate() {
    viewport()->update();
    SpokenTextsChanged();
}

void TScoreGrid::SetSelection(int ALeft, int ATop, int ARight, int ABottom) {
    FSelection = QRect(QPoint(ALeft, ATop), QPoint(ARight, ABottom));
    viewport()->update();
}

bool TScoreGrid::CellSelected(int ACol, int ARow) const {
    return FSelection.contains(ACol, ARow);
}

std::optional<QString> TScoreGrid::SpokenText(int ACol, int ARow) const {
    const QTableWidgetItem* cell = item(ARow, ACol);
    if (ACol != kScoreCol || !cell) {
        return std::nullopt;
    }
    const QString line = QString::fromStdString(RowLabel(ARow));
    if (!cell->text().isEmpty() || !IsWritableRow(ARow)) {
        return cell->text().isEmpty() ? line : line + QStringLiteral(", ") + cell->text();
    }
    QString spoken = tr("%1, free").arg(line);
    if (HintFor) {
        if (const std::optional<QString> hint = HintFor(ACol, ARow)) {
            spoken = tr("%1, would score %2").arg(spoken, *hint);
        }
    }
    return spoken;
}

int TScoreGrid::CurrentLine() const {
    return currentIndex().row();
}

void TScoreGrid::SpokenTextsChanged() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(this)->tableInterface();
    for (int row = 0; row < rowCount(); ++row) {
        if (IsWritableRow(row)) {
            QAccessibleEvent event(table->cellAt(row, kScoreCol), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

QRect TScoreGrid::HintRect(int ACol, int ARow) const {
    // Derived from the grid's outer size and its counts, as the hint layout is.
    const int colPitch = width() / columnCount();
    const int rowPitch = height() / rowCount();
    const int left = colPitch * ACol + 35;
    const int right = colPitch * (ACol + 1) - 6;
    const int top = rowPitch * ARow;
    const int bottom = rowPitch * (ARow + 1) - 2;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void TScoreGrid::mousePressEvent(QMouseEvent* AEvent) {
    const QPoint p = AEvent->position().toPoint();
    Application::Guarded([&] {
        if (OnMouseDown) {
            OnMouseDown(AEvent->button(), p.x(), p.y());
        }
    });
}

void TScoreGrid::mouseReleaseEvent(QMouseEvent* AEvent) {
    const QPoint p = AEvent->position().toPoint();
    Application::Guarded([&] {
        if (OnMouseUp) {
            OnMouseUp(AEvent->button(), p.x(), p.y());
        }
    });
}

void TScoreGrid::mouseDoubleClickEvent(QMouseEvent* AEvent) {
    // The first press of a double click has already written the line; the
    // second would only be refused because the turn has just ended.
    AEvent->accept();
}

void TScoreGrid::mouseMoveEvent(QMouseEvent* AEvent) {
    AEvent->accept();
}

void TScoreGrid::keyPressEvent(QKeyEvent* AEvent) {
    if (AEvent->modifiers() & ~Qt::KeypadModifier) {
        AEvent->ignore();
        return;
    }
    int line = CurrentLine();
    switch (AEvent->key()) {
    case Qt::Key_Up:
        line = std::max(line - 1, 0);
        break;
    case Qt::Key_Down:
        line = std::min(line + 1, rowCount() - 1);
        break;
    case Qt::Key_Home:
        line = 0;
        break;
    case Qt::Key_End:
        line = rowCount() - 1;
        break;
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Space: {
        const QPoint centre = visualRect(currentIndex()).center();
        Application::Guarded([&] {
            if (OnMouseDown) {
                OnMouseDown(Qt::LeftButton, centre.x(), centre.y());
            }
        });
        return;
    }
    default:
        AEvent->ignore();
        return;
    }
    if (line == CurrentLine()) {
        SayCurrentLine(); // at the edge: the line is read again
        return;
    }
    // The view tells a screen reader about the new current cell, which it reads.
    setCurrentIndex(model()->index(line, kScoreCol));
}

void TScoreGrid::focusInEvent(QFocusEvent* AEvent) {
    QTableWidget::focusInEvent(AEvent);
    if (currentIndex().column() != kScoreCol) {
        setCurrentIndex(model()->index(std::max(CurrentLine(), 0), kScoreCol));
    }
    // A reader told only that the table has the focus reads the table, not the
    // line the keys are on; the table's own focus is reported after this handler.
    QMetaObject::invokeMethod(this, &TScoreGrid::SayCurrentLine, Qt::QueuedConnection);
}

void TScoreGrid::SayCurrentLine() {
    // The view reports the focus of a new current cell, which a reader reads.
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
}

void TScoreGrid::wheelEvent(QWheelEvent* AEvent) {
    // The sheet is a fixed layout; a wheel or a swipe moves nothing.
    AEvent->ignore();
}

void TScoreGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    // The cells with their grid lines are a few pixels larger than the
    // viewport inside the frame; that overhang must never become a scroll range.
    horizontalScrollBar()->setRange(0, 0);
    verticalScrollBar()->setRange(0, 0);
}
