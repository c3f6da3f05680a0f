#pragma once
// The main window's controls and menu items as a test reaches them: by their
// object names, as a screen reader or a recorded script finds them.

#include "app/uMain.h"
#include "game/ScoreSheet.h"

#include <QAction>
#include <QLabel>

#include <cstddef>
#include <string>
#include <vector>

// The child of AWindow named AName; a missing one ends the test run at once.
template <typename T> T* Part(const TfrmMain& AWindow, const char* AName) {
    T* part = AWindow.findChild<T*>(QString::fromLatin1(AName), Qt::FindChildrenRecursively);
    if (part == nullptr) {
        qFatal("The main window has no %s named %s", T::staticMetaObject.className(), AName);
    }
    return part;
}

// The Game menu's tagged items in menu order: Hold 1..5, then the sheet's write
// commands.
inline std::vector<QAction*> GameItems(const TfrmMain& AWindow) {
    std::vector<QAction*> items;
    for (const char* hold : {"N11", "N21", "N31", "N41", "N551"}) {
        items.push_back(Part<QAction>(AWindow, hold));
    }
    for (const TSheetLine& line : kSheetLines) {
        if (line.Writable()) {
            items.push_back(Part<QAction>(AWindow, line.CommandName));
        }
    }
    return items;
}

inline QAction* GameItem(const TfrmMain& AWindow, std::size_t AIndex) {
    return GameItems(AWindow).at(AIndex);
}

// The key label under die AIndex (0..4): Label1..Label5, "F1".."F5".
inline QLabel* KeyLabel(const TfrmMain& AWindow, int AIndex) {
    const std::string name = "Label" + std::to_string(AIndex + 1);
    return Part<QLabel>(AWindow, name.c_str());
}
