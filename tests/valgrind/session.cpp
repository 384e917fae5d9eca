// SPDX-License-Identifier: GPL-3.0-or-later
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

#include "ui/look.h"
#include "ui/program.h"
#include "ui/screen.h"
#include "ui/window_printer.h"

namespace {

int failures = 0;
ui::Program* program = nullptr;

QWidget* Window(const char* name) {
    return program->Window(QLatin1String(name));
}

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

void Click(const char* window, const char* button) {
    auto* target = Window(window) ? ui::Find<QAbstractButton>(Window(window), button) : nullptr;
    Expect(target && target->isVisible(), button);
    if (target && target->isVisible()) QTest::mouseClick(target, Qt::LeftButton);
    Settle();
}

void Type(const char* window, const char* box, const char* text) {
    QLineEdit* target = ui::Find<QLineEdit>(Window(window), box);
    target->setFocus();
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, QString::fromLatin1(text));
}

QString Text(const char* window, const char* box) {
    return ui::Find<QLineEdit>(Window(window), box)->text();
}

// Opens a help window, prints it and closes it; it is absent again afterwards.
void HelpRoundTrip(const char* anchor, const char* infos, const char* help, const char* print,
                   const char* quit) {
    Click(anchor, infos);
    Expect(Window(help) && Window(help)->isVisible(), infos);
    Click(help, print);
    Click(help, quit);
    Expect(!Window(help), quit);
}

void Concrete() {
    Type("Form2", "TxtPrixCiment", "7.25");
    Type("Form2", "TxtPrixSable", "40");
    Type("Form2", "TxtPrixGravier", "35");
    Type("Form2", "TxtPrixTransport", "60");
    Click("Form2", "CmdOk");
    Type("Form1", "TxtDosage", "350");
    Type("Form1", "TxtVolume", "1000");
    Type("Form1", "TxtContenance", "150");
    Click("Form1", "CmdCalcul");
    Expect(Text("Form1", "TxtTempsTm") == "27", "concrete working time");
    Click("Form1", "CmdInfo");
    Click("Form1", "CmdImprimer");
    Click("Form1", "CmdQuitterInfo");
    HelpRoundTrip("Form1", "CmdAideBet", "FormAideBeton", "CmdImpAideBeton", "CmdQuitAideBeton");
    Click("Form1", "CmdRetour1");
}

void Mortar() {
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    Type("Form3", "TxtDosage2", "100");
    Click("Form3", "CmdCalcul2");
    Click("Form3", "OptDose2");
    Type("Form3", "TxtDosage2", "425");
    Type("Form3", "TxtVolMortier", "2400");
    Type("Form3", "TxtContenance2", "150");
    Click("Form3", "CmdCalcul2");
    Expect(Text("Form3", "TxtTempsTm3") == "9", "mortar working time");
    Click("Form3", "CmdImprimer2");
    HelpRoundTrip("Form3", "CmdAideInfoMortier", "FormAideMortier", "CmdImpAideMortier",
                  "CmdQuitInfoMortier");
    Click("Form3", "CmdEffacer2");
    Click("Form3", "CmdRetour2");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::InitApplication();
    int pages = 0;
    ui::setWindowPrinter(std::make_unique<CountingPrinter>(pages));
    ui::Program owner;
    program = &owner;
    owner.Start();
    Concrete();
    Mortar();
    HelpRoundTrip("Form2", "CmdAideMenu", "FormAideMenu", "CmdImpAideMenu", "CmdQuitInfoMenu");
    Expect(pages == 5, "five pages printed");
    // The exit's queued end needs the event loop: no settling after this click.
    QTest::mouseClick(ui::Find<QAbstractButton>(Window("Form2"), "CmdQuitter"), Qt::LeftButton);
    const int status = QApplication::exec();
    Expect(status == 0 && !Window("Form1") && !Window("Form2") && !Window("Form3"),
           "QUITTER ends it all");
    ui::setWindowPrinter(nullptr);
    return failures == 0 ? 0 : 1;
}
