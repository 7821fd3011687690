#include "pages/donation_page.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "desktop/error_reporter.h"
#include "desktop/picture_file.h"
#include "desktop/sites.h"
#include "lang/info_page_texts.h"
#include "widgets/click_label.h"

namespace lernwerk {

namespace {

constexpr int kBottomMargin = 11;  // 465 high on a 484 page
constexpr QSize kPictureSize(504, 289);
constexpr int kPictureInset = 3;
constexpr int kLinkLeft = 4;

}  // namespace

DonationPage::DonationPage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent)
    : InfoPage(row, language, kBottomMargin, errors, parent)
{
}

void DonationPage::build()
{
    QFrame* panel = addPanel(kPictureSize.height() + 2 * kPictureInset);
    const int okTop = addOkButton(panel);

    picture_ = new QLabel(panel);
    picture_->setObjectName(objectName() + QStringLiteral("Picture"));
    picture_->setGeometry(QRect(QPoint(kPictureInset, kPictureInset), kPictureSize));
    // A Tab stop, so that a screen reader says what the picture asks.
    picture_->setFocusPolicy(Qt::StrongFocus);
    const QString file =
        Text{QStringLiteral(":/pictures/donate_de.jpg"), QStringLiteral(":/pictures/donate_en.jpg")}.in(language());
    errors().guarded([&] { picture_->setPixmap(QPixmap::fromImage(loadPicture(file))); });

    const QString address = QString::fromStdString(sites::kHome.in(language())) +
                            Text{QStringLiteral("/spenden"), QStringLiteral("/donate")}.in(language());
    QLabel* link = addLink(content(), objectName() + QStringLiteral("Link"), address);
    link->move(kLinkLeft, okTop + (kButtonHeight - link->height()) / 2);
}

void DonationPage::nameControls(Language interfaceLanguage)
{
    InfoPage::nameControls(interfaceLanguage);
    const InfoPageTexts& texts = infoPageTexts();
    picture_->setAccessibleName(texts.donationPicture.in(interfaceLanguage));
    picture_->setAccessibleDescription(texts.donationPictureWords.in(interfaceLanguage));
}

}  // namespace lernwerk
