#include "dialogs/tbugreport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/click_label.h"
#include "widgets/error_box_transition.h"
#include "widgets/web_links.h"
#include "widgets/sites.h"

namespace lernwerk {

namespace {

constexpr QRgb kLinkBlue = 0x4F68C1;

QLabel* paragraph(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

BugreportTexts germanTexts()
{
    const QString site = QString::fromStdString(sites::kGerman);
    return {
        "bugreport_de",
        QStringLiteral("Fehler oder Verbesserung melden"),
        QStringLiteral("Sehr geehrter Anwender,"),
        QStringLiteral("wir sind stets darum bemüht, Ihnen die bestmögliche Software anzubieten. Deswegen werden "
                       "unsere Anwendungen regelmäßig verbessert und erweitert. Sollte Ihnen dennoch ein Fehler in "
                       "der Software aufgefallen sein oder Sie eine Verbesserung oder Erweiterung vorschlagen "
                       "möchten, können Sie dies jederzeit auf der folgenden Internetseite tun:"),
        site + QStringLiteral("/support"),
        QStringLiteral("Wenn Sie es wünschen, geben Sie auch Ihre E-Mail Adresse an (dies ist selbstverständlich "
                       "freiwillig). Dann antworten wir Ihnen und Sie können schnellstmöglich von der Änderung oder "
                       "der Verbesserung der Software profitieren."),
        QStringLiteral("Unter Umständen eignet sich zur Lösung einer Ihrer individuellen Aufgaben eine "
                       "maßgeschneiderte und auf Ihre Bedürfnisse abgestimmte Softwarelösung am besten. Diese muss "
                       "nicht teuer sein, kann Ihnen aber eine Menge Arbeit und Zeit ersparen. Eine derartige Lösung "
                       "kann sowohl in einer individuellen Anpassung einer bestehenden Software liegen als auch im "
                       "Programmieren einer komplett neuen Anwendung. Weiterführende Informationen und "
                       "Anwendungsbeispiele finden Sie auf der folgenden Internetseite: "),
        site + QStringLiteral("/individuell"),
        QSize(330, 368),
    };
}

BugreportTexts englishTexts()
{
    const QString site = QString::fromStdString(sites::kEnglish);
    return {
        "bugreport_en",
        QStringLiteral("Report Bug or Improvement"),
        QStringLiteral("Dear User,"),
        QStringLiteral("we are constantly striving to offer you the best software possible. Therefore, our "
                       "applications are frequently updated and expanded. If you have noticed an error in the "
                       "software or want to suggest any improvements or extensions, you can always do that on the "
                       "following website:"),
        site + QStringLiteral("/support"),
        QStringLiteral("If you wish, you also enter your e-mail address (of course, this is voluntary). Then we "
                       "will answer you and you can quickly benefit from the modification or improvement of the "
                       "software."),
        QStringLiteral("Under certain circumstances, a custom-made software solution is most suitable for your "
                       "individual needs and can solve your individual tasks in the best manner. This need not be "
                       "expensive, but you can save a lot of work and time. Such a solution can be both an "
                       "individual adaptation of an existing software as well as the programming of a new "
                       "application. For further information and some examples, visit the following website:"),
        site + QStringLiteral("/individual"),
        QSize(312, 346),
    };
}

}  // namespace

Tbugreport::Tbugreport(const BugreportTexts& texts)
    : QDialog(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(texts.windowName));
    setWindowTitle(texts.caption);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    auto* greeting = paragraph(this, "Label16", texts.greeting);
    QFont greetingFont = greeting->font();
    greetingFont.setPixelSize(13);
    greeting->setFont(greetingFont);
    layout->addWidget(greeting);
    layout->addWidget(paragraph(this, "StaticText19", texts.supportIntro));

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
        connect(label, &ClickLabel::clicked, this, [this, label] { guarded([&] { BrowseToCaption(label->text()); }); });
        // As wide as its caption: the room beside it is no link.
        layout->addWidget(label, 0, Qt::AlignLeft);
    };
    link("Label70", texts.supportLink);
    layout->addWidget(paragraph(this, "StaticText1", texts.emailNote));
    layout->addWidget(paragraph(this, "StaticText2", texts.customIntro));
    link("Label1", texts.customLink);
    layout->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setFixedSize(75, 25);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });

    // The design size, grown in height where the texts need more room.
    setFixedWidth(texts.clientSize.width());
    setFixedHeight(std::max(texts.clientSize.height(), layout->totalHeightForWidth(texts.clientSize.width())));
}

void Tbugreport::BrowseToCaption(const QString& caption)
{
    BrowseToAddress(caption, kReferrerReport, false);
}

void Tbugreport::Button1Click()
{
    hide();
}

Tbugreport_de::Tbugreport_de() : Tbugreport(germanTexts()) {}

Tbugreport_en::Tbugreport_en() : Tbugreport(englishTexts()) {}

}  // namespace lernwerk
