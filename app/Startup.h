#pragma once
// The program's start-up and shut-down sequence, callable from main() and from
// the tests.

#include "app/uMain.h"

#include <QString>

#include <chrono>
#include <functional>

class QApplication;
class TfrmSplash;

struct TStartupOptions {
    std::chrono::milliseconds SplashTime{2000};
    TfrmMainServices Services;
    // Called just before the splash wait, while only the splash is on screen.
    std::function<void(TfrmMain&, TfrmSplash&)> BeforeSplashWait;
};

// Scales the whole program by the screen's scale factor rounded to a whole
// number; must run before the application object exists.
void PrepareHighDpiScaling();

// Name, maker and version, title, icon, font substitutes and the storage error box.
void PrepareApplication(QApplication& AApp);

// Builds the main window, shows the splash while the high-score dialog is
// created, waits, then runs the message loop until the main window closes.
int RunTolmir(const TStartupOptions& AOptions = {});
