#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "lang/interface_language.h"
#include "memory/list_figures.h"
#include "memory/review_store.h"

class QLabel;

namespace lernwerk {

class BarPlot;

// Windows > Progress: three plots of the loaded list's questions, each with a
// short text beside it that a screen reader reads: the reviews of the last 30
// days (right the first time and wrong, stacked), the questions due on each of
// the next 14 days (with the new ones a due round takes today), and the list's
// questions by memory state. The plots come from a module of their own, loaded
// when the page is first drawn.
class ProgressPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPastDays = 30;
    static constexpr int kComingDays = 14;

    explicit ProgressPage(const InterfaceLanguage& language, QWidget* parent = nullptr);

    // Asks the store for the figures of `list` and draws them; without a store, all are empty.
    void update(memory::ReviewStore* store, const std::vector<std::u16string>& list, memory::Day today);
    void retranslate(Language language);

    // The texts beside the plots, in order; empty before the page was first drawn.
    QStringList summaries() const;

private:
    void build();
    void draw(Language language);

    const InterfaceLanguage& language_;
    std::array<BarPlot*, 3> plots_{};
    std::array<QLabel*, 3> texts_{};
    QLabel* missing_ = nullptr;
    QString whyMissing_;

    memory::Day today_ = 0;
    memory::ListFigures figures_;
    // Reviews of every list in the last 30 days.
    int allReviews_ = 0;
};

}  // namespace lernwerk
