#pragma once
// The game's command line: --help and --version answer on standard output and
// end the program before any window system is opened; anything unknown ends it
// with a one-line message and exit status 2. Without arguments the game starts.

#include <QString>
#include <QStringList>

#include <optional>

struct TCommandLineAnswer {
    int ExitCode = 0;
    QString Output; // for standard output
    QString Error;  // for standard error
};

// Reads AArguments (the program name first). Returns the answer when the
// program should end here, nothing when the game should start. Needs an
// application object, which holds the name and version the answers show.
std::optional<TCommandLineAnswer> ReadCommandLine(const QStringList& AArguments);

// Sets the application's name, organisation and version from the version
// information; the command line and the game's windows both use them.
void SetApplicationIdentity();

// For main(): reads the command line under a console-only application object,
// prints the answer and returns its exit status, or nothing to start the game.
std::optional<int> HandleCommandLine(int& AArgc, char** AArgv);
