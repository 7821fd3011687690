// Lists that come from outside the program: a file named on the command line
// (also by the desktop's "Open With") and files dropped on the main window,
// the question list or the trainer's fields. Each is loaded as "Liste
// Laden.." loads the file its dialog returns.

#include <QPlainTextEdit>

#include <stdexcept>

#include "app/file_drop.h"
#include "app/main_window.h"
#include "app/trainer_page.h"
#include "lang/lists_texts.h"
#include "lists/lists_page.h"
#include "widgets/error_reporter.h"

namespace lernwerk {

void MainWindow::acceptListDrops()
{
    // The file is opened once the drop is over, so that the program it came
    // from is not kept waiting by the list's loading or by a message box.
    const auto open = [this](const DroppedFile& dropped) {
        QMetaObject::invokeMethod(
            this,
            [this, dropped] {
                errors_.guarded([this, &dropped] {
                    if (dropped.name.isEmpty())
                        throw std::runtime_error(listsPageTexts()
                                                     .otherComputer.in(language_.current())
                                                     .arg(dropped.otherHost)
                                                     .toStdString());
                    openListFile(dropped.name);
                });
            },
            Qt::QueuedConnection);
    };
    new FileDrop(this, open);
    // The text fields of the trainer and the lists page take a dropped file
    // the same way, whether or not the drag offers its name as text too; the
    // editor's fields keep taking what is dropped as their own text.
    for (QWidget* page : {static_cast<QWidget*>(trainer_), static_cast<QWidget*>(lists_)})
        for (QPlainTextEdit* field : page->findChildren<QPlainTextEdit*>())
            new FileDrop(field->viewport(), open);
}

void MainWindow::openListFile(const QString& fileName)
{
    lists_->loadFile(fileName);
    // The list shows where it was loaded, with its name above it.
    showPage(lists_);
}

void MainWindow::openAfterHandOver(const QString& fileName) { givenList_ = fileName; }

}  // namespace lernwerk
