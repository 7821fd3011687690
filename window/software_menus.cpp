#include "window/software_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "desktop/deferred_icon.h"
#include "desktop/error_reporter.h"
#include "lang/catalogue_texts.h"
#include "lang/window_texts.h"

namespace lernwerk {

namespace {

// The object names of one language's software menu and of its entries.
struct SoftwareMenuNames {
    const char* menu;
    const char* programPrefix;  // followed by the program's index
    const char* catalogue;
    const char* individual;
    const char* fit;
};

const quiz::PerLanguage<SoftwareMenuNames> kNames{
    {"m_soft_de", "linkde", "m_software_de_beschreibung1", "m_soft_de_individuell", "m_soft_de_anpassung"},
    {"m_soft_en", "linken", "m_software_en_description1", "m_soft_en_individual", "m_soft_en_fit"},
};

QAction* addEntry(QMenu* menu, const char* name, const QString& caption)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

QMenu* addSoftwareMenu(QMenuBar* bar, Language language, const std::vector<QIcon>& icons, const ErrorReporter& errors,
                       const SoftwareMenuHandlers& handlers)
{
    const SoftwareMenuNames& names = kNames.in(language);
    const SoftwareMenuTexts& texts = softwareMenuTexts();
    QMenu* menu = bar->addMenu(texts.title.in(language));
    menu->setObjectName(QString::fromLatin1(names.menu));
    menu->menuAction()->setObjectName(menu->objectName() + QStringLiteral("_action"));
    const auto browse = [&handlers](QAction* entry) { return [browse = handlers.browse, entry] { browse(entry); }; };

    for (int i = 0; i < kCatalogueSize; ++i) {
        QAction* program = menu->addAction(icons[static_cast<std::size_t>(i)], catalogueLine(i, language));
        program->setObjectName(QString::fromLatin1(names.programPrefix) + QString::number(i));
        connectGuarded(program, &QAction::triggered, menu, errors, browse(program));
    }
    QAction* catalogue = addEntry(menu, names.catalogue, texts.catalogue.in(language));
    connectGuarded(catalogue, &QAction::triggered, menu, errors, handlers.showCatalogue);
    menu->addSeparator();
    for (const auto& [name, caption] :
         {std::pair{names.individual, &texts.individual}, std::pair{names.fit, &texts.fit}}) {
        QAction* link = addEntry(menu, name, caption->in(language));
        connectGuarded(link, &QAction::triggered, menu, errors, browse(link));
    }
    return menu;
}

}  // namespace

quiz::PerLanguage<QMenu*> addSoftwareMenus(QMenuBar* bar, const ErrorReporter& errors,
                                           const SoftwareMenuHandlers& handlers)
{
    // Both menus share the icons, so each file is read once, when either menu first shows it.
    std::vector<QIcon> icons;
    for (int i = 0; i < kCatalogueSize; ++i)
        icons.push_back(deferredIcon(catalogueIcon(i)));
    QMenu* english = addSoftwareMenu(bar, Language::English, icons, errors, handlers);
    QMenu* german = addSoftwareMenu(bar, Language::German, icons, errors, handlers);
    return {german, english};
}

void showSoftwareMenuOf(const quiz::PerLanguage<QMenu*>& menus, Language language)
{
    for (const Language each : quiz::kLanguages) {
        QAction* title = menus.in(each)->menuAction();
        QString caption = softwareMenuTexts().title.in(language);
        title->setVisible(each == language);
        title->setText(each == language ? caption : caption.remove(QLatin1Char('&')));
    }
}

}  // namespace lernwerk
