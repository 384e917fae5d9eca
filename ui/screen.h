// SPDX-License-Identifier: GPL-3.0-or-later
// Windows described as data: one row per control, in twips, holding every fact about that
// control (geometry, look, start state, groups, print role, the result it shows, what a screen
// reader says), each value named where it is written; the window's own orders (focus, what "X"
// empties) are lists of names. BuildWindow turns a table into named child widgets; every other
// list a window needs (its result area, what printing hides) is read from the rows. The checks
// below run on each table at compile time.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/concrete.h"
#include "calc/mortar.h"
#include "ui/control_name.h"
#include "ui/look.h"
#include "ui/text_part.h"

namespace ui {

// How a control's text looks beyond its colours and size.
enum Style : unsigned { Bold = 1, Italic = 2, Centred = 4, Graphical = 8, Wide = 16 };

// What a row says of its control beyond its look.
enum RowFlag : unsigned {
    Hidden = 1,       // hidden when the window is created
    Selected = 2,     // the option selected when the window is created
    InFrame = 4,      // inside the last frame above it in the table
    Above = 8,        // stacked above the controls it overlaps
    ResultArea = 16,  // hidden and shown with the window's results
    Input = 32,       // typed by the user: Enter presses the window's default button
    Alert = 64,       // a refusal, announced to a screen reader when it shows
    EmptiedByRefusal = 128,
    BeyondEdge = 256,  // partly beyond the window's edge, which cuts it, as designed
};

// A set of flags of one kind; a flag of another kind does not convert to it.
template <class Flag>
class Flags {
  public:
    constexpr Flags() = default;
    constexpr Flags(Flag flag) : bits_(flag) {}
    constexpr Flags operator|(Flags other) const { return Flags(bits_ | other.bits_, 0); }
    constexpr bool has(Flag flag) const { return (bits_ & flag) != 0; }

  private:
    constexpr Flags(unsigned bits, int) : bits_(bits) {}
    unsigned bits_ = 0;
};
constexpr Flags<Style> operator|(Style a, Style b) {
    return Flags<Style>(a) | b;
}
constexpr Flags<RowFlag> operator|(RowFlag a, RowFlag b) {
    return Flags<RowFlag>(a) | b;
}
// Never defined: a style joined to a row flag does not compile, and the error says so.
struct StyleJoinedToRowFlag;
StyleJoinedToRowFlag operator|(RowFlag, Style);
StyleJoinedToRowFlag operator|(Style, RowFlag);

// What printing does to a control; afterwards it gets back the look of its row.
enum class Print : unsigned char {
    Kept,        // printed as shown
    Paper,       // black on the paper colour
    PaperBack,   // on the paper colour (a frame)
    BlackLine,   // a rule drawn black
    Hidden,      // not printed (the buttons)
    NoteButton,  // not printed, and shown afterwards only while its note is open
};

struct Look {
    Rgb fore = kDefault;  // kDefault on a fixed background: black
    Rgb back = kDefault;
    double points = 0;  // 0: the window's font
    Flags<Style> style = {};
};

// A control's text: plain, or sentences that each start a line.
struct Caption {
    constexpr Caption(const char* plainText) : plain(plainText) {}
    template <std::size_t N>
    constexpr Caption(const TextPart (&sentences)[N]) : parts(sentences) {}
    const char* plain = nullptr;
    std::span<const TextPart> parts;
};

// The result a text box shows, written with the field's pattern.
using Field = std::variant<std::monostate, double calc::ConcreteMix::*, double calc::MortarMix::*>;

// What a screen reader says of a control: a name of its own, or the captions of the labels
// that name it (its row, its column, its block), trimmed and joined; and the label whose
// caption describes it. A refusal (Alert) is named by the box it refuses, then its own text.
struct Speech {
    const char* name = nullptr;
    std::array<const char*, 3> captions = {};
    const char* describedBy = nullptr;
};

// Where a control lies in its window, in twips; a line runs from (left, top) to (width, height).
struct Place {
    int left, top, width, height;
};

struct ControlDef {
    Kind kind;
    const char* name;
    Caption text = "";
    Place at;
    Look look = {};
    Flags<RowFlag> flags = {};
    Print print = Print::Kept;
    Field field = {};
    Speech speech = {};
};

using Names = std::span<const char* const>;

struct WindowDef {
    const char* name;
    const char* caption;
    int width, height;  // client area
    Rgb fore, back;
    double fontPoints;  // 0: none of its own
    std::span<const ControlDef> controls;
    Names focusOrder;                     // Tab's order; the first has the focus at the start
    Names clearOrder = {};                // what "X" empties in order (a label is hidden)
    const char* defaultButton = nullptr;  // pressed by "Entrée" in an input box
    bool printColours = false;            // the window itself goes black on paper to print
};

void BuildWindow(QWidget* window, const WindowDef& def);

// The table a window was built from, and the factor of its design size it is laid out at: 1
// unless a screen too small for it made it smaller (placement.h).
const WindowDef& TableOf(const QWidget* window);
double ScaleOf(const QWidget* window);
// The factor of the window a control is in; 1 in a window not built from a table (a dialog).
double ScaleOfControl(const QWidget* control);

// Lays a built window out again at a factor of its design size, as one piece: its size, every
// control's place and size, fonts, rules and the focus frame. Captions keep their design lines.
void SetScale(QWidget* window, double factor);

// The controls alone at a factor, the window keeping its size: the image of a window at its
// design size is taken between two of these.
void LayOutControls(QWidget* window, double factor);

// The window's own colours as its table gives them.
void ApplyWindowColours(QWidget* window, const WindowDef& def);

// The colours of a control as its row gives them, on a window built from its table.
void ApplyRowColours(QWidget* widget, const ControlDef& row);

// Gives the keyboard to the first control of the window's focus order, now if the window is
// active, else as soon as it is.
void FocusFirstControl(QWidget* window);

// A window's rows that have a flag, in table order.
std::vector<const ControlDef*> RowsWith(const WindowDef& def, RowFlag flag);

// Shows or hides every control of a window whose row has the flag.
void SetGroupVisible(QWidget* window, const WindowDef& def, RowFlag flag, bool visible);

// A named control of a built window; a name that the window lacks stops the program at once,
// so that a misspelt name fails where it is first used, never later as a null pointer.
QWidget* FindControl(const QWidget* window, const char* name);

template <class T>
T* Find(const QWidget* window, const char* name) {
    QWidget* control = FindControl(window, name);
    T* typed = qobject_cast<T*>(control);
    if (!typed)
        qFatal("%s.%s is a %s, not a %s", qPrintable(window->objectName()), name,
               control->metaObject()->className(), T::staticMetaObject.className());
    return typed;
}

// A control named in the window's code: the name's kind must fit the class asked for.
template <class T, checks::Text Name, Kind Of>
T* Find(const QWidget* window, checks::ControlName<Name, Of> name) {
    static_assert(checks::LookedUpAs<Name, Of, T>());
    return Find<T>(window, static_cast<const char*>(name));
}

// Runs one of a window's handlers when the user presses a button of it.
template <class Window, class Name>
void OnClick(Window* window, Name button, void (Window::*handler)()) {
    QObject::connect(Find<QPushButton>(window, button), &QPushButton::clicked, window, handler);
}

}  // namespace ui
