#pragma once

#include <QWidget>

#include <vector>

#include "lang/interface_language.h"

class QLabel;
class QScrollArea;
class QToolButton;

namespace lernwerk {

class ErrorReporter;

// The catalogue of the maker's programs: a list of sixteen rows (icon, title,
// description) under a heading and an introduction, with a link to the
// software page at the end. A click on an icon opens the program's page, whose
// address the icon shows as its tool tip.
//
// Moving the pointer over the list or over a row's texts gives the list the
// keyboard focus; one notch of the mouse wheel over them moves it by 10 pixels.
class CatalogueFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 511;
    static constexpr int kHeight = 311;
    static constexpr int kWheelStep = 10;

    QScrollArea* scrollBox() const { return scrollBox_; }

    // Names every icon by the page it opens, in the interface language, and
    // the closing link by its address.
    void retranslate(Language interfaceLanguage);

    // The catalogue in `language`: "TFrame1" with "ScrollBox1" in German,
    // "TFrame2" with "ScrollBox2" in English.
    CatalogueFrame(Language language, ErrorReporter& errors, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    // Moves the list by one wheel notch, down (`steps` > 0) or up.
    void scrollByNotch(int steps);

    ErrorReporter& errors_;
    Language language_;
    QScrollArea* scrollBox_ = nullptr;
    std::vector<QToolButton*> icons_;
    QLabel* softwareLink_ = nullptr;
    // Wheel movement not yet worth a whole notch (fine-grained wheels and
    // touchpads send parts of one).
    int wheelRest_ = 0;
};

}  // namespace lernwerk
