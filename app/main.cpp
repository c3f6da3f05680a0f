#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto exitCode = HandleCommandLine(argc, argv)) {
        return *exitCode;
    }
    PrepareHighDpiScaling();
    QApplication app(argc, argv);
    PrepareApplication(app);
    return RunTolmir();
}
