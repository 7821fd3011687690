#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "lang/interface_language.h"
#include "memory/review_store.h"
#include "memory/round_choice.h"

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLabel;
class QValueAxis;

namespace lernwerk {

// Windows > Progress: three plots of the learner's memory, each with a short
// text beside it that a screen reader reads: the reviews of the last 30 days
// (right the first time and wrong, stacked), the questions due on each of the
// next 14 days, and the loaded list's questions by memory state.
class ProgressPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPastDays = 30;
    static constexpr int kComingDays = 14;

    explicit ProgressPage(const InterfaceLanguage& language, QWidget* parent = nullptr);

    // Asks the store for the figures and draws them; without a store, all are empty.
    void update(memory::ReviewStore* store, const std::vector<std::u16string>& list, memory::Day today);
    void retranslate(Language language);

    // The texts beside the plots, in order; empty before the page was first drawn.
    QStringList summaries() const;

private:
    // One plot: a bar chart whose sets and axes stay, only their values change.
    struct Plot {
        QChartView* view = nullptr;
        QBarCategoryAxis* x = nullptr;
        QValueAxis* y = nullptr;
        std::vector<QBarSet*> sets;
        QLabel* text = nullptr;
    };
    Plot makePlot(const char* viewName, const char* textName, bool stacked, std::vector<QColor> colors);
    void makePlots();
    void draw(Language language);

    const InterfaceLanguage& language_;
    Plot reviews_;
    Plot due_;
    Plot states_;

    memory::Day today_ = 0;
    std::vector<memory::DayReviews> reviewDays_;
    std::vector<std::int32_t> dueDays_;
    memory::StateCounts stateCounts_;
};

}  // namespace lernwerk
