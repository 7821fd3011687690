// The menu bar: every entry with its name and handler. The captions come from
// the language switch.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "app/memory_rounds.h"
#include "app/menu_focus.h"
#include "dialogs/info_topics.h"
#include "dialogs/software_menus.h"
#include "lang/answer_check_texts.h"
#include "lang/progress_page_texts.h"
#include "lang/progress_texts.h"
#include "lang/window_texts.h"
#include "lists/lists_page.h"
#include "widgets/error_reporter.h"

namespace lernwerk {

// Makes the entries of the main window's menus: each named, its handler run
// through the error guard, its caption remembered for the language switch.
// It lives while the menus are made; the handlers hold the window itself.
class MenuBuilder {
public:
    MenuBuilder(MainWindow& window, const ErrorReporter& errors,
                std::vector<std::pair<QAction*, const Text*>>& captions)
        : window_(window), errors_(errors), captions_(captions)
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

    // `handler` is a member function of the window or a callable.
    template <typename Handler>
    QAction* entry(QMenu* menu, const char* name, const Text& caption, Handler handler)
    {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connectGuarded(action, &QAction::triggered, &window_, errors_, handler);
        return captioned(action, caption);
    }

    // An entry that opens the address its caption begins with.
    QAction* link(QMenu* menu, const char* name, const Text& caption)
    {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connectGuarded(action, &QAction::triggered, &window_, errors_,
                       [&window = window_, action] { window.BrowseToMenuCaption(action); });
        return captioned(action, caption);
    }

    // An entry that shows an information page.
    QAction* shows(QMenu* menu, const InfoMenuEntry& shown, InfoTopic topic)
    {
        return entry(menu, shown.name, shown.caption, [&window = window_, topic] { window.showInfoPageByMenu(topic); });
    }

private:
    QAction* captioned(QAction* action, const Text& caption)
    {
        captions_.emplace_back(action, &caption);
        return action;
    }

    MainWindow& window_;
    const ErrorReporter& errors_;
    std::vector<std::pair<QAction*, const Text*>>& captions_;
};

namespace {

void addSeparator(QMenu* menu, const char* name = nullptr)
{
    QAction* separator = menu->addSeparator();
    if (name)
        separator->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder menus(*this, errors_, menuCaptions_);

    QMenu* program = createProgramMenu(menus, bar);
    QMenu* windows = createWindowsMenu(menus, bar);
    QMenu* settings = createSettingsMenu(menus, bar);
    // The catalogue's menus, one shown at a time by the language.
    const quiz::PerLanguage<QMenu*> software =
        addSoftwareMenus(bar, errors_,
                         {.showCatalogue = [this] { Software1Click(); },
                          .browse = [this](QAction* entry) { BrowseToMenuCaption(entry); }});
    softwareGerman_ = software.german;
    softwareEnglish_ = software.english;
    QMenu* help = createHelpMenu(menus, bar);

    auto* focus = new MenuFocus(*bar, *speaker_, language_);
    for (QMenu* menu : {program, windows, settings, softwareEnglish_, softwareGerman_, help})
        focus->watch(menu);
    addShortcuts(program);
}

QMenu* MainWindow::createProgramMenu(MenuBuilder& menus, QMenuBar* bar)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(bar, "p0", texts.p0);
    menus.entry(menu, "p1", texts.p1, &MainWindow::p1Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    const ProgressTexts& progress = progressTexts();
    reviewDue_ = menus.entry(menu, "reviewDue", progress.reviewDueEntry, &MainWindow::reviewDueClick);
    reviewDue_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    repeatMissed_ = menus.entry(menu, "repeatMissed", progress.repeatMissedEntry, &MainWindow::repeatMissedClick);
    repeatMissed_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    saveMissed_ = menus.entry(menu, "saveMissed", progress.saveMissedEntry, &MainWindow::saveMissedClick);
    continueRound_ = menus.entry(menu, "continueRound", progress.continueEntry, &MainWindow::continueRoundClick);
    // The due count is brought up to date whenever the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this] { rounds_->refresh(); });
    addSeparator(menu);
    menus.entry(menu, "p2", texts.p2, &MainWindow::p2Click);
    addSeparator(menu);
    menus.entry(menu, "m_bug", texts.m_bug, &MainWindow::m_bugClick);
    addSeparator(menu);
    menus.entry(menu, "p3", texts.p3, &MainWindow::p3Click)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return menu;
}

QMenu* MainWindow::createWindowsMenu(MenuBuilder& menus, QMenuBar* bar)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(bar, "f0", texts.f0);
    menus.entry(menu, "f1", texts.f1, &MainWindow::f1Click);
    menus.entry(menu, "f2", texts.f2, &MainWindow::f2Click);
    menus.entry(menu, "f3", texts.f3, &MainWindow::f3Click);
    addSeparator(menu);
    menus.entry(menu, "f4", texts.f4, &MainWindow::f4Click);
    menus.entry(menu, "fProgress", progressPageTexts().tab, &MainWindow::progressClick);
    addSeparator(menu, "About1");
    for (const InfoTopicRow& row : infoTopics())
        menus.shows(menu, row.windowsEntry, row.topic);
    return menu;
}

QMenu* MainWindow::createSettingsMenu(MenuBuilder& menus, QMenuBar* bar)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(bar, "Einstellungen1", texts.Einstellungen1);
    menus.entry(menu, "Schrift1", texts.Schrift1, &MainWindow::Schrift1Click);
    menus.entry(menu, "hf", texts.hf, &MainWindow::hfClick);
    addSeparator(menu);
    QMenu* language = menus.submenu(menu, "Sprache1", texts.Sprache1);
    auto* languages = new QActionGroup(language);
    sp1 = menus.entry(language, "sp1", texts.sp1, &MainWindow::sp1Click);
    sp2 = menus.entry(language, "sp2", texts.sp2, &MainWindow::sp2Click);
    for (QAction* choice : {sp1, sp2}) {
        choice->setCheckable(true);
        languages->addAction(choice);
    }
    addSeparator(menu);
    rememberProgress_ =
        menus.entry(menu, "rememberProgress", progressTexts().rememberEntry, &MainWindow::rememberProgressClick);
    rememberProgress_->setCheckable(true);
    rememberProgress_->setChecked(true);
    menus.entry(menu, "forgetProgress", progressTexts().forgetEntry, &MainWindow::forgetProgressClick);
    addSeparator(menu);
    Vergleich1 = menus.entry(menu, "Vergleich1", answerCheckTexts().menuEntry, &MainWindow::Vergleich1Click);
    Vergleich1->setCheckable(true);
    Vergleich1->setChecked(true);
    return menu;
}

QMenu* MainWindow::createHelpMenu(MenuBuilder& menus, QMenuBar* bar)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(bar, "i0", texts.i0);
    for (const InfoTopicRow& row : infoTopics()) {
        QAction* shows = menus.shows(menu, row.helpEntry, row.topic);
        // F1 shows the introduction, and the bug report stands under it.
        if (&row == &infoTopics().front()) {
            shows->setShortcut(QKeySequence(Qt::Key_F1));
            menus.entry(menu, "m_bug_i", texts.m_bug_i, &MainWindow::m_bug_iClick);
        }
    }
    addSeparator(menu);
    for (const auto& [name, text] :
         {std::pair{"i5", &texts.i5}, std::pair{"i9", &texts.i9}, std::pair{"i11", &texts.i11},
          std::pair{"i6", &texts.i6}, std::pair{"i7", &texts.i7}, std::pair{"i10", &texts.i10},
          std::pair{"i8", &texts.i8}, std::pair{"i12", &texts.i12}})
        menus.link(menu, name, *text);
    return menu;
}

void MainWindow::addShortcuts(QMenu* firstMenu)
{
    // F10 opens the first menu; the arrow keys walk on from there.
    auto* openMenuBar = new QAction(this);
    openMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    QMenuBar* bar = menuBar();
    connect(openMenuBar, &QAction::triggered, bar, [bar, firstMenu] { bar->setActiveAction(firstMenu->menuAction()); });
    addAction(openMenuBar);

    // Ctrl+O loads a list as the lists page's "Load List.." does.
    auto* loadList = new QAction(this);
    loadList->setShortcut(ListsPage::kLoadListKey);
    connectGuarded(loadList, &QAction::triggered, this, errors_, &MainWindow::Button2Click);
    addAction(loadList);
}

}  // namespace lernwerk
