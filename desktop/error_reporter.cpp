#include "desktop/error_reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace lernwerk {

void ErrorReporter::show(const QString& message) const
{
    if (sink_) {
        sink_(title_, message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title_, message, QMessageBox::Ok, QApplication::activeWindow());
    // A screen reader names the box by its caption and reads its description;
    // the message's own label it does not read.
    box.setAccessibleDescription(message);
    box.exec();
}

}  // namespace lernwerk
