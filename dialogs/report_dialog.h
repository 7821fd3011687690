#pragma once

#include <QDialog>

#include "lang/interface_language.h"

namespace lernwerk {

class ErrorReporter;

// The report window: explains where faults and wishes are reported and links
// to the maker's support and made-to-measure software pages. Not modal.
class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // The window in `language`, named "bugreport_de" or "bugreport_en".
    ReportDialog(ErrorReporter& errors, Language language);

    // Shows the window in front of the others, with the keyboard focus.
    void showInFront();

    // Takes the design size, grown in height where the texts need more room,
    // the first time the window is shown: measuring the texts is left until
    // then, so that it does not slow the program's start.
    void setVisible(bool visible) override;

private:
    ErrorReporter& errors_;
    QSize designSize_;
    bool sized_ = false;
};

}  // namespace lernwerk
