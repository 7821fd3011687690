#pragma once

#include <QDialog>

#include "lang/interface_language.h"

namespace lernwerk {

class ErrorReporter;

// The report window: explains where faults and wishes are reported and links
// to the maker's support and made-to-measure software pages. Not modal.
class Tbugreport : public QDialog {
    Q_OBJECT
public:
    void BrowseToCaption(const QString& caption);
    void Button1Click();

    // Takes the design size, grown in height where the texts need more room,
    // the first time the window is shown: measuring the texts is left until
    // then, so that it does not slow the program's start.
    void setVisible(bool visible) override;

protected:
    // `clientSize` is the design size; the height grows where the texts need more room.
    Tbugreport(ErrorReporter& errors, Language language, const char* windowName, QSize clientSize);

private:
    ErrorReporter& errors_;
    QSize designSize_;
    bool sized_ = false;
};

class Tbugreport_de : public Tbugreport {
    Q_OBJECT
public:
    explicit Tbugreport_de(ErrorReporter& errors);
};

class Tbugreport_en : public Tbugreport {
    Q_OBJECT
public:
    explicit Tbugreport_en(ErrorReporter& errors);
};

}  // namespace lernwerk
