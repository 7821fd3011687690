// The menu bar: every entry with its name and handler. The captions come from
// the language switch.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "widgets/error_box_transition.h"
#include "app/tprog.h"
#include "widgets/sites.h"

namespace lernwerk {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name)
{
    auto* menu = bar->addMenu(QString());
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

    const auto entry = [this](QMenu* menu, const char* name, void (Tprog::*handler)(),
                              const QString& caption = QString()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        return action;
    };
    const auto link = [this](QMenu* menu, const char* name, const QString& caption = QString()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, action] { guarded([this, action] { BrowseToMenuCaption(action); }); });
        return action;
    };

    QMenu* p0 = addMenu(bar, "p0");
    entry(p0, "p1", &Tprog::p1Click);
    addSeparator(p0);
    entry(p0, "p2", &Tprog::p2Click);
    addSeparator(p0);
    entry(p0, "m_bug", &Tprog::m_bugClick);
    addSeparator(p0);
    entry(p0, "p3", &Tprog::p3Click);

    QMenu* f0 = addMenu(bar, "f0");
    entry(f0, "f1", &Tprog::f1Click);
    entry(f0, "f2", &Tprog::f2Click);
    entry(f0, "f3", &Tprog::f3Click);
    addSeparator(f0);
    entry(f0, "f4", &Tprog::f4Click);
    addSeparator(f0, "About1");
    entry(f0, "f5", &Tprog::f5Click);
    entry(f0, "f6", &Tprog::f6Click);
    entry(f0, "Software2", &Tprog::Software1Click, QStringLiteral("Software"));
    entry(f0, "f7", &Tprog::f7Click);
    entry(f0, "f8", &Tprog::f8Click);

    QMenu* settings = addMenu(bar, "Einstellungen1");
    entry(settings, "Schrift1", &Tprog::Schrift1Click);
    entry(settings, "hf", &Tprog::hfClick);
    addSeparator(settings);
    QMenu* language = addSubmenu(settings, "Sprache1");
    auto* languages = new QActionGroup(language);
    for (QAction* choice : {entry(language, "sp1", &Tprog::sp1Click), entry(language, "sp2", &Tprog::sp2Click)}) {
        choice->setCheckable(true);
        languages->addAction(choice);
    }

    // The two software menus, one shown at a time by the language. The
    // catalogue entries of the maker's programs are put before these.
    const QString german = QString::fromStdString(sites::kGerman);
    const QString english = QString::fromStdString(sites::kEnglish);
    const struct {
        const char* menu;
        const char* catalogueEntry;
        QString catalogueCaption;
        const char* linkNames[2];
        QString linkCaptions[2];
    } softwareMenus[] = {
        {"m_soft_en",
         "m_software_en_description1",
         QStringLiteral("Brief Description of the Software"),
         {"m_soft_en_individual", "m_soft_en_fit"},
         {english + QStringLiteral("/individual - Individual Software Solutions for every Purpose"),
          english + QStringLiteral("/individual-fit - Individual Adaption of existing Software")}},
        {"m_soft_de",
         "m_software_de_beschreibung1",
         QStringLiteral("Kurzbeschreibung aller Programme"),
         {"m_soft_de_individuell", "m_soft_de_anpassung"},
         {german + QStringLiteral("/individuell - Individuelle Softwarelösungen für jeden Zweck"),
          german + QStringLiteral("/individuelle-anpassung - Individuelle Anpassung von Software")}},
    };
    for (const auto& software : softwareMenus) {
        QMenu* menu = addMenu(bar, software.menu);
        menu->setTitle(QStringLiteral("Software"));
        entry(menu, software.catalogueEntry, &Tprog::Software1Click, software.catalogueCaption);
        addSeparator(menu);
        for (int i = 0; i < 2; ++i)
            link(menu, software.linkNames[i], software.linkCaptions[i]);
    }

    QMenu* i0 = addMenu(bar, "i0");
    entry(i0, "i1", &Tprog::f5Click);
    entry(i0, "m_bug_i", &Tprog::m_bug_iClick);
    entry(i0, "i2", &Tprog::f6Click);
    entry(i0, "Software1", &Tprog::Software1Click, QStringLiteral("Software"));
    entry(i0, "i3", &Tprog::f7Click);
    entry(i0, "i4", &Tprog::f8Click);
    addSeparator(i0);
    for (const char* name : {"i5", "i9", "i11", "i6", "i7", "i10", "i8", "i12"})
        link(i0, name);
}

}  // namespace lernwerk
