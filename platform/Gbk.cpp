// GBK conversion through Qt's ICU-backed converters.
#include "platform/Gbk.h"

#include <QStringConverter>

namespace platform {

namespace {
constexpr auto kFlags = QStringConverter::Flag::Stateless;
}

QByteArray toGbk(QStringView text)
{
    QStringEncoder encoder("GBK", kFlags);
    return encoder(text);
}

QString fromGbk(QByteArrayView bytes)
{
    QStringDecoder decoder("GBK", kFlags);
    // An ASCII byte at the end leaves no lead byte waiting, so the text decodes as it stands; every
    // piece of a search file ends so (in CR LF), and is not copied.
    if (bytes.isEmpty() || uchar(bytes.back()) < 0x80)
        return decoder(bytes);
    // Otherwise the decoder keeps a lead byte at the very end waiting for its partner, even when
    // stateless. An ASCII line feed after it makes it come out as a replacement character; the line
    // feed itself is cut off again.
    QByteArray terminated;
    terminated.reserve(bytes.size() + 1);
    terminated.append(bytes);
    terminated.append('\n');
    QString text = decoder(terminated);
    text.chop(1);
    return text;
}

} // namespace platform
