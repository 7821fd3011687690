#pragma once

#include "pages/info_page.h"

namespace lernwerk {

class CatalogueFrame;

// The page with the catalogue of the maker's programs in one language: the
// German page holds its catalogue (`TFrame1`) in a panel, the English page
// shows its catalogue (`TFrame2`) directly.
class CataloguePage : public InfoPage {
    Q_OBJECT
public:
    CataloguePage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* parent);

private:
    void build() override;
    void nameControls(Language interfaceLanguage) override;

    CatalogueFrame* frame_ = nullptr;
};

}  // namespace lernwerk
