// Reading written workbooks back with independent spreadsheet readers.
#include "tests/xls/XlsReaders.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace xls_readers {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

QString writeExpected(const QTemporaryDir &dir, const QList<Sheet> &expected)
{
    QJsonArray sheets;
    for (const Sheet &sheet : expected) {
        QJsonArray rows;
        for (const QStringList &row : sheet)
            rows.append(QJsonArray::fromStringList(row));
        sheets.append(rows);
    }
    const QString path = dir.filePath(QStringLiteral("expected.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(sheets).toJson(QJsonDocument::Compact));
    return path;
}

QString run(const QString &program, const QStringList &arguments, const QString &home = QString())
{
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    if (!process.waitForFinished(300000))
        return program + QStringLiteral(" did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return {};
}

} // namespace

QString whyNoXlrd()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Linux only: reads the workbook back with xlrd (python3); the same files are read on Linux");
#else
    if (QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import xlrd")}) != 0)
        return QStringLiteral("/usr/bin/python3 has no xlrd");
    return {};
#endif
}

QString whyNoOpenpyxl()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Linux only: reads the workbook back with openpyxl (python3)");
#else
    if (QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) != 0)
        return QStringLiteral("/usr/bin/python3 has no openpyxl");
    return {};
#endif
}

bool haveSsconvert()
{
#ifdef Q_OS_WIN
    return false;
#else
    return !QStandardPaths::findExecutable(QStringLiteral("ssconvert")).isEmpty();
#endif
}

QString checkWithXlrd(const QString &path, const QList<Sheet> &expected)
{
    QTemporaryDir dir;
    return run(kPython, {QStringLiteral(XLS_ROWS_SCRIPT), path, writeExpected(dir, expected)});
}

QString checkWithOpenpyxl(const QString &path, const QList<Sheet> &expected)
{
    QTemporaryDir dir;
    return run(kPython, {QStringLiteral(XLSX_ROWS_SCRIPT), path, writeExpected(dir, expected)});
}

QString checkWithSsconvert(const QString &path, const QList<Sheet> &expected)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("sheet.csv"));
    const QString converted = run(QStringLiteral("ssconvert"),
                                  {QStringLiteral("-S"), QStringLiteral("--export-type=Gnumeric_stf:stf_csv"), path,
                                   prefix + QStringLiteral(".%n")},
                                  dir.path());
    if (!converted.isEmpty())
        return converted;
    return run(kPython, {QStringLiteral(XLS_CSV_SCRIPT), prefix, writeExpected(dir, expected)});
}

} // namespace xls_readers
