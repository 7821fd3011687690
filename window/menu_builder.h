#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <vector>

#include "desktop/error_reporter.h"
#include "desktop/web_links.h"
#include "lang/interface_language.h"

namespace lernwerk {

// Makes the entries of the main window's menus: each named, its handler run
// through the error guard, its caption remembered for the language switch.
class MenuBuilder {
public:
    MenuBuilder(const ErrorReporter& errors, std::vector<std::pair<QAction*, const Text*>>& captions)
        : errors_(errors), captions_(captions)
    {
    }

    QMenu* menu(QMenuBar* bar, const char* name, const Text& caption)
    {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(menu->objectName() + QStringLiteral("_action"));
        captioned(menu->menuAction(), caption);
        return menu;
    }

    QMenu* submenu(QMenu* parent, const char* name, const Text& caption)
    {
        QMenu* menu = parent->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(name));
        captioned(menu->menuAction(), caption);
        return menu;
    }

    // `handler` is a member function of `receiver` or a callable, run while `receiver` lives.
    template <typename Receiver, typename Handler>
    QAction* entry(QMenu* menu, const char* name, const Text& caption, Receiver* receiver, Handler handler)
    {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connectGuarded(action, &QAction::triggered, receiver, errors_, handler);
        return captioned(action, caption);
    }

    // An entry that opens the address its caption begins with.
    QAction* link(QMenu* menu, const char* name, const Text& caption)
    {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connectGuarded(action, &QAction::triggered, action, errors_,
                       [action] { BrowseToAddress(action->text(), kReferrerMenu, true); });
        return captioned(action, caption);
    }

    static void addSeparator(QMenu* menu, const char* name = nullptr)
    {
        QAction* separator = menu->addSeparator();
        if (name)
            separator->setObjectName(QString::fromLatin1(name));
    }

private:
    QAction* captioned(QAction* action, const Text& caption)
    {
        captions_.emplace_back(action, &caption);
        return action;
    }

    const ErrorReporter& errors_;
    std::vector<std::pair<QAction*, const Text*>>& captions_;
};

}  // namespace lernwerk
