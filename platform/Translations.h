// Qt's own texts (file dialogs, standard buttons, context menus) in Simplified Chinese.
#pragma once

class QCoreApplication;

namespace platform {

// Loads Qt's Simplified Chinese translations when they are installed; otherwise Qt's texts stay English.
void installChineseTranslations(QCoreApplication &application);

} // namespace platform
