#pragma once
// What the game session needs from the world around it. The main window and its
// controls implement these; the session's tests use fakes.

#include "game/uJuboUtils.h"

#include <optional>
#include <string>

// One die control: a value 1..6, a held flag and a roll of its own.
class IDie {
public:
    virtual ~IDie() = default;
    virtual int DiceValue() const = 0;
    virtual void SetDiceValue(int AValue) = 0; // out-of-range or equal values are ignored
    virtual bool Held() const = 0;
    virtual void SetHeld(bool AHeld) = 0;
    virtual void Shuffle() = 0; // a held die keeps its value and draws nothing
};

// The score grid: 2 columns x 14 rows of text.
class IScoreSheet {
public:
    virtual ~IScoreSheet() = default;
    virtual std::string Cell(int ACol, int ARow) const = 0;
    virtual void SetCell(int ACol, int ARow, const std::string& AText) = 0;
    // The grid's own point-to-cell mapping; false when the point hits no cell.
    virtual bool MouseToCell(int AX, int AY, int& ACol, int& ARow) const = 0;
    // Marks the whole grid for repainting, which removes painted hints.
    virtual void Invalidate() = 0;
};

struct TFormBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The main window as the session sees it.
class IGameView {
public:
    virtual ~IGameView() = default;
    virtual void DrawScoreHints() = 0;
    virtual void HideGridSelection() = 0;
    virtual void ProcessPendingMessages() = 0;
    virtual void SetTotalCountText(const std::string& AText) = 0;   // "Hand Total"
    virtual void SetShuffleCountText(const std::string& AText) = 0; // "Rolls"
    // Says, without a question, that the game is over and why its total does
    // not enter the high-score table; it stays until the position changes.
    virtual void ShowGameEnd(const std::string& AText) = 0;
    virtual TFormBounds FormBounds() const = 0;
};

// Questions to the player; refusals are thrown as TolmirError instead.
class IPrompter {
public:
    virtual ~IPrompter() = default;
    // An information box with Yes and No; at ATopLeft when given, else centred.
    virtual bool AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) = 0;
    // The one-line name prompt; true and AValue replaced when confirmed. A
    // screen reader also reads ASpokenNote with the field; nothing shows it.
    virtual bool InputQuery(const std::string& APrompt, std::string& AValue,
                            const std::string& ACaption, const std::string& ASpokenNote) = 0;
};

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlayWaveResource(const std::string& AName) = 0; // returns when played
};

// The settings the session reads and writes while it runs.
class ISessionSettings {
public:
    virtual ~ISessionSettings() = default;
    virtual bool PlayDiceRollSound() const = 0;
    virtual std::string Player() const = 0;
    virtual void SetPlayer(const std::string& AName) = 0;
};

// Tells a screen reader, in one short sentence, what a player action changed.
class IAnnouncer {
public:
    virtual ~IAnnouncer() = default;
    virtual void Announce(const std::string& AText) = 0;
};

// The high-score table and its dialog, for the end of a game.
class IHighScoreEntry {
public:
    virtual ~IHighScoreEntry() = default;
    virtual void ReloadTable() = 0; // empty the list, then load the stored table
    virtual int RowCount() const = 0;
    virtual int LowestScore() const = 0;
    virtual void AddScoreAndSelect(int ATotal, const std::string& AName) = 0;
    virtual void ShowHighScores() = 0; // modal; its closing stores the table
};
