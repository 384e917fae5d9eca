// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the printing tests: a printer that keeps each image with how every window
// looked while it was taken, a failure handler that records its offers, the user's steps to
// a printable window, and the colours read back from widgets and images.
#pragma once

#include <QImage>
#include <map>
#include <vector>

#include "ui/tests/fixture.h"

namespace ui::test {

// The colours of a control's roles (a line's colour as its text colour) and whether it is
// shown inside its window.
struct Look {
    QRgb fore;
    QRgb back;
    bool shown;
};
using Looks = std::map<QString, Look>;  // by control name; the window under its own name

Looks LooksOf(const QWidget* window);
// Every window of the program that exists, by name.
std::map<QString, Looks> AllLooks();
void ExpectSameLooks(const Looks& actual, const Looks& expected, const std::string& when);

// One print as the printer received it: the image, how every window looked then, the
// control with the keyboard focus (or none) and the text boxes with a selection.
struct Print {
    QImage image;
    QString footnote;
    std::map<QString, Looks> looks;
    QString focus;
    QStringList selected;
};

// A user action: typing a text into a box, or a click when there is no text.
struct Step {
    const char* window;
    const char* control;
    const char* text = nullptr;
};

// A window with a print button, and the user's way to it with something to print.
struct Route {
    const char* window;
    const char* printButton;
    std::vector<Step> open;
};
void PrintTo(const Route& route, std::ostream* out);

class PrintTest : public UiTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    static void Do(const std::vector<Step>& steps);
    // Takes the route and returns its window.
    static QWidget* Open(const Route& route);
    // Clicks the print button; the print the printer received.
    const Print& PrintOnce(const Route& route);

    struct Offer {
        QString window;
        QImage image;
        Looks looks;  // of the window when the offer is made
    };

    std::vector<Print> prints_;
    bool printerWorks_ = true;
    std::vector<Offer> offers_;
};

// A control of the window, or the window itself under its own name.
QWidget* Named(const QWidget* window, const char* name);

// The image's pixels inside a control's rectangle that no control shown above it covers.
std::vector<QRgb> PixelsOf(const QImage& image, const QWidget* window, const QWidget* control,
                           const Looks& looks);
QRgb Dominant(const std::vector<QRgb>& pixels);
bool Grey(QRgb rgb);

}  // namespace ui::test
