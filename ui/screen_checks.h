// SPDX-License-Identifier: GPL-3.0-or-later
// The checks a window table passes as it compiles, and the control names the window's code uses,
// checked against its table. A fault is a call, at compile time, of a function that is never
// defined and named after the fault, with the name or row at fault as its template argument: the
// compiler's error shows both ("RowNamedTwice() [with ... Name = ui::checks::Text{"Label25"}]").
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>

#include "ui/screen.h"

namespace ui::checks {

template <Text Name>
void RowNamedTwice();
template <Text Name>
void RowOutsideItsWindow();  // or outside its frame, unless its row says BeyondEdge
template <Text Name>
void FocusOrderNamesNoRow();
template <Text Name>
void FocusOrderLeavesOut();  // a control that takes the keyboard's focus
template <Text Name>
void FocusOrderNamesTwice();
template <Text Name>
void ClearOrderNamesNoRow();
template <Text Name>
void CaptionNamesNoRow();  // in what a screen reader says of a row
template <Text Name>
void DefaultButtonIsNoButton();
template <Text Name>
const char* NoSuchControl();  // a name the window's code uses
template <Text Name>
void NotAControlOfThatKind();  // a name of a list that needs a button, an input or a refusal
template <int Size, int Expected>
void ListOfTheWrongSize();
template <auto Field>
void ResultShownTwice();
template <auto Field>
void ResultNeverShown();

constexpr bool Same(const char* a, const char* b) {
    return std::string_view(a) == std::string_view(b);
}
// The index of the row of that name; the number of rows when there is none.
constexpr std::size_t RowIndex(const WindowDef& def, const char* name) {
    std::size_t row = 0;
    while (row < def.controls.size() && !Same(def.controls[row].name, name)) ++row;
    return row;
}
// Indices, not pointers into a table: under the sanitizers, whether the address of a row of an
// inline table is null is no constant expression.
constexpr bool HasRow(const WindowDef& def, const char* name) {
    return RowIndex(def, name) < def.controls.size();
}
// The first name of the list that is no row of the window; null when all are.
constexpr const char* NotRows(const WindowDef& def, Names names) {
    for (const char* name : names)
        if (!HasRow(def, name)) return name;
    return nullptr;
}
constexpr const char* NamedTwice(const WindowDef& def) {
    for (std::size_t i = 0; i < def.controls.size(); ++i)
        for (std::size_t j = i + 1; j < def.controls.size(); ++j)
            if (Same(def.controls[i].name, def.controls[j].name)) return def.controls[j].name;
    return nullptr;
}
constexpr bool Inside(const Place& at, int width, int height, bool line) {
    const int right = line ? at.width : at.left + at.width;
    const int bottom = line ? at.height : at.top + at.height;
    return at.left >= 0 && at.top >= 0 && right <= width && bottom <= height;
}
// The first row not wholly inside its window, or inside its frame.
constexpr const char* Outside(const WindowDef& def) {
    Place frame{0, 0, def.width, def.height};  // the window until a frame comes
    for (const ControlDef& row : def.controls) {
        const Place& in = row.flags.has(InFrame) ? frame : Place{0, 0, def.width, def.height};
        if (!row.flags.has(BeyondEdge) &&
            !Inside(row.at, in.width, in.height, row.kind == Kind::Line))
            return row.name;
        if (row.kind == Kind::Frame) frame = row.at;
    }
    return nullptr;
}
constexpr const char* CaptionNotRow(const WindowDef& def) {
    for (const ControlDef& row : def.controls) {
        for (const char* caption : row.speech.captions)
            if (caption && !HasRow(def, caption)) return caption;
        if (row.speech.describedBy && !HasRow(def, row.speech.describedBy))
            return row.speech.describedBy;
    }
    return nullptr;
}
constexpr bool TakesFocus(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::Button || kind == Kind::Option;
}
constexpr int Occurrences(Names names, const char* name) {
    int count = 0;
    for (const char* listed : names) count += Same(listed, name);
    return count;
}
// The first control that takes the focus and is not in the focus order.
constexpr const char* LeftOutOfFocus(const WindowDef& def) {
    for (const ControlDef& row : def.controls)
        if (TakesFocus(row.kind) && Occurrences(def.focusOrder, row.name) == 0) return row.name;
    return nullptr;
}
constexpr const char* ListedTwice(Names names) {
    for (const char* name : names)
        if (Occurrences(names, name) > 1) return name;
    return nullptr;
}
constexpr bool IsA(const WindowDef& def, const char* name, Kind kind, RowFlag flag) {
    const std::size_t row = RowIndex(def, name);
    return row < def.controls.size() && def.controls[row].kind == kind &&
           (flag == RowFlag{} || def.controls[row].flags.has(flag));
}
constexpr const char* NotOfKind(const WindowDef& def, Names names, Kind kind, RowFlag flag) {
    for (const char* name : names)
        if (!IsA(def, name, kind, flag)) return name;
    return nullptr;
}

// True when the table is sound; else it does not compile, naming the fault.
template <const WindowDef& Def>
consteval bool Sound() {
    if constexpr (constexpr const char* name = NamedTwice(Def); name) RowNamedTwice<name>();
    if constexpr (constexpr const char* name = Outside(Def); name) RowOutsideItsWindow<name>();
    if constexpr (constexpr const char* name = NotRows(Def, Def.focusOrder); name)
        FocusOrderNamesNoRow<name>();
    if constexpr (constexpr const char* name = LeftOutOfFocus(Def); name)
        FocusOrderLeavesOut<name>();
    if constexpr (constexpr const char* name = ListedTwice(Def.focusOrder); name)
        FocusOrderNamesTwice<name>();
    if constexpr (constexpr const char* name = NotRows(Def, Def.clearOrder); name)
        ClearOrderNamesNoRow<name>();
    if constexpr (constexpr const char* name = CaptionNotRow(Def); name) CaptionNamesNoRow<name>();
    if constexpr (Def.defaultButton && !IsA(Def, Def.defaultButton, Kind::Button, RowFlag{}))
        DefaultButtonIsNoButton<Def.defaultButton>();
    return !Def.focusOrder.empty();
}

// True when the list names Expected rows of that kind (and flag); else it does not compile.
template <const WindowDef& Def, const auto& List, std::size_t Expected, Kind What,
          RowFlag Flag = RowFlag{}>
consteval bool ListOf() {
    if constexpr (std::size(List) != Expected)
        ListOfTheWrongSize<static_cast<int>(std::size(List)), static_cast<int>(Expected)>();
    if constexpr (constexpr const char* name = NotOfKind(Def, List, What, Flag); name)
        NotAControlOfThatKind<name>();
    return true;
}

template <class Mix>
constexpr int Boxes(const WindowDef& def, double Mix::*field) {
    int boxes = 0;
    for (const ControlDef& row : def.controls)
        boxes += std::holds_alternative<double Mix::*>(row.field) &&
                 std::get<double Mix::*>(row.field) == field;
    return boxes;
}
// The first field of the pattern table that not exactly one box shows (the number of boxes).
template <class Mix, std::size_t N>
constexpr std::pair<double Mix::*, int> NotShownOnce(
    const WindowDef& def, const std::array<calc::FieldPattern<Mix>, N>& patterns) {
    for (const calc::FieldPattern<Mix>& entry : patterns)
        if (const int boxes = Boxes(def, entry.field); boxes != 1) return {entry.field, boxes};
    return {nullptr, 1};
}

// True when each field of the pattern table is shown by exactly one box; else it does not compile.
template <const WindowDef& Def, const auto& Patterns>
consteval bool ResultsShownOnce() {
    constexpr auto fault = NotShownOnce(Def, Patterns);
    if constexpr (fault.second > 1) ResultShownTwice<fault.first>();
    if constexpr (fault.second == 0) ResultNeverShown<fault.first>();
    return true;
}

// A name of one of the window's controls, written in its code, with its row's kind; a name the
// table lacks does not compile, and the error names it.
template <const WindowDef& Def, Text Name>
consteval auto Control() {
    constexpr std::size_t row = RowIndex(Def, Name.chars);
    if constexpr (row < Def.controls.size())
        return ControlName<Name, Def.controls[row].kind>{};
    else
        return NoSuchControl<Name>();
}

// The same, for a list that needs a control of one kind: a button, say.
template <const WindowDef& Def, Text Name, Kind Of>
consteval const char* ControlOfKind() {
    constexpr auto name = Control<Def, Name>();
    if constexpr (name.kind != Of) NotAControlOfThatKind<Name>();
    return name;
}

}  // namespace ui::checks
