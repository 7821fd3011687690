#include "app/tstart.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "lang/interface_language.h"
#include "lang/window_texts.h"
#include "widgets/click_label.h"
#include "widgets/error_reporter.h"
#include "widgets/picture_file.h"

namespace lernwerk {

namespace {

constexpr int kTickMilliseconds = 700;
constexpr int kShowMainAfter = 3;  // the main window comes with the 4th tick
constexpr int kHideAfter = 5;      // the start screen goes with the 6th
constexpr int kStopAfter = 7;      // the timer ends with the 8th

ClickLabel* makePicture(QWidget* parent, ErrorReporter& errors, const char* name, const char* resource, QRect geometry)
{
    auto* picture = new ClickLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    picture->setCursor(Qt::PointingHandCursor);
    errors.guarded([&] { picture->setPixmap(QPixmap::fromImage(loadPicture(QString::fromLatin1(resource)))); });
    return picture;
}

}  // namespace

Tstart::Tstart(InterfaceLanguage& language, ErrorReporter& errors, const QString& workingFolder)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      language_(language),
      errors_(errors)
{
    setObjectName(QStringLiteral("start"));
    setWindowTitle(QStringLiteral("start"));
    setFixedSize(300, 215);

    Image1 = makePicture(this, errors_, "Image1", ":/pictures/start_de.jpg", {0, 0, 300, 215});
    Image2 = makePicture(this, errors_, "Image2", ":/pictures/start_en.jpg", {101, 83, 191, 132});
    connect(Image1, &ClickLabel::clicked, this, &Tstart::Image1Click);
    connect(Image2, &ClickLabel::clicked, this, &Tstart::Image1Click);

    spr = new QLabel(this);
    spr->setObjectName(QStringLiteral("spr"));
    spr->hide();
    language_.showIn(spr);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMilliseconds);
    connectGuarded(Timer1, &QTimer::timeout, this, errors_, &Tstart::Timer1Timer);

    FormCreate(workingFolder);
}

void Tstart::FormCreate(const QString& workingFolder)
{
    ticks_ = 0;
    language_.readMarkers(workingFolder);
    startsprache();
}

QString Tstart::language() const { return spr->text(); }

void Tstart::setHandOver(std::function<void()> showMainWindow) { showMainWindow_ = std::move(showMainWindow); }

void Tstart::startWaiting()
{
    // Queued: the call runs when the program's event loop runs, after every
    // window was created and any error box of their creation was answered.
    QMetaObject::invokeMethod(Timer1, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void Tstart::startsprache()
{
    const QString& title = windowTexts().caption.in(language_.current());
    errors_.setTitle(title);
    setAccessibleName(title);
    // The English picture lies over the German one.
    Image2->setVisible(quiz::PerLanguage<bool>{false, true}.in(language_.current()));
    // Either picture hands over to the main window when clicked.
    const QString pictureName = windowTexts().startPicture.in(language_.current());
    Image1->setAccessibleName(pictureName);
    Image2->setAccessibleName(pictureName);
}

void Tstart::Timer1Timer()
{
    ++ticks_;
    if (ticks_ > kShowMainAfter && showMainWindow_)
        showMainWindow_();
    if (ticks_ > kHideAfter)
        hide();
    if (ticks_ > kStopAfter)
        Timer1->stop();
}

void Tstart::Image1Click()
{
    if (showMainWindow_)
        showMainWindow_();
    hide();
    Timer1->stop();
}

void Tstart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Centred on the desktop. The splash window type keeps it off the taskbar.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tstart::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

}  // namespace lernwerk
