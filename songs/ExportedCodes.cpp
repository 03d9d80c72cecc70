// Reading the codes of earlier exports.
#include "songs/ExportedCodes.h"

#include "platform/Files.h"
#include "platform/Gbk.h"
#include "songs/SearchFileParser.h"
#include "songs/SongTableModel.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace songs {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
// Longer than any song code a server knows; a longer line is prose or data, not a code.
constexpr qsizetype kLongestCode = 64;

QString utf16Problem()
{
    return QStringLiteral("文件是 UTF-16（Unicode）编码的，不是本程序导出的编码列表或搜歌文件。"
                          "请先把它另存为 GBK（ANSI）或 UTF-8 编码。");
}

// Text files hold no zero byte. UTF-16 text has one in every other byte for each ASCII character,
// nearly all at even or all at odd offsets; elsewhere it is binary data.
QString binaryProblem(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return utf16Problem();
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++zeros[i % 2];
    }
    const qsizetype more = std::max(zeros[0], zeros[1]);
    const qsizetype fewer = std::min(zeros[0], zeros[1]);
    if (more == 0)
        return {};
    if (more >= 2 && fewer * 10 <= more && more * 20 >= bytes.size())
        return utf16Problem();
    return QStringLiteral("文件中含有二进制数据（空字节），不是文本文件。");
}

QString decode(QByteArrayView bytes)
{
    constexpr auto kStateless = QStringConverter::Flag::Stateless;
    if (bytes.startsWith(kUtf8Bom))
        return QStringDecoder(QStringConverter::Utf8, kStateless)(bytes.sliced(3));
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes); // the same in GBK and UTF-8, and far quicker
    {
        QStringDecoder utf8(QStringConverter::Utf8, kStateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return platform::fromGbk(bytes);
}

bool looksLikeCode(QStringView line)
{
    if (line.isEmpty() || line.size() > kLongestCode)
        return false;
    bool digit = false;
    for (const QChar c : line) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
        digit = digit || c.isDigit();
    }
    return digit;
}

ExportedCodes codeListCodes(QStringView text)
{
    ExportedCodes result;
    // About one code a line of nine or ten characters; growing the set step by step costs more.
    result.codes.reserve(text.size() / 8 + 1);
    bool anyCode = false;
    const auto take = [&](QStringView line) {
        if (line.isEmpty())
            return;
        anyCode = anyCode || looksLikeCode(line);
        result.codes.insert(line.toString());
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        take(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        take(text.sliced(start));
    if (!anyCode) {
        result.codes.clear();
        result.problem = QStringLiteral("文件中没有一行像歌曲编码，不是本程序导出的编码列表或搜歌文件。");
    }
    return result;
}

ExportedCodes searchFileCodes(QByteArrayView bytes)
{
    // Exactly the codes the import would put into the song table from this file.
    const ParsedSearchFile parsed = parseSearchFile(bytes);
    ExportedCodes result;
    for (qsizetype row = 0; row < parsed.rows.rowCount(); ++row) {
        const QStringView code = parsed.rows.cell(row, kCodeColumn);
        if (!code.isEmpty())
            result.codes.insert(code.toString());
    }
    if (result.codes.isEmpty())
        result.problem = QStringLiteral("搜歌文件中没有一首带编码的歌曲。");
    return result;
}

} // namespace

ExportedCodes parseExportedCodes(QByteArrayView bytes)
{
    if (QString problem = binaryProblem(bytes); !problem.isEmpty())
        return {{}, problem};
    if (bytes.indexOf("||") >= 0)
        return searchFileCodes(bytes);
    return codeListCodes(decode(bytes));
}

ExportedCodes readExportedCodes(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxExportedCodesFileBytes)
        return {{}, QStringLiteral("文件太大（超过%1 MB），不是本程序导出的编码列表或搜歌文件。")
                        .arg(kMaxExportedCodesFileBytes / (1024 * 1024))};
    QString whyNot;
    const std::optional<QByteArray> bytes = platform::readWholeFile(path, whyNot);
    if (!bytes)
        return {{}, whyNot};
    return parseExportedCodes(*bytes);
}

QList<int> rowsWithCodes(const SongTableModel &table, const QSet<QString> &codes)
{
    QList<int> rows;
    if (codes.isEmpty())
        return rows;
    const int count = table.songCount();
    for (int row = 0; row < count; ++row) {
        const QStringView code = table.cellView(row, kCodeColumn);
        // A view of the cell's own characters: no copy per row.
        if (!code.isEmpty() && codes.contains(QString::fromRawData(code.data(), code.size())))
            rows.append(row);
    }
    return rows;
}

} // namespace songs
