// Qt's own texts in Simplified Chinese.
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

void installChineseTranslations(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace platform
