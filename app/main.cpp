#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    PrepareHighDpiScaling();
    QApplication app(argc, argv);
    PrepareApplication(app);
    return RunTolmir();
}
