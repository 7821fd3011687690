// The information pages: one page per topic and language, each a scroll area
// with its content and an OK button that hides the page again.

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <vector>

#include "widgets/click_label.h"
#include "widgets/error_box_transition.h"
#include "widgets/page_control.h"
#include "widgets/picture_file.h"
#include "app/tprog.h"
#include "app/tstart.h"
#include "dialogs/catalogue_frame.h"
#include "dialogs/info_texts.h"
#include "widgets/sites.h"

namespace lernwerk {

namespace {

enum class Content {
    texts,      // title, headings, paragraphs and links from the page's text table
    donation,   // the donation picture with the link to the donation page
    catalogue,  // the catalogue frame of the maker's programs
};

struct InfoPage {
    const char* page;
    const char* tab;
    const char* scrollBox;
    int verticalRange;
    const char* okButton;
    Content content;
    bool german;
};

// In the order of the page control.
const InfoPage kInfoPages[] = {
    {"tb5", "Einführung", "ScrollBox4", 850, "Button5", Content::texts, true},
    {"tbe", "Empfehlungen", "ScrollBox1", 460, "Button6", Content::texts, true},
    {"tbs", "Wieso spenden?", "ScrollBox2", 350, "Button3", Content::donation, true},
    {"tbl", "Lizenz", "ScrollBox3", 300, "Button4", Content::texts, true},
    {"tb5en", "Introduction", "ScrollBox5", 730, "Button14", Content::texts, false},
    {"tbeen", "Regards", "ScrollBox6", 460, "Button15", Content::texts, false},
    {"tblen", "Licence", "ScrollBox7", 300, "Button16", Content::texts, false},
    {"tbsen", "Why Donate?", "ScrollBox8", 350, "Button17", Content::donation, false},
    {"tbsoftde", "Software", "ScrollBox9", 460, "Button18", Content::catalogue, true},
    {"tbsoften", "Software", "ScrollBox10", 460, "Button19", Content::catalogue, false},
};

constexpr int kScrollWidth = 545;
constexpr int kScrollLeft = 101;           // at the main window's size of creation,
constexpr int kCreatedPageControlWidth = 754;  // when the page control is this wide
constexpr int kScrollTop = 8;
constexpr int kScrollBottom = 16;          // 460 high on a 484 page
constexpr int kDonationScrollBottom = 11;  // 465 high
constexpr int kContentWidth = 515;
constexpr int kPanelWidth = 511;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 7;  // between the panel and the OK button

// Text pages
constexpr int kTextMargin = 16;
constexpr int kTextTop = 12;
constexpr int kTextWidth = kPanelWidth - 2 * kTextMargin;
constexpr int kHeadingGap = 6;  // extra room above a section heading
constexpr int kLinkGap = 24;    // between links that share a row
const QColor kTitleColour(58, 58, 58);
const QColor kLinkColour(108, 153, 219);

// Donation pages
constexpr QSize kPictureSize(504, 289);
constexpr int kPictureInset = 3;
constexpr int kDonationLinkLeft = 4;

// An information page: its scroll area keeps the height of the page less
// fixed margins, and keeps its distance from the page's centre as the page
// control grows or shrinks with the window.
class InfoPageWidget : public QWidget {
public:
    explicit InfoPageWidget(int bottomMargin) : bottomMargin_(bottomMargin) {}

    void setScrollArea(QScrollArea* scroll) { scroll_ = scroll; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (scroll_)
            scroll_->setGeometry(scrollLeft(), kScrollTop, kScrollWidth,
                                 std::max(0, height() - kScrollTop - bottomMargin_));
    }

private:
    int scrollLeft() const
    {
        for (const QWidget* up = parentWidget(); up; up = up->parentWidget())
            if (qobject_cast<const PageControl*>(up))
                return kScrollLeft + (up->width() - kCreatedPageControlWidth) / 2;
        return (width() - kScrollWidth) / 2;
    }

    int bottomMargin_;
    QScrollArea* scroll_ = nullptr;
};

// Labels on the white scroll areas would otherwise draw in the text colour of
// the scroll area's background role.
void setTextColour(QWidget* widget, const QColor& colour)
{
    widget->setForegroundRole(QPalette::WindowText);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A link label: its caption is the address it opens.
ClickLabel* linkLabel(Tprog& prog, QWidget* parent, const QString& name, const QString& address)
{
    auto* link = new ClickLabel(address, parent);
    link->setObjectName(name);
    QFont font;
    font.setBold(true);
    font.setUnderline(true);
    link->setFont(font);
    setTextColour(link, kLinkColour);
    link->setCursor(Qt::PointingHandCursor);
    link->adjustSize();
    QObject::connect(link, &ClickLabel::clicked, &prog,
                     [&prog, link] { guarded([&prog, link] { prog.BrowseToLabelCaption(link); }); });
    return link;
}

// How far below an item the next one starts.
int spaceAfter(InfoKind kind)
{
    switch (kind) {
    case InfoKind::Title:
    case InfoKind::Link:
        return 10;
    case InfoKind::Paragraph:
        return 10;
    case InfoKind::Heading:
        return 4;
    case InfoKind::SignOff:
        return 2;
    }
    return 0;
}

// Lays the page's texts out from the top of the panel, each paragraph as high
// as its wrapped lines need. Links that follow one another share a row.
void fillTexts(Tprog& prog, QWidget* panel, const QString& page)
{
    int top = kTextTop;
    int linkLeft = kTextMargin;
    const std::vector<InfoItem>& items = infoTexts(page);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const InfoItem& item = items[i];
        if (item.kind == InfoKind::Link) {
            QLabel* link = linkLabel(prog, panel, page + QStringLiteral("Link%1").arg(i), item.text);
            link->move(linkLeft, top);
            if (i + 1 < items.size() && items[i + 1].kind == InfoKind::Link) {
                linkLeft += link->width() + kLinkGap;
            } else {
                linkLeft = kTextMargin;
                top += link->height() + spaceAfter(item.kind);
            }
            continue;
        }

        auto* label = new QLabel(item.text, panel);
        label->setObjectName(page + QStringLiteral("Text%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont font;
        switch (item.kind) {
        case InfoKind::Title:
            font.setPixelSize(16);
            setTextColour(label, kTitleColour);
            break;
        case InfoKind::Heading:
            font.setPixelSize(16);
            setTextColour(label, Qt::black);
            top += kHeadingGap;
            break;
        case InfoKind::Paragraph:
            label->setWordWrap(true);
            break;
        case InfoKind::SignOff:
            font.setBold(true);
            break;
        case InfoKind::Link:
            break;
        }
        label->setFont(font);
        const int height = label->wordWrap() ? label->heightForWidth(kTextWidth) : label->sizeHint().height();
        label->setGeometry(kTextMargin, top, kTextWidth, height);
        top += height + spaceAfter(item.kind);
    }
}

void fillDonation(Tprog& prog, const InfoPage& info, QWidget* panel, QWidget* content, int okTop)
{
    auto* picture = new QLabel(panel);
    picture->setObjectName(QString::fromLatin1(info.page) + QStringLiteral("Picture"));
    picture->setGeometry(QRect(QPoint(kPictureInset, kPictureInset), kPictureSize));
    const QString file = info.german ? QStringLiteral(":/pictures/donate_de.jpg")
                                     : QStringLiteral(":/pictures/donate_en.jpg");
    guarded([&] { picture->setPixmap(QPixmap::fromImage(loadPicture(file))); });

    const QString address = info.german ? QString::fromStdString(sites::kGerman) + QStringLiteral("/spenden")
                                        : QString::fromStdString(sites::kEnglish) + QStringLiteral("/donate");
    QLabel* link = linkLabel(prog, content, QString::fromLatin1(info.page) + QStringLiteral("Link"), address);
    link->move(kDonationLinkLeft, okTop + (kButtonHeight - link->height()) / 2);
}

QWidget* makeContent(const InfoPage& info)
{
    auto* content = new QWidget;
    content->setObjectName(QString::fromLatin1(info.scrollBox) + QStringLiteral("Content"));
    content->setFixedSize(kContentWidth, info.verticalRange);
    QPalette white = content->palette();
    white.setColor(QPalette::Window, Qt::white);
    content->setPalette(white);
    content->setAutoFillBackground(true);
    return content;
}

// Fills the page's white content: a panel with the page's texts, picture or
// catalogue, and under it at the right the OK button. Runs once the page
// belongs to the main window, so that the texts are measured in its font.
QPushButton* fillContent(Tprog& prog, const InfoPage& info, QWidget* content)
{
    QWidget* panel = nullptr;
    if (info.content == Content::catalogue) {
        if (info.german) {
            panel = new QWidget(content);
            panel->setObjectName(QStringLiteral("Panel9"));
            panel->setGeometry(0, 0, kPanelWidth, CatalogueFrame::kHeight);
            new TFrame1(panel);
        } else {
            panel = new TFrame2(content);
        }
    } else {
        auto* frame = new QFrame(content);
        frame->setObjectName(QString::fromLatin1(info.page) + QStringLiteral("Panel"));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside
        const int height = info.content == Content::texts ? info.verticalRange - kButtonHeight - 2 * kButtonGap - 1
                                                          : kPictureSize.height() + 2 * kPictureInset;
        frame->setGeometry(0, 0, kPanelWidth, height);
        panel = frame;
    }

    const int okTop = panel->geometry().bottom() + 1 + kButtonGap;
    auto* ok = new QPushButton(QStringLiteral("OK"), content);
    ok->setObjectName(QString::fromLatin1(info.okButton));
    ok->setGeometry(kPanelWidth - kButtonWidth, okTop, kButtonWidth, kButtonHeight);

    if (info.content == Content::texts)
        fillTexts(prog, panel, QString::fromLatin1(info.page));
    else if (info.content == Content::donation)
        fillDonation(prog, info, panel, content, okTop);
    return ok;
}

}  // namespace

void Tprog::createInfoPages()
{
    for (const InfoPage& info : kInfoPages) {
        const bool donation = info.content == Content::donation;
        auto* page = new InfoPageWidget(donation ? kDonationScrollBottom : kScrollBottom);
        page->setObjectName(QString::fromLatin1(info.page));
        auto* scroll = new QScrollArea(page);
        scroll->setObjectName(QString::fromLatin1(info.scrollBox));
        scroll->setFrameShape(QFrame::NoFrame);
        page->setScrollArea(scroll);
        scroll->setBackgroundRole(QPalette::Base);
        QPalette white = scroll->viewport()->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::Base, Qt::white);
        scroll->viewport()->setPalette(white);
        scroll->viewport()->setAutoFillBackground(true);
        QWidget* content = makeContent(info);
        scroll->setWidget(content);

        blatt->addTab(page, QString::fromUtf8(info.tab));
        blatt->setPageVisible(page, false);
        QPushButton* ok = fillContent(*this, info, content);
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
    showPage(page(flag() == QStringLiteral("de") ? germanPage : englishPage));
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
    const bool german = flag() == QStringLiteral("de");
    hidePage(page(german ? "tbsoften" : "tbsoftde"));
    showPage(page(german ? "tbsoftde" : "tbsoften"));
    infoScrollBox(german ? "tbsoftde" : "tbsoften", german ? "ScrollBox9" : "ScrollBox10")
        ->verticalScrollBar()
        ->setValue(0);
}

}  // namespace lernwerk
