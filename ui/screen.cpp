// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window's widgets from its table, row by row: kind, name, colours, text, visibility
// and selection; then the stacking, the focus order, what a screen reader says and the "Entrée"
// key, all read from the same rows. Places, sizes and fonts are laid out from the rows at a
// factor of the design size, 1 when built, and again whenever the factor changes.
#include "ui/screen.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>

#include "ui/caption_label.h"
#include "ui/focus_ring.h"
#include "ui/graphical_option.h"
#include "ui/line_widget.h"
#include "ui/result_box.h"

namespace ui {
namespace {

QWidget* MakeLabel(const ControlDef& def, QWidget* parent) {
    auto* label = def.flags.has(Alert) ? new RefusalLabel(parent) : new CaptionLabel(parent);
    label->setTextFormat(Qt::PlainText);  // rich text would collapse the runs of spaces
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop |
                        (def.look.style.has(Centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    return label;
}

QWidget* MakeTextBox(const ControlDef& def, QWidget* parent) {
    const bool result = !std::holds_alternative<std::monostate>(def.field);
    QLineEdit* box = result ? new ResultBox(parent) : new QLineEdit(parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QWidget* MakeOption(const ControlDef& def, QWidget* parent) {
    QAbstractButton* option = nullptr;
    if (def.look.style.has(Graphical))
        option = new GraphicalOption(parent);
    else
        option = new QRadioButton(parent);
    option->setChecked(def.flags.has(Selected));
    return option;
}

QWidget* MakeWidget(const ControlDef& def, QWidget* parent) {
    switch (def.kind) {
        case Kind::Label:
            return MakeLabel(def, parent);
        case Kind::TextBox:
            return MakeTextBox(def, parent);
        case Kind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(true);  // "Entrée" presses the button that has the focus
            return button;
        }
        case Kind::Option:
            return MakeOption(def, parent);
        case Kind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            return frame;
        }
        case Kind::Line:
            return new LineWidget(parent);
    }
    return nullptr;
}

void SetText(QWidget* widget, const Caption& text) {
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
        if (text.plain)
            label->setText(QString::fromUtf8(text.plain));
        else
            label->setParts(text.parts);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(QString::fromUtf8(text.plain));
    }
}

// A caption keeps its design font and is drawn scaled; any other text gets a scaled font. A row
// without a size of its own has the window's.
void SetFont(QWidget* widget, const Look& look, double windowPoints, double factor) {
    const double points = look.points > 0 ? look.points : windowPoints;
    if (points <= 0) return;
    const bool bold = look.style.has(Bold), italic = look.style.has(Italic);
    if (qobject_cast<CaptionLabel*>(widget))
        widget->setFont(ArialFont(points, bold, italic));
    else if (auto* result = qobject_cast<ResultBox*>(widget))
        result->setDesignFont(ArialFont(points * factor, bold, italic));
    else
        widget->setFont(ArialFont(points * factor, bold, italic));
}

void LayOut(QWidget* widget, const ControlDef& row, double windowPoints, double factor) {
    const Place& at = row.at;
    if (auto* line = qobject_cast<LineWidget*>(widget)) {
        const int pen = row.look.style.has(Wide) ? 2 : 1;
        line->setEnds(QPoint(Px(at.left * factor), Px(at.top * factor)),
                      QPoint(Px(at.width * factor), Px(at.height * factor)),
                      std::max(1, int(pen * factor + 0.5)));
        return;
    }
    widget->setGeometry(
        PxRect(at.left * factor, at.top * factor, at.width * factor, at.height * factor));
    if (auto* label = qobject_cast<CaptionLabel*>(widget)) label->setScale(factor, Px(at.width));
    SetFont(widget, row.look, windowPoints, factor);
}

QWidget* MakeControl(const ControlDef& def, QWidget* parent) {
    QWidget* widget = MakeWidget(def, parent);
    // Named before anything else, so that whatever reacts to it (a screen reader) knows it.
    widget->setObjectName(QString::fromLatin1(def.name));
    ApplyRowColours(widget, def);
    SetText(widget, def.text);
    if (def.flags.has(Hidden)) widget->setVisible(false);
    return widget;
}

// What a window knows of its table: the table itself and the factor it is laid out at.
class TableLink : public QObject {
    Q_OBJECT
  public:
    TableLink(QWidget* window, const WindowDef& table) : QObject(window), def(table) {}
    static TableLink* Of(const QWidget* window) {
        TableLink* link = Find(window);
        if (!link) qFatal("%s is not built from a table", qPrintable(window->objectName()));
        return link;
    }
    static TableLink* Find(const QWidget* window) {
        return window->findChild<TableLink*>(QString(), Qt::FindDirectChildrenOnly);
    }
    const WindowDef& def;
    double factor = 1;          // of the window
    double controlsFactor = 1;  // of its controls: 1 too while the design image is taken
};

// A caption as a name is spoken: no leading, trailing or repeated spaces, no final colon.
QString SpokenCaption(const QWidget* window, const char* label) {
    QString caption = Find<QLabel>(window, label)->text().simplified();
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption.trimmed();
}

void Speak(QWidget* window, const ControlDef& def) {
    QWidget* control = FindControl(window, def.name);
    QStringList parts;
    for (const char* label : def.speech.captions)
        if (label) parts << SpokenCaption(window, label);
    QString name = parts.join(QStringLiteral(", "));
    if (def.speech.name) name = QString::fromUtf8(def.speech.name);
    // A refusal says what it refuses, then its own text.
    if (def.flags.has(Alert))
        name = (name.isEmpty() ? QString() : name + QStringLiteral(" : ")) +
               SpokenCaption(window, def.name);
    if (!name.isEmpty()) control->setAccessibleName(name);
    if (def.speech.describedBy)
        control->setAccessibleDescription(SpokenCaption(window, def.speech.describedBy));
}

void SetFocusOrder(QWidget* window, const WindowDef& def) {
    const Names stops = def.focusOrder;
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(FindControl(window, stops[i - 1]), FindControl(window, stops[i]));
    FocusFirstControl(window);  // as the window is first shown
}

void ConnectEnterKey(QWidget* window, const WindowDef& def) {
    if (!def.defaultButton) return;
    auto* button = Find<QAbstractButton>(window, def.defaultButton);
    for (const ControlDef* input : RowsWith(def, Input))
        QObject::connect(Find<QLineEdit>(window, input->name), &QLineEdit::returnPressed, button,
                         &QAbstractButton::click);
}

}  // namespace

void ApplyRowColours(QWidget* widget, const ControlDef& row) {
    if (auto* line = qobject_cast<LineWidget*>(widget)) {
        line->setLineColor(ToColor(row.look.fore));
        return;
    }
    // Text on a background of its own is black unless the row says otherwise, whatever the theme.
    const bool fixedBack = row.look.back != kDefault;
    const Rgb fore = fixedBack && row.look.fore == kDefault ? kBlack : row.look.fore;
    if (fore != kDefault) SetForeground(widget, fore);
    if (fixedBack) SetBackground(widget, row.look.back);
}

void BuildWindow(QWidget* window, const WindowDef& def) {
    window->setObjectName(QString::fromLatin1(def.name));
    window->setWindowTitle(QString::fromUtf8(def.caption));
    new TableLink(window, def);
    // A window that fixes its background fixes every colour: no theme shows through.
    if (def.back != kDefault) window->setPalette(FixedPalette());
    ApplyWindowColours(window, def);
    if (def.fontPoints > 0) window->setFont(ArialFont(def.fontPoints, false, false));

    QWidget* frame = nullptr;
    for (const ControlDef& row : def.controls) {
        QWidget* widget = MakeControl(row, row.flags.has(InFrame) ? frame : window);
        if (row.kind == Kind::Frame) frame = widget;
    }
    for (const ControlDef* row : RowsWith(def, Above)) FindControl(window, row->name)->raise();
    SetFocusOrder(window, def);
    for (const ControlDef& row : def.controls) Speak(window, row);
    ConnectEnterKey(window, def);
    (new FocusRing(window))->raise();
    SetScale(window, 1);
}

const WindowDef& TableOf(const QWidget* window) {
    return TableLink::Of(window)->def;
}

double ScaleOf(const QWidget* window) {
    return TableLink::Of(window)->factor;
}

double ScaleOfControl(const QWidget* control) {
    const TableLink* link = TableLink::Find(control->window());
    return link ? link->controlsFactor : 1;
}

void SetScale(QWidget* window, double factor) {
    TableLink* link = TableLink::Of(window);
    const WindowDef& def = link->def;
    link->factor = factor;
    window->setFixedSize(Px(def.width * factor), Px(def.height * factor));
    LayOutControls(window, factor);
    auto* ring = window->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly);
    ring->setGeometry(window->rect());
    ring->setBand(std::max(1, int(FocusRing::kBand * factor + 0.5)));
}

void LayOutControls(QWidget* window, double factor) {
    TableLink::Of(window)->controlsFactor = factor;
    const WindowDef& def = TableOf(window);
    for (const ControlDef& row : def.controls)
        LayOut(FindControl(window, row.name), row, def.fontPoints, factor);
}

void ApplyWindowColours(QWidget* window, const WindowDef& def) {
    if (def.back == kDefault) return;
    SetBackground(window, def.back);
    SetForeground(window, def.fore == kDefault ? kBlack : def.fore);
}

void FocusFirstControl(QWidget* window) {
    FindControl(window, TableOf(window).focusOrder.front())->setFocus();
}

std::vector<const ControlDef*> RowsWith(const WindowDef& def, RowFlag flag) {
    std::vector<const ControlDef*> rows;
    for (const ControlDef& row : def.controls)
        if (row.flags.has(flag)) rows.push_back(&row);
    return rows;
}

void SetGroupVisible(QWidget* window, const WindowDef& def, RowFlag flag, bool visible) {
    for (const ControlDef* row : RowsWith(def, flag))
        FindControl(window, row->name)->setVisible(visible);
}

QWidget* FindControl(const QWidget* window, const char* name) {
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!control) qFatal("%s has no control named %s", qPrintable(window->objectName()), name);
    return control;
}

}  // namespace ui

#include "screen.moc"
