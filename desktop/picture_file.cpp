#include "desktop/picture_file.h"

#include <QImageReader>

#include <stdexcept>

namespace lernwerk {

QImage loadPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        // Without Qt's JPEG plugin the reader says "Unsupported image format", which names
        // the cause well enough.
        throw std::runtime_error("Cannot read the picture \"" + path.toStdString() +
                                 "\": " + reader.errorString().toStdString());
    }
    return image;
}

}  // namespace lernwerk
