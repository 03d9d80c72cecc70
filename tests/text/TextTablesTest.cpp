// The checked-in character tables are what the script makes of the installed OpenCC and Unihan files.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TextTables, AreWhatTheScriptGenerates)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python))
        GTEST_SKIP() << "no /usr/bin/python3";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess script;
    script.start(python, {QStringLiteral(KORVIA_SOURCE_DIR "/scripts/text/generate-tables.py"),
                          QStringLiteral("--output-dir"), folder.path()});
    ASSERT_TRUE(script.waitForFinished(120000));
    const QByteArray said = script.readAllStandardOutput() + script.readAllStandardError();
    if (script.exitCode() == 77)
        GTEST_SKIP() << said.toStdString();
    ASSERT_EQ(script.exitCode(), 0) << said.toStdString();
    for (const char *table : {"TraditionalToSimplified.inc", "PinyinInitials.inc"}) {
        const QByteArray generated = contents(folder.filePath(QString::fromLatin1(table)));
        EXPECT_FALSE(generated.isEmpty()) << table;
        EXPECT_TRUE(generated == contents(QStringLiteral(KORVIA_SOURCE_DIR "/text/data/") + QString::fromLatin1(table)))
            << table << " differs from the generated one: run scripts/text/generate-tables.py";
    }
}

} // namespace
