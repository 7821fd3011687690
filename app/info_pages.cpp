// The main window's information pages and web links: the pages are built by
// their set and shown, hidden and scrolled here.

#include <QAction>

#include "app/main_window.h"
#include "dialogs/info_page_set.h"
#include "widgets/error_reporter.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "widgets/web_links.h"

namespace lernwerk {

void MainWindow::addInfoPages()
{
    info_ = std::make_unique<InfoPageSet>(errors_, blatt);
    for (InfoPage* page : info_->pages()) {
        blatt->addTab(page, page->tabText());
        blatt->setPageVisible(page, false);
        connectGuarded(page, &InfoPage::closeRequested, this, errors_, [this, page] { hidePage(page); });
    }
    // A page's content is built when it is first shown; the page that becomes the current one gets
    // it at once, even while the window is hidden, so that its controls exist from then on.
    connect(blatt, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto* page = qobject_cast<InfoPage*>(blatt->widget(index)))
            page->ensureBuilt();
    });
}

void MainWindow::scrollInfoPagesToTop() { info_->scrollToTop(); }

void MainWindow::showInfoPage(InfoTopic topic)
{
    InfoPage* shown = info_->page(topic, language_.current());
    showPage(shown);
    if (shown->row().opensAtTop)
        shown->scrollToTop();
}

// Windows > Introduction, Help and Information > Introduction.
void MainWindow::f5Click() { showInfoPage(InfoTopic::introduction); }

// Windows > Recommendations, Help and Information > Recommendations.
void MainWindow::f6Click() { showInfoPage(InfoTopic::recommendations); }

// Windows > Donation, Help and Information > Donation.
void MainWindow::f7Click() { showInfoPage(InfoTopic::donation); }

// Windows > Licence, Help and Information > Licence.
void MainWindow::f8Click() { showInfoPage(InfoTopic::licence); }

// Software > the catalogue, Windows > Software, Help and Information > Software.
void MainWindow::Software1Click() { showInfoPage(InfoTopic::catalogue); }

void MainWindow::showInfoPageByMenu(InfoTopic topic)
{
    switch (topic) {
        case InfoTopic::introduction:
            return f5Click();
        case InfoTopic::recommendations:
            return f6Click();
        case InfoTopic::donation:
            return f7Click();
        case InfoTopic::licence:
            return f8Click();
        case InfoTopic::catalogue:
            return Software1Click();
    }
}

// A link entry of the Software or Help and Information menu: opens the address its caption begins with.
void MainWindow::BrowseToMenuCaption(QAction* entry) { BrowseToAddress(entry->text(), kReferrerMenu, true); }

// Status bar > donation panel: opens the donation page of the language.
void MainWindow::anzeigeClick(int x)
{
    if (StatusBar::panelAt(x) == StatusBar::kLinkPanel)
        openDonationPage(language_.current());
}

}  // namespace lernwerk
