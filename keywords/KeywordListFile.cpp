// Keyword list files.
#include "keywords/KeywordListFile.h"

#include "platform/SaveFile.h"
#include "platform/Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace keywords {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

struct DecodedText {
    KeywordFileEncoding encoding;
    QString text;
};

DecodedText decode(QByteArrayView bytes)
{
    constexpr auto kStateless = QStringConverter::Flag::Stateless;
    if (bytes.startsWith(kUtf8Bom))
        return {KeywordFileEncoding::Utf8, QStringDecoder(QStringConverter::Utf8, kStateless)(bytes.sliced(3))};
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringConverter::Utf8, kStateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return {KeywordFileEncoding::Utf8, std::move(text)};
    }
    return {KeywordFileEncoding::Gbk, platform::fromGbk(bytes)};
}

// Text files hold no zero byte. UTF-16 text has one in every other byte for each ASCII character
// (the line ends at least), nearly all at even or all at odd offsets; elsewhere it is binary data.
QString binaryProblem(QByteArrayView bytes)
{
    const QString utf16 = QStringLiteral("文件是 UTF-16（Unicode）编码的。请先把它另存为 GBK（ANSI）或 UTF-8 编码。");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return utf16;
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
        return utf16;
    return QStringLiteral("文件中含有二进制数据（空字节），不是文本文件。");
}

// Calls onLine for every line, cut at CR LF, LF or CR, until it returns false. A line end at the
// very end starts no further line.
template<typename OnLine> void forEachLine(QStringView text, OnLine &&onLine)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        if (!onLine(text.sliced(start, i - start)))
            return;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        onLine(text.sliced(start));
}

// A text as it can stand in one line of the file: line breaks (and, in the keyword, tabs, which
// would end it early) become blanks.
QString withinOneLine(const QString &text, bool tabsToo)
{
    QString line = text;
    for (QChar &c : line) {
        if (c == u'\r' || c == u'\n' || (tabsToo && c == u'\t'))
            c = u' ';
    }
    return line;
}

} // namespace

KeywordFileEncoding detectKeywordFileEncoding(QByteArrayView bytes)
{
    return decode(bytes).encoding;
}

KeywordRow parseKeywordLine(QStringView line)
{
    qsizetype cut = line.indexOf(u'\t');
    qsizetype separatorLength = 1;
    if (cut < 0) {
        cut = line.indexOf(u"||");
        separatorLength = 2;
    }
    KeywordRow row;
    if (cut < 0) {
        row.name = line.trimmed().toString();
    } else {
        row.name = line.first(cut).trimmed().toString();
        row.remark = line.sliced(cut + separatorLength).trimmed().toString();
    }
    if (row.remark.isEmpty())
        row.remark = QStringLiteral("无");
    return row;
}

KeywordFileContent parseKeywordFile(QByteArrayView bytes)
{
    KeywordFileContent content;
    content.problem = binaryProblem(bytes);
    if (!content.problem.isEmpty())
        return content;
    const QString text = decode(bytes).text;
    if (text.isEmpty()) {
        content.problem = QStringLiteral("文件是空的。");
        return content;
    }

    int lineNumber = 0;
    forEachLine(text, [&](QStringView line) {
        ++lineNumber;
        if (line.size() > kMaxKeywordLineLength) {
            content.problem = QStringLiteral("第%1行有%2个字符，超过了%3个字符的上限，不像是关键词文件中的一行。")
                                  .arg(lineNumber)
                                  .arg(line.size())
                                  .arg(kMaxKeywordLineLength);
            return false;
        }
        KeywordRow row = parseKeywordLine(line);
        if (!row.name.isEmpty())
            content.rows.append(std::move(row));
        else if (!line.trimmed().isEmpty())
            ++content.linesWithoutKeyword;
        return true;
    });

    if (!content.problem.isEmpty()) {
        content.rows.clear();
    } else if (content.rows.isEmpty()) {
        content.problem = content.linesWithoutKeyword > 0
            ? QStringLiteral("文件中没有关键词：每行应以关键词开头，其后可以有制表符或“||”和备注。")
            : QStringLiteral("文件中只有空行，没有关键词。");
    }
    return content;
}

KeywordFileContent readKeywordFile(const QString &path)
{
    KeywordFileContent refused;
    const QFileInfo info(path);
    const QString tooBig = QStringLiteral("文件太大（%1 MB），关键词文件最大为 %2 MB。");
    const auto megabytes = [](qint64 size) { return QString::number(double(size) / (1024 * 1024), 'f', 1); };
    if (!info.exists())
        refused.problem = QStringLiteral("文件不存在。");
    else if (info.isDir())
        refused.problem = QStringLiteral("这是一个文件夹，不是文件。");
    else if (!info.isFile())
        refused.problem = QStringLiteral("这不是普通文件。");
    else if (info.size() > kMaxKeywordFileBytes)
        refused.problem = tooBig.arg(megabytes(info.size()), megabytes(kMaxKeywordFileBytes));
    if (!refused.problem.isEmpty())
        return refused;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refused.problem = QStringLiteral("文件无法打开（%1）。").arg(file.errorString());
        return refused;
    }
    // The file may have grown since it was looked at; never read more than the limit.
    const QByteArray bytes = file.read(kMaxKeywordFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        refused.problem = QStringLiteral("读取文件时出错（%1）。").arg(file.errorString());
        return refused;
    }
    if (bytes.size() > kMaxKeywordFileBytes) {
        refused.problem = tooBig.arg(megabytes(bytes.size()), megabytes(kMaxKeywordFileBytes));
        return refused;
    }
    return parseKeywordFile(bytes);
}

KeywordFileBytes keywordFileBytes(const QList<KeywordRow> &rows)
{
    KeywordFileBytes file;
    QString text;
    text.reserve(rows.size() * 16);
    for (const KeywordRow &row : rows) {
        const QString line = withinOneLine(row.name, true) + u'\t' + withinOneLine(row.remark, false);
        if (line.size() > kMaxKeywordLineLength) {
            ++file.leftOut;
            continue;
        }
        const KeywordRow back = parseKeywordLine(line);
        if (back.name.isEmpty() || back.name != row.name || back.remark != row.remark)
            ++file.changedOnReading;
        text += line;
        text += u"\r\n";
        ++file.written;
    }

    // GBK is kept only when it holds every character and reading will take it for GBK: a short
    // GBK text can happen to be valid UTF-8 as well.
    QByteArray gbk = platform::toGbk(text);
    if (platform::fromGbk(gbk) == text && detectKeywordFileEncoding(gbk) == KeywordFileEncoding::Gbk) {
        file.bytes = std::move(gbk);
    } else {
        file.encoding = KeywordFileEncoding::Utf8;
        file.bytes = kUtf8Bom.toByteArray() + text.toUtf8();
    }
    return file;
}

QString saveKeywordFile(const QString &path, const QByteArray &bytes)
{
    return platform::saveFile(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

} // namespace keywords
