#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lernwerk {

// Decodes JPEG bytes with libjpeg into a QImage: Format_Grayscale8 for greyscale pictures,
// Format_RGB32 for colour ones (YCbCr, RGB and CMYK). Throws std::runtime_error with a clear
// message ("Invalid JPEG picture: ...") on empty, corrupt or truncated data; never calls exit()
// and prints nothing.
QImage decodeJpeg(const QByteArray& bytes);

// Reads a JPEG file or Qt resource (":/pictures/start_de.jpg") and decodes it. Throws
// std::runtime_error naming the path when it cannot be read or is not a valid JPEG picture.
QImage loadJpeg(const QString& path);

// Encodes a QImage as a baseline JPEG (no chroma subsampling, so small lettering stays crisp).
// Greyscale images give a one-component JPEG, everything else three components; an alpha
// channel is dropped. The quality is clamped to 1..100. Throws std::runtime_error for a null
// image.
QByteArray encodeJpeg(const QImage& image, int quality);

}  // namespace lernwerk
