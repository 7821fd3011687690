#include "pages/info_page.h"

#include <QFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "desktop/error_reporter.h"
#include "desktop/web_links.h"
#include "lang/info_page_texts.h"
#include "widgets/click_label.h"
#include "widgets/page_control.h"

namespace lernwerk {

namespace {

constexpr int kScrollWidth = 545;
constexpr int kScrollLeft = 101;               // at the main window's size of creation,
constexpr int kCreatedPageControlWidth = 754;  // when the page control is this wide
constexpr int kScrollTop = 8;
constexpr int kContentWidth = 515;
constexpr int kButtonWidth = 75;
const QColor kLinkColour(108, 153, 219);

}  // namespace

InfoPage::InfoPage(const InfoTopicRow& row, Language language, int bottomMargin, ErrorReporter& errors, QWidget* parent)
    : QWidget(parent), errors_(errors), row_(row), language_(language), bottomMargin_(bottomMargin)
{
    const InfoPageShape& shape = row.shape.in(language);
    setObjectName(QString::fromLatin1(shape.page));
    // The page's tab caption, in the page's own language.
    setWindowTitle(row.tab.in(language));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QString::fromLatin1(shape.scrollBox));
    scroll_->setFrameShape(QFrame::NoFrame);
    // Tab goes to the texts and links inside, and the area scrolls to show them.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setBackgroundRole(QPalette::Base);
    QPalette white = scroll_->viewport()->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    scroll_->viewport()->setPalette(white);
    scroll_->viewport()->setAutoFillBackground(true);

    content_ = new QWidget;
    content_->setObjectName(scroll_->objectName() + QStringLiteral("Content"));
    content_->setFixedSize(kContentWidth, shape.contentHeight);
    QPalette whiteContent = content_->palette();
    whiteContent.setColor(QPalette::Window, Qt::white);
    content_->setPalette(whiteContent);
    content_->setAutoFillBackground(true);
    scroll_->setWidget(content_);
}

QString InfoPage::tabText() const { return row_.tab.in(language_); }

void InfoPage::scrollToTop() { scroll_->verticalScrollBar()->setValue(0); }

QFrame* InfoPage::addPanel(int height)
{
    auto* panel = new QFrame(content_);
    panel->setObjectName(objectName() + QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside
    panel->setGeometry(0, 0, kPanelWidth, height);
    return panel;
}

int InfoPage::addOkButton(const QWidget* panel)
{
    const int top = panel->geometry().bottom() + 1 + kButtonGap;
    ok_ = new QPushButton(infoPageTexts().ok.in(language_), content_);
    ok_->setObjectName(QString::fromLatin1(row_.shape.in(language_).okButton));
    ok_->setGeometry(kPanelWidth - kButtonWidth, top, kButtonWidth, kButtonHeight);
    connect(ok_, &QPushButton::clicked, this, &InfoPage::closeRequested);
    return top;
}

ClickLabel* InfoPage::addLink(QWidget* parent, const QString& name, const QString& address)
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
    connectGuarded(link, &ClickLabel::clicked, this, errors_,
                   [link] { BrowseToAddress(link->text(), kReferrerPage, true); });
    links_.push_back(link);
    return link;
}

void InfoPage::setTextColour(QWidget* widget, const QColor& colour)
{
    widget->setForegroundRole(QPalette::WindowText);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

int InfoPage::contentHeight() const { return content_->height(); }

void InfoPage::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    build();
    // Controls made inside a widget that is already on screen stay hidden until they are shown.
    for (QWidget* control : content_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
            control->show();
    if (interfaceLanguage_)
        nameControls(*interfaceLanguage_);
    // Tab reads the page from its top: the texts and links, then OK.
    QWidget* last = nullptr;
    for (QWidget* control : content_->findChildren<QWidget*>()) {
        if (control != ok_ && (control->focusPolicy() & Qt::TabFocus))
            last = control;
    }
    if (last && ok_)
        QWidget::setTabOrder(last, ok_);
}

void InfoPage::retranslate(Language interfaceLanguage)
{
    interfaceLanguage_ = interfaceLanguage;
    if (built_)
        nameControls(interfaceLanguage);
}

void InfoPage::nameControls(Language)
{
    for (ClickLabel* link : links_)
        link->setAccessibleName(link->text());
}

void InfoPage::showEvent(QShowEvent* event)
{
    ensureBuilt();
    QWidget::showEvent(event);
}

void InfoPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scroll_->setGeometry(scrollLeft(), kScrollTop, kScrollWidth, std::max(0, height() - kScrollTop - bottomMargin_));
}

int InfoPage::scrollLeft() const
{
    for (const QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const PageControl*>(up))
            return kScrollLeft + (up->width() - kCreatedPageControlWidth) / 2;
    return (width() - kScrollWidth) / 2;
}

}  // namespace lernwerk
