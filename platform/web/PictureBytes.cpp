// Decoding and fitting the picture of a picture board.
#include "platform/web/PictureBytes.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {

QImage decodePicture(const QByteArray &bytes, QSize box)
{
    if (bytes.isEmpty() || box.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    // Only the JPEG decoder sees bytes from the web; nothing else is guessed from their content.
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {};
    const QSize fitted = size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // A large picture is decoded straight at the board's size, which also keeps memory small.
    if (fitted.width() < size.width())
        reader.setScaledSize(fitted);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace platform
