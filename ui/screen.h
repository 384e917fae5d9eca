// Windows described as data: one row per control, in twips, built into widgets in a loop.
// Each window module owns its table; BuildWindow turns it into named child widgets that the
// window class then finds by name.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <span>

#include "ui/look.h"

namespace ui {

enum class Kind { Label, TextBox, Button, Option, Frame, Line };

// Look flags.
enum : unsigned { Bold = 1, Italic = 2, Centred = 4, Graphical = 8, Wide = 16 };
// State flags: hidden when created, selected option, inside the last frame, stacked above,
// a text box that shows a result.
enum : unsigned { Hidden = 1, Selected = 2, InFrame = 4, Above = 8, Result = 16 };

struct Look {
    Rgb fore = kDefault;
    Rgb back = kDefault;
    double points = 0;  // 0: the window's font
    unsigned style = 0;
};

struct ControlDef {
    Kind kind;
    const char* name;
    const char* text;              // nullptr: a long caption given apart
    int left, top, width, height;  // lines: x1, y1, x2, y2
    Look look;
    unsigned state = 0;
};

// A caption made of sentences, each followed by a run of spaces that ends its line.
struct TextPart {
    const char* text;
    int spacesAfter;
};

struct LongCaption {
    const char* control;
    std::span<const TextPart> parts;
};

// What a screen reader calls a text box: the captions of the labels that name it (its row,
// then its column, then its block where a row and a column recur), trimmed, joined by ", ".
struct AccessibleName {
    const char* control;
    std::array<const char*, 3> labels;  // unused places are null
};

struct WindowDef {
    const char* name;
    const char* caption;
    int width, height;  // client area
    Rgb fore, back;
    double fontPoints;  // 0: none of its own
    std::span<const ControlDef> controls;
    std::span<const LongCaption> longCaptions;
    std::span<const char* const> tabOrder;
    std::span<const AccessibleName> accessibleNames = {};
    // "Entrée" in one of these text boxes presses the button enterButton.
    std::span<const char* const> enterBoxes = {};
    const char* enterButton = nullptr;
};

void BuildWindow(QWidget* window, const WindowDef& def);

// Shows or hides every named control of a window, in order.
void SetGroupVisible(QWidget* window, std::span<const char* const> names, bool visible);

}  // namespace ui

namespace ui {

// A named control of a built window; the tables guarantee it exists.
template <class T>
T* Child(const QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace ui
