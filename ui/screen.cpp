// Builds a window's widgets from its table: kind, geometry, colours, font, visibility,
// selection, stacking, tab order, names for screen readers and the "Entrée" key.
#include "ui/screen.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "ui/caption_label.h"
#include "ui/graphical_option.h"
#include "ui/line_widget.h"
#include "ui/result_box.h"

namespace ui {
namespace {

QWidget* MakeLabel(const ControlDef& def, QWidget* parent) {
    auto* label = new CaptionLabel(parent);
    label->setTextFormat(Qt::PlainText);  // rich text would collapse the runs of spaces
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop |
                        ((def.look.style & Centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    if (def.text) label->setText(QString::fromUtf8(def.text));
    return label;
}

QWidget* MakeTextBox(const ControlDef& def, QWidget* parent) {
    auto* box = (def.state & Result) ? new ResultBox(parent) : new QLineEdit(parent);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QWidget* MakeButton(const ControlDef& def, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(def.text), parent);
    button->setAutoDefault(false);
    SetForeground(button, kBlack);
    return button;
}

QWidget* MakeOption(const ControlDef& def, QWidget* parent) {
    QAbstractButton* option = nullptr;
    if (def.look.style & Graphical) {
        option = new GraphicalOption(QString::fromUtf8(def.text), parent);
        SetForeground(option, kBlack);
    } else {
        option = new QRadioButton(QString::fromUtf8(def.text), parent);
    }
    option->setChecked(def.state & Selected);
    return option;
}

QWidget* MakeFrame(const ControlDef&, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QWidget* MakeControl(const ControlDef& def, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (def.kind) {
        case Kind::Label:
            widget = MakeLabel(def, parent);
            break;
        case Kind::TextBox:
            widget = MakeTextBox(def, parent);
            break;
        case Kind::Button:
            widget = MakeButton(def, parent);
            break;
        case Kind::Option:
            widget = MakeOption(def, parent);
            break;
        case Kind::Frame:
            widget = MakeFrame(def, parent);
            break;
        case Kind::Line: {
            auto* line = new LineWidget(QPoint(Px(def.left), Px(def.top)),
                                        QPoint(Px(def.width), Px(def.height)),
                                        (def.look.style & Wide) ? 2 : 1, parent);
            line->setLineColor(ToColor(def.look.fore));
            widget = line;
            break;
        }
    }
    widget->setObjectName(QString::fromLatin1(def.name));
    if (def.kind != Kind::Line) {
        widget->setGeometry(PxRect(def.left, def.top, def.width, def.height));
        // Text on a background of its own is black unless the row says otherwise.
        const Rgb fore =
            def.look.back != kDefault && def.look.fore == kDefault ? kBlack : def.look.fore;
        if (fore != kDefault) SetForeground(widget, fore);
        if (def.look.back != kDefault) SetBackground(widget, def.look.back);
        if (def.look.points > 0) {
            const QFont font =
                ArialFont(def.look.points, def.look.style & Bold, def.look.style & Italic);
            if (auto* result = qobject_cast<ResultBox*>(widget))
                result->setDesignFont(font);
            else
                widget->setFont(font);
        }
    }
    if (def.state & Hidden) widget->setVisible(false);
    return widget;
}

// A caption as a name is spoken: no leading, trailing or repeated spaces, no final colon.
QString SpokenCaption(const QWidget* window, const char* label) {
    QString caption = Child<QLabel>(window, label)->text().simplified();
    if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
    return caption.trimmed();
}

void NameControls(QWidget* window, std::span<const AccessibleName> names) {
    for (const AccessibleName& named : names) {
        QStringList parts;
        for (const char* label : named.labels)
            if (label) parts << SpokenCaption(window, label);
        Child<QWidget>(window, named.control)->setAccessibleName(parts.join(QStringLiteral(", ")));
    }
}

void ConnectEnterKey(QWidget* window, const WindowDef& def) {
    if (!def.enterButton) return;
    auto* button = Child<QAbstractButton>(window, def.enterButton);
    for (const char* box : def.enterBoxes)
        QObject::connect(Child<QLineEdit>(window, box), &QLineEdit::returnPressed, button,
                         &QAbstractButton::click);
}

}  // namespace

void BuildWindow(QWidget* window, const WindowDef& def) {
    window->setObjectName(QString::fromLatin1(def.name));
    window->setWindowTitle(QString::fromUtf8(def.caption));
    window->setFixedSize(Px(def.width), Px(def.height));
    // A window that fixes its background fixes every colour: no theme shows through.
    if (def.back != kDefault) window->setPalette(FixedPalette());
    if (def.fore != kDefault) SetForeground(window, def.fore);
    if (def.back != kDefault) SetBackground(window, def.back);
    if (def.fontPoints > 0) window->setFont(ArialFont(def.fontPoints, false, false));

    QWidget* frame = nullptr;
    for (const ControlDef& control : def.controls) {
        QWidget* widget = MakeControl(control, (control.state & InFrame) ? frame : window);
        if (control.kind == Kind::Frame) frame = widget;
    }
    for (const LongCaption& caption : def.longCaptions)
        Child<CaptionLabel>(window, caption.control)->setParts(caption.parts);
    for (const ControlDef& control : def.controls)
        if (control.state & Above)
            window->findChild<QWidget*>(QString::fromLatin1(control.name))->raise();
    for (std::size_t i = 1; i < def.tabOrder.size(); ++i)
        QWidget::setTabOrder(window->findChild<QWidget*>(QString::fromLatin1(def.tabOrder[i - 1])),
                             window->findChild<QWidget*>(QString::fromLatin1(def.tabOrder[i])));
    // As the window is first shown, the focus is on the first control of its focus order.
    if (!def.tabOrder.empty()) Child<QWidget>(window, def.tabOrder.front())->setFocus();
    NameControls(window, def.accessibleNames);
    ConnectEnterKey(window, def);
}

void SetGroupVisible(QWidget* window, std::span<const char* const> names, bool visible) {
    for (const char* name : names)
        window->findChild<QWidget*>(QString::fromLatin1(name))->setVisible(visible);
}

}  // namespace ui
