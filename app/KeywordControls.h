// The keyword controls at their places on the main window.
#pragma once

#include "keywords/ui/KeywordPanel.h"

class QWidget;

namespace app {

// Creates the keyword controls on the main window in their start state.
keywords::KeywordPanel buildKeywordPanel(QWidget *window);

} // namespace app
