// The language switch of the main window: every page, the menus and the
// status bar take the texts of the interface language.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>

#include "app/statistics_page.h"
#include "app/tprog.h"
#include "app/trainer_page.h"
#include "dialogs/info_page_set.h"
#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lang/trainer_texts.h"
#include "lang/window_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"

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
    const bool german = language_.isGerman();
    const Language language = language_.current();
    const WindowTexts& window = windowTexts();
    setWindowTitle(window.caption.in(language));
    anzeige->setPanelText(StatusBar::kPhasePanel, window.phase.in(language));
    anzeige->setPanelText(StatusBar::kResultPanel, window.result.in(language));
    anzeige->setPanelText(StatusBar::kLinkPanel, window.donation.in(language));
    anzeige->setAccessibleName(window.statusBar.in(language));
    blatt->setTabText(blatt->indexOf(trainer_), trainerTexts().tab.in(language));
    trainer_->retranslate(language);
    blatt->setTabText(blatt->indexOf(statistics_), statisticsTexts().tab.in(language));
    statistics_->retranslate(language);
    blatt->setTabText(blatt->indexOf(lists_), listsPageTexts().tab.in(language));
    lists_->retranslate(language);
    exchangeInfoTabs(german);
    info_->retranslate(language);
    for (const auto& [action, text] : menuCaptions_)
        action->setText(text->in(language));
    softwareGerman_->menuAction()->setVisible(german);
    softwareEnglish_->menuAction()->setVisible(!german);
    // Alt and a letter open the menus of the bar, a different letter for each
    // menu; the hidden software menu has none.
    const QString software = QStringLiteral("Software");
    const std::pair<QAction*, QChar> accessKeys[] = {
        {menuBar()->findChild<QMenu*>(QStringLiteral("p0"))->menuAction(), german ? u'P' : u'F'},
        {menuBar()->findChild<QMenu*>(QStringLiteral("f0"))->menuAction(), german ? u'F' : u'W'},
        {menuBar()->findChild<QMenu*>(QStringLiteral("Einstellungen1"))->menuAction(), german ? u'E' : u'S'},
        {(german ? softwareGerman_ : softwareEnglish_)->menuAction(), german ? u'S' : u'o'},
        {menuBar()->findChild<QMenu*>(QStringLiteral("i0"))->menuAction(), u'H'},
    };
    (german ? softwareEnglish_ : softwareGerman_)->menuAction()->setText(software);
    (german ? softwareGerman_ : softwareEnglish_)->menuAction()->setText(software);
    for (const auto& [menu, key] : accessKeys)
        menu->setText(withAccessKey(menu->text(), key));
    blatt->setTabText(blatt->indexOf(editor_), editorPageTexts().tab.in(language));
    editor_->retranslate(language);

    blatt->selectPage(trainer_);
    sp2->setChecked(!german);
    sp1->setChecked(german);
}

void Tprog::exchangeInfoTabs(bool german)
{
    const auto& twins = info_->twins();
    for (const InfoTwins& pair : twins) {
        QWidget* wanted = german ? pair.german : pair.english;
        QWidget* other = german ? pair.english : pair.german;
        // The introduction of the new language always shows; any other page
        // shows when the user had its twin open.
        if (&pair == &twins.front() || blatt->isPageVisible(other))
            blatt->setPageVisible(wanted, true);
        blatt->setPageVisible(other, false);
    }
}

// Settings > Language > German: the interface speaks German.
void Tprog::sp1Click() { language_.set(Language::German); }

// Settings > Language > English: the interface speaks English.
void Tprog::sp2Click() { language_.set(Language::English); }

}  // namespace lernwerk
