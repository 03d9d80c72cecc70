// The workbook operations of an export, in the shape of a spreadsheet automation session.
#include "ExcelAutomation.h"

namespace xls {

void ExcelAutomation::start()
{
    m_started = true;
    m_error.clear();
}

void ExcelAutomation::addWorkbook()
{
    m_workbook.emplace();
    m_sheet = m_workbook->addWorksheet();
}

void ExcelAutomation::selectFirstWorksheet()
{
    m_sheet = 0;
}

void ExcelAutomation::addWorksheetAndSelect()
{
    if (m_workbook)
        m_sheet = m_workbook->addWorksheet();
}

void ExcelAutomation::setNumberFormat(QStringView a1Ref, QStringView format)
{
    if (m_workbook)
        m_workbook->setNumberFormat(m_sheet, a1Ref, format);
}

void ExcelAutomation::setValue(QStringView a1Ref, const QString &text)
{
    if (m_workbook)
        m_workbook->setValue(m_sheet, a1Ref, text);
}

bool ExcelAutomation::saveAs(const QString &path)
{
    if (!m_workbook) {
        m_error = QStringLiteral("No workbook is open");
        return false;
    }
    return m_workbook->saveAs(path, &m_error);
}

QString ExcelAutomation::errorString() const
{
    return m_error;
}

void ExcelAutomation::closeAndQuit()
{
    m_workbook.reset();
    m_sheet = 0;
    m_started = false;
}

} // namespace xls
