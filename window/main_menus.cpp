#include "window/main_menus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

#include <cmath>
#include <tuple>

#include "desktop/speaker.h"
#include "lang/answer_check_texts.h"
#include "lang/glance_texts.h"
#include "lang/import_texts.h"
#include "lang/progress_page_texts.h"
#include "lang/progress_texts.h"
#include "lang/speech_texts.h"
#include "lang/trainer_texts.h"
#include "lang/window_texts.h"
#include "pages/answer_marks.h"
#include "pages/info_page_set.h"
#include "pages/info_topics.h"
#include "pages/lists_page.h"
#include "pages/progress_page.h"
#include "pages/trainer_page.h"
#include "trainer/day_glance.h"
#include "trainer/memory_rounds.h"
#include "trainer/progress_recorder.h"
#include "window/menu_builder.h"
#include "window/menu_focus.h"
#include "window/question_field_look.h"
#include "window/software_menus.h"

namespace lernwerk {

namespace {

// The key of an entry answers also while the entry is disabled: `answer`
// says why nothing can be done.
template <typename Answer>
void keepKeyWhileDisabled(QWidget& window, const ErrorReporter& errors, QAction* entry, Answer answer)
{
    auto* key = new QShortcut(entry->shortcut(), &window);
    key->setEnabled(!entry->isEnabled());
    QObject::connect(entry, &QAction::enabledChanged, key, [key](bool enabled) { key->setEnabled(!enabled); });
    connectGuarded(key, &QShortcut::activated, entry, errors, answer);
}

}  // namespace

MainMenus::MainMenus(Parts parts) : QObject(&parts.window), parts_(std::move(parts))
{
    QMenuBar* bar = parts_.window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    MenuBuilder menus(parts_.errors, captions_);

    QMenu* file = createFileMenu(menus);
    QMenu* windows = createWindowsMenu(menus);
    QMenu* settings = createSettingsMenu(menus);
    // The catalogue's menus, one shown at a time by the language.
    softwareMenus_ =
        addSoftwareMenus(bar, parts_.errors,
                         {.showCatalogue = [this] { showInfoPage(InfoTopic::catalogue); },
                          .browse = [](QAction* entry) { BrowseToAddress(entry->text(), kReferrerMenu, true); }});
    QMenu* help = createHelpMenu(menus);

    auto* focus = new MenuFocus(*bar, parts_.speaker, parts_.language);
    for (QMenu* menu : {file, windows, settings})
        focus->watch(menu);
    focus->setWhyUnavailable([this](QAction* entry) { return whyUnavailable(entry); });
    for (const Language language : quiz::kLanguages)
        focus->watch(softwareMenus_.in(language));
    focus->watch(help);
}

void MainMenus::retranslate(Language language)
{
    for (const auto& [action, text] : captions_)
        action->setText(text->in(language));
    showSoftwareMenuOf(softwareMenus_, language);
    for (std::size_t i = 0; i < languageEntries_.size(); ++i)
        languageEntries_[i]->setChecked(quiz::kLanguages[i] == language);
}

QString MainMenus::whyUnavailable(QAction* entry) const
{
    const Language language = parts_.language.current();
    if (entry == reviewDue_)
        return parts_.rounds.nothingDueSentence();
    if (entry == repeatMissed_ || entry == saveMissed_)
        return glanceTexts().nothingMissed.in(language);
    if (entry == continueRound_)
        return glanceTexts().nothingToContinue.in(language);
    return {};
}

void MainMenus::showInfoPage(InfoTopic topic) { parts_.info.show(topic, parts_.language.current()); }

QMenu* MainMenus::createFileMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    const ProgressTexts& progress = progressTexts();
    QMenu* menu = menus.menu(parts_.window.menuBar(), "p0", texts.file);
    menus.entry(menu, "p1", texts.newSession, &parts_.rounds, &MemoryRounds::startWholeList)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    MemoryRounds::Actions memory;
    memory.reviewDue = menus.entry(menu, "reviewDue", progress.reviewDueEntry, &parts_.rounds, &MemoryRounds::startDue);
    memory.reviewDue->setShortcut(DayGlance::kReviewDueKey);
    memory.repeatMissed =
        menus.entry(menu, "repeatMissed", progress.repeatMissedEntry, &parts_.rounds, &MemoryRounds::startMissed);
    memory.repeatMissed->setShortcut(DayGlance::kRepeatMissedKey);
    // With nothing to ask, the keys say so and when the next reviews fall due.
    keepKeyWhileDisabled(parts_.window, parts_.errors, memory.reviewDue, [this] { parts_.rounds.startDue(); });
    keepKeyWhileDisabled(parts_.window, parts_.errors, memory.repeatMissed, [this] { parts_.rounds.startMissed(); });
    memory.saveMissed =
        menus.entry(menu, "saveMissed", progress.saveMissedEntry, &parts_.rounds, &MemoryRounds::saveMissed);
    memory.continueRound =
        menus.entry(menu, "continueRound", progress.continueEntry, &parts_.rounds, &MemoryRounds::continueRound);
    parts_.rounds.setActions(memory);
    reviewDue_ = memory.reviewDue;
    repeatMissed_ = memory.repeatMissed;
    saveMissed_ = memory.saveMissed;
    continueRound_ = memory.continueRound;
    // The due count is brought up to date whenever the menu opens.
    connect(menu, &QMenu::aboutToShow, &parts_.rounds, &MemoryRounds::refresh);
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "importList", importTexts().menuEntry, &parts_.lists, &ListsPage::importList)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    menus.entry(menu, "p2", texts.questionEditor, this, [this] { parts_.showPage(parts_.pages[3]); });
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "m_bug", texts.reportBug, this, parts_.showReport);
    MenuBuilder::addSeparator(menu);
    menus.entry(menu, "p3", texts.close, &parts_.window, &QMainWindow::close)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    return menu;
}

QMenu* MainMenus::createWindowsMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(parts_.window.menuBar(), "f0", texts.windows);
    const std::pair<const char*, const Text*> pages[] = {
        {"f1", &texts.trainer}, {"f2", &texts.statistics}, {"f3", &texts.questionnaire}, {"f4", &texts.editor}};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        if (i == 3)
            MenuBuilder::addSeparator(menu);
        menus.entry(menu, pages[i].first, *pages[i].second, this,
                    [this, page = parts_.pages[i]] { parts_.showPage(page); });
    }
    menus.entry(menu, "fProgress", progressPageTexts().tab, this, [this] {
        parts_.rounds.drawProgress(parts_.progressPage);
        parts_.showPage(&parts_.progressPage);
    });
    MenuBuilder::addSeparator(menu, "About1");
    for (const InfoTopicRow& row : infoTopics())
        menus.entry(menu, row.windowsEntry.name, row.windowsEntry.caption, this,
                    [this, topic = row.topic] { showInfoPage(topic); });
    return menu;
}

QMenu* MainMenus::createSettingsMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(parts_.window.menuBar(), "Einstellungen1", texts.settings);
    menus.entry(menu, "Schrift1", texts.font, this,
                [this] { parts_.look.chooseFont(parts_.trainer.questionFields()); });
    menus.entry(menu, "hf", texts.background, this,
                [this] { parts_.look.chooseBackground(parts_.trainer.questionFields()); });
    MenuBuilder::addSeparator(menu);
    QMenu* languageMenu = menus.submenu(menu, "Sprache1", texts.language);
    auto* languages = new QActionGroup(languageMenu);
    // One entry a language, named and captioned.
    const quiz::PerLanguage<std::pair<const char*, const Text*>> entries{{"sp1", &texts.german},
                                                                         {"sp2", &texts.english}};
    for (const Language language : quiz::kLanguages) {
        // The switch replaces the question list by the sample list of the
        // language, also in the middle of a round: the learner hears so.
        const auto& [name, caption] = entries.in(language);
        QAction* choice = menus.entry(languageMenu, name, *caption, this, [this, language] {
            // The sample list takes the place of the list: its round ends first, once allowed.
            bool ended = false;
            if (language != parts_.language.current() && !parts_.rounds.mayEndRoundForLanguage(ended)) {
                retranslate(parts_.language.current());  // the check stays where it was
                return;
            }
            parts_.language.set(language);
            parts_.speaker.say(
                (ended ? speechTexts().languageChosenRoundEnded : speechTexts().languageChosen).in(language));
        });
        choice->setCheckable(true);
        languages->addAction(choice);
        languageEntries_.push_back(choice);
    }
    MenuBuilder::addSeparator(menu);
    QAction* remember = menus.entry(menu, "rememberProgress", progressTexts().rememberEntry, this,
                                    [this](bool on) { parts_.progress.setRecording(on); });
    remember->setCheckable(true);
    remember->setChecked(true);
    menus.entry(menu, "forgetProgress", progressTexts().forgetEntry, &parts_.rounds, &MemoryRounds::forgetList);
    createRetentionMenu(menus, menu);
    MenuBuilder::addSeparator(menu);
    // How the rounds begun from now on ask the gaps of a line.
    const TrainerTexts& trainer = trainerTexts();
    QMenu* gapMenu = menus.submenu(menu, "gapMode", trainer.gapsMenu);
    auto* gapModes = new QActionGroup(gapMenu);
    const std::tuple<const char*, const Text*, quiz::GapMode> modes[] = {
        {"gapsAllAtOnce", &trainer.gapsAllAtOnce, quiz::GapMode::AllAtOnce},
        {"gapsOneOthersShown", &trainer.gapsOneOthersShown, quiz::GapMode::OneOthersShown},
        {"gapsOneAfterAnother", &trainer.gapsOneAfterAnother, quiz::GapMode::OneAfterAnother},
    };
    for (const auto& [name, caption, mode] : modes) {
        QAction* choice =
            menus.entry(gapMenu, name, *caption, this, [this, mode = mode] { parts_.rounds.setGapMode(mode); });
        choice->setCheckable(true);
        choice->setChecked(mode == quiz::GapMode::AllAtOnce);
        gapModes->addAction(choice);
    }
    // "Correct" after a hint counts as "Wrong": the question stays in the round.
    QAction* hintCounts = menus.entry(menu, "hintCountsWrong", trainerTexts().hintCountsWrong, &parts_.rounds,
                                      &MemoryRounds::setHintCountsWrong);
    hintCounts->setCheckable(true);
    MenuBuilder::addSeparator(menu);
    // Whether revealing marks the gaps against the typed answer.
    QAction* compare = menus.entry(menu, "Vergleich1", answerCheckTexts().menuEntry, &parts_.trainer.answerMarks(),
                                   &AnswerMarks::setEnabled);
    compare->setCheckable(true);
    compare->setChecked(true);
    return menu;
}

void MainMenus::createRetentionMenu(MenuBuilder& menus, QMenu* settings)
{
    // How sure of an answer the learner wants to be when a question comes back:
    // the reviews from now on are scheduled for it.
    const ProgressTexts& texts = progressTexts();
    QMenu* menu = menus.submenu(settings, "desiredRetention", texts.retentionMenu);
    auto* retentions = new QActionGroup(menu);
    const std::tuple<const char*, const Text*, double> entries[] = {
        {"retention80", &texts.retention80, 0.80},
        {"retention85", &texts.retention85, 0.85},
        {"retention90", &texts.retention90, 0.90},
        {"retention95", &texts.retention95, 0.95},
    };
    for (const auto& [name, caption, retention] : entries) {
        QAction* choice = menus.entry(menu, name, *caption, this, [this, retention = retention] {
            parts_.progress.setDesiredRetention(retention);
            showRetention();
        });
        choice->setCheckable(true);
        choice->setChecked(retention == memory::ReviewStore::Options{}.desired_retention);
        retentions->addAction(choice);
        retentionEntries_.emplace_back(choice, retention);
    }
    // The entry checked is the file's, once it is open.
    connect(settings, &QMenu::aboutToShow, this, &MainMenus::showRetention);
    connect(menu, &QMenu::aboutToShow, this, &MainMenus::showRetention);
}

void MainMenus::showRetention()
{
    const auto kept = parts_.progress.desiredRetention();
    if (!kept)
        return;
    for (const auto& [entry, retention] : retentionEntries_)
        if (std::abs(retention - *kept) < 1e-9)
            entry->setChecked(true);
}

QMenu* MainMenus::createHelpMenu(MenuBuilder& menus)
{
    const MenuTexts& texts = menuTexts();
    QMenu* menu = menus.menu(parts_.window.menuBar(), "i0", texts.help);
    for (const InfoTopicRow& row : infoTopics()) {
        QAction* shows = menus.entry(menu, row.helpEntry.name, row.helpEntry.caption, this,
                                     [this, topic = row.topic] { showInfoPage(topic); });
        // F1 shows the introduction, and the bug report stands under it.
        if (&row == &infoTopics().front()) {
            shows->setShortcut(QKeySequence(Qt::Key_F1));
            menus.entry(menu, "m_bug_i", texts.reportBugFromHelp, this, parts_.showReport);
        }
    }
    MenuBuilder::addSeparator(menu);
    for (const auto& [name, text] : {std::pair{"i5", &texts.homepage}, std::pair{"i9", &texts.introductionSite},
                                     std::pair{"i11", &texts.functionsSite}, std::pair{"i6", &texts.makerSite},
                                     std::pair{"i7", &texts.personalSite}, std::pair{"i10", &texts.webdesignSite},
                                     std::pair{"i8", &texts.donationSite}, std::pair{"i12", &texts.customisationSite}})
        menus.link(menu, name, *text);
    return menu;
}

}  // namespace lernwerk
