#pragma once
// Whether a final total enters the high-score table of at most ten rows.

constexpr int kHighScoreMinimum = 100; // totals must be greater than this
constexpr int kHighScoreRows = 10;

bool QualifiesForHighScores(int ATotal, int ARowCount, int ALowestScore);
