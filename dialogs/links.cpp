// Link handlers of the main window: menu entries, link labels and the
// status bar's donation panel.

#include <QAction>
#include <QLabel>

#include "widgets/status_bar.h"
#include "app/tprog.h"
#include "app/tstart.h"
#include "widgets/web_links.h"
#include "widgets/sites.h"

namespace lernwerk {

void Tprog::BrowseToMenuCaption(QAction* entry)
{
    BrowseToAddress(entry->text(), kReferrerMenu, true);
}

void Tprog::BrowseToLabelCaption(QLabel* label)
{
    BrowseToAddress(label->text(), kReferrerPage, true);
}

void Tprog::anzeigeClick(int x)
{
    if (StatusBar::panelAt(x) != StatusBar::kLinkPanel)
        return;
    if (flag() == QStringLiteral("en"))
        openAddress(QStringLiteral("http://www.") + QString::fromStdString(sites::kEnglish) +
                    QStringLiteral("/donate&rf=kpl"));
    else
        openAddress(QStringLiteral("http://www.") + QString::fromStdString(sites::kGerman) +
                    QStringLiteral("/spenden&rf=kpl"));
}

}  // namespace lernwerk
