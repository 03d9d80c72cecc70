// GBK conversion through Qt's ICU-backed converters.
#include "platform/Gbk.h"

namespace platform {

namespace {
constexpr auto kFlags = QStringConverter::Flag::Stateless;
}

QStringDecoder gbkDecoder()
{
    QStringDecoder decoder("GBK", kFlags);
#ifdef Q_OS_WIN
    // A Qt without ICU knows no GBK by name; the ANSI code page of a Chinese Windows is GBK.
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::System, kFlags);
#endif
    return decoder;
}

QStringEncoder gbkEncoder()
{
    QStringEncoder encoder("GBK", kFlags);
#ifdef Q_OS_WIN
    if (!encoder.isValid())
        encoder = QStringEncoder(QStringConverter::System, kFlags);
#endif
    return encoder;
}

QByteArray toGbk(QStringView text)
{
    QStringEncoder encoder = gbkEncoder();
    return encoder(text);
}

QString fromGbk(QByteArrayView bytes)
{
    QStringDecoder decoder = gbkDecoder();
    return decodeToEnd(decoder, bytes);
}

QString decodeToEnd(QStringDecoder &decoder, QByteArrayView bytes)
{
    // The decoder keeps a lead byte at the very end waiting for its partner, even when stateless.
    // An ASCII line feed after it makes it come out as a replacement character; the line feed itself
    // is cut off again.
    QByteArray terminated;
    terminated.reserve(bytes.size() + 1);
    terminated.append(bytes);
    terminated.append('\n');
    QString text = decoder(terminated);
    text.chop(1);
    return text;
}

} // namespace platform
