#pragma once

#include <QPlainTextEdit>

namespace lernwerk {

// The status column beside the question list. It scrolls with the list line
// for line, so that each entry stands beside its question. Where the column
// is shorter than the list and cannot follow it that far, it shows no
// entries rather than entries beside the wrong questions.
class StatusColumn : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit StatusColumn(QWidget* parent);

    // Starts following `list`; the column takes the list's font.
    void follow(QPlainTextEdit* list);
    // True while every entry shown stands beside its own question.
    bool isAligned() const { return aligned_; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void listScrolled();
    void columnScrolled();
    void levelSoon();
    void level();
    void setAligned(bool aligned);

    QPlainTextEdit* list_ = nullptr;
    int listLine_ = 0;    // the list's top line when the fields were last level
    int columnLine_ = 0;  // the column's top line then
    bool levelPending_ = false;
    bool aligned_ = true;
    bool following_ = false;
};

}  // namespace lernwerk
