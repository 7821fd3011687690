#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>

namespace lernwerk {

namespace {

QString& titleStore()
{
    static QString title;
    return title;
}

ErrorSink& sinkStore()
{
    static ErrorSink sink;
    return sink;
}

}  // namespace

void setApplicationTitle(const QString& title)
{
    titleStore() = title;
}

QString applicationTitle()
{
    return titleStore();
}

void setErrorSink(ErrorSink sink)
{
    sinkStore() = std::move(sink);
}

void showError(const QString& message)
{
    if (sinkStore()) {
        sinkStore()(applicationTitle(), message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), applicationTitle(), message);
}

}  // namespace lernwerk
