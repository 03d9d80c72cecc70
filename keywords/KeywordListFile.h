// Keyword list files: plain text with one keyword per line, optionally followed by a tab (or "||")
// and its remark. Reading accepts GBK and UTF-8; writing gives "keyword TAB remark" lines in GBK
// with CR LF, which reading gives back as they were.
#pragma once

#include "keywords/KeywordListModel.h"
#include "platform/FileFailure.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace keywords {

// A keyword file is a short list typed or kept by hand; anything bigger, or with longer lines, is
// some other file chosen by mistake.
inline constexpr qint64 kMaxKeywordFileBytes = 16 * 1024 * 1024;
inline constexpr int kMaxKeywordLineLength = 1000;

enum class KeywordFileEncoding { Gbk, Utf8 };

// One line cut into keyword and remark, both trimmed; an empty remark becomes "无", as when adding
// by hand. The keyword ends at the first tab, or in a line without a tab at the first "||", so a
// keyword holding "||" is read back whole from a written file.
KeywordRow parseKeywordLine(QStringView line);

struct KeywordFileContent {
    // What is wrong with a file that was read as text.
    enum class Problem {
        None,
        UnreadableBytes,  // bytes its encoding cannot read, on line
        ControlCharacter, // other than tab and line ends, on line
        LongLine,         // line has lineLength characters
        Empty,
        OnlyBlankLines,
        NoKeyword, // lines with remarks only
    };
    QList<KeywordRow> rows;      // in file order, repeated keywords included; 编号 is left at 0
    int linesWithoutKeyword = 0; // lines with a remark but nothing before it
    platform::TextFile::Reason reading = platform::TextFile::Reason::Read;
    QString systemText; // the system's own words when opening or reading failed
    qint64 size = 0;    // of a file too big, in bytes
    Problem problem = Problem::None;
    qsizetype line = 0;       // the line (from 1) the problem is on, where it is on one
    qsizetype lineLength = 0; // of a line too long

    bool refused() const { return reading != platform::TextFile::Reason::Read || problem != Problem::None; }
};

// Reads the keywords of a file's bytes. Lines end in CR LF, LF or CR; blank lines are left out.
// The whole file must read cleanly as GBK or UTF-8: bytes the encoding cannot read, control
// characters other than tab and line ends, binary data and UTF-16 text (with or without its
// byte-order mark), over-long lines and files without a keyword are refused with a problem.
KeywordFileContent parseKeywordFile(QByteArray bytes);
// The same for the file at path; a missing, unreadable or too big file, or a folder, is refused.
KeywordFileContent readKeywordFile(const QString &path);
// The same for a text held in memory, read as a file holding it in UTF-8 would be, size included.
KeywordFileContent parseKeywordText(const QString &text);

struct KeywordFileBytes {
    QByteArray bytes;
    KeywordFileEncoding encoding = KeywordFileEncoding::Gbk;
    int written = 0;
    // Rows that reading the file would not give back exactly (a tab or line break inside the
    // keyword, blanks around a text, an empty remark or keyword); they are written nevertheless.
    int changedOnReading = 0;
    // Rows left out because reading would refuse the whole file for them (lines over the limit).
    int leftOut = 0;
};

// The file for these rows, in order. GBK, unless some text has no GBK form: then the whole file is
// UTF-8 with its byte-order mark, so nothing is lost and reading still tells the encoding.
KeywordFileBytes keywordFileBytes(const QList<KeywordRow> &rows);

// Makes the file at path hold these bytes, replacing it only once they are completely written.
// Returns an empty text, or why it failed in words for the user.
platform::FileFailure saveKeywordFile(const QString &path, const QByteArray &bytes);

} // namespace keywords
