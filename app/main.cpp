// Karvo: the application object, the start-up window and the event loop.
#include <QApplication>

#include "ui/look.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplicationLook();
    ui::StartProgram();
    return QApplication::exec();
}
