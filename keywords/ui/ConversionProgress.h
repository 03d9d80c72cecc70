// The window that shows how far the conversion of an old Access library has come.
#pragma once

#include <QtGlobal>

#include <functional>

class QWidget;

namespace keywords {

// A callback for KeywordStore::setConversionProgress: the first call shows a progress window over
// parent, later calls move its bar, and a call with done < 0 closes it. Closing the window itself
// does not stop the conversion; the main window's close box ends the program.
std::function<void(qint64 done, qint64 total)> conversionProgressWindow(QWidget *parent);

} // namespace keywords
