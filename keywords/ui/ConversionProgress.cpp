#include "keywords/ui/ConversionProgress.h"

#include "keywords/ui/KeywordTexts.h"

#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace keywords {

std::function<void(qint64 done, qint64 total)> conversionProgressWindow(QWidget *parent)
{
    auto window = std::make_shared<QPointer<QProgressDialog>>();
    return [window, parent](qint64 done, qint64 total) {
        if (done < 0) {
            delete window->data();
            return;
        }
        if (window->isNull()) {
            auto *dialog = new QProgressDialog(text::converting(), QString(), 0, 1000, parent);
            dialog->setObjectName(QStringLiteral("关键词库转换进度"));
            dialog->setWindowModality(Qt::NonModal);
            dialog->setMinimumDuration(0);
            dialog->setAutoClose(false);
            dialog->setAutoReset(false);
            *window = dialog;
            dialog->show();
        }
        // Steps may pass the billions; the bar counts in thousandths.
        (*window)->setValue(total > 0 ? int(qMin<qint64>(1000, done * 1000 / total)) : 0);
    };
}

} // namespace keywords
