#include "dialogs/template_menu.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

#include "widgets/error_box_transition.h"
#include "app/tprog.h"
#include "dialogs/software_catalogue.h"

namespace lernwerk {

namespace {

void fillMenu(Tprog& prog, const char* menuName, const QString& entryPrefix, bool german)
{
    auto* menu = prog.findChild<QMenu*>(QString::fromLatin1(menuName));
    for (int i = 0; i < kCatalogueSize; ++i) {
        auto* entry = new QAction(QIcon(catalogueIcon(i)), catalogueLine(i, german), menu);
        entry->setObjectName(entryPrefix + QString::number(i));
        QObject::connect(entry, &QAction::triggered, &prog,
                         [&prog, entry] { guarded([&prog, entry] { prog.BrowseToMenuCaption(entry); }); });
        // The design-time entries follow the catalogue.
        menu->insertAction(menu->actions().value(i), entry);
    }
}

}  // namespace

void buildSoftwareMenus(Tprog& prog)
{
    fillMenu(prog, "m_soft_de", QStringLiteral("linkde"), true);
    fillMenu(prog, "m_soft_en", QStringLiteral("linken"), false);
}

}  // namespace lernwerk
