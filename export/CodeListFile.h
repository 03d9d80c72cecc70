// The code list file: the list's text as GBK bytes, written so that a failure never leaves a
// half-written file behind.
#pragma once

#include "platform/FileFailure.h"

#include <QByteArray>
#include <QString>

namespace songs { class SongTableModel; }

namespace exporting {

// The code list of the first count songs of the table: each song's code as it is stored, followed
// by CR LF.
QString codeListText(const songs::SongTableModel &table, int count);

// The file's bytes: the text exactly as it stands (its CR LF line ends included), in GBK, without
// a byte-order mark.
QByteArray codeListBytes(QStringView text);

class CodeListFile {
public:
    // Makes the file at path hold the bytes of the text and nothing else. A regular file is
    // replaced only once the new content is completely on disk, so after a failure the old file
    // (or no file) is still there; a device such as /dev/null is written directly.
    bool save(const QString &path, QStringView text);

    // After a failure: why, and the system's own words.
    const platform::FileFailure &failure() const { return m_failure; }
    QString errorString() const { return m_failure.systemText; }

private:
    platform::FileFailure m_failure;
};

} // namespace exporting
