#include "pages/info_text_page.h"

#include <QFrame>
#include <QLabel>

#include "widgets/click_label.h"
#include "widgets/controls.h"

namespace lernwerk {

namespace {

constexpr int kBottomMargin = 16;  // 460 high on a 484 page
constexpr int kTextMargin = 16;
constexpr int kTextTop = 12;
constexpr int kHeadingGap = 6;  // extra room above a section heading
constexpr int kLinkGap = 24;    // between links that share a row
const QColor kTitleColour(58, 58, 58);

// How far below an item the next one starts.
int spaceAfter(InfoKind kind)
{
    switch (kind) {
        case InfoKind::Title:
        case InfoKind::Link:
        case InfoKind::Paragraph:
            return 10;
        case InfoKind::Heading:
            return 4;
        case InfoKind::SignOff:
            return 2;
    }
    return 0;
}

}  // namespace

InfoTextPage::InfoTextPage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent)
    : InfoPage(row, language, kBottomMargin, errors, parent)
{
}

void InfoTextPage::build()
{
    QFrame* panel = addPanel(contentHeight() - kButtonHeight - 2 * kButtonGap - 1);
    addOkButton(panel);
    fillTexts(panel);
}

// Links that follow one another share a row.
void InfoTextPage::fillTexts(QWidget* panel)
{
    constexpr int textWidth = kPanelWidth - 2 * kTextMargin;
    int top = kTextTop;
    int linkLeft = kTextMargin;
    const std::vector<InfoItem>& items = row().texts().in(language());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const InfoItem& item = items[i];
        if (item.kind == InfoKind::Link) {
            QLabel* link = addLink(panel, objectName() + QStringLiteral("Link%1").arg(i), item.text);
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
        label->setObjectName(objectName() + QStringLiteral("Text%1").arg(i));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        makeReadable(label);
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
        const int height = label->wordWrap() ? label->heightForWidth(textWidth) : label->sizeHint().height();
        label->setGeometry(kTextMargin, top, textWidth, height);
        top += height + spaceAfter(item.kind);
    }
}

}  // namespace lernwerk
