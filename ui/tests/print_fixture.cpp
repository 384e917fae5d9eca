// SPDX-License-Identifier: GPL-3.0-or-later
// The printing tests' fixture: the keeping printer, the recorded offers, the user's steps
// and the reading of colours from widgets and images.
#include "ui/tests/print_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegion>
#include <algorithm>

#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/printing.h"
#include "ui/window_printer.h"

namespace ui::test {
namespace {

QRgb Rgb(const QColor& colour) {
    return colour.rgb() & 0xFFFFFF;
}

class KeepingPrinter : public WindowPrinter {
  public:
    KeepingPrinter(std::vector<Print>& prints, const bool& succeeds)
        : prints_(prints), succeeds_(succeeds) {}

    bool printPage(const Page& page) override {
        QStringList selected;
        for (const QWidget* window : QApplication::topLevelWidgets())
            for (const QLineEdit* box : window->findChildren<QLineEdit*>())
                if (box->hasSelectedText()) selected << box->objectName();
        const QWidget* focus = QApplication::focusWidget();
        prints_.push_back({page.image, page.footnote, AllLooks(),
                           focus ? focus->objectName() : QString(), selected});
        return succeeds_;
    }

  private:
    std::vector<Print>& prints_;
    const bool& succeeds_;
};

}  // namespace

Looks LooksOf(const QWidget* window) {
    Looks looks{{window->objectName(), {Rgb(Foreground(window)), Rgb(Background(window)), true}}};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
        const auto* line = qobject_cast<const LineWidget*>(control);
        looks[control->objectName()] = {line ? Rgb(line->lineColor()) : Rgb(Foreground(control)),
                                        line ? 0 : Rgb(Background(control)),
                                        control->isVisibleTo(window)};
    }
    return looks;
}

std::map<QString, Looks> AllLooks() {
    std::map<QString, Looks> all;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName().startsWith("Form")) all[window->objectName()] = LooksOf(window);
    return all;
}

void ExpectSameLooks(const Looks& actual, const Looks& expected, const std::string& when) {
    ASSERT_EQ(actual.size(), expected.size()) << when;
    for (const auto& [name, look] : expected) {
        const Look& got = actual.at(name);
        EXPECT_EQ(got.fore, look.fore) << when << ": text of " << name.toStdString();
        EXPECT_EQ(got.back, look.back) << when << ": background of " << name.toStdString();
        EXPECT_EQ(got.shown, look.shown) << when << ": visibility of " << name.toStdString();
    }
}

void PrintTo(const Route& route, std::ostream* out) {
    *out << route.window;
}

void PrintTest::SetUp() {
    UiTest::SetUp();
    setWindowPrinter(std::make_unique<KeepingPrinter>(prints_, printerWorks_));
    setPrintFailureHandler([this](QWidget* window, const Page& page) {
        offers_.push_back({window->objectName(), page.image, LooksOf(window)});
    });
}

void PrintTest::TearDown() {
    setWindowPrinter(nullptr);
    setPrintFailureHandler(nullptr);
    UiTest::TearDown();
}

void PrintTest::Do(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (step.text)
            Type(step.window, step.control, QString::fromLatin1(step.text));
        else
            Click(step.window, step.control);
    }
}

QWidget* PrintTest::Open(const Route& route) {
    Do(route.open);
    QWidget* window = Window(route.window);
    EXPECT_NE(window, nullptr) << route.window;
    return window;
}

const Print& PrintTest::PrintOnce(const Route& route) {
    const std::size_t before = prints_.size();
    Click(route.window, route.printButton);
    EXPECT_EQ(prints_.size(), before + 1) << route.window << " sent nothing to the printer";
    return prints_.back();
}

QWidget* Named(const QWidget* window, const char* name) {
    if (window->objectName() == QLatin1String(name)) return const_cast<QWidget*>(window);
    return FindControl(window, name);
}

std::vector<QRgb> PixelsOf(const QImage& image, const QWidget* window, const QWidget* control,
                           const Looks& looks) {
    QRegion region(QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
    const QObjectList& siblings = control->parentWidget()->children();
    for (auto it = siblings.begin() + siblings.indexOf(control) + 1; it != siblings.end(); ++it) {
        const auto* above = qobject_cast<const QWidget*>(*it);
        if (above && looks.count(above->objectName()) && looks.at(above->objectName()).shown)
            region -= QRect(above->mapTo(window, QPoint(0, 0)), above->size());
    }
    std::vector<QRgb> pixels;
    for (const QRect& part : region)
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                pixels.push_back(image.pixel(x, y) & 0xFFFFFF);
    return pixels;
}

QRgb Dominant(const std::vector<QRgb>& pixels) {
    std::map<QRgb, int> counts;
    for (QRgb pixel : pixels) ++counts[pixel];
    return std::ranges::max_element(counts, {}, [](const auto& count) { return count.second; })
        ->first;
}

bool Grey(QRgb rgb) {
    return qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb);
}

}  // namespace ui::test
