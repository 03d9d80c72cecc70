// Keyword list files.
#include "keywords/KeywordListFile.h"

#include "platform/Gbk.h"
#include "platform/SaveFile.h"
#include "platform/TextFile.h"

#include <QIODevice>

#include <tuple>

namespace keywords {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
using Problem = KeywordFileContent::Problem;

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
// character other than tab and line ends, and its line.
std::pair<Problem, qsizetype> uncleanProblem(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ReplacementCharacter)
            return {Problem::UnreadableBytes, lineOf(text, i)};
        if (isStrayControl(text[i]))
            return {Problem::ControlCharacter, lineOf(text, i)};
    }
    return {Problem::None, 0};
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

namespace {
KeywordFileContent keywordsIn(const platform::TextFile &file)
{
    KeywordFileContent content;
    if (!file.isRead()) {
        content.reading = file.reason;
        content.size = file.size;
        content.systemText = file.systemText;
        return content;
    }
    const QString text = file.text();
    if (text.isEmpty()) {
        content.problem = Problem::Empty;
        return content;
    }
    std::tie(content.problem, content.line) = uncleanProblem(text);
    if (content.problem != Problem::None)
        return content;

    qsizetype lineNumber = 0;
    platform::forEachTextLine(text, [&](QStringView line) {
        ++lineNumber;
        if (line.size() > kMaxKeywordLineLength) {
            content.problem = Problem::LongLine;
            content.line = lineNumber;
            content.lineLength = line.size();
            return false;
        }
        KeywordRow row = parseKeywordLine(line);
        if (!row.name.isEmpty())
            content.rows.append(std::move(row));
        else if (!line.trimmed().isEmpty())
            ++content.linesWithoutKeyword;
        return true;
    });

    if (content.problem != Problem::None)
        content.rows.clear();
    else if (content.rows.isEmpty())
        content.problem = content.linesWithoutKeyword > 0 ? Problem::NoKeyword : Problem::OnlyBlankLines;
    return content;
}
} // namespace

KeywordFileContent parseKeywordFile(QByteArray bytes)
{
    return keywordsIn(platform::readText(std::move(bytes)));
}

KeywordFileContent readKeywordFile(const QString &path)
{
    return keywordsIn(platform::readTextFile(path, kMaxKeywordFileBytes));
}

KeywordFileContent parseKeywordText(const QString &text)
{
    // No encoding takes fewer bytes than characters: a text with more is refused before it is copied.
    KeywordFileContent tooBig;
    tooBig.reading = platform::TextFile::Reason::TooBig;
    if (text.size() > kMaxKeywordFileBytes) {
        tooBig.size = text.size();
        return tooBig;
    }
    QByteArray bytes = kUtf8Bom.toByteArray() + text.toUtf8();
    if (bytes.size() - kUtf8Bom.size() > kMaxKeywordFileBytes) {
        tooBig.size = bytes.size() - kUtf8Bom.size();
        return tooBig;
    }
    return parseKeywordFile(std::move(bytes));
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
    const platform::TextFile read = platform::readText(gbk);
    if (platform::fromGbk(gbk) == text && read.isRead() && read.encoding == platform::TextEncoding::Gbk
        && uncleanProblem(read.text()).first == Problem::None) {
        file.bytes = std::move(gbk);
    } else {
        file.encoding = KeywordFileEncoding::Utf8;
        file.bytes = kUtf8Bom.toByteArray() + text.toUtf8();
    }
    return file;
}

platform::FileFailure saveKeywordFile(const QString &path, const QByteArray &bytes)
{
    return platform::saveFile(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

} // namespace keywords
