// Showing picture bytes (a JPEG) on a picture board, fitted into the board.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

class QLabel;

namespace platform {

// The JPEG picture in bytes, scaled to fit box with its proportions kept; a null image for empty
// bytes or bytes that are not a readable JPEG.
QImage decodePicture(const QByteArray &bytes, QSize box);

// Shows the picture on the board, fitted into the board's size and centred; empty or unreadable
// bytes leave the board without a picture.
void showPictureBytes(QLabel *board, const QByteArray &bytes);

} // namespace platform
