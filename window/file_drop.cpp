#include "window/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

#include "desktop/error_reporter.h"
#include "lang/lists_texts.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

// A file address of this computer: no host, or the name every computer has
// for itself.
bool onThisComputer(const QUrl& url)
{
    const QString host = url.host();
    return host.isEmpty() || host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0;
}

// The path of a local file address in the bytes the drag source sent: a name
// that is not UTF-8 comes percent-encoded byte by byte, which the address's
// own decoding would turn into replacement characters.
QString localPath(const QUrl& url)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return QString::fromStdU16String(textfile::NameFromBytes(std::string_view(bytes.constData(), bytes.size())));
}

}  // namespace

DroppedFile droppedFile(const QMimeData* data)
{
    DroppedFile dropped;
    if (!data || !data->hasUrls())
        return dropped;
    QString firstLocal;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        if (!onThisComputer(url)) {
            if (dropped.otherHost.isEmpty())
                dropped.otherHost = url.toDisplayString();
            continue;
        }
        const QString path = localPath(url);
        if (textfile::IsRegularFile(path.toStdU16String())) {
            dropped.name = path;
            break;
        }
        if (firstLocal.isEmpty())
            firstLocal = path;
    }
    if (dropped.name.isEmpty())
        dropped.name = firstLocal;
    if (!dropped.name.isEmpty())
        dropped.otherHost.clear();
    return dropped;
}

FileDrop::FileDrop(QWidget* target, std::function<void(const DroppedFile&)> open)
    : QObject(target), open_(std::move(open))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drag = static_cast<QDropEvent*>(event);
    // Looking at the files waits for the file system, so only the drop does.
    const QMimeData* data = drag->mimeData();
    const QList<QUrl> urls = data && data->hasUrls() ? data->urls() : QList<QUrl>{};
    if (std::none_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); }))
        return false;
    // The file is taken as it is, never moved: the drag source keeps it.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (type == QEvent::Drop)
        open_(droppedFile(data));
    return true;
}

void acceptListDrops(QWidget& window, std::initializer_list<QWidget*> pages, ErrorReporter& errors,
                     const InterfaceLanguage& language, std::function<void(const QString&)> open)
{
    const auto openLater = [&window, &errors, &language, open](const DroppedFile& dropped) {
        QMetaObject::invokeMethod(
            &window,
            [&errors, &language, open, dropped] {
                errors.guarded([&] {
                    if (dropped.name.isEmpty())
                        throw std::runtime_error(
                            listsPageTexts().otherComputer.in(language.current()).arg(dropped.otherHost).toStdString());
                    open(dropped.name);
                });
            },
            Qt::QueuedConnection);
    };
    new FileDrop(&window, openLater);
    // The editor's fields are not among them: they keep taking what is dropped as their own text.
    for (QWidget* page : pages)
        for (QPlainTextEdit* field : page->findChildren<QPlainTextEdit*>())
            new FileDrop(field->viewport(), openLater);
}

}  // namespace lernwerk
