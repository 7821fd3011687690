#include "widgets/error_reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace lernwerk {

void ErrorReporter::show(const QString& message) const
{
    if (sink_) {
        sink_(title_, message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), title_, message);
}

}  // namespace lernwerk
