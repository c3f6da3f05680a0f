#include "HighScoreRules.h"

bool QualifiesForHighScores(int ATotal, int ARowCount, int ALowestScore) {
    return ATotal > kHighScoreMinimum && (ARowCount < kHighScoreRows || ATotal > ALowestScore);
}
