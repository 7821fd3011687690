// The information pages: one page per topic and language, each a scroll area
// with its content and an OK button that hides the page again.

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/error_box.h"
#include "app/page_control.h"
#include "app/tprog.h"
#include "app/tstart.h"

namespace lernwerk {

namespace {

struct InfoPage {
    const char* page;
    const char* tab;
    const char* scrollBox;
    int verticalRange;
    const char* okButton;
    bool donation;
};

// In the order of the page control.
const InfoPage kInfoPages[] = {
    {"tb5", "Einführung", "ScrollBox4", 850, "Button5", false},
    {"tbe", "Empfehlungen", "ScrollBox1", 460, "Button6", false},
    {"tbs", "Wieso spenden?", "ScrollBox2", 350, "Button3", true},
    {"tbl", "Lizenz", "ScrollBox3", 300, "Button4", false},
    {"tb5en", "Introduction", "ScrollBox5", 730, "Button14", false},
    {"tbeen", "Regards", "ScrollBox6", 460, "Button15", false},
    {"tblen", "Licence", "ScrollBox7", 300, "Button16", false},
    {"tbsen", "Why Donate?", "ScrollBox8", 350, "Button17", true},
    {"tbsoftde", "Software", "ScrollBox9", 460, "Button18", false},
    {"tbsoften", "Software", "ScrollBox10", 460, "Button19", false},
};

constexpr int kScrollWidth = 545;
constexpr int kScrollTop = 8;
constexpr int kScrollBottom = 16;          // 460 high on a 484 page
constexpr int kDonationScrollBottom = 11;  // 465 high
constexpr int kContentWidth = 515;
constexpr int kPanelWidth = 511;

QWidget* makeContent(const InfoPage& info, QPushButton*& ok)
{
    auto* content = new QWidget;
    content->setObjectName(QString::fromLatin1(info.scrollBox) + QStringLiteral("Content"));
    content->setFixedSize(kContentWidth, info.verticalRange);
    QPalette white = content->palette();
    white.setColor(QPalette::Window, Qt::white);
    content->setPalette(white);
    content->setAutoFillBackground(true);

    auto* panel = new QFrame(content);
    panel->setObjectName(QString::fromLatin1(info.page) + QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kPanelWidth, info.verticalRange - 40);

    ok = new QPushButton(QStringLiteral("OK"), content);
    ok->setObjectName(QString::fromLatin1(info.okButton));
    ok->setGeometry(kPanelWidth - 75, info.verticalRange - 33, 75, 25);
    return content;
}

}  // namespace

void Tprog::createInfoPages()
{
    for (const InfoPage& info : kInfoPages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(info.page));
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(0, kScrollTop, 0, info.donation ? kDonationScrollBottom : kScrollBottom);
        auto* scroll = new QScrollArea(page);
        scroll->setObjectName(QString::fromLatin1(info.scrollBox));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFixedWidth(kScrollWidth);
        scroll->setBackgroundRole(QPalette::Base);
        QPushButton* ok = nullptr;
        scroll->setWidget(makeContent(info, ok));
        row->addStretch(1);
        row->addWidget(scroll);
        row->addStretch(1);

        blatt->addTab(page, QString::fromUtf8(info.tab));
        blatt->setPageVisible(page, false);
        connect(ok, &QPushButton::clicked, this, [this, page] { guarded([this, page] { hidePage(page); }); });
    }
}

// The page's own scroll area; the catalogue frames hold scroll areas of the
// same names deeper down.
QScrollArea* Tprog::infoScrollBox(const char* pageName, const char* scrollBox) const
{
    return page(pageName)->findChild<QScrollArea*>(QString::fromLatin1(scrollBox), Qt::FindDirectChildrenOnly);
}

void Tprog::scrollInfoPagesToTop()
{
    for (const InfoPage& info : kInfoPages)
        infoScrollBox(info.page, info.scrollBox)->verticalScrollBar()->setValue(0);
}

void Tprog::showInfoPage(const char* germanPage, const char* englishPage)
{
    showPage(page(flag() == kGerman ? germanPage : englishPage));
}

void Tprog::f5Click()
{
    showInfoPage("tb5", "tb5en");
}

void Tprog::f6Click()
{
    showInfoPage("tbe", "tbeen");
}

void Tprog::f7Click()
{
    showInfoPage("tbs", "tbsen");
}

void Tprog::f8Click()
{
    showInfoPage("tbl", "tblen");
}

void Tprog::Software1Click()
{
    const bool german = flag() == kGerman;
    hidePage(page(german ? "tbsoften" : "tbsoftde"));
    showPage(page(german ? "tbsoftde" : "tbsoften"));
    infoScrollBox(german ? "tbsoftde" : "tbsoften", german ? "ScrollBox9" : "ScrollBox10")
        ->verticalScrollBar()
        ->setValue(0);
}

}  // namespace lernwerk
