// A scripted session through the real widgets, offscreen, for memcheck: both calculators, the
// note, every help window opened, printed and closed, prints through a printer that only counts
// them, and the exit through "QUITTER". Exits non-zero when the session does not go as a user
// would see it, so that a clean memcheck run also means the session really ran.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <memory>

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_aide_beton.h"
#include "ui/form_aide_menu.h"
#include "ui/form_aide_mortier.h"
#include "ui/look.h"
#include "ui/program.h"
#include "ui/window_printer.h"

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "session: %s\n", what);
    ++failures;
}

class CountingPrinter : public ui::WindowPrinter {
  public:
    explicit CountingPrinter(int& pages) : pages_(pages) {}
    bool printPage(const ui::Page& page) override {
        pages_ += !page.image.isNull();
        return true;
    }

  private:
    int& pages_;
};

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void Click(QWidget* window, const char* button) {
    auto* target = window ? ui::Child<QAbstractButton>(window, button) : nullptr;
    Expect(target && target->isVisible(), button);
    if (target && target->isVisible()) QTest::mouseClick(target, Qt::LeftButton);
    Settle();
}

void Type(QWidget* window, const char* box, const char* text) {
    QLineEdit* target = ui::Child<QLineEdit>(window, box);
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, QString::fromLatin1(text));
}

QString Text(QWidget* window, const char* box) {
    return ui::Child<QLineEdit>(window, box)->text();
}

// Opens a help window, prints it and closes it; it is absent again afterwards.
template <class Help>
void HelpRoundTrip(QWidget* anchor, const char* infos, QPointer<Help>& help, const char* print,
                   const char* quit) {
    Click(anchor, infos);
    Expect(help && help->isVisible(), infos);
    Click(help, print);
    Click(help, quit);
    Expect(!help, quit);
}

void Concrete(ui::Forms& forms) {
    Type(forms.form2, "TxtPrixCiment", "7.25");
    Type(forms.form2, "TxtPrixSable", "40");
    Type(forms.form2, "TxtPrixGravier", "35");
    Type(forms.form2, "TxtPrixTransport", "60");
    Click(forms.form2, "CmdOk");
    Type(forms.form1, "TxtDosage", "350");
    Type(forms.form1, "TxtVolume", "1000");
    Type(forms.form1, "TxtContenance", "150");
    Click(forms.form1, "CmdCalcul");
    Expect(Text(forms.form1, "TxtTempsTm") == "27", "concrete working time");
    Click(forms.form1, "CmdInfo");
    Click(forms.form1, "CmdImprimer");
    Click(forms.form1, "CmdQuitterInfo");
    HelpRoundTrip(forms.form1, "CmdAideBet", forms.aideBeton, "CmdImpAideBeton",
                  "CmdQuitAideBeton");
    Click(forms.form1, "CmdRetour1");
}

void Mortar(ui::Forms& forms) {
    Click(forms.form2, "Option2");
    Click(forms.form2, "CmdOk");
    Type(forms.form3, "TxtDosage2", "100");
    Click(forms.form3, "CmdCalcul2");
    Click(forms.form3, "OptDose2");
    Type(forms.form3, "TxtDosage2", "425");
    Type(forms.form3, "TxtVolMortier", "2400");
    Type(forms.form3, "TxtContenance2", "150");
    Click(forms.form3, "CmdCalcul2");
    Expect(Text(forms.form3, "TxtTempsTm3") == "9", "mortar working time");
    Click(forms.form3, "CmdImprimer2");
    HelpRoundTrip(forms.form3, "CmdAideInfoMortier", forms.aideMortier, "CmdImpAideMortier",
                  "CmdQuitInfoMortier");
    Click(forms.form3, "CmdEffacer2");
    Click(forms.form3, "CmdRetour2");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::InitApplicationLook();
    int pages = 0;
    ui::setWindowPrinter(std::make_unique<CountingPrinter>(pages));
    ui::StartProgram();
    ui::Forms& forms = ui::Windows();
    Concrete(forms);
    Mortar(forms);
    HelpRoundTrip(forms.form2, "CmdAideMenu", forms.aideMenu, "CmdImpAideMenu", "CmdQuitInfoMenu");
    Expect(pages == 5, "five pages printed");
    // The exit's queued end needs the event loop: no settling after this click.
    QTest::mouseClick(ui::Child<QAbstractButton>(forms.form2, "CmdQuitter"), Qt::LeftButton);
    const int status = QApplication::exec();
    Expect(status == 0 && !forms.form1 && !forms.form2 && !forms.form3, "QUITTER ends it all");
    ui::setWindowPrinter(nullptr);
    return failures == 0 ? 0 : 1;
}
