#pragma once

#include <QMetaObject>

#include "quiz/lists.h"

class QPlainTextEdit;

namespace lernwerk {

// The question list is the text field itself: every read goes to its lines.
class MemoQuestionList : public quiz::QuestionList {
public:
    explicit MemoQuestionList(QPlainTextEdit& memo) : memo_(memo) {}

    void remove_empty_lines() override;
    int count() const override;
    std::u16string line(int index) const override;

private:
    QPlainTextEdit& memo_;
};

// The status column is a text field too. Its tally follows each change of the
// field, whether the program or the user typed it, from the changed lines only.
class MemoStatusList : public quiz::StatusList {
public:
    explicit MemoStatusList(QPlainTextEdit& memo);
    ~MemoStatusList() override;
    MemoStatusList(const MemoStatusList&) = delete;
    MemoStatusList& operator=(const MemoStatusList&) = delete;

    void reset(int n) override;
    void mark_correct(int index) override;
    const quiz::StatusTally& tally() const override { return tally_; }
    std::u16string entry(int index) const override;
    void restore(int n, const std::map<std::int32_t, std::u16string>& entries) override;

private:
    void followChange(int position, int removed, int added);
    void retally();

    QPlainTextEdit& memo_;
    quiz::StatusTally tally_;
    int lines_ = 0;           // the field's line count as the tally knows it
    bool resetting_ = false;  // reset() sets the tally itself
    QMetaObject::Connection following_;
};

// Number of lines of a field: an empty field has none.
int lineCount(const QPlainTextEdit& memo);

}  // namespace lernwerk
