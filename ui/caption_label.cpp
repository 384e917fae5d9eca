// SPDX-License-Identifier: GPL-3.0-or-later
// Lays the caption out line by line: breaks at spaces to fit the width, and a new line at
// the start of every sentence of a caption made of sentences.
#include "ui/caption_label.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace ui {
namespace {

void LayOut(const QLabel& label, qreal width, std::span<const int> sentenceStarts,
            QTextLayout& layout) {
    QTextOption option(label.alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int start = line.textStart();
        const auto next = std::upper_bound(sentenceStarts.begin(), sentenceStarts.end(), start);
        if (next != sentenceStarts.end() && *next < start + line.textLength())
            line.setNumColumns(*next - start);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
}

}  // namespace

void CaptionLabel::setParts(std::span<const TextPart> parts) {
    sentenceStarts_.clear();
    QString caption;
    bool afterSentence = false;  // leading spaces before the first sentence only indent it
    for (const TextPart& part : parts) {
        if (afterSentence) sentenceStarts_.push_back(caption.size());
        caption += QString::fromUtf8(part.text);
        caption += QString(part.spacesAfter, QLatin1Char(' '));
        afterSentence = part.text[0] != '\0' && part.spacesAfter > 0;
    }
    setText(caption);
}

std::vector<int> CaptionLabel::lineStarts() const {
    QTextLayout layout(text(), font(), const_cast<CaptionLabel*>(this));
    LayOut(*this, designWidth_, sentenceStarts_, layout);
    std::vector<int> starts;
    for (int i = 0; i < layout.lineCount(); ++i) starts.push_back(layout.lineAt(i).textStart());
    return starts;
}

void CaptionLabel::setScale(double factor, int designWidth) {
    scale_ = factor;
    designWidth_ = designWidth;
    update();
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (sentenceStarts_.empty() && scale_ == 1) return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.scale(scale_, scale_);
    QTextLayout layout(text(), font(), this);
    LayOut(*this, designWidth_, sentenceStarts_, layout);
    layout.draw(&painter, QPointF(contentsRect().topLeft()) / scale_);
}

}  // namespace ui
