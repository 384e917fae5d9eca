# SPDX-License-Identifier: GPL-3.0-or-later
# Where the placement rule puts a help window beside its anchor, in single-precision twips from
# outer rectangles in pixels: reads -v ax ay aw ah (anchor) hw hh (help) sw (screen width) and
# prints "help_left help_top anchor_left" in pixels; the windows may be a pixel off, rounded
# from twips. The screens it is used on leave room for both windows, so nothing is kept inside.
BEGIN {
  al = ax * 15; at = ay * 15; a_w = aw * 15; a_h = ah * 15; h_w = hw * 15; h_h = hh * 15
  top = (a_h - h_h) / 2 + at; s = sw * 15
  if (s / 2 <= al + a_w / 2) {
    if (al < h_w) { al = h_w + 10; left = 10 } else left = al - h_w
  } else if (a_w + al + h_w >= s) { al = s - h_w - a_w - 10; left = a_w + al }
  else left = a_w + al
  printf "%.1f %.1f %.1f\n", left / 15, top / 15, al / 15
}
