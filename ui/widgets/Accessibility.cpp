// Naming controls for tests and screen readers.
#include "ui/widgets/Accessibility.h"

#include <QWidget>

namespace ui {

void nameControl(QWidget *widget, const QString &systemName, const QString &plainName)
{
    widget->setObjectName(systemName);
    widget->setAccessibleDescription(systemName);
    if (!plainName.isEmpty())
        widget->setAccessibleName(plainName);
}

} // namespace ui
