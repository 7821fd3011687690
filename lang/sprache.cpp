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
#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lang/texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
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
    const bool german = flag() == kGerman;
    if (!german && flag() != kEnglish)
        return;

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

    apply(lang::windowTexts());
    apply(lang::trainerTexts());
    const Language language = german ? Language::German : Language::English;
    apply(lang::listsTexts());
    blatt->setTabText(blatt->indexOf(lists_), listsPageTexts().tab.in(language));
    lists_->retranslate(language);
    exchangeInfoTabs(german);
    apply(lang::menuTexts());
    control<QMenu>("m_soft_de")->menuAction()->setVisible(german);
    control<QMenu>("m_soft_en")->menuAction()->setVisible(!german);
    blatt->setTabText(blatt->indexOf(editor_), editorPageTexts().tab.in(language));
    editor_->retranslate(language);

    blatt->selectPage(tb1);
    control<QAction>("sp2")->setChecked(!german);
    control<QAction>("sp1")->setChecked(german);
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
    start_.setLanguage(kGerman);
    sprache();
}

void Tprog::sp2Click()
{
    start_.setLanguage(kEnglish);
    sprache();
}

}  // namespace lernwerk
