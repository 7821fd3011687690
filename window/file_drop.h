#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>

#include "lang/interface_language.h"

class QMimeData;
class QWidget;

namespace lernwerk {

class ErrorReporter;

// What a drag offers to load.
struct DroppedFile {
    // The first regular file of the local file system among the dragged
    // items; when there is none, the first local item of any kind (a folder),
    // which the load then refuses with its reason. In the bytes the file
    // system knows it by. Empty when no item is local.
    QString name;
    // When no item is local: the first file on another computer, as its
    // address ("file://host/path"), which cannot be opened from here.
    QString otherHost;

    bool empty() const { return name.isEmpty() && otherHost.isEmpty(); }
};

// Empty when nothing dragged is a file (a dragged text, a web address).
DroppedFile droppedFile(const QMimeData* data);

// Lets a widget take files dropped on it: a drag that carries a file is
// accepted, and its drop hands it on. Every other drag passes to the widget
// as before, so a dragged text still goes into a text field.
class FileDrop : public QObject {
public:
    // Watches `target` (for a scrolling field, its viewport); the watcher
    // belongs to the target.
    FileDrop(QWidget* target, std::function<void(const DroppedFile&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const DroppedFile&)> open_;
};

// Lets `window` and the text fields of `pages` take dropped list files, whether
// or not the drag offers a file's name as text too; each file is handed to
// `open` once the drop is over, so that the program it came from is not kept
// waiting by the list's loading or by a message box. A file on another
// computer gets a message instead.
void acceptListDrops(QWidget& window, std::initializer_list<QWidget*> pages, ErrorReporter& errors,
                     const InterfaceLanguage& language, std::function<void(const QString&)> open);

}  // namespace lernwerk
