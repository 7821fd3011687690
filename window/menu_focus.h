#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QStyle;
class QWidget;

namespace lernwerk {

class InterfaceLanguage;
class Speaker;

// The keyboard and a screen reader around the menu bar.
// - Once the last menu has closed, however it closed (Escape, an entry, a
//   click elsewhere, a dialog the entry opened), the keys go back to the
//   control that had them before, never to the menu bar, and the screen
//   reader hears where the focus is. Qt leaves the bar active after Escape in
//   a menu, and after Alt and a letter from there it keeps the keys in the bar
//   when the menu closes.
// - A menu of the bar that opens is named, then its first entry, whether it
//   was reached with Alt and a letter, F10 or the arrow keys; Qt tells a
//   screen reader of an entry before the menu is shown, so the entry a menu
//   opens on goes unheard. A submenu reached with the Right arrow is named
//   the same way, with its first entry and that entry's state.
// - An entry that is switched on and off is heard with its state when it is
//   reached, off as well as on, and its switch is confirmed.
// - The arrow keys reach disabled entries too, so that a screen reader names
//   them as unavailable; one that can say why it is unavailable says so.
class MenuFocus : public QObject {
    Q_OBJECT
public:
    // Made once the bar holds its menus; F10 in the bar's window opens the first.
    MenuFocus(QMenuBar& bar, Speaker& speaker, const InterfaceLanguage& language);

    // Looks after `menu`, one of the bar's, and its submenus.
    void watch(QMenu* menu);
    // Why a disabled entry is unavailable, said when it is reached; empty for nothing.
    void setWhyUnavailable(std::function<QString(QAction*)> why) { whyUnavailable_ = std::move(why); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameMenu(QMenu* menu);
    void nameSubmenu(QMenu* submenu);
    void menuClosing(QMenu* menu);
    void afterMenus(QMenu* closed);
    void entryReached(QMenu* menu, QAction* entry);
    void entrySwitched(QAction* entry, bool on);

    QMenuBar& bar_;
    Speaker& speaker_;
    const InterfaceLanguage& language_;
    // The control outside the menus that had the keys last.
    QPointer<QWidget> lastControl_;
    // What is said while menus close waits until the focus is back.
    bool holding_ = false;
    // The watched menus' style: the arrow keys stop at disabled entries.
    QStyle* menuStyle_;
    std::function<QString(QAction*)> whyUnavailable_;
};

}  // namespace lernwerk
