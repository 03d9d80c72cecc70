// Decoding picture bytes (a JPEG) for a picture board, fitted into the board.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace platform {

// The JPEG picture in bytes, scaled to fit box with its proportions kept; a null image for empty
// bytes or bytes that are not a readable JPEG.
QImage decodePicture(const QByteArray &bytes, QSize box);

} // namespace platform
