#include "window/session_start.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/speaker.h"
#include "lang/speech_texts.h"
#include "pages/lists_page.h"
#include "pages/trainer_page.h"
#include "textfile/text_file_codec.h"
#include "trainer/memory_rounds.h"
#include "trainer/progress_recorder.h"
#include "widgets/text_field.h"

namespace lernwerk {

SessionStart::SessionStart(Parts parts) : QObject(&parts.window), parts_(std::move(parts))
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) { watchFocus(now); });
}

void SessionStart::readLastLists()
{
    // Each file is read on its own: an unreadable German list shows its error
    // and the English one is still read, so closing in English cannot replace
    // the user's English list with the sample.
    for (const Language language : quiz::kLanguages)
        parts_.errors.guarded([this, language] { readLastList(lastListFileName(language)); });
}

void SessionStart::readLastList(const QString& fileName)
{
    const QString path = parts_.programFolder + fileName;
    if (!QFileInfo(path).isFile())
        return;
    setFieldText(*parts_.lists.questionField(), textfile::ReadTextFile(path.toStdU16String()));
}

void SessionStart::handOver()
{
    const bool first = !shownOnce_;
    if (first) {
        shownOnce_ = true;
        handOverPending_ = true;
    }
    parts_.window.show();
    parts_.window.raise();
    // The progress file is opened once the window is up, so that start-up does not wait for it.
    QTimer::singleShot(0, this, [this] {
        parts_.progress.open();
        parts_.rounds.refresh();
    });
    // The list named on the command line is loaded before the window is
    // activated, so that the activation step of the hand-over, which would
    // restore a named list, leaves it in place. One that cannot be read shows
    // its error and changes nothing.
    if (first && !givenList_.isEmpty()) {
        parts_.errors.guarded([this] {
            parts_.openListFile(std::exchange(givenList_, QString()));
            givenListWins_ = true;
        });
    }
    parts_.window.activateWindow();
}

void SessionStart::watchFocus(QWindow* now)
{
    if (now && (now->type() == Qt::Popup || now->type() == Qt::ToolTip))
        return;  // menus and tool tips come and go without counting
    // A guarded pointer: the window that had the focus before (a message box,
    // a file dialog) may be destroyed by now.
    const QPointer<QWindow> before = lastFocusWindow_;
    lastFocusWindow_ = now;
    if (!now || now != parts_.window.windowHandle())
        return;

    // The hand-over counts as coming from the start screen even where the
    // window manager never gave the borderless start screen the focus.
    const bool fromHandOver = handOverPending_;
    handOverPending_ = false;
    const bool fromOwnWindow = before && before != now && before->modality() == Qt::NonModal;
    if (fromHandOver || fromOwnWindow)
        parts_.errors.guarded([this] { activated(); });
    if (fromHandOver)
        tellHowToStart();
}

void SessionStart::activated()
{
    parts_.rounds.clearWholeListTallies();
    if (std::exchange(givenListWins_, false))
        return;
    if (parts_.lists.restoreNamedList(parts_.programFolder + lastListFileName(Language::German)))
        parts_.rounds.startWholeList();
}

// A newcomer hears what a sighted one reads in the question field: how to
// start. Queued: the screen reader first hears of the window and its focus.
void SessionStart::tellHowToStart()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!parts_.trainer.roundRunning())
                parts_.speaker.say(firstStepsText(parts_.language.current()));
        },
        Qt::QueuedConnection);
}

}  // namespace lernwerk
