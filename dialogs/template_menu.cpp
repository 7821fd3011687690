#include "dialogs/template_menu.h"

#include <QAction>
#include <QMenu>

#include "dialogs/software_catalogue.h"
#include "widgets/deferred_icon.h"

namespace lernwerk {

namespace {

void fillMenu(QMenu* menu, const QString& entryPrefix, bool german, const std::function<void(QAction*)>& browse)
{
    for (int i = 0; i < kCatalogueSize; ++i) {
        auto* entry = new QAction(deferredIcon(catalogueIcon(i)), catalogueLine(i, german), menu);
        entry->setObjectName(entryPrefix + QString::number(i));
        QObject::connect(entry, &QAction::triggered, menu, [browse, entry] { browse(entry); });
        // The design-time entries follow the catalogue.
        menu->insertAction(menu->actions().value(i), entry);
    }
}

}  // namespace

void buildSoftwareMenus(QMenu* german, QMenu* english, const std::function<void(QAction*)>& browse)
{
    fillMenu(german, QStringLiteral("linkde"), true, browse);
    fillMenu(english, QStringLiteral("linken"), false, browse);
}

}  // namespace lernwerk
