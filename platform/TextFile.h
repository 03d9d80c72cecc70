// Reading the small text files people keep and programs write: GBK or UTF-8, with or without the
// UTF-8 byte-order mark, lines ended by CR LF, LF or CR. UTF-16 text and binary data are told apart
// from such text once, here, for every reader of the program.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// What a file's bytes are.
enum class TextKind {
    Text,     // GBK or UTF-8; zero bytes that only pad the end are no part of it
    Utf16,    // UTF-16 text, little- or big-endian, with or without its byte-order mark
    Binary,   // zero bytes inside
    Controls, // binary data too: control characters in such numbers as no text has
};

// How much of a file's start decides whether it is UTF-16.
inline constexpr qsizetype kTextSampleBytes = 64 * 1024;

// The kind of a file from its first bytes (at most kTextSampleBytes are looked at) and whether a
// zero byte anywhere in it is followed by anything but zero bytes.
TextKind textKind(QByteArrayView head, bool zeroInsideText);

enum class TextEncoding { Gbk, Utf8 };

struct TextFile {
    enum class Reason {
        Read,
        Missing,
        Folder,
        NotRegularFile, // a device or a pipe, which could block for ever
        CannotOpen,
        ReadFailed,
        TooBig,
        Utf16,
        Binary,
        Controls,
    };
    Reason reason = Reason::Read;
    QString systemText; // the system's own words when opening or reading failed
    qint64 size = 0;    // the file's size, when it is too big
    TextEncoding encoding = TextEncoding::Gbk;
    bool byteOrderMark = false;
    // The text's bytes, without the byte-order mark and without the zero bytes that pad the end.
    QByteArray bytes;

    bool isRead() const { return reason == Reason::Read; }
    // The whole text.
    QString text() const;
};

// The text of bytes in memory: the whole of them is one encoding, UTF-8 when they start with its
// byte-order mark or are valid UTF-8 holding a byte over 0x7F, GBK otherwise.
TextFile readText(QByteArray bytes);
// The text of the file at path, of which at most maxBytes + 1 bytes are ever read: a bigger file is
// refused, as are everything but a regular file, UTF-16 text and binary data.
TextFile readTextFile(const QString &path, qint64 maxBytes);

// The decoded text of bytes in one encoding.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// Calls onLine for every line of the text, cut at CR LF, LF or CR, until it returns false. A line
// end at the very end starts no further line.
template<typename OnLine> void forEachTextLine(QStringView text, OnLine &&onLine)
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

// The same for a big file's text, decoded a piece of about a megabyte at a time, so that the text is
// never held whole beside its bytes. Returns false when onLine stopped it.
template<typename OnLine> bool forEachTextLine(const TextFile &file, OnLine &&onLine)
{
    constexpr qsizetype kPieceBytes = 1024 * 1024;
    const QByteArrayView bytes(file.bytes);
    qsizetype start = 0;
    while (start < bytes.size()) {
        // A piece ends after a line end: CR and LF are never part of a GBK or UTF-8 character.
        qsizetype end = bytes.size();
        for (qsizetype i = start + kPieceBytes; i < bytes.size(); ++i) {
            if (bytes[i] == '\n' || bytes[i] == '\r') {
                end = i + (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1);
                break;
            }
        }
        bool going = true;
        forEachTextLine(QStringView(decodeText(bytes.sliced(start, end - start), file.encoding)),
                        [&](QStringView line) { return going = onLine(line); });
        if (!going)
            return false;
        start = end;
    }
    return true;
}

} // namespace platform
