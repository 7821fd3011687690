#pragma once

#include "pages/info_page.h"

class QLabel;

namespace lernwerk {

// The page that asks for a donation: a picture in a sunken panel and, beside
// the OK button, the link to the donation page of the maker's site.
class DonationPage : public InfoPage {
    Q_OBJECT
public:
    DonationPage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent);

private:
    void build() override;
    void nameControls(Language interfaceLanguage) override;

    QLabel* picture_ = nullptr;
};

}  // namespace lernwerk
