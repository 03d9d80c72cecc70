// GBK conversion through Windows' own code page 936 (a Qt for Windows has no ICU).
#include "platform/Gbk.h"

#include <qt_windows.h>

namespace platform {

namespace {

constexpr UINT kGbk = 936;
// Runs handed to Windows in one call stay far below its int sizes.
constexpr qsizetype kMaxRun = qsizetype(1) << 28;

bool isLeadByte(uchar byte) { return byte >= 0x81 && byte <= 0xFE; }
bool isTrailByte(uchar byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// What a byte that starts no two-byte character stands for, as ICU's windows-936 decodes it.
char16_t singleByte(uchar byte)
{
    switch (byte) {
    case 0x80: return u'\u20AC';
    case 0xFF: return u'\uF8F5';
    default: return u'\uFFFD';
    }
}

} // namespace

QByteArray toGbk(QStringView text)
{
    QByteArray bytes;
    bytes.resize(text.size() * 2);
    qsizetype written = 0;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype length = std::min(text.size() - from, kMaxRun);
        // Never cut a surrogate pair in two.
        if (from + length < text.size() && QChar::isHighSurrogate(text[from + length - 1].unicode()))
            --length;
        // No best-fit look-alikes: a character GBK lacks becomes '?', as ICU gives it.
        written += WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS,
                                       reinterpret_cast<LPCWCH>(text.utf16() + from), int(length),
                                       bytes.data() + written, int(bytes.size() - written), "?", nullptr);
        from += length;
    }
    bytes.truncate(written);
    return bytes;
}

QString fromGbk(QByteArrayView bytes)
{
    // Windows would pair a stray lead byte with whatever follows it, a CR or '|' included. Bytes are
    // classified here first; Windows converts only runs of whole characters.
    QString text(bytes.size(), Qt::Uninitialized); // never more than one UTF-16 unit per byte
    auto *const out = reinterpret_cast<wchar_t *>(text.data());
    qsizetype written = 0;
    const auto *const data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype runStart = 0;
    auto convertRun = [&](qsizetype end) {
        if (end > runStart)
            written += MultiByteToWideChar(kGbk, 0, reinterpret_cast<LPCCH>(data + runStart), int(end - runStart),
                                           out + written, int(text.size() - written));
        runStart = end;
    };
    for (qsizetype at = 0; at < size;) {
        const uchar byte = data[at];
        if (byte < 0x80) {
            ++at;
        } else if (isLeadByte(byte) && at + 1 < size && isTrailByte(data[at + 1])) {
            at += 2;
        } else {
            convertRun(at);
            out[written++] = wchar_t(singleByte(byte));
            runStart = ++at;
        }
        if (at - runStart >= kMaxRun)
            convertRun(at);
    }
    convertRun(size);
    text.truncate(written);
    return text;
}

} // namespace platform
