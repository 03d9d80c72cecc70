// Naming controls so that tests and screen readers find them.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Gives a control its form name as objectName and accessible description (accessibility tools do
// not see objectName).
void nameControl(QWidget *widget, const QString &name);

// The same, for a control without a caption of its own (edit box, list view, picture board),
// which also gets the name as its accessible name.
void nameCaptionlessControl(QWidget *widget, const QString &name);

} // namespace ui
