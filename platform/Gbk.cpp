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
    return decoder(bytes);
}

} // namespace platform
