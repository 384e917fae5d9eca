// The end-to-end print: the program started as the user starts it, the concrete window given
// the worked example with its prices, then "IMPRIMER" with the program's own printer, the system's
// default. Exits 0 once the page went to the printer, 1 when the print failed.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/look.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screen.h"

namespace {

void Click(QWidget* window, const char* button) {
    QTest::mouseClick(ui::Child<QAbstractButton>(window, button), Qt::LeftButton);
}

void Type(QWidget* window, const char* box, const char* text) {
    QLineEdit* target = ui::Child<QLineEdit>(window, box);
    target->setFocus();
    QTest::keyClicks(target, QString::fromLatin1(text));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::InitApplicationLook();
    bool failed = false;
    // No message box to answer: the failure is the exit status.
    ui::setPrintFailureHandler([&failed](QWidget*, const ui::Page&) { failed = true; });
    ui::StartProgram();
    ui::Forms& forms = ui::Windows();
    Type(forms.form2, "TxtPrixCiment", "7,25");
    Type(forms.form2, "TxtPrixSable", "40");
    Type(forms.form2, "TxtPrixGravier", "35");
    Type(forms.form2, "TxtPrixTransport", "60");
    Click(forms.form2, "CmdOk");
    Type(forms.form1, "TxtDosage", "350");
    Type(forms.form1, "TxtVolume", "1000");
    Type(forms.form1, "TxtContenance", "150");
    Click(forms.form1, "CmdCalcul");
    Click(forms.form1, "CmdImprimer");
    ui::DestroyWindows();
    return failed ? 1 : 0;
}
