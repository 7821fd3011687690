#include "dialogs/catalogue_frame.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <string>

#include "widgets/click_label.h"
#include "widgets/error_box_transition.h"
#include "dialogs/software_catalogue.h"
#include "widgets/web_links.h"
#include "widgets/sites.h"

namespace lernwerk {

namespace {

struct FrameTexts {
    const char* heading;
    const char* introduction;
    const std::string& site;
};

const FrameTexts kGermanTexts{
    "Software",
    "Weitere Programme von Jorin Malke Studio, alle kostenlos zum Herunterladen. Ein Klick auf ein Symbol "
    "öffnet die Seite des Programms; zeigen Sie darauf, sehen Sie ihre Adresse.",
    sites::kGerman,
};

const FrameTexts kEnglishTexts{
    "Software",
    "More programs by Jorin Malke Studio, all free to download. A click on an icon opens the program's web "
    "page; point at an icon to see its address.",
    sites::kEnglish,
};

constexpr int kListWidth = 481;
constexpr int kListHeight = 890;
constexpr int kMargin = 10;
constexpr int kIconSize = 36;
constexpr int kTextLeft = kMargin + kIconSize + 8;
constexpr int kTextWidth = kListWidth - kTextLeft - kMargin;
constexpr int kTitleHeight = 15;
constexpr int kDescriptionTop = 16;
constexpr int kDescriptionHeight = 30;  // two lines
constexpr int kLinkTop = 868;
constexpr int kWheelNotch = 120;

// Rows stand every 50 pixels from 76; the last one sits a little closer to
// the one before, leaving room for the closing link.
int rowTop(int row)
{
    return row < kCatalogueSize - 1 ? 76 + 50 * row : 824;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(name);
    created->setGeometry(geometry);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return created;
}

QFont boldFont()
{
    QFont bold;
    bold.setBold(true);
    return bold;
}

}  // namespace

CatalogueFrame::CatalogueFrame(bool german, const char* scrollBoxName, QWidget* parent) : QWidget(parent)
{
    const FrameTexts& texts = german ? kGermanTexts : kEnglishTexts;
    setFixedSize(kWidth, kHeight);

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QString::fromLatin1(scrollBoxName));
    scrollBox_->setGeometry(0, 0, kWidth, kHeight);
    scrollBox_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    scrollBox_->setFocusPolicy(Qt::StrongFocus);

    auto* list = new QWidget;
    list->setObjectName(scrollBox_->objectName() + QStringLiteral("Content"));
    list->setFixedSize(kListWidth, kListHeight);
    QPalette white = list->palette();
    white.setColor(QPalette::Window, Qt::white);
    list->setPalette(white);
    list->setAutoFillBackground(true);
    // In place first, so that the link below is measured in the frame's font.
    scrollBox_->setWidget(list);

    QLabel* heading = label(list, QStringLiteral("heading"), QString::fromUtf8(texts.heading),
                            QRect(kMargin, 8, kListWidth - 2 * kMargin, 22));
    QFont headingFont;
    headingFont.setPixelSize(16);
    heading->setFont(headingFont);
    label(list, QStringLiteral("introduction"), QString::fromUtf8(texts.introduction),
          QRect(kMargin, 34, kListWidth - 2 * kMargin, kDescriptionHeight))
        ->setWordWrap(true);

    for (int i = 0; i < kCatalogueSize; ++i) {
        const int top = rowTop(i);
        auto* icon = new QToolButton(list);
        icon->setObjectName(QStringLiteral("icon%1").arg(i));
        icon->setGeometry(kMargin, top, kIconSize, kIconSize);
        icon->setAutoRaise(true);
        icon->setIcon(QIcon(catalogueIconLarge(i)));
        icon->setIconSize(QSize(kIconSize, kIconSize));
        icon->setToolTip(catalogueAddress(i, german));
        icon->setCursor(Qt::PointingHandCursor);
        connect(icon, &QToolButton::clicked, this, [this, icon] { guarded([&] { BrowseToHint(icon->toolTip()); }); });

        QLabel* title = label(list, QStringLiteral("title%1").arg(i), catalogueTitle(i, german),
                              QRect(kTextLeft, top + 1, kTextWidth, kTitleHeight));
        title->setFont(boldFont());
        QLabel* description = label(list, QStringLiteral("description%1").arg(i), catalogueDescription(i, german),
                                    QRect(kTextLeft, top + kDescriptionTop, kTextWidth, kDescriptionHeight));
        description->setWordWrap(true);
        watch(title);
        watch(description);
    }

    auto* more = new ClickLabel(QString::fromStdString(texts.site) + QStringLiteral("/software"), list);
    more->setObjectName(QStringLiteral("softwareLink"));
    QFont linkFont = boldFont();
    linkFont.setUnderline(true);
    more->setFont(linkFont);
    more->setForegroundRole(QPalette::WindowText);
    QPalette black = more->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    more->setPalette(black);
    more->setCursor(Qt::PointingHandCursor);
    more->adjustSize();
    more->move(kListWidth - kMargin - more->width(), kLinkTop);
    connect(more, &ClickLabel::clicked, this, [this, more] { guarded([&] { BrowseToCaption(more->text()); }); });

    watch(scrollBox_->viewport());
    watch(list);
}

void CatalogueFrame::watch(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool CatalogueFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        guarded([this] { ScrollBoxMouseMove(); });
    } else if (event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta == 0)
            return QWidget::eventFilter(watched, event);
        wheelRest_ += delta;
        // Turning the wheel away from the user moves the list up.
        for (; wheelRest_ >= kWheelNotch; wheelRest_ -= kWheelNotch)
            guarded([this] { ScrollBoxMouseWheelUp(); });
        for (; wheelRest_ <= -kWheelNotch; wheelRest_ += kWheelNotch)
            guarded([this] { ScrollBoxMouseWheelDown(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CatalogueFrame::BrowseToHint(const QString& hint)
{
    BrowseToAddress(hint, kReferrerPage, false);
}

void CatalogueFrame::BrowseToCaption(const QString& caption)
{
    BrowseToAddress(caption, kReferrerPage, false);
}

void CatalogueFrame::ScrollBoxMouseMove()
{
    scrollBox_->setFocus(Qt::MouseFocusReason);
}

void CatalogueFrame::ScrollBoxMouseWheelDown()
{
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    bar->setValue(std::min(bar->value() + kWheelStep, bar->maximum()));
}

void CatalogueFrame::ScrollBoxMouseWheelUp()
{
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    bar->setValue(std::max(bar->value() - kWheelStep, bar->minimum()));
}

TFrame1::TFrame1(QWidget* parent) : CatalogueFrame(true, "ScrollBox1", parent)
{
    setObjectName(QStringLiteral("TFrame1"));
}

TFrame2::TFrame2(QWidget* parent) : CatalogueFrame(false, "ScrollBox2", parent)
{
    setObjectName(QStringLiteral("TFrame2"));
}

}  // namespace lernwerk
