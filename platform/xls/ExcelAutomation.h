// The workbook operations of an export, in the shape of a spreadsheet automation session.
#pragma once

#include "Workbook.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace xls {

// Nothing is launched: the session writes the file itself. Cell writes with a malformed reference,
// or with no workbook open, are ignored.
class ExcelAutomation {
public:
    void start();                  // begin a session (no visible application)
    void addWorkbook();            // new, empty workbook with one worksheet
    void selectFirstWorksheet();   // target of the cell writes
    void addWorksheetAndSelect();  // a further worksheet ("Sheet2", ...) becomes the target
    void setNumberFormat(QStringView a1Ref, QStringView format);
    void setValue(QStringView a1Ref, const QString &text);
    bool saveAs(const QString &path);  // atomic; false on failure
    QString errorString() const;       // reason of the last failed saveAs
    void closeAndQuit();               // drop the workbook and end the session

    bool isStarted() const { return m_started; }
    const Workbook *workbook() const { return m_workbook ? &*m_workbook : nullptr; }

private:
    bool m_started = false;
    std::optional<Workbook> m_workbook;
    int m_sheet = 0;
    QString m_error;
};

} // namespace xls
