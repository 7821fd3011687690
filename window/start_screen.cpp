#include "window/start_screen.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

#include "desktop/error_reporter.h"
#include "desktop/picture_file.h"
#include "lang/interface_language.h"
#include "lang/window_texts.h"
#include "widgets/click_label.h"

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

StartScreen::StartScreen(InterfaceLanguage& language, ErrorReporter& errors, const QString& workingFolder)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      language_(language),
      errors_(errors)
{
    setObjectName(QStringLiteral("start"));
    setWindowTitle(QStringLiteral("start"));
    setFixedSize(300, 215);

    germanPicture_ = makePicture(this, errors_, "Image1", ":/pictures/start_de.jpg", {0, 0, 300, 215});
    englishPicture_ = makePicture(this, errors_, "Image2", ":/pictures/start_en.jpg", {101, 83, 191, 132});
    connect(germanPicture_, &ClickLabel::clicked, this, &StartScreen::handOverNow);
    connect(englishPicture_, &ClickLabel::clicked, this, &StartScreen::handOverNow);

    languageCaption_ = new QLabel(this);
    languageCaption_->setObjectName(QStringLiteral("spr"));
    languageCaption_->hide();
    language_.showIn(languageCaption_);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMilliseconds);
    connectGuarded(timer_, &QTimer::timeout, this, errors_, &StartScreen::tick);

    language_.readMarkers(workingFolder);
    applyLanguage();
    // A message box of the hand-over (a list that cannot be read) would open
    // under the start screen, which stays on top: the start screen makes way.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (now && now->modality() != Qt::NonModal && isVisible())
            hide();
    });
}

QString StartScreen::language() const { return languageCaption_->text(); }

void StartScreen::setHandOver(std::function<void()> showMainWindow) { showMainWindow_ = std::move(showMainWindow); }

void StartScreen::setBuildBehind(std::function<void()> build) { buildBehind_ = std::move(build); }

void StartScreen::buildBehind()
{
    if (!buildBehind_ || building_)
        return;
    // An error box of the building runs an event loop of its own, in which
    // the timer may strike: those strikes are not counted.
    building_ = true;
    const auto build = std::exchange(buildBehind_, nullptr);
    build();
    building_ = false;
    emit builtBehind();
}

void StartScreen::startWaiting()
{
    // Queued: the call runs when the program's event loop runs. The strikes
    // while the windows behind are built (and their error boxes open) do not count.
    QMetaObject::invokeMethod(timer_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

void StartScreen::applyLanguage()
{
    const QString& title = windowTexts().caption.in(language_.current());
    errors_.setTitle(title);
    setAccessibleName(title);
    // The English picture lies over the German one.
    englishPicture_->setVisible(quiz::PerLanguage<bool>{false, true}.in(language_.current()));
    // Either picture hands over to the main window when clicked.
    const QString pictureName = windowTexts().startPicture.in(language_.current());
    germanPicture_->setAccessibleName(pictureName);
    englishPicture_->setAccessibleName(pictureName);
}

void StartScreen::tick()
{
    if (building_)
        return;
    ++ticks_;
    if (ticks_ > kShowMainAfter && showMainWindow_)
        showMainWindow_();
    if (ticks_ > kHideAfter)
        leave();
    if (ticks_ > kStopAfter)
        timer_->stop();
}

void StartScreen::handOverNow()
{
    if (showMainWindow_)
        showMainWindow_();
    leave();
    timer_->stop();
}

void StartScreen::leave()
{
    hide();
    // The start screen does not come back: its pictures and its window on the
    // screen are given back. It stays the principal window.
    germanPicture_->clear();
    englishPicture_->clear();
    destroy();
}

void StartScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Centred on the desktop. The splash window type keeps it off the taskbar.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void StartScreen::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Queued: the picture reaches the screen before the building starts.
    if (buildBehind_)
        QMetaObject::invokeMethod(this, &StartScreen::buildBehind, Qt::QueuedConnection);
}

void StartScreen::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

}  // namespace lernwerk
