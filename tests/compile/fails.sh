#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The mistakes that must not compile, each in a few lines of C++ compiled as the windows' code is
# (the flags of ui/screen.cpp in compile_commands.json): each fails, and an error names the fault
# and what is at fault; the same lines without the mistake compile.
# Usage: fails.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: fails.sh BUILD_DIR}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
read -ra flags < <(python3 -c '
import json, shlex, sys
entry = next(e for e in json.load(open(sys.argv[1])) if e["file"].endswith("ui/screen.cpp"))
words = entry.get("arguments") or shlex.split(entry["command"])
skip = {"-o", "-c"}
out, drop = [], False
for w in words[1:]:
    if drop: drop = False; continue
    if w in skip: drop = True; continue
    if w != entry["file"]: out.append(w)
print(" ".join(shlex.quote(w) for w in out))' "$build/compile_commands.json")
compiler=$(python3 -c 'import json, shlex, sys; e = json.load(open(sys.argv[1]))[0]; print((e.get("arguments") or shlex.split(e["command"]))[0])' "$build/compile_commands.json")

# A window of two buttons A and B; each case changes one piece of it.
window() { # rows focus default
  cat <<CPP
#include "ui/screens.h"
using namespace ui;
using enum Kind;
inline constexpr ControlDef kRows[] = {$1};
inline constexpr const char* kFocus[] = {$2};
inline constexpr WindowDef kDef{.name = "W", .caption = "", .width = 900, .height = 900,
    .fore = kDefault, .back = kDefault, .fontPoints = 0, .controls = kRows, .focusOrder = kFocus,
    .defaultButton = $3};
static_assert(checks::Sound<kDef>());
CPP
}
a='{.kind = Button, .name = "A", .at = {0, 0, 90, 30}}'
b='{.kind = Button, .name = "B", .at = {0, 60, 90, 30}}'
label='{.kind = Label, .name = "L", .at = {0, 120, 90, 30}, .speech = {.captions = {"A"}}}'
code() { printf '#include "ui/screens.h"\nusing namespace ui;\n%s\n' "$1"; }

# Compiles one case, and leaves a .fault file beside it when it is not as expected.
check() { # name expected-error-or-"compiles"
  local fault
  if "$compiler" "${flags[@]}" -fsyntax-only "$work/$1.cpp" >"$work/$1.log" 2>&1; then
    [ "$2" = compiles ] && return 0
    fault="$1 compiles"
  elif [ "$2" = compiles ]; then
    fault="$1 does not compile: $(grep -m1 error "$work/$1.log")"
  elif grep 'error' "$work/$1.log" | grep -qE "$2"; then
    return 0
  else
    fault="$1: no error says /$2/: $(grep -m2 error "$work/$1.log")"
  fi
  echo "compile: FAIL: $fault" | tee "$work/$1.fault" >&2
}
# The cases compile side by side, one a core.
case_() { # name expected-error-or-"compiles" source
  printf '%s\n' "$3" >"$work/$1.cpp"
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
  check "$1" "$2" &
}
case_ sound compiles "$(window "$a, $b, $label" '"A", "B"' '"A"')"
case_ twice 'RowNamedTwice.*"A"' "$(window "$a, $a" '"A"' nullptr)"
case_ outside 'RowOutsideItsWindow.*"B"' "$(window "$a, ${b/90, 30/990, 30}" '"A", "B"' nullptr)"
case_ focus_no_row 'FocusOrderNamesNoRow.*"C"' "$(window "$a, $b" '"A", "B", "C"' nullptr)"
case_ focus_leaves_out 'FocusOrderLeavesOut.*"B"' "$(window "$a, $b" '"A"' nullptr)"
case_ focus_twice 'FocusOrderNamesTwice.*"A"' "$(window "$a, $b" '"A", "B", "A"' nullptr)"
case_ caption 'CaptionNamesNoRow.*"Z"' "$(window "$a, $b, ${label/\"A\"\}/\"Z\"\}}" '"A", "B"' nullptr)"
case_ default 'DefaultButtonIsNoButton.*"L"' "$(window "$a, $b, $label" '"A", "B"' '"L"')"
case_ kind 'LookedUpAs.*"TxtDosage".*TextBox.*QLabel' \
  "$(code 'QLabel* f(QWidget* w) { return Find<QLabel>(w, form1::Control<"TxtDosage">); }')"
case_ kind_fits compiles \
  "$(code 'QLineEdit* f(QWidget* w) { return Find<QLineEdit>(w, form1::Control<"TxtDosage">); }')"
case_ misspelt 'NoSuchControl.*"Labe29"' "$(code 'const char* f() { return form1::Control<"Labe29">; }')"
case_ long 'NameLongerThan31Characters' \
  "$(code 'const char* f() { return form1::Control<"TxtDosageTxtDosageTxtDosageTxtDos">; }')"
case_ window_forgotten 'enumeration value .FormAideMenu. not handled' \
  "$(code 'int f(WindowId id) { switch (id) { case WindowId::Form1: case WindowId::Form2:
  case WindowId::Form3: case WindowId::FormAideBeton: case WindowId::FormAideMortier: return 1; }
  return 0; }')"
case_ result_twice 'ResultShownTwice.*ConcreteMix::Eau' "$(window "$a, \
  {.kind = TextBox, .name = \"E1\", .at = {0, 120, 90, 30}, .field = &calc::ConcreteMix::Eau}, \
  {.kind = TextBox, .name = \"E2\", .at = {0, 180, 90, 30}, .field = &calc::ConcreteMix::Eau}" \
  '"A", "E1", "E2"' nullptr)
inline constexpr std::array<calc::FieldPattern<calc::ConcreteMix>, 1> kEau{{{&calc::ConcreteMix::Eau, \"0.0\"}}};
static_assert(checks::ResultsShownOnce<kDef, kEau>());"
wait
! compgen -G "$work/*.fault" >/dev/null || exit 1
echo "compile: every mistake fails to compile, named; the sound lines compile"
