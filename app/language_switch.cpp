// The language switch of the main window: every page, the menus and the
// status bar take the texts of the interface language.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>

#include "app/memory_rounds.h"
#include "app/progress_page.h"
#include "app/statistics_page.h"
#include "app/tprog.h"
#include "app/trainer_page.h"
#include "dialogs/info_page_set.h"
#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lang/progress_page_texts.h"
#include "lang/speech_texts.h"
#include "lang/trainer_texts.h"
#include "lang/window_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "widgets/page_control.h"
#include "widgets/speaker.h"
#include "widgets/status_bar.h"
#include "widgets/text_field_accessible.h"
#include "widgets/web_links.h"

namespace lernwerk {

namespace {

// Marks `key`, the first such letter of `caption`, as the letter that opens
// the menu with Alt.
QString withAccessKey(const QString& caption, QChar key)
{
    const qsizetype at = caption.indexOf(key);
    return at < 0 ? caption : caption.left(at) + QLatin1Char('&') + caption.mid(at);
}

}  // namespace

void Tprog::sprache()
{
    const Language language = language_.current();
    const WindowTexts& window = windowTexts();
    setWindowTitle(window.caption.in(language));
    anzeige->setPanelText(StatusBar::kPhasePanel, window.phase.in(language));
    anzeige->setPanelText(StatusBar::kResultPanel, window.result.in(language));
    anzeige->setPanelText(StatusBar::kLinkPanel, window.donation.in(language));
    anzeige->setAccessibleName(window.statusBar.in(language));
    setNoBrowserMessage(speechTexts().noBrowser.in(language));
    TextFieldAccessible::setLanguage(language);
    blatt->setTabText(blatt->indexOf(trainer_), trainerTexts().tab.in(language));
    trainer_->retranslate(language);
    blatt->setTabText(blatt->indexOf(statistics_), statisticsTexts().tab.in(language));
    statistics_->retranslate(language);
    blatt->setTabText(blatt->indexOf(lists_), listsPageTexts().tab.in(language));
    lists_->retranslate(language);
    exchangeInfoTabs(language);
    info_->retranslate(language);
    for (const auto& [action, text] : menuCaptions_)
        action->setText(text->in(language));
    rounds_->retranslate(language);
    blatt->setTabText(blatt->indexOf(progressPage_), progressPageTexts().tab.in(language));
    progressPage_->retranslate(language);
    // One software menu a language; the other language's menu hides.
    const quiz::PerLanguage<QMenu*> softwareMenus{softwareGerman_, softwareEnglish_};
    QMenu* software = softwareMenus.in(language);
    for (const Language each : quiz::kLanguages) {
        QMenu* menu = softwareMenus.in(each);
        menu->menuAction()->setVisible(menu == software);
        menu->menuAction()->setText(QStringLiteral("Software"));
    }
    // Alt and a letter open the menus of the bar, a different letter for each
    // menu; the hidden software menu has none.
    using AccessKey = quiz::PerLanguage<QChar>;
    const std::pair<QAction*, AccessKey> accessKeys[] = {
        {menuBar()->findChild<QMenu*>(QStringLiteral("p0"))->menuAction(), AccessKey{u'P', u'F'}},
        {menuBar()->findChild<QMenu*>(QStringLiteral("f0"))->menuAction(), AccessKey{u'F', u'W'}},
        {menuBar()->findChild<QMenu*>(QStringLiteral("Einstellungen1"))->menuAction(), AccessKey{u'E', u'S'}},
        {software->menuAction(), AccessKey{u'S', u'o'}},
        {menuBar()->findChild<QMenu*>(QStringLiteral("i0"))->menuAction(), AccessKey{u'H', u'H'}},
    };
    for (const auto& [menu, key] : accessKeys)
        menu->setText(withAccessKey(menu->text(), key.in(language)));
    blatt->setTabText(blatt->indexOf(editor_), editorPageTexts().tab.in(language));
    editor_->retranslate(language);

    blatt->selectPage(trainer_);
    const quiz::PerLanguage<QAction*> languageEntries{sp1, sp2};
    for (const Language each : quiz::kLanguages)
        languageEntries.in(each)->setChecked(each == language);
}

void Tprog::exchangeInfoTabs(Language language)
{
    const auto& twins = info_->twins();
    for (const InfoTwins& pair : twins) {
        const quiz::PerLanguage<QWidget*> pages{pair.german, pair.english};
        QWidget* wanted = pages.in(language);
        // The introduction of the new language always shows; any other page
        // shows when the user had it open in another language.
        bool wasOpen = &pair == &twins.front();
        for (const Language other : quiz::kLanguages) {
            QWidget* page = pages.in(other);
            if (page == wanted)
                continue;
            wasOpen = wasOpen || blatt->isPageVisible(page);
            blatt->setPageVisible(page, false);
        }
        if (wasOpen)
            blatt->setPageVisible(wanted, true);
    }
}

// Settings > Language > German: the interface speaks German.
void Tprog::sp1Click() { chooseLanguage(Language::German); }

// Settings > Language > English: the interface speaks English.
void Tprog::sp2Click() { chooseLanguage(Language::English); }

// The switch replaces the question list by the sample list of the language,
// also in the middle of a round: the learner hears so.
void Tprog::chooseLanguage(Language language)
{
    language_.set(language);
    speaker_->say(speechTexts().languageChosen.in(language));
}

}  // namespace lernwerk
