// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose caption may be made of sentences, each ending its line after its run of
// spaces whatever the font's exact widths; other captions wrap as any label does.
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

    // Where each shown line starts in the caption, for the label's font and width.
    std::vector<int> lineStarts() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> sentenceStarts_;
};

// A label that refuses an input: a screen reader is told when it shows (see accessibility.h).
class RefusalLabel : public CaptionLabel {
    Q_OBJECT
  public:
    using CaptionLabel::CaptionLabel;
};

}  // namespace ui
