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
    KeywordFileEncoding encoding = KeywordFileEncoding::Gbk;
    QString text;
    QString problem; // why the bytes are no text of one encoding; empty when they are
};

const QString &utf16Problem()
{
    static const QString text = QStringLiteral("文件是 UTF-16（Unicode）编码的。请先把它另存为 GBK（ANSI）或 UTF-8 编码。");
    return text;
}

// Line (from 1) of a position in the text.
qsizetype lineOf(QStringView text, qsizetype position)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

bool isStrayControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != u'\t' && c != u'\r' && c != u'\n';
}

// Why a decoded text is no clean text: a character the decoding could not read, or a control
// character other than tab and line ends. Empty when it is clean.
QString uncleanProblem(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ReplacementCharacter)
            return QStringLiteral("第%1行有无法识别的字节：文件不是 GBK（ANSI）或 UTF-8 编码的文本。").arg(lineOf(text, i));
        if (isStrayControl(text[i]))
            return QStringLiteral("第%1行含有控制字符，不像是关键词文件。").arg(lineOf(text, i));
    }
    return {};
}

struct Utf16Reading {
    bool clean = false;  // valid UTF-16, no control characters other than tab and line ends
    bool common = false; // clean, and every character ASCII or a common Chinese one (GB2312)
};

Utf16Reading readAsUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    Utf16Reading reading;
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return reading;
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    const auto unlikely = [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse;
    };
    if (decoder.hasError() || !uncleanProblem(text).isEmpty() || std::any_of(text.begin(), text.end(), unlikely))
        return reading;
    reading.clean = true;
    // GB2312 characters have both GBK bytes from 0xA1; rarer ones start lower. Random bytes, or
    // ASCII words, seldom read as common characters only.
    const QByteArray gbk = platform::toGbk(text);
    if (platform::fromGbk(gbk) != text)
        return reading;
    for (qsizetype i = 0; i < gbk.size(); ++i) {
        if (uchar(gbk[i]) < 0x80)
            continue;
        if (uchar(gbk[i]) < 0xA1 || i + 1 >= gbk.size() || uchar(gbk[i + 1]) < 0xA1)
            return reading;
        ++i;
    }
    reading.common = true;
    return reading;
}

Utf16Reading readAsUtf16(QByteArrayView bytes)
{
    const Utf16Reading le = readAsUtf16(bytes, QStringConverter::Utf16LE);
    const Utf16Reading be = readAsUtf16(bytes, QStringConverter::Utf16BE);
    return {le.clean || be.clean, le.common || be.common};
}

// The whole file in one encoding, never line by line. UTF-16 (by its byte-order mark, or because
// it reads as UTF-16 better than as anything else) and binary data are refused, and so is text
// with bytes its encoding cannot read or with control characters.
DecodedText decode(QByteArrayView bytes)
{
    constexpr auto kStateless = QStringConverter::Flag::Stateless;
    if (bytes.startsWith(kUtf8Bom)) {
        QStringDecoder utf8(QStringConverter::Utf8, kStateless);
        DecodedText decoded{KeywordFileEncoding::Utf8, utf8(bytes.sliced(3)), {}};
        decoded.problem = uncleanProblem(decoded.text);
        return decoded;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return {KeywordFileEncoding::Gbk, {}, utf16Problem()};

    const Utf16Reading utf16 = readAsUtf16(bytes);
    if (bytes.contains('\0')) {
        return {KeywordFileEncoding::Gbk, {},
                utf16.clean ? utf16Problem() : QStringLiteral("文件中含有二进制数据（空字节），不是文本文件。")};
    }
    if (utf16.common)
        return {KeywordFileEncoding::Gbk, {}, utf16Problem()};

    DecodedText decoded;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    QStringDecoder utf8(QStringConverter::Utf8, kStateless);
    if (!ascii) {
        QString text = utf8(bytes);
        if (!utf8.hasError())
            decoded = {KeywordFileEncoding::Utf8, std::move(text), {}};
    }
    if (ascii || utf8.hasError())
        decoded = {KeywordFileEncoding::Gbk, platform::fromGbk(bytes), {}};
    decoded.problem = uncleanProblem(decoded.text);
    if (!decoded.problem.isEmpty() && utf16.clean)
        decoded.problem = utf16Problem();
    return decoded;
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

// A text as it can stand in one line of the file: line breaks, control characters (which reading
// refuses) and, in the keyword, tabs (which would end it early) become blanks.
QString withinOneLine(const QString &text, bool tabsToo)
{
    QString line = text;
    for (QChar &c : line) {
        if (c == u'\r' || c == u'\n' || (tabsToo && c == u'\t') || isStrayControl(c))
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
    DecodedText decoded = decode(bytes);
    content.problem = std::move(decoded.problem);
    if (!content.problem.isEmpty())
        return content;
    const QString text = std::move(decoded.text);
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
    // GBK text can happen to be valid UTF-8, or to read as common characters in UTF-16, as well.
    QByteArray gbk = platform::toGbk(text);
    const DecodedText read = decode(gbk);
    if (platform::fromGbk(gbk) == text && read.encoding == KeywordFileEncoding::Gbk && read.problem.isEmpty()) {
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
