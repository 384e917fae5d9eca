// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of control a window table knows, and a control's name as a window's code writes it:
// a compile-time text that carries its row's kind, so that looking the control up as a widget
// of another kind does not compile, and the error names the control and both kinds.
#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstddef>
#include <tuple>
#include <type_traits>

#include "ui/line_widget.h"

namespace ui {

enum class Kind { Label, TextBox, Button, Option, Frame, Line };

namespace checks {

// Never defined: a call at compile time is an error named after the fault.
void NameLongerThan31Characters();

// A name as a template argument: an error shows it, and code can write one as "Label29".
struct Text {
    char chars[32] = {};
    consteval Text(const char* name) {
        std::size_t i = 0;
        for (; name[i] != '\0' && i + 1 < sizeof chars; ++i) chars[i] = name[i];
        if (name[i] != '\0') NameLongerThan31Characters();
    }
    template <std::size_t N>
    consteval Text(const char (&name)[N]) : Text(static_cast<const char*>(name)) {}
};

// The widget class a window builds for a control of each kind (the most general one), in the
// order of Kind: an option is a radio button or one drawn as a push button.
template <Kind Of>
using WidgetOf = std::tuple_element_t<
    static_cast<std::size_t>(Of),
    std::tuple<QLabel, QLineEdit, QPushButton, QAbstractButton, QFrame, LineWidget>>;

// A control of that kind may be looked up as one of its widget's bases or as a class derived
// from it; a frame only as a base, since a label is a QFrame too.
template <Kind Of, class Asked>
inline constexpr bool kFits = std::is_base_of_v<Asked, WidgetOf<Of>> ||
                              (Of != Kind::Frame && std::is_base_of_v<WidgetOf<Of>, Asked>);

// A control's name with the kind of its row; it converts to the plain name where any kind goes.
template <Text Name, Kind Of>
struct ControlName {
    static constexpr Kind kind = Of;
    constexpr operator const char*() const { return Name.chars; }
};

template <Text Name, Kind Row, class Asked>
void LookedUpAsAnotherKind();

// True when a control of that name and kind may be looked up as Asked; else no compilation.
template <Text Name, Kind Row, class Asked>
consteval bool LookedUpAs() {
    if constexpr (!kFits<Row, Asked>) LookedUpAsAnotherKind<Name, Row, Asked>();
    return true;
}

}  // namespace checks
}  // namespace ui
