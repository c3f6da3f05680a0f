#pragma once
// Fakes for the session's surroundings. They share one event log so tests can
// check the order in which the session reaches them.

#include "game/GameInterfaces.h"
#include "game/Random.h"
#include "game/ScoreSheet.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

struct FakeDie : IDie {
    explicit FakeDie(EventLog& ALog, int AIndex) : log(ALog), index(AIndex) {}
    int DiceValue() const override { return value; }
    void SetDiceValue(int AValue) override {
        if (AValue >= 1 && AValue <= 6) {
            value = AValue;
        }
    }
    bool Held() const override { return held; }
    void SetHeld(bool AHeld) override { held = AHeld; }
    void Shuffle() override {
        if (!held) {
            value = RandomDieValue();
            log.push_back("shuffle" + std::to_string(index));
        }
    }
    EventLog& log;
    int index;
    int value = 6;
    bool held = false;
};

// Maps points like the real grid: columns 70 px and rows 24 px, each followed by
// a 1-pixel line.
struct FakeSheet : IScoreSheet {
    explicit FakeSheet(EventLog& ALog) : log(ALog) {}
    std::string Cell(int ACol, int ARow) const override { return cells[ACol][ARow]; }
    void SetCell(int ACol, int ARow, const std::string& AText) override {
        cells[ACol][ARow] = AText;
    }
    bool MouseToCell(int AX, int AY, int& ACol, int& ARow) const override {
        if (AX < 0 || AY < 0 || AX >= 2 * 71 || AY >= kSheetRowCount * 25) {
            return false;
        }
        ACol = AX / 71;
        ARow = AY / 25;
        return true;
    }
    void Invalidate() override { log.push_back("invalidate"); }
    EventLog& log;
    std::array<std::array<std::string, kSheetRowCount>, 2> cells{};
};

struct FakeView : IGameView {
    explicit FakeView(EventLog& ALog) : log(ALog) {}
    void DrawScoreHints() override { log.push_back("hints"); }
    void HideGridSelection() override { log.push_back("hideSelection"); }
    void ProcessPendingMessages() override { log.push_back("processMessages"); }
    void SetTotalCountText(const std::string& AText) override { totalCount = AText; }
    void SetShuffleCountText(const std::string& AText) override { shuffleCount = AText; }
    void ShowGameEnd(const std::string& AText) override { log.push_back("end:" + AText); }
    TFormBounds FormBounds() const override { return bounds; }
    EventLog& log;
    std::string totalCount = "0";
    std::string shuffleCount = "0";
    TFormBounds bounds{200, 100, 499, 580};
};

struct Question {
    std::string text;
    std::optional<TPoint> pos;
};

struct FakePrompter : IPrompter {
    explicit FakePrompter(EventLog& ALog) : log(ALog) {}
    bool AskYesNo(const std::string& AText, std::optional<TPoint> ATopLeft) override {
        questions.push_back({AText, ATopLeft});
        log.push_back("ask");
        const bool answer = answers.empty() ? false : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    bool InputQuery(const std::string& APrompt, std::string& AValue, const std::string& ACaption,
                    const std::string& ASpokenNote) override {
        log.push_back("prompt");
        spokenNotes.push_back(ASpokenNote);
        prompts.push_back({APrompt, AValue, ACaption});
        if (!confirmName) {
            return false;
        }
        AValue = typedName;
        return true;
    }
    EventLog& log;
    std::deque<bool> answers;
    std::vector<Question> questions;
    std::vector<std::array<std::string, 3>> prompts; // prompt, proposed value, caption
    std::vector<std::string> spokenNotes;
    bool confirmName = true;
    std::string typedName = "Ann";
};

struct FakeSound : ISoundPlayer {
    explicit FakeSound(EventLog& ALog) : log(ALog) {}
    void PlayWaveResource(const std::string& AName) override { log.push_back("sound:" + AName); }
    EventLog& log;
};

// Keeps what was said; logs it too when given a log.
struct FakeAnnouncer : IAnnouncer {
    void Announce(const std::string& AText) override {
        said.push_back(AText);
        if (log) {
            log->push_back("announce:" + AText);
        }
    }
    std::vector<std::string> said;
    EventLog* log = nullptr;
};

struct FakeSettings : ISessionSettings {
    bool PlayDiceRollSound() const override { return sound; }
    std::string Player() const override { return player; }
    void SetPlayer(const std::string& AName) override { player = AName; }
    bool sound = true;
    std::string player = "Bob";
};

struct FakeHighScores : IHighScoreEntry {
    explicit FakeHighScores(EventLog& ALog) : log(ALog) {}
    void ReloadTable() override {
        log.push_back("reload");
        rows = stored;
    }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    int LowestScore() const override { return rows.empty() ? 0 : rows.back(); }
    void AddScoreAndSelect(int ATotal, const std::string& AName) override {
        log.push_back("add:" + std::to_string(ATotal) + ":" + AName);
    }
    void ShowHighScores() override { log.push_back("showHighScores"); }
    EventLog& log;
    std::vector<int> stored; // scores, best first
    std::vector<int> rows;
};

// Clock times whose seeds draw known dice on a roll of all five.
constexpr TSystemTime kFiveSixesTime{0, 0, 22, 686}; // 6 6 6 6 6
constexpr TSystemTime kSixToTwoTime{0, 0, 3, 501};   // 6 5 4 3 2

struct FakeClock : IClock {
    TSystemTime UtcTimeOfDay() const override { return time; }
    TSystemTime time{12, 34, 56, 789};
};
