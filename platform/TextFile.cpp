// Reading text files and telling UTF-16 and binary data from text.
#include "platform/TextFile.h"

#include "platform/Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace platform {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool isStrayControl(QChar c)
{
    return c.category() == QChar::Other_Control && c != u'\t' && c != u'\r' && c != u'\n';
}

// No character the decoding could not read, and no control character but tab and line ends. A
// replacement character at the very end may be a character the sample cut in two.
bool isClean(QStringView text)
{
    const QStringView inside = text.endsWith(QChar::ReplacementCharacter) ? text.chopped(1) : text;
    return std::none_of(inside.begin(), inside.end(),
                        [](QChar c) { return c == QChar::ReplacementCharacter || isStrayControl(c); });
}

bool isAscii(QByteArrayView bytes)
{
    uchar any = 0;
    for (const char byte : bytes)
        any |= uchar(byte);
    return any < 0x80;
}

// Control bytes in such numbers as no text has: a few may be typed by mistake, binary data is full
// of them. CR and LF are never part of a GBK or UTF-8 character, nor is any byte below 0x20.
bool manyControlBytes(QByteArrayView bytes)
{
    qsizetype controls = 0;
    for (const char byte : bytes) {
        const uchar b = uchar(byte);
        controls += b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != '\v';
    }
    return controls >= 8 && controls * 32 >= bytes.size();
}

struct Utf16Reading {
    bool clean = false;  // valid UTF-16 of assigned characters, no control characters but tab and line ends
    bool common = false; // clean, and every character ASCII or a common Chinese one (GB2312)
};

Utf16Reading readAsUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    Utf16Reading reading;
    if (bytes.size() < 2)
        return reading;
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    const auto unlikely = [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_NotAssigned || category == QChar::Other_PrivateUse;
    };
    if (decoder.hasError() || !isClean(text) || std::any_of(text.begin(), text.end(), unlikely))
        return reading;
    reading.clean = true;
    // GB2312 characters have both GBK bytes from 0xA1; rarer ones start lower. Random bytes, or
    // ASCII words, seldom read as common characters only.
    const QByteArray gbk = toGbk(text);
    if (fromGbk(gbk) != text)
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

// A sample shorter than kTextSampleBytes is the whole text: UTF-16 has an even number of bytes.
Utf16Reading readAsUtf16(QByteArrayView bytes)
{
    if (bytes.size() < kTextSampleBytes && bytes.size() % 2 != 0)
        return {};
    bytes = bytes.first(bytes.size() & ~qsizetype(1));
    const Utf16Reading le = readAsUtf16(bytes, QStringConverter::Utf16LE);
    const Utf16Reading be = readAsUtf16(bytes, QStringConverter::Utf16BE);
    return {le.clean || be.clean, le.common || be.common};
}

// Zero bytes at even or at odd offsets only, as the ASCII characters of UTF-16 text have them, and
// more than one stray zero byte could give.
bool zeroPairs(QByteArrayView bytes)
{
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i)
        zeros[i % 2] += bytes[i] == '\0';
    return std::min(zeros[0], zeros[1]) == 0 && std::max(zeros[0], zeros[1]) >= 2;
}

// The sample decoded as the file would be, as far as it goes.
QString decodeSample(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8); // keeps a character the sample cut in two
    QString text = utf8(bytes);
    return utf8.hasError() ? fromGbk(bytes) : text;
}

TextFile refusal(TextFile::Reason reason, const QString &systemText = {}, qint64 size = 0)
{
    TextFile file;
    file.reason = reason;
    file.systemText = systemText;
    file.size = size;
    return file;
}

bool allZero(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return byte == '\0'; });
}

} // namespace

TextKind textKind(QByteArrayView head, bool zeroInsideText)
{
    head = head.first(std::min(head.size(), kTextSampleBytes));
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return TextKind::Utf16;
    const bool utf8Mark = head.startsWith(kUtf8Bom);
    const qsizetype zero = head.indexOf('\0');
    if (!zeroInsideText && zero >= 0)
        head.truncate(zero); // the zero bytes that pad the end
    while (head.endsWith(QByteArrayView("\0\0", 2)))
        head.chop(2); // UTF-16 text padded with zero bytes
    // UTF-16 by the zero bytes ASCII characters have on one side, or, without them, by reading as
    // common Chinese characters only, or as clean text where the 8-bit reading is not.
    const Utf16Reading utf16 = utf8Mark ? Utf16Reading() : readAsUtf16(head);
    if (zeroInsideText)
        return (utf16.clean && zeroPairs(head)) || utf16.common ? TextKind::Utf16 : TextKind::Binary;
    if (utf16.common)
        return TextKind::Utf16;
    // Decoding the sample only matters when it could change the verdict.
    const bool controls = manyControlBytes(head);
    if ((utf16.clean || controls) && !isClean(decodeSample(head.sliced(utf8Mark ? 3 : 0))))
        return utf16.clean ? TextKind::Utf16 : TextKind::Controls;
    return TextKind::Text;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes); // the same in GBK and UTF-8, and far quicker
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    return fromGbk(bytes);
}

QString TextFile::text() const
{
    return decodeText(bytes, encoding);
}

TextFile readText(QByteArray bytes)
{
    TextFile file;
    const qsizetype zero = bytes.indexOf('\0');
    switch (textKind(bytes, zero >= 0 && !allZero(QByteArrayView(bytes).sliced(zero)))) {
    case TextKind::Utf16:
        return refusal(TextFile::Reason::Utf16);
    case TextKind::Binary:
        return refusal(TextFile::Reason::Binary);
    case TextKind::Controls:
        return refusal(TextFile::Reason::Controls);
    case TextKind::Text:
        break;
    }
    if (zero >= 0)
        bytes.truncate(zero);
    if (bytes.startsWith(kUtf8Bom)) {
        file.byteOrderMark = true;
        file.encoding = TextEncoding::Utf8;
        bytes.remove(0, kUtf8Bom.size()); // moves the start, not the bytes
    } else if (!isAscii(bytes) && QByteArrayView(bytes).isValidUtf8()) {
        file.encoding = TextEncoding::Utf8;
    }
    file.bytes = std::move(bytes);
    return file;
}

TextFile readTextFile(const QString &path, qint64 maxBytes)
{
    using Reason = TextFile::Reason;
    const QFileInfo info(path);
    if (!info.exists())
        return refusal(Reason::Missing);
    if (info.isDir())
        return refusal(Reason::Folder);
    if (!info.isFile())
        return refusal(Reason::NotRegularFile);
    if (info.size() > maxBytes)
        return refusal(Reason::TooBig, {}, info.size());

    QFile device(path);
    if (!device.open(QIODevice::ReadOnly))
        return refusal(Reason::CannotOpen, device.errorString());
    // The file may have grown since it was looked at: never more than one byte over the limit.
    const qint64 cap = maxBytes + 1;
    QByteArray bytes(std::min(cap, std::max<qint64>(device.size() + 1, 4096)), Qt::Uninitialized);
    qint64 got = 0;
    while (got < cap) {
        if (got == bytes.size())
            bytes.resize(std::min<qint64>(cap, bytes.size() * 2));
        const qint64 read = device.read(bytes.data() + got, bytes.size() - got);
        if (read < 0)
            return refusal(Reason::ReadFailed, device.errorString());
        if (read == 0)
            break;
        got += read;
    }
    if (got > maxBytes)
        return refusal(Reason::TooBig, {}, std::max(got, device.size()));
    bytes.truncate(got);
    return readText(std::move(bytes));
}

} // namespace platform
