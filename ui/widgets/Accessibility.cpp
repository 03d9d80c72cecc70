// Naming controls for tests and screen readers.
#include "ui/widgets/Accessibility.h"

#include <QWidget>

namespace ui {

void nameControl(QWidget *widget, const QString &name)
{
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
}

void nameCaptionlessControl(QWidget *widget, const QString &name)
{
    nameControl(widget, name);
    widget->setAccessibleName(name);
}

} // namespace ui
