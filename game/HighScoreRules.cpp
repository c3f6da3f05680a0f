#include "game/HighScoreRules.h"

bool QualifiesForHighScores(int ATotal, int ARowCount, int ALowestScore) {
    return ATotal > kHighScoreMinimum && (ARowCount < kHighScoreMaxRows || ATotal > ALowestScore);
}
