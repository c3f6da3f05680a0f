#pragma once
// Whether a final total enters the high-score table.

constexpr int kHighScoreMaxRows = 10;  // the table keeps the ten best results
constexpr int kHighScoreMinimum = 100; // a total must be greater than this

// True when ATotal is greater than 100 and the table holds fewer than ten rows
// or ATotal beats the lowest score in it.
bool QualifiesForHighScores(int ATotal, int ARowCount, int ALowestScore);
