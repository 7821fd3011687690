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
    void setAligned(bool aligned);

    QPlainTextEdit* list_ = nullptr;
    bool aligned_ = true;
    bool following_ = false;
};

}  // namespace lernwerk
