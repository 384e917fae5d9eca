// SPDX-License-Identifier: GPL-3.0-or-later
// A piece of a caption made of sentences: what both the window tables and the caption labels
// know of it.
#pragma once

namespace ui {

// A sentence followed by a run of spaces that ends its line.
struct TextPart {
    const char* text;
    int spacesAfter;
};

}  // namespace ui
