#pragma once

#include <QWidget>

#include "lang/interface_language.h"
#include "pages/info_topics.h"

#include <optional>
#include <vector>

class QFrame;
class QPushButton;
class QScrollArea;

namespace lernwerk {

class ClickLabel;
class ErrorReporter;

// An information page of the main window, in one language: a white scroll
// area holding a panel with the page's content and under it at the right an
// OK button that asks for the page to be closed. The scroll area keeps the
// height of the page less fixed margins, and keeps its distance from the
// page's centre as the page control grows or shrinks with the window.
//
// The content is built when the page is first shown: laying out its texts and
// decoding its pictures would otherwise be most of the program's start, for
// pages that many users never open. The white content area has its full size
// from the start, so the page scrolls the same either way.
class InfoPage : public QWidget {
    Q_OBJECT
public:
    const InfoTopicRow& row() const { return row_; }
    InfoTopic topic() const { return row_.topic; }
    Language language() const { return language_; }
    // The tab caption, in the page's own language.
    QString tabText() const;
    QScrollArea* scrollBox() const { return scroll_; }
    QPushButton* okButton() const { return ok_; }

    void scrollToTop();
    // Gives the page's controls their accessible names in the interface
    // language (now, or when the content is built).
    void retranslate(Language interfaceLanguage);
    // Builds the content unless it is built already.
    void ensureBuilt();
    bool isBuilt() const { return built_; }

signals:
    void closeRequested();

protected:
    // Build the page inside the main window's page control, so that its texts
    // are measured in the window's font.
    InfoPage(const InfoTopicRow& row, Language language, int bottomMargin, ErrorReporter& errors, QWidget* parent);

    // Fills `content()` with the page's controls; called once.
    virtual void build() = 0;
    // Names the built controls for people; a link is named by the address it shows.
    virtual void nameControls(Language interfaceLanguage);

    QWidget* content() const { return content_; }
    int contentHeight() const;
    ErrorReporter& errors() const { return errors_; }
    // A link label in `parent`: its caption is the address it opens.
    ClickLabel* addLink(QWidget* parent, const QString& name, const QString& address);
    // Labels on the white content would otherwise draw in the text colour of
    // the scroll area's background role.
    static void setTextColour(QWidget* widget, const QColor& colour);
    // The page's framed panel at the content's top, `height` high, named after the page.
    QFrame* addPanel(int height);
    // Puts the OK button under the panel; returns its top.
    int addOkButton(const QWidget* panel);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    static constexpr int kPanelWidth = 511;
    static constexpr int kButtonHeight = 25;
    static constexpr int kButtonGap = 7;  // between the panel and the OK button

private:
    int scrollLeft() const;

    ErrorReporter& errors_;
    const InfoTopicRow& row_;
    Language language_;
    int bottomMargin_;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::vector<ClickLabel*> links_;
    bool built_ = false;
    std::optional<Language> interfaceLanguage_;
};

}  // namespace lernwerk
