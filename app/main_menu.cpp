// The menu bar: every entry with its name and handler. The captions come from
// the language switch.

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "app/tprog.h"
#include "dialogs/info_topics.h"
#include "lang/answer_check_texts.h"
#include "lang/window_texts.h"
#include "lists/lists_page.h"
#include "widgets/error_reporter.h"
#include "widgets/sites.h"
#include "widgets/speaker.h"

namespace lernwerk {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title = QString())
{
    auto* menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_action"));
    return menu;
}

QMenu* addSubmenu(QMenu* parent, const char* name)
{
    auto* menu = parent->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addSeparator(QMenu* menu, const char* name = nullptr)
{
    QAction* separator = menu->addSeparator();
    if (name)
        separator->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void Tprog::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    const MenuTexts& texts = menuTexts();
    // Every captioned entry is remembered with its text for the language switch.
    const auto captioned = [this](QAction* action, const Text* text) {
        if (text)
            menuCaptions_.emplace_back(action, text);
        return action;
    };
    const auto menuOf = [&](QMenuBar* parent, const char* name, const Text& text) {
        QMenu* menu = addMenu(parent, name);
        captioned(menu->menuAction(), &text);
        return menu;
    };
    const auto entry = [this, captioned](QMenu* menu, const char* name, void (Tprog::*handler)(), const Text* text,
                                         const QString& caption = QString()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { errors_.guarded([this, handler] { (this->*handler)(); }); });
        return captioned(action, text);
    };
    const auto infoEntry = [this, captioned](QMenu* menu, const InfoMenuEntry& shown, InfoTopic topic) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(shown.name));
        connect(action, &QAction::triggered, this,
                [this, topic] { errors_.guarded([this, topic] { showInfoPage(topic); }); });
        return captioned(action, &shown.caption);
    };
    const auto link = [this, captioned](QMenu* menu, const char* name, const Text* text,
                                        const QString& caption = QString()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, action] { errors_.guarded([this, action] { BrowseToMenuCaption(action); }); });
        return captioned(action, text);
    };

    QMenu* p0 = menuOf(bar, "p0", texts.p0);
    entry(p0, "p1", &Tprog::p1Click, &texts.p1)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addSeparator(p0);
    entry(p0, "p2", &Tprog::p2Click, &texts.p2);
    addSeparator(p0);
    entry(p0, "m_bug", &Tprog::m_bugClick, &texts.m_bug);
    addSeparator(p0);
    entry(p0, "p3", &Tprog::p3Click, &texts.p3)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* f0 = menuOf(bar, "f0", texts.f0);
    entry(f0, "f1", &Tprog::f1Click, &texts.f1);
    entry(f0, "f2", &Tprog::f2Click, &texts.f2);
    entry(f0, "f3", &Tprog::f3Click, &texts.f3);
    addSeparator(f0);
    entry(f0, "f4", &Tprog::f4Click, &texts.f4);
    addSeparator(f0, "About1");
    for (const InfoTopicRow& row : infoTopics())
        infoEntry(f0, row.windowsEntry, row.topic);

    QMenu* settings = menuOf(bar, "Einstellungen1", texts.Einstellungen1);
    entry(settings, "Schrift1", &Tprog::Schrift1Click, &texts.Schrift1);
    entry(settings, "hf", &Tprog::hfClick, &texts.hf);
    addSeparator(settings);
    QMenu* language = addSubmenu(settings, "Sprache1");
    captioned(language->menuAction(), &texts.Sprache1);
    auto* languages = new QActionGroup(language);
    sp1 = entry(language, "sp1", &Tprog::sp1Click, &texts.sp1);
    sp2 = entry(language, "sp2", &Tprog::sp2Click, &texts.sp2);
    for (QAction* choice : {sp1, sp2}) {
        choice->setCheckable(true);
        languages->addAction(choice);
    }
    addSeparator(settings);
    Vergleich1 = entry(settings, "Vergleich1", &Tprog::Vergleich1Click, &answerCheckTexts().menuEntry);
    Vergleich1->setCheckable(true);
    Vergleich1->setChecked(true);

    // The two software menus, one shown at a time by the language. The
    // catalogue entries of the maker's programs are put before these.
    const QString german = QString::fromStdString(sites::kGerman);
    const QString english = QString::fromStdString(sites::kEnglish);
    const struct {
        QMenu* Tprog::*member;
        const char* menu;
        const char* catalogueEntry;
        QString catalogueCaption;
        const char* linkNames[2];
        QString linkCaptions[2];
    } softwareMenus[] = {
        {&Tprog::softwareEnglish_,
         "m_soft_en",
         "m_software_en_description1",
         QStringLiteral("Brief Description of the Software"),
         {"m_soft_en_individual", "m_soft_en_fit"},
         {english + QStringLiteral("/individual - Individual Software Solutions for every Purpose"),
          english + QStringLiteral("/individual-fit - Individual Adaption of existing Software")}},
        {&Tprog::softwareGerman_,
         "m_soft_de",
         "m_software_de_beschreibung1",
         QStringLiteral("Kurzbeschreibung aller Programme"),
         {"m_soft_de_individuell", "m_soft_de_anpassung"},
         {german + QStringLiteral("/individuell - Individuelle Softwarelösungen für jeden Zweck"),
          german + QStringLiteral("/individuelle-anpassung - Individuelle Anpassung von Software")}},
    };
    for (const auto& software : softwareMenus) {
        QMenu* menu = addMenu(bar, software.menu, QStringLiteral("Software"));
        QAction* catalogue = menu->addAction(software.catalogueCaption);
        catalogue->setObjectName(QString::fromLatin1(software.catalogueEntry));
        connect(catalogue, &QAction::triggered, this,
                [this] { errors_.guarded([this] { showInfoPage(InfoTopic::catalogue); }); });
        addSeparator(menu);
        for (int i = 0; i < 2; ++i)
            link(menu, software.linkNames[i], nullptr, software.linkCaptions[i]);
        this->*software.member = menu;
    }

    QMenu* i0 = menuOf(bar, "i0", texts.i0);
    for (const InfoTopicRow& row : infoTopics()) {
        QAction* shows = infoEntry(i0, row.helpEntry, row.topic);
        // F1 shows the introduction, and the bug report stands under it.
        if (&row == &infoTopics().front()) {
            shows->setShortcut(QKeySequence(Qt::Key_F1));
            entry(i0, "m_bug_i", &Tprog::m_bug_iClick, &texts.m_bug_i);
        }
    }
    addSeparator(i0);
    const std::pair<const char*, const Text*> links[] = {
        {"i5", &texts.i5}, {"i9", &texts.i9},   {"i11", &texts.i11}, {"i6", &texts.i6},
        {"i7", &texts.i7}, {"i10", &texts.i10}, {"i8", &texts.i8},   {"i12", &texts.i12},
    };
    for (const auto& [name, text] : links)
        link(i0, name, text);

    // A menu reached with the arrow keys from the one before is named to a
    // screen reader, which hears of the menu bar's entries only when the
    // first menu opens (with F10 or Alt and a letter). In between, it still
    // presents the entry it heard of, or the control the focus went back to
    // for a moment; the name goes to whichever of these it presents.
    for (QMenu* menu : {p0, f0, settings, softwareEnglish_, softwareGerman_, i0}) {
        connect(menu, &QMenu::aboutToHide, this, [this] {
            // Another menu that opens before this event is handled was reached
            // from this one.
            menuChanging_ = true;
            QMetaObject::invokeMethod(
                this, [this] { menuChanging_ = false; }, Qt::QueuedConnection);
        });
        connect(menu, &QMenu::aboutToShow, this, [this, bar, menu] {
            if (!menuChanging_)
                return;
            QList<QAccessibleInterface*> presented;
            if (QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(bar)) {
                for (int i = 0; i < entries->childCount(); ++i)
                    presented << entries->child(i);
            }
            speaker_->sayOnAny(presented, menu->title().remove(QRegularExpression(QStringLiteral("&(?!&)"))));
        });
    }

    // F10 opens the first menu; the arrow keys walk on from there.
    auto* openMenuBar = new QAction(this);
    openMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openMenuBar, &QAction::triggered, bar, [bar, p0] { bar->setActiveAction(p0->menuAction()); });
    addAction(openMenuBar);

    // Ctrl+O loads a list as the lists page's "Load List.." does.
    auto* loadList = new QAction(this);
    loadList->setShortcut(ListsPage::kLoadListKey);
    connect(loadList, &QAction::triggered, this, [this] { errors_.guarded([this] { Button2Click(); }); });
    addAction(loadList);
}

}  // namespace lernwerk
