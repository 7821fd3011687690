#include "pages/catalogue_page.h"

#include "pages/catalogue_frame.h"

namespace lernwerk {

namespace {

constexpr int kBottomMargin = 16;  // 460 high on a 484 page

}  // namespace

CataloguePage::CataloguePage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent)
    : InfoPage(row, language, kBottomMargin, errors, parent)
{
}

void CataloguePage::build()
{
    // The German catalogue stands on a panel of its own; the English one is
    // its own panel.
    QWidget* panel = nullptr;
    switch (language()) {
        case Language::German:
            panel = new QWidget(content());
            panel->setObjectName(QStringLiteral("Panel9"));
            panel->setGeometry(0, 0, kPanelWidth, CatalogueFrame::kHeight);
            frame_ = new CatalogueFrame(Language::German, errors(), panel);
            break;
        case Language::English:
            frame_ = new CatalogueFrame(Language::English, errors(), content());
            panel = frame_;
            break;
    }
    addOkButton(panel);
}

void CataloguePage::nameControls(Language interfaceLanguage)
{
    InfoPage::nameControls(interfaceLanguage);
    frame_->retranslate(interfaceLanguage);
}

}  // namespace lernwerk
