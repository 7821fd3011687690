#pragma once

#include <QAccessibleWidget>

#include <functional>
#include <memory>
#include <vector>

#include "quiz/language.h"

class QPlainTextEdit;
class QTextCursor;
class QTextDocument;
class QWidget;

namespace lernwerk {

// A multi-line field as a screen reader sees it: what Qt's own interface for
// it offers (its text, caret, selection and editing), and besides the
// language its text is in, the interface language, as the text attribute
// "language". Qt 6.4's interface reports no language at all.
// A field may be given a reading: the text a screen reader gets in place of
// what it shows (a question's gaps as words), with every offset of the
// interface in that text; the screen keeps its own.
class TextFieldAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit TextFieldAccessible(QPlainTextEdit* field);
    ~TextFieldAccessible() override;

    // A text as it is read, with for each of its offsets (and its end) the
    // offset in the shown text it stands for, never decreasing.
    struct Reading {
        QString text;
        std::vector<int> shownAt;
    };
    using Reader = std::function<Reading(const QString& shown)>;
    // From now on `field` is read through `reader`; an empty one reads it as shown.
    static void setReader(QPlainTextEdit& field, Reader reader);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QAccessible::State state() const override;

    // The text interface.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The editable text interface.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

    // The language the text of every field in `window` and in the windows it
    // owns (its dialogs) is given in; the window's language switch sets it.
    // A field whose windows were given none is German.
    static void setLanguage(QWidget& window, quiz::Language language);
    // The value of the "language" attribute for `language` ("de", "en").
    static QString languageTag(quiz::Language language);
    // Builds this interface for a multi-line field; the accessibility hub
    // hands it to Qt.
    static QAccessibleInterface* make(const QString& className, QObject* object);

private:
    QPlainTextEdit* field() const;
    // The reading of the field's text now, or null when it is read as shown.
    const Reading* reading() const;
    int shownOffset(int offset) const;
    int readOffset(int shownOffset) const;
    QTextCursor readCursorAt(int offset) const;
    // A cursor at `offset` of the text as it is read, for its boundaries.
    QTextCursor boundaryCursorAt(int offset) const;

    // The last reading and the document that holds its text, for the boundaries of words and lines.
    mutable QString readFrom_;
    mutable int readGeneration_ = 0;
    mutable std::unique_ptr<Reading> reading_;
    mutable std::unique_ptr<QTextDocument> readDocument_;
    // The length of the text as shown; offsets without "read" are in it.
    int shownCount() const;
    QTextCursor cursorAt(int offset) const;
    QTextCursor range(int startOffset, int endOffset) const;
};

}  // namespace lernwerk
