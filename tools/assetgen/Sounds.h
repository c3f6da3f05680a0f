#pragma once
// The game's two sounds, synthesised as 16-bit PCM WAV files. Both are made from
// fixed pseudo-random sequences, so every build produces the same bytes.

#include <QByteArray>

// The rattle of dice on a table: mono, 11,025 Hz, 8,960 bytes of samples.
QByteArray DiceRollWave();

// A short brass fanfare: stereo, 22,050 Hz, 171,008 bytes of samples.
QByteArray TadaWave();
