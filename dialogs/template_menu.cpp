#include "dialogs/template_menu.h"

#include <QAction>
#include <QMenu>

#include <vector>

#include "dialogs/software_catalogue.h"
#include "widgets/deferred_icon.h"

namespace lernwerk {

namespace {

void fillMenu(QMenu* menu, const QString& entryPrefix, Language language, const std::vector<QIcon>& icons,
              const std::function<void(QAction*)>& browse)
{
    for (int i = 0; i < kCatalogueSize; ++i) {
        auto* entry = new QAction(icons[static_cast<std::size_t>(i)], catalogueLine(i, language), menu);
        entry->setObjectName(entryPrefix + QString::number(i));
        QObject::connect(entry, &QAction::triggered, menu, [browse, entry] { browse(entry); });
        // The design-time entries follow the catalogue.
        menu->insertAction(menu->actions().value(i), entry);
    }
}

}  // namespace

void buildSoftwareMenus(QMenu* german, QMenu* english, const std::function<void(QAction*)>& browse)
{
    // Both menus share the icons, so each file is read once, when either menu first shows it.
    std::vector<QIcon> icons;
    for (int i = 0; i < kCatalogueSize; ++i)
        icons.push_back(deferredIcon(catalogueIcon(i)));
    fillMenu(german, QStringLiteral("linkde"), Language::German, icons, browse);
    fillMenu(english, QStringLiteral("linken"), Language::English, icons, browse);
}

}  // namespace lernwerk
