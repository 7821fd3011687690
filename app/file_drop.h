#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace lernwerk {

// The first file of the local file system among the dragged items, or an
// empty text when none is one (a dragged text, a web address).
QString firstDroppedFile(const QMimeData* data);

// Lets a widget take files dropped on it: a drag that carries a local file is
// accepted, and its drop hands the first file on. Every other drag passes to
// the widget as before, so a dragged text still goes into a text field.
class FileDrop : public QObject {
public:
    // Watches `target` (for a scrolling field, its viewport); the watcher
    // belongs to the target.
    FileDrop(QWidget* target, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};

}  // namespace lernwerk
