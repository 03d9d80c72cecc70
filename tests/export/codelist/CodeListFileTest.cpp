// The code list file on its own: names that cannot be written, and devices. Its bytes are checked
// through the window (CodeListExportTest).
#include "export/CodeListFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using exporting::CodeListFile;

TEST(CodeListFile, ANameThatCannotBeCreatedIsReportedAndCreatesNothing)
{
    QTemporaryDir folder;
    const QString plainFile = folder.filePath(QStringLiteral("plain.txt"));
    QFile plain(plainFile);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Case {
        const char *name;
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {"missing_folder", folder.filePath(QStringLiteral("gone/codes.txt")), u"文件夹不存在"_qs},
        {"folder_as_name", folder.path(), u"这是一个文件夹"_qs},
        {"file_as_folder", plainFile + QStringLiteral("/codes.txt"), u"不是文件夹"_qs},
    };
    for (const Case &c : cases) {
        CodeListFile file;
        EXPECT_FALSE(file.save(c.path, u"12345678\r\n")) << c.name;
        EXPECT_TRUE(file.errorString().contains(c.reason)) << c.name << ": " << file.errorString().toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"plain.txt"_qs});
}

// /dev/full is covered through the window (CodeListExport.AFullDiskIsReported).
TEST(CodeListFile, DevicesAreWrittenIntoAndPipesRefused)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: needs /dev/null and a named pipe (mkfifo)";
#else
    CodeListFile file;
    EXPECT_TRUE(file.save(QStringLiteral("/dev/null"), u"12345678\r\n"));
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(file.save(pipe, u"12345678\r\n")) << "a pipe without a reader would wait for ever";
#endif
}
