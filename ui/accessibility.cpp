// SPDX-License-Identifier: GPL-3.0-or-later
// The refusal labels are known by their class, which is set before any interface is asked for.
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui {
namespace {

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::RefusalLabel") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Interface);
}

}  // namespace ui
