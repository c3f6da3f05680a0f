#pragma once
// The score sheet's string grid: two fixed-width columns of text, the first a
// fixed label column, no scroll bars and no editing. It reports every mouse
// press and release to its owner and paints the score hints of free lines as
// part of its own cell painting.
//
// From the keyboard (Tab reaches it; a click does not focus it) it has a
// current line, marked only while it has the focus: Up, Down, Home and End
// move it, and Enter or Space press it as a click on its score would.

#include "game/GameInterfaces.h"

#include <QRect>
#include <QTableWidget>

#include <functional>
#include <optional>

class TScoreGrid : public QTableWidget, public IScoreSheet {
    Q_OBJECT

public:
    static constexpr int kColWidth = 70;
    static constexpr int kRowHeight = 24;
    static constexpr int kLineWidth = 1;

    explicit TScoreGrid(QWidget* AParent = nullptr);

    // IScoreSheet
    std::string Cell(int ACol, int ARow) const override;
    void SetCell(int ACol, int ARow, const std::string& AText) override;
    bool MouseToCell(int AX, int AY, int& ACol, int& ARow) const override;
    void Invalidate() override;

    // Selects a block of cells, which may lie outside the grid (then no cell
    // shows as selected).
    void SetSelection(int ALeft, int ATop, int ARight, int ABottom);
    bool CellSelected(int ACol, int ARow) const;

    // What a screen reader says for a score: its line and its text ("Full, 25",
    // "Total, 187"), for a free line "Full, free, would score 25" (the hint only
    // while one is shown); nothing for a label, which is read by its text.
    std::optional<QString> SpokenText(int ACol, int ARow) const;
    // The line whose score the keyboard is on.
    int CurrentLine() const;
    // Tells screen readers that the free lines may say something else now.
    void SpokenTextsChanged();

    // The rectangle, in grid pixels, in which the hint of a cell is drawn.
    QRect HintRect(int ACol, int ARow) const;

    // Asked for each free cell while painting: the hint text, if any.
    std::function<std::optional<QString>(int ACol, int ARow)> HintFor;
    QFont HintFont;
    std::function<QColor()> HintColor;

    std::function<void(Qt::MouseButton, int AX, int AY)> OnMouseDown;
    std::function<void(Qt::MouseButton, int AX, int AY)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* AEvent) override;
    void mouseReleaseEvent(QMouseEvent* AEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
    void mouseMoveEvent(QMouseEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void focusInEvent(QFocusEvent* AEvent) override;
    void wheelEvent(QWheelEvent* AEvent) override;
    void updateGeometries() override;

private:
    // Tells a screen reader that the current line has the focus, which it reads.
    void SayCurrentLine();

    friend class TScoreGridDelegate;
    QRect FSelection{-1, -1, 0, 0}; // columns x rows; empty: nothing selected
};
