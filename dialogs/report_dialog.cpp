#include "dialogs/report_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/error_reporter.h"
#include "desktop/web_links.h"
#include "lang/report_texts.h"
#include "widgets/click_label.h"

namespace lernwerk {

namespace {

constexpr QRgb kLinkBlue = 0x4F68C1;

QLabel* paragraph(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    // No Tab stop: a screen reader reads the paragraphs once, as the window
    // opens, and Tab goes from link to link.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Each window keeps its design size, grown in height where its texts need more room.
const quiz::PerLanguage<QSize> kDesignSize{QSize(330, 368), QSize(312, 346)};
const quiz::PerLanguage<const char*> kWindowName{"bugreport_de", "bugreport_en"};

}  // namespace

ReportDialog::ReportDialog(ErrorReporter& errors, Language language)
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      errors_(errors),
      designSize_(kDesignSize.in(language))
{
    const ReportTexts& texts = reportTexts();
    setObjectName(QString::fromLatin1(kWindowName.in(language)));
    setWindowTitle(texts.caption.in(language));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* greeting = paragraph(this, "Label16", texts.greeting.in(language));
    QFont greetingFont = greeting->font();
    greetingFont.setPixelSize(13);
    greeting->setFont(greetingFont);
    layout->addWidget(greeting);
    layout->addWidget(paragraph(this, "StaticText19", texts.supportIntro.in(language)));

    const auto link = [this, layout](const char* name, const QString& caption) {
        auto* label = new ClickLabel(caption, this);
        label->setObjectName(QString::fromLatin1(name));
        QFont font = label->font();
        font.setBold(true);
        font.setUnderline(true);
        label->setFont(font);
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, QColor(kLinkBlue));
        label->setPalette(blue);
        label->setCursor(Qt::PointingHandCursor);
        connectGuarded(label, &ClickLabel::clicked, this, errors_,
                       [label] { BrowseToAddress(label->text(), kReferrerReport, false); });
        // As wide as its caption: the room beside it is no link.
        layout->addWidget(label, 0, Qt::AlignLeft);
    };
    link("Label70", texts.supportLink.in(language));
    layout->addWidget(paragraph(this, "StaticText1", texts.emailNote.in(language)));
    layout->addWidget(paragraph(this, "StaticText2", texts.customIntro.in(language)));
    link("Label1", texts.customLink.in(language));
    layout->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setFixedSize(75, 25);
    row->addWidget(ok);
    layout->addLayout(row);
    connectGuarded(ok, &QPushButton::clicked, this, errors_, &ReportDialog::hide);

    setFixedSize(designSize_);
}

void ReportDialog::showInFront()
{
    show();
    raise();
    activateWindow();
}

void ReportDialog::setVisible(bool visible)
{
    if (visible && !sized_) {
        sized_ = true;
        setFixedHeight(std::max(designSize_.height(), layout()->totalHeightForWidth(designSize_.width())));
    }
    QDialog::setVisible(visible);
}

}  // namespace lernwerk
