#include "app/progress_page.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "lang/progress_page_texts.h"

namespace lernwerk {

namespace {

QDate dateOf(memory::Day day) { return QDate(1970, 1, 1).addDays(day); }

// The days below their bars by the day of the month; a day number met again
// (a month of fewer days in between) gets invisible marks, since the axis
// takes each category once.
QStringList dayLabels(memory::Day first, int days)
{
    QStringList labels;
    for (int i = 0; i < days; ++i) {
        QString label = QString::number(dateOf(first + i).day());
        while (labels.contains(label))
            label += QChar(0x200B);
        labels << label;
    }
    return labels;
}

void setValues(QBarSet* set, const QList<qreal>& values)
{
    set->remove(0, set->count());
    set->append(values);
}

// From 0 to at least 1, in whole numbers.
// The counts' axis: from 0 to the largest count, labelled at both ends only,
// since a plot this low has no room for more labels above each other.
void setRange(QValueAxis* axis, int largest)
{
    axis->setRange(0, std::max(largest, 1));
    axis->setTickCount(2);
}

}  // namespace

namespace {

// Half a bar's width in category units, and the days between two labels.
constexpr qreal kHalfBar = 0.5;
constexpr int kDaysInWeek = 7;

}  // namespace

ProgressPage::Plot ProgressPage::makePlot(const char* viewName, const char* textName, bool stacked,
                                          std::vector<QColor> colors)
{
    Plot plot;
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    plot.view = new QChartView(chart, this);
    plot.view->setObjectName(QString::fromLatin1(viewName));
    plot.view->setRenderHint(QPainter::Antialiasing);
    plot.view->setMinimumHeight(140);

    QAbstractBarSeries* series = stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                         : static_cast<QAbstractBarSeries*>(new QBarSeries);
    for (const QColor& color : colors) {
        auto* set = new QBarSet(QString());
        set->setColor(color);
        set->setBorderColor(color);
        series->append(set);
        plot.sets.push_back(set);
    }
    chart->addSeries(series);

    QFont small = font();
    if (small.pixelSize() > 0)
        small.setPixelSize(std::max(8, small.pixelSize() * 4 / 5));
    else
        small.setPointSizeF(small.pointSizeF() * 0.8);
    plot.x = new QBarCategoryAxis;
    plot.x->setLabelsFont(small);
    plot.x->setGridLineVisible(false);
    chart->addAxis(plot.x, Qt::AlignBottom);
    series->attachAxis(plot.x);
    plot.y = new QValueAxis;
    plot.y->setLabelsFont(small);
    plot.y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(plot.y, Qt::AlignLeft);
    series->attachAxis(plot.y);

    plot.text = new QLabel(this);
    plot.text->setObjectName(QString::fromLatin1(textName));
    plot.text->setWordWrap(true);
    plot.text->setFixedWidth(200);
    // Reached with Tab, so that a screen reader reads it.
    plot.text->setFocusPolicy(Qt::TabFocus);
    plot.text->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    return plot;
}

ProgressPage::ProgressPage(const InterfaceLanguage& language, QWidget* parent) : QWidget(parent), language_(language)
{
    setObjectName(QStringLiteral("progress"));
}

// The plots are made when the page is first drawn, not at the start: charts
// are costly to make, and most runs never open the page.
void ProgressPage::makePlots()
{
    reviews_ = makePlot("reviewsChart", "reviewsText", true, {QColor(0x3c, 0x8d, 0x4f), QColor(0xc0, 0x39, 0x2b)});
    due_ = makePlot("dueChart", "dueText", false, {QColor(0x2e, 0x6d, 0xb4)});
    states_ = makePlot("statesChart", "statesText", false, {QColor(0x7d, 0x5b, 0xa6)});
    // Thirty day numbers do not fit side by side: the days are counted back
    // from today (0), a label a week, on an axis of their own.
    auto* daysBack = new QValueAxis;
    daysBack->setRange(-kPastDays + kHalfBar, kHalfBar);
    daysBack->setTickType(QValueAxis::TicksDynamic);
    daysBack->setTickAnchor(0);
    daysBack->setTickInterval(kDaysInWeek);
    daysBack->setLabelFormat(QStringLiteral("%d"));
    daysBack->setLabelsFont(reviews_.x->labelsFont());
    daysBack->setGridLineVisible(false);
    reviews_.x->setVisible(false);
    reviews_.view->chart()->addAxis(daysBack, Qt::AlignBottom);
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const Plot* plot : {&reviews_, &due_, &states_}) {
        layout->addWidget(plot->view, row, 0);
        layout->addWidget(plot->text, row, 1);
        ++row;
    }
    layout->setColumnStretch(0, 1);
}

void ProgressPage::update(memory::ReviewStore* store, const std::vector<std::u16string>& list, memory::Day today)
{
    today_ = today;
    reviewDays_.clear();
    dueDays_.assign(kComingDays, 0);
    stateCounts_ = {};
    if (store) {
        reviewDays_ = store->reviews_per_day(today - kPastDays + 1, today);
        dueDays_ = store->due_per_day(today, kComingDays);
        stateCounts_ = memory::count_states(store->lookup(list));
    } else {
        stateCounts_.fresh = static_cast<int>(list.size());
    }
    draw(language_.current());
}

void ProgressPage::retranslate(Language language)
{
    setWindowTitle(progressPageTexts().tab.in(language));
    if (reviews_.view != nullptr)
        draw(language);
}

void ProgressPage::draw(Language language)
{
    if (reviews_.view == nullptr)
        makePlots();
    const ProgressPageTexts& texts = progressPageTexts();

    // Reviews per day, right the first time below, wrong on top.
    QList<qreal> right;
    QList<qreal> wrong;
    int rightTotal = 0;
    int wrongTotal = 0;
    int largest = 0;
    const memory::Day first = today_ - kPastDays + 1;
    for (int i = 0; i < kPastDays; ++i) {
        const auto found = std::find_if(reviewDays_.begin(), reviewDays_.end(),
                                        [day = first + i](const auto& d) { return d.day == day; });
        const int r = found == reviewDays_.end() ? 0 : found->right;
        const int w = found == reviewDays_.end() ? 0 : found->wrong;
        right << r;
        wrong << w;
        rightTotal += r;
        wrongTotal += w;
        largest = std::max(largest, r + w);
    }
    reviews_.view->chart()->setTitle(texts.reviewsTitle.in(language));
    reviews_.sets[0]->setLabel(texts.right.in(language));
    reviews_.sets[1]->setLabel(texts.wrong.in(language));
    setValues(reviews_.sets[0], right);
    setValues(reviews_.sets[1], wrong);
    reviews_.x->setCategories(dayLabels(first, kPastDays));
    setRange(reviews_.y, largest);
    const int total = rightTotal + wrongTotal;
    const Text& reviewsSummary = total == 1 ? texts.oneReviewSummary : texts.reviewsSummary;
    reviews_.text->setText(total == 0 ? texts.noReviews.in(language)
                                      : reviewsSummary.in(language).arg(total).arg(
                                            static_cast<int>(std::lround(100.0 * rightTotal / total))));

    // Questions due on each coming day, the overdue ones with today's.
    QList<qreal> due;
    int dueTotal = 0;
    largest = 0;
    for (int i = 0; i < kComingDays; ++i) {
        const int n = i < static_cast<int>(dueDays_.size()) ? dueDays_[static_cast<std::size_t>(i)] : 0;
        due << n;
        dueTotal += n;
        largest = std::max(largest, n);
    }
    due_.view->chart()->setTitle(texts.dueTitle.in(language));
    due_.sets[0]->setLabel(texts.due.in(language));
    setValues(due_.sets[0], due);
    due_.x->setCategories(dayLabels(today_, kComingDays));
    setRange(due_.y, largest);
    const Text& dueSummary = dueTotal == 1 ? texts.oneDueSummary : texts.dueSummary;
    due_.text->setText(dueSummary.in(language).arg(dueTotal).arg(dueDays_.empty() ? 0 : dueDays_.front()));

    // The loaded list by memory state.
    states_.view->chart()->setTitle(texts.statesTitle.in(language));
    states_.sets[0]->setLabel(texts.questions.in(language));
    setValues(states_.sets[0], {qreal(stateCounts_.fresh), qreal(stateCounts_.learning), qreal(stateCounts_.known)});
    states_.x->setCategories({texts.fresh.in(language), texts.learning.in(language), texts.known.in(language)});
    setRange(states_.y, std::max({stateCounts_.fresh, stateCounts_.learning, stateCounts_.known}));
    states_.text->setText(
        texts.statesSummary.in(language).arg(stateCounts_.fresh).arg(stateCounts_.learning).arg(stateCounts_.known));

    // A plot is heard by the text beside it.
    for (const Plot* plot : {&reviews_, &due_, &states_}) {
        plot->view->setAccessibleName(plot->text->text());
        // The drawing area takes the keys for the view: it has its name too.
        plot->view->viewport()->setAccessibleName(plot->text->text());
        plot->text->setAccessibleName(plot->text->text());
    }
}

QStringList ProgressPage::summaries() const
{
    if (reviews_.view == nullptr)
        return {};
    return {reviews_.text->text(), due_.text->text(), states_.text->text()};
}

}  // namespace lernwerk
