// The main window's menus: every entry with its name and the part of the
// program that does its work. The captions come from the language switch.

#include <QActionGroup>
#include <QPlainTextEdit>

#include "app/answer_marks.h"
#include "app/main_window.h"
#include "app/memory_rounds.h"
#include "app/menu_builder.h"
#include "app/menu_focus.h"
#include "app/progress_page.h"
#include "app/progress_recorder.h"
#include "app/question_field_look.h"
#include "app/statistics_page.h"
#include "app/trainer_page.h"
#include "dialogs/info_page_set.h"
#include "dialogs/info_topics.h"
#include "dialogs/software_menus.h"
#include "lang/answer_check_texts.h"
#include "lang/progress_page_texts.h"
#include "lang/progress_texts.h"
#include "lang/speech_texts.h"
#include "lang/window_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "widgets/speaker.h"

namespace lernwerk {

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder menus(errors_, menuCaptions_);

    QMenu* file = createFileMenu(menus);
    QMenu* windows = createWindowsMenu(menus);
    QMenu* settings = createSettingsMenu(menus);
    // The catalogue's menus, one shown at a time by the language.
    softwareMenus_ =
        addSoftwareMenus(bar, errors_,
                         {.showCatalogue = [this] { info_->show(InfoTopic::catalogue, language_.current()); },
                          .browse = [](QAction* entry) { BrowseToAddress(entry->text(), kReferrerMenu, true); }});
    QMenu* help = createHelpMenu(menus);

    auto* focus = new MenuFocus(*bar, *speaker_, language_);
    for (QMenu* menu : {file, windows, settings, softwareMenus_.english, softwareMenus_.german, help})
        focus->watch(menu);
    lists_->takeLoadKeyIn(*this);
}

QMenu* MainWindow::createFileMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    const ProgressTexts& progress = progressTexts();
    QMenu* menu = menus.menu(menuBar(), "p0", texts.p0);
    menus.entry(menu, "p1", texts.p1, rounds_, &MemoryRounds::startWholeList)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MemoryRounds::Actions memory;
    memory.reviewDue = menus.entry(menu, "reviewDue", progress.reviewDueEntry, rounds_, &MemoryRounds::startDue);
    memory.reviewDue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    memory.repeatMissed =
        menus.entry(menu, "repeatMissed", progress.repeatMissedEntry, rounds_, &MemoryRounds::startMissed);
    memory.repeatMissed->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    memory.saveMissed = menus.entry(menu, "saveMissed", progress.saveMissedEntry, rounds_, &MemoryRounds::saveMissed);
    memory.continueRound =
        menus.entry(menu, "continueRound", progress.continueEntry, rounds_, &MemoryRounds::continueRound);
    rounds_->setActions(memory);
    // The due count is brought up to date whenever the menu opens.
    connect(menu, &QMenu::aboutToShow, rounds_, &MemoryRounds::refresh);
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "p2", texts.p2, this, [this] { showPage(editor_); });
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "m_bug", texts.m_bug, this, &MainWindow::showReportDialog);
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "p3", texts.p3, this, &MainWindow::close)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return menu;
}

QMenu* MainWindow::createWindowsMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(menuBar(), "f0", texts.f0);
    const std::pair<const char*, const Text*> pages[] = {
        {"f1", &texts.f1}, {"f2", &texts.f2}, {"f3", &texts.f3}, {"f4", &texts.f4}};
    QWidget* const shown[] = {trainer_, statistics_, lists_, editor_};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        if (i == 3)
            MenuBuilder::addSeparator(menu);
        menus.entry(menu, pages[i].first, *pages[i].second, this, [this, page = shown[i]] { showPage(page); });
    }
    menus.entry(menu, "fProgress", progressPageTexts().tab, this, [this] {
        rounds_->drawProgress(*progressPage_);
        showPage(progressPage_);
    });
    MenuBuilder::addSeparator(menu, "About1");
    for (const InfoTopicRow& row : infoTopics())
        menus.entry(menu, row.windowsEntry.name, row.windowsEntry.caption, this,
                    [this, topic = row.topic] { info_->show(topic, language_.current()); });
    return menu;
}

QMenu* MainWindow::createSettingsMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(menuBar(), "Einstellungen1", texts.Einstellungen1);
    menus.entry(menu, "Schrift1", texts.Schrift1, this, [this] { look_->chooseFont(trainer_->questionFields()); });
    menus.entry(menu, "hf", texts.hf, this, [this] { look_->chooseBackground(trainer_->questionFields()); });
    MenuBuilder::addSeparator(menu);
    QMenu* languageMenu = menus.submenu(menu, "Sprache1", texts.Sprache1);
    auto* languages = new QActionGroup(languageMenu);
    const std::pair<const char*, const Text*> entries[] = {{"sp1", &texts.sp1}, {"sp2", &texts.sp2}};
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        // The switch replaces the question list by the sample list of the
        // language, also in the middle of a round: the learner hears so.
        QAction* choice = menus.entry(languageMenu, entries[i].first, *entries[i].second, this,
                                      [this, language = quiz::kLanguages[i]] {
                                          language_.set(language);
                                          speaker_->say(speechTexts().languageChosen.in(language));
                                      });
        choice->setCheckable(true);
        languages->addAction(choice);
        languageEntries_.push_back(choice);
    }
    MenuBuilder::addSeparator(menu);
    QAction* remember = menus.entry(menu, "rememberProgress", progressTexts().rememberEntry, this,
                                    [this](bool on) { progress_->setRecording(on); });
    remember->setCheckable(true);
    remember->setChecked(true);
    menus.entry(menu, "forgetProgress", progressTexts().forgetEntry, rounds_, &MemoryRounds::forgetList);
    MenuBuilder::addSeparator(menu);
    // Whether revealing marks the gaps against the typed answer.
    QAction* compare = menus.entry(menu, "Vergleich1", answerCheckTexts().menuEntry, &trainer_->answerMarks(),
                                   &AnswerMarks::setEnabled);
    compare->setCheckable(true);
    compare->setChecked(true);
    return menu;
}

QMenu* MainWindow::createHelpMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(menuBar(), "i0", texts.i0);
    for (const InfoTopicRow& row : infoTopics()) {
        QAction* shows = menus.entry(menu, row.helpEntry.name, row.helpEntry.caption, this,
                                     [this, topic = row.topic] { info_->show(topic, language_.current()); });
        // F1 shows the introduction, and the bug report stands under it.
        if (&row == &infoTopics().front()) {
            shows->setShortcut(QKeySequence(Qt::Key_F1));
            menus.entry(menu, "m_bug_i", texts.m_bug_i, this, &MainWindow::showReportDialog);
        }
    }
    MenuBuilder::addSeparator(menu);
    for (const auto& [name, text] :
         {std::pair{"i5", &texts.i5}, std::pair{"i9", &texts.i9}, std::pair{"i11", &texts.i11},
          std::pair{"i6", &texts.i6}, std::pair{"i7", &texts.i7}, std::pair{"i10", &texts.i10},
          std::pair{"i8", &texts.i8}, std::pair{"i12", &texts.i12}})
        menus.link(menu, name, *text);
    return menu;
}

}  // namespace lernwerk
