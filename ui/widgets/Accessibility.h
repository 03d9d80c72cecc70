// Naming controls so that tests, automation and screen readers find them.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Gives a control the system's name for it as objectName and accessible description (accessibility
// tools do not see objectName), and plainName, when given, as the name a screen reader announces.
// A control with a caption needs no plainName: its caption is its accessible name. A control
// without one (list, edit box, picture, hidden button) needs a plainName a person understands.
void nameControl(QWidget *widget, const QString &systemName, const QString &plainName = {});

} // namespace ui
