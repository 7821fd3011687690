// The language switch: writes every language-dependent text of the main window
// from the tables, in their order.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "app/tprog.h"
#include "app/tstart.h"
#include "lang/language.h"
#include "lang/texts.h"
#include "lang/trainer_texts.h"
#include "lang/window_texts.h"
#include "app/statistics_page.h"
#include "app/trainer_page.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

void setCaption(QObject* object, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* window = qobject_cast<QWidget*>(object))
        window->setWindowTitle(text);
}

}  // namespace

void Tprog::sprache()
{
    const bool german = language_.isGerman();

    const auto apply = [&](const std::vector<lang::Text>& table) {
        for (const lang::Text& text : table) {
            const QString value = QString::fromStdString(german ? text.german : text.english);
            const QString name = QString::fromLatin1(text.object);
            QObject* object = name == objectName() ? this : findChild<QObject*>(name);
            Q_ASSERT_X(object, "sprache", text.object);
            if (!object)
                continue;
            switch (text.slot) {
            case lang::Slot::Caption:
                setCaption(object, value);
                break;
            case lang::Slot::Tab:
                blatt->setTabText(blatt->indexOf(qobject_cast<QWidget*>(object)), value);
                break;
            case lang::Slot::Panel0:
                anzeige->setPanelText(0, value);
                break;
            case lang::Slot::Panel1:
                anzeige->setPanelText(1, value);
                break;
            case lang::Slot::Panel2:
                anzeige->setPanelText(2, value);
                break;
            case lang::Slot::Lines:
                // Undo in the field brings back what the user had there.
                replaceFieldLines(*qobject_cast<QPlainTextEdit*>(object), value);
                break;
            }
        }
    };

    const Language language = language_.current();
    const WindowTexts& window = windowTexts();
    setWindowTitle(window.caption.in(language));
    anzeige->setPanelText(StatusBar::kPhasePanel, window.phase.in(language));
    anzeige->setPanelText(StatusBar::kResultPanel, window.result.in(language));
    anzeige->setPanelText(StatusBar::kLinkPanel, window.donation.in(language));
    blatt->setTabText(blatt->indexOf(trainer_), trainerTexts().tab.in(language));
    trainer_->retranslate(language);
    blatt->setTabText(blatt->indexOf(statistics_), statisticsTexts().tab.in(language));
    statistics_->retranslate(language);
    apply(lang::listsTexts());
    exchangeInfoTabs(german);
    for (const auto& [action, text] : menuCaptions_)
        action->setText(text->in(language));
    softwareGerman_->menuAction()->setVisible(german);
    softwareEnglish_->menuAction()->setVisible(!german);
    apply(lang::editorTexts());

    blatt->selectPage(trainer_);
    sp2->setChecked(!german);
    sp1->setChecked(german);
}

void Tprog::exchangeInfoTabs(bool german)
{
    const auto& pairs = lang::infoPagePairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        QWidget* wanted = page(german ? pairs[i].german : pairs[i].english);
        QWidget* other = page(german ? pairs[i].english : pairs[i].german);
        // The introduction of the new language always shows; any other page
        // shows when the user had its twin open.
        if (i == 0 || blatt->isPageVisible(other))
            blatt->setPageVisible(wanted, true);
        blatt->setPageVisible(other, false);
    }
}

void Tprog::sp1Click()
{
    language_.set(Language::German);
}

void Tprog::sp2Click()
{
    language_.set(Language::English);
}

}  // namespace lernwerk
