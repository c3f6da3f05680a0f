#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    DisableHighDpiScaling();
    QApplication app(argc, argv);
    PrepareApplication(app);
    return RunTolmir();
}
