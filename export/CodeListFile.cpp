// The code list file.
#include "export/CodeListFile.h"

#include "platform/FileErrors.h"
#include "platform/Gbk.h"
#include "songs/SongTableModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace exporting {

namespace {

// Writing to a device means writing into it, not replacing it; a pipe or socket would wait for a
// reader and hang the program, so it is refused.
enum class Target { RegularOrNew, Device, Unsupported };

Target targetKind(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))
        return Target::RegularOrNew;
    return S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? Target::Device : Target::Unsupported;
#else
    Q_UNUSED(path);
    return Target::RegularOrNew;
#endif
}

} // namespace

QString codeListText(const songs::SongTableModel &table, int count)
{
    QString text;
    text.reserve(qsizetype(count) * 10);
    for (int row = 0; row < count; ++row) {
        text += table.cellView(row, songs::kCodeColumn);
        text += u"\r\n";
    }
    return text;
}

QByteArray codeListBytes(QStringView text)
{
    return platform::toGbk(text);
}

bool CodeListFile::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool CodeListFile::write(QIODevice &device, QStringView text)
{
    m_error.clear();
    const QByteArray bytes = codeListBytes(text);
    if (device.write(bytes) != bytes.size())
        return fail(platform::describeWriteFailure(device.errorString()));
    return true;
}

bool CodeListFile::save(const QString &path, QStringView text)
{
    m_error.clear();
    switch (targetKind(path)) {
    case Target::Unsupported:
        return fail(QStringLiteral("这不是普通文件，不能写入"));
    case Target::Device: {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return fail(platform::describeOpenFailure(path, device.errorString()));
        if (!write(device, text) || !device.flush())
            return fail(platform::describeWriteFailure(device.errorString()));
        return true;
    }
    case Target::RegularOrNew:
        break;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(platform::describeOpenFailure(path, file.errorString()));
    if (!write(file, text)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            return fail(QStringLiteral("无法用新文件替换原有文件，文件可能正被其他程序使用（") + file.errorString()
                        + QStringLiteral("）"));
        return fail(platform::describeWriteFailure(file.errorString()));
    }
    return true;
}

} // namespace exporting
