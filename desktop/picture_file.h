#pragma once

#include <QImage>
#include <QString>

namespace lernwerk {

// Reads a picture file or Qt resource (":/pictures/start_de.jpg") with Qt's image readers; the
// format comes from the content. Throws std::runtime_error naming the path and the reader's
// reason when the picture cannot be read or decoded.
QImage loadPicture(const QString& path);

}  // namespace lernwerk
