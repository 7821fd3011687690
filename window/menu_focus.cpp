#include "window/menu_focus.h"

#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include "desktop/screen_reader_bus.h"
#include "desktop/speaker.h"
#include "lang/interface_language.h"
#include "lang/speech_texts.h"

namespace lernwerk {

namespace {

// A caption as it is spoken: without the marks of its access key.
QString spokenCaption(const QAction* entry)
{
    QString caption = entry->text();
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

bool canBeReached(const QAction* entry) { return entry->isVisible() && entry->isEnabled() && !entry->isSeparator(); }

// The entry `menu` is on; when it opened without one, its first reachable
// entry, made the active one. None when nothing can be reached.
QAction* entryToSay(QMenu* menu)
{
    if (QAction* active = menu->activeAction())
        return active;
    const auto actions = menu->actions();
    const auto first = std::find_if(actions.begin(), actions.end(), canBeReached);
    if (first == actions.end())
        return nullptr;
    menu->setActiveAction(*first);
    return *first;
}

// Qt's menus skip disabled entries with the arrow keys, which leaves a screen
// reader's user unaware of them; with this hint they stop there, and the
// screen reader names them as unavailable. Enter still does nothing there.
class ReachableDisabledEntries : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_Menu_AllowActiveAndDisabled)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The style draws no highlight on a disabled entry: a frame shows where the keys are.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_MenuItem || !(option->state & State_Selected) || (option->state & State_Enabled))
            return;
        painter->save();
        painter->setPen(option->palette.color(QPalette::Active, QPalette::Highlight));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

void presentFocus(QAccessibleInterface* object)
{
    if (!object)
        return;
    QAccessibleEvent focus(object, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace

MenuFocus::MenuFocus(QMenuBar& bar, Speaker& speaker, const InterfaceLanguage& language)
    : QObject(&bar), bar_(bar), speaker_(speaker), language_(language), menuStyle_(new ReachableDisabledEntries)
{
    menuStyle_->setParent(this);
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != &bar_ && now->window() == bar_.window())
            lastControl_ = now;
    });
    // F10 opens the first menu; the arrow keys walk on from there.
    auto* openBar = new QAction(this);
    openBar->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openBar, &QAction::triggered, &bar_, [this] { bar_.setActiveAction(bar_.actions().value(0)); });
    bar_.window()->addAction(openBar);
}

void MenuFocus::watch(QMenu* menu)
{
    menu->setStyle(menuStyle_);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] { menuClosing(menu); });
    connect(menu, &QMenu::hovered, this, [this, menu](QAction* entry) {
        // Queued: the screen reader first hears of the entry itself.
        QMetaObject::invokeMethod(
            this, [this, menu, entry] { entryReached(menu, entry); }, Qt::QueuedConnection);
    });
    for (QAction* entry : menu->actions()) {
        if (QMenu* submenu = entry->menu())
            watch(submenu);
        // A choice of a group says what it chose where it is handled.
        else if (entry->isCheckable() && !(entry->actionGroup() && entry->actionGroup()->isExclusive()))
            connect(entry, &QAction::triggered, this, [this, entry](bool on) { entrySwitched(entry, on); });
    }
}

bool MenuFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // Qt 6.4's accessibility bridge holds each key until the screen
        // reader has seen it, and hands it on late when the screen reader is
        // slow to answer (the first key of a run often is). Alt held for
        // Alt and a letter then comes after the letter has opened its menu,
        // and the bar takes it for Alt pressed alone, which closes the menu.
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_Alt && !event->spontaneous() && QApplication::activePopupWidget();
    }
    if (event->type() == QEvent::Show) {
        // Queued: the menu is on the screen before the screen reader hears of it.
        if (auto* menu = qobject_cast<QMenu*>(watched); menu && bar_.actions().contains(menu->menuAction()))
            QMetaObject::invokeMethod(
                this, [this, menu] { nameMenu(menu); }, Qt::QueuedConnection);
        else if (menu)
            QMetaObject::invokeMethod(
                this, [this, menu] { nameSubmenu(menu); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void MenuFocus::nameMenu(QMenu* menu)
{
    if (!menu->isVisible())
        return;
    QAction* entry = entryToSay(menu);
    if (!entry)
        return;
    // The screen reader takes the newest of several focus changes in a row
    // and drops the others: the menu's title in the bar takes the focus,
    // and the entry is said on it.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(&bar_);
    const qsizetype title = bar_.actions().indexOf(menu->menuAction());
    if (!bar || title < 0)
        return;
    QAccessibleInterface* titleItem = bar->child(static_cast<int>(title));
    presentFocus(titleItem);
    presentOn(titleItem, spokenCaption(entry));
}

void MenuFocus::nameSubmenu(QMenu* submenu)
{
    // The open menu that holds the submenu's entry; a menu that pops up on
    // its own (a context menu) has none.
    QMenu* holder = nullptr;
    for (QObject* object : submenu->menuAction()->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(object); menu && menu != submenu && menu->isVisible())
            holder = menu;
    }
    QAccessibleInterface* entries = holder ? QAccessible::queryAccessibleInterface(holder) : nullptr;
    if (!submenu->isVisible() || !entries)
        return;
    QAction* entry = entryToSay(submenu);
    if (!entry)
        return;
    // The focus is on the entry that opened the submenu, where it stays
    // unheard: the submenu itself takes the focus, named by that entry's
    // caption in the language of the moment, and the entry is said on it.
    submenu->setAccessibleName(spokenCaption(submenu->menuAction()));
    QAccessibleInterface* opened = QAccessible::queryAccessibleInterface(submenu);
    const Language language = language_.current();
    QString said = spokenCaption(entry);
    if (entry->isCheckable())
        said = entry->isChecked() ? speechTexts().entryChecked.in(language).arg(said)
                                  : said + QLatin1Char(' ') + speechTexts().notChecked.in(language);
    presentFocus(opened);
    presentOn(opened, said);
}

void MenuFocus::entryReached(QMenu* menu, QAction* entry)
{
    if (!menu->isVisible() || menu->activeAction() != entry)
        return;
    if (!entry->isEnabled()) {
        const QString why = whyUnavailable_ ? whyUnavailable_(entry) : QString();
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(menu);
        if (!why.isEmpty() && entries)
            presentOn(entries->child(static_cast<int>(menu->actions().indexOf(entry))), why);
        return;
    }
    if (!entry->isCheckable() || entry->isChecked())
        return;
    // A checked entry is said to be checked; one that is not says nothing of it.
    if (QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(menu))
        presentOn(entries->child(static_cast<int>(menu->actions().indexOf(entry))),
                  speechTexts().notChecked.in(language_.current()));
}

void MenuFocus::entrySwitched(QAction* entry, bool on)
{
    const SpeechTexts& texts = speechTexts();
    speaker_.say((on ? texts.switchedOn : texts.switchedOff).in(language_.current()).arg(spokenCaption(entry)));
}

void MenuFocus::menuClosing(QMenu* menu)
{
    if (!holding_) {
        holding_ = true;
        speaker_.hold();
    }
    // Queued: when another menu opens instead (the arrow keys), it is open by then.
    QMetaObject::invokeMethod(
        this, [this, menu] { afterMenus(menu); }, Qt::QueuedConnection);
}

void MenuFocus::afterMenus(QMenu* closed)
{
    if (!holding_)
        return;
    if (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        // A submenu closed back into its menu: the entry that opened it is
        // heard again.
        if (QAction* entry = open->activeAction(); entry && entry->menu() == closed) {
            if (QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(open))
                presentFocus(entries->child(static_cast<int>(open->actions().indexOf(entry))));
        }
        return;
    }
    holding_ = false;
    // The bar lets go of the keys: Escape ends its keyboard mode, as when the
    // user presses it there.
    if (bar_.activeAction() || bar_.hasFocus()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&bar_, &escape);
    }
    QWidget* window = bar_.window();
    QWidget* focused = window->focusWidget();
    if ((!focused || focused == &bar_) && lastControl_ && lastControl_->isVisible() && lastControl_->isEnabled())
        lastControl_->setFocus(Qt::MenuBarFocusReason);
    // An entry that opened a dialog leaves the telling to the dialog.
    if (QApplication::activeWindow() == window && !QApplication::activeModalWidget()) {
        if (QWidget* now = window->focusWidget())
            presentFocus(QAccessible::queryAccessibleInterface(now));
    }
    speaker_.release();
}

}  // namespace lernwerk
