#pragma once

#include "pages/info_page.h"

namespace lernwerk {

// An information page of texts: introduction, recommendations or licence.
// Title, headings, paragraphs and links stand top to bottom in a sunken
// panel, each paragraph as high as its wrapped lines need.
class InfoTextPage : public InfoPage {
    Q_OBJECT
public:
    InfoTextPage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent);

private:
    void build() override;
    void fillTexts(QWidget* panel);
};

}  // namespace lernwerk
