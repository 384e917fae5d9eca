// Karvo: the application object, the start-up window and the event loop.
#include <QApplication>

#include "ui/font_loader.h"
#include "ui/look.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    ui::FontConfigLoader fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    ui::InitApplicationLook();
    ui::StartProgram();
    return QApplication::exec();
}
