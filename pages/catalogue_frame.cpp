#include "pages/catalogue_frame.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

#include "desktop/error_reporter.h"
#include "desktop/sites.h"
#include "desktop/web_links.h"
#include "lang/catalogue_texts.h"
#include "lang/info_page_texts.h"
#include "widgets/click_label.h"
#include "widgets/controls.h"

namespace lernwerk {

namespace {

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
int rowTop(int row) { return row < kCatalogueSize - 1 ? 76 + 50 * row : 824; }

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(name);
    created->setGeometry(geometry);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeReadable(created);
    return created;
}

QFont boldFont()
{
    QFont bold;
    bold.setBold(true);
    return bold;
}

}  // namespace

CatalogueFrame::CatalogueFrame(Language language, ErrorReporter& errors, QWidget* parent)
    : QWidget(parent), errors_(errors), language_(language)
{
    setObjectName(QString::fromLatin1(quiz::PerLanguage<const char*>{"TFrame1", "TFrame2"}.in(language)));
    const char* scrollBoxName = quiz::PerLanguage<const char*>{"ScrollBox1", "ScrollBox2"}.in(language);
    const InfoPageTexts& texts = infoPageTexts();
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

    QLabel* heading = label(list, QStringLiteral("heading"), texts.catalogueHeading.in(language),
                            QRect(kMargin, 8, kListWidth - 2 * kMargin, 22));
    QFont headingFont;
    headingFont.setPixelSize(16);
    heading->setFont(headingFont);
    label(list, QStringLiteral("introduction"), texts.catalogueIntroduction.in(language),
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
        icon->setToolTip(catalogueAddress(i, language));
        icon->setCursor(Qt::PointingHandCursor);
        connectGuarded(icon, &QToolButton::clicked, this, errors_,
                       [icon] { BrowseToAddress(icon->toolTip(), kReferrerPage, false); });
        icons_.push_back(icon);

        QLabel* title = label(list, QStringLiteral("title%1").arg(i), catalogueTitle(i, language),
                              QRect(kTextLeft, top + 1, kTextWidth, kTitleHeight));
        title->setFont(boldFont());
        QLabel* description = label(list, QStringLiteral("description%1").arg(i), catalogueDescription(i, language),
                                    QRect(kTextLeft, top + kDescriptionTop, kTextWidth, kDescriptionHeight));
        description->setWordWrap(true);
        watch(title);
        watch(description);
    }

    auto* more = new ClickLabel(QString::fromStdString(sites::kHome.in(language)) + QStringLiteral("/software"), list);
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
    softwareLink_ = more;
    connectGuarded(more, &ClickLabel::clicked, this, errors_,
                   [more] { BrowseToAddress(more->text(), kReferrerPage, false); });

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
        errors_.guarded([this] { scrollBox_->setFocus(Qt::MouseFocusReason); });
    } else if (event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta == 0)
            return QWidget::eventFilter(watched, event);
        wheelRest_ += delta;
        // Turning the wheel away from the user moves the list up.
        for (; wheelRest_ >= kWheelNotch; wheelRest_ -= kWheelNotch)
            errors_.guarded([this] { scrollByNotch(-1); });
        for (; wheelRest_ <= -kWheelNotch; wheelRest_ += kWheelNotch)
            errors_.guarded([this] { scrollByNotch(1); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CatalogueFrame::retranslate(Language interfaceLanguage)
{
    const Text& openPage = infoPageTexts().openProgramPage;
    for (std::size_t i = 0; i < icons_.size(); ++i)
        icons_[i]->setAccessibleName(
            openPage.in(interfaceLanguage).arg(catalogueTitle(static_cast<int>(i), language_)));
    softwareLink_->setAccessibleName(softwareLink_->text());
    // The list scrolls with the keys once it has the focus; it is named by its heading.
    scrollBox_->setAccessibleName(infoPageTexts().catalogueHeading.in(interfaceLanguage));
}

void CatalogueFrame::scrollByNotch(int steps)
{
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    bar->setValue(std::clamp(bar->value() + steps * kWheelStep, bar->minimum(), bar->maximum()));
}

}  // namespace lernwerk
