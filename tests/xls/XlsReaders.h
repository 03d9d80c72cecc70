// Reading written workbooks back with independent spreadsheet readers.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace xls_readers {

using Sheet = QList<QStringList>;

// Checks every cell's text and its "@" format with xlrd; empty when all match, else what differs.
QString checkWithXlrd(const QString &path, const QList<Sheet> &expected);
// Checks an .xlsx the same way with openpyxl, its texts as Excel reads them.
QString checkWithOpenpyxl(const QString &path, const QList<Sheet> &expected);
// Converts every sheet to CSV with ssconvert and compares the texts.
QString checkWithSsconvert(const QString &path, const QList<Sheet> &expected);

// Empty when xlrd can be used, else why not.
QString whyNoXlrd();
QString whyNoOpenpyxl();
bool haveSsconvert();

} // namespace xls_readers
