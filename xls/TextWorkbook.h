// What the two workbook writers (.xls and .xlsx) share, so that an export writes either through one
// routine.
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <span>

class QIODevice;

namespace xls {

// A workbook of text cells under a header row. Rows go in with appendRow() and the file comes out
// once with write(); both return false on a failure, after which failure() and errorString() say
// what failed. Running out of memory throws std::bad_alloc.
class TextWorkbook {
public:
    enum class Failure {
        None,
        Stopped,         // keepGoing said no: nothing more is written
        Device,          // the device refused a write; the device says why
        TemporaryFiles,  // the writer's own temporary files (temporaryFolder()) could not be written
        Cell,            // the writer refused a cell
    };

    virtual ~TextWorkbook() = default;

    // The next row, one text per column from column A.
    virtual bool appendRow(std::span<const QStringView> texts) = 0;

    // Finishes the file and passes it on to the device; callable once. keepGoing, when given, is
    // asked every few milliseconds of a long write, and a false answer stops it.
    virtual bool write(QIODevice &device, const std::function<bool()> &keepGoing) = 0;

    Failure failure() const { return m_failure; }
    // The system's or the library's own words for the failure; may be empty.
    QString errorString() const { return m_error; }
    // Where the temporary files lie, for Failure::TemporaryFiles; the file system is full when
    // temporaryFolderFull() says so.
    virtual QString temporaryFolder() const { return {}; }
    bool temporaryFolderFull() const { return m_folderFull; }

protected:
    bool fail(Failure failure, const QString &error = {}, bool folderFull = false)
    {
        m_failure = failure;
        m_error = error;
        m_folderFull = folderFull;
        return false;
    }

private:
    Failure m_failure = Failure::None;
    QString m_error;
    bool m_folderFull = false;
};

} // namespace xls
