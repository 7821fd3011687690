#pragma once

#include <QDialog>

namespace lernwerk {

// The texts of one report window.
struct BugreportTexts {
    const char* windowName;
    QString caption;
    QString greeting;
    QString supportIntro;
    QString supportLink;
    QString emailNote;
    QString customIntro;
    QString customLink;
    QSize clientSize;
};

// The report window: explains where faults and wishes are reported and links
// to the maker's support and made-to-measure software pages. Not modal.
class Tbugreport : public QDialog {
    Q_OBJECT
public:
    explicit Tbugreport(const BugreportTexts& texts);

    void BrowseToCaption(const QString& caption);
    void Button1Click();
};

class Tbugreport_de : public Tbugreport {
    Q_OBJECT
public:
    Tbugreport_de();
};

class Tbugreport_en : public Tbugreport {
    Q_OBJECT
public:
    Tbugreport_en();
};

}  // namespace lernwerk
