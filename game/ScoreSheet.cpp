#include "game/ScoreSheet.h"

#include "game/TextNumbers.h"

namespace {

bool InSheet(int ARow) {
    return ARow >= 0 && ARow < kSheetRowCount;
}

const TSheetLine& LineOfRow(int ARow) {
    return kSheetLines[static_cast<std::size_t>(ARow)];
}

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < kSheetLines.size(); ++i) {
        if (kSheetLines[i].Row != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInOrder(), "kSheetLines lists the rows in order");
static_assert(kWritableLineCount == 11);

} // namespace

std::string RowLabel(int ARow) {
    return InSheet(ARow) ? Tx("ScoreSheet", LineOfRow(ARow).Label) : std::string();
}

const TSheetLine* LineOfWriteCommand(int ATag) {
    for (const TSheetLine& line : kSheetLines) {
        if (line.Writable() && line.Tag == ATag) {
            return &line;
        }
    }
    return nullptr;
}

int BonusOf(int AUpperSubTotal) {
    return AUpperSubTotal >= kBonusThreshold ? kBonusValue : 0;
}

namespace {

int SumOfLines(const TSheetCells& ACells, int AFirst, int ALast) {
    int sum = 0;
    for (int row = AFirst; row <= ALast; ++row) {
        sum += TextToIntOr(ACells[static_cast<std::size_t>(row)], 0);
    }
    return sum;
}

} // namespace

int UpperSubTotalOf(const TSheetCells& ACells) {
    return SumOfLines(ACells, rowOnes, rowSixes);
}

int SheetTotalOf(const TSheetCells& ACells) {
    const int upper = UpperSubTotalOf(ACells);
    return upper + BonusOf(upper) + SumOfLines(ACells, rowStraight, rowJubo);
}

bool IsWritableRow(int ARow) {
    return InSheet(ARow) && LineOfRow(ARow).Writable();
}

int ScoreOfLine(int ARow, const TDiceHand& AHand, int ARollCount, const std::string& AHighText,
                const std::string& ALowText) {
    return IsWritableRow(ARow) ? LineOfRow(ARow).Score({AHand, ARollCount, AHighText, ALowText})
                               : 0;
}
