// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose caption may be made of sentences, each ending its line after its run of
// spaces whatever the font's exact widths; other captions wrap as any label does. On a window
// laid out smaller than its design, the caption is laid out at its design width and font and
// drawn scaled, so that it breaks its lines at the same words.
#pragma once

#include <QLabel>
#include <span>
#include <vector>

#include "ui/text_part.h"

namespace ui {

class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // The caption is the sentences with their spaces, exactly; each sentence starts a line.
    void setParts(std::span<const TextPart> parts);

    // Where each shown line starts in the caption, for the label's font and design width.
    std::vector<int> lineStarts() const;

    // Drawn at a factor of its design, whose width in pixels is given.
    void setScale(double factor, int designWidth);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> sentenceStarts_;
    double scale_ = 1;
    int designWidth_ = 0;
};

// A label that refuses an input: a screen reader is told when it shows (see accessibility.h).
class RefusalLabel : public CaptionLabel {
    Q_OBJECT
  public:
    using CaptionLabel::CaptionLabel;
};

}  // namespace ui
