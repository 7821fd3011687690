// The plots module: the progress page's bar plots, drawn with Qt Charts. It is
// a library of its own, loaded when the page is first drawn, so that Qt Charts
// and the OpenGL libraries it pulls in cost nothing at start.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "pages/bar_plot.h"

namespace lernwerk {
namespace {

// At most this many steps up the count axis, so that its labels never crowd.
constexpr int kMostSteps = 3;
// Room above the highest bar for its value label, as a share of the bar.
constexpr qreal kLabelRoom = 0.25;

// A step of 1, 2 or 5 times a power of ten that takes `largest` in at most
// kMostSteps steps: the labels are whole numbers at a readable distance.
int wholeStep(qreal largest)
{
    const qreal least = std::max<qreal>(largest / kMostSteps, 1);
    qreal power = 1;
    while (power * 10 <= least)
        power *= 10;
    for (const qreal factor : {1, 2, 5, 10})
        if (factor * power >= least)
            return static_cast<int>(factor * power);
    return static_cast<int>(10 * power);
}

class BarChart final : public QChartView, public BarPlot {
public:
    BarChart(QWidget* parent, const QFont& labels) : QChartView(new QChart, parent)
    {
        setRenderHint(QPainter::Antialiasing);
        // The page's text beside the plot is what the keys reach and a screen reader reads.
        setFocusPolicy(Qt::NoFocus);
        viewport()->setFocusPolicy(Qt::NoFocus);
        chart()->legend()->setAlignment(Qt::AlignBottom);
        chart()->legend()->setFont(labels);
        chart()->setMargins(QMargins(4, 4, 4, 4));
        x_ = new QBarCategoryAxis;
        x_->setLabelsFont(labels);
        x_->setGridLineVisible(false);
        chart()->addAxis(x_, Qt::AlignBottom);
        marks_ = new QCategoryAxis;
        marks_->setLabelsFont(labels);
        marks_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        marks_->setGridLineVisible(false);
        chart()->addAxis(marks_, Qt::AlignBottom);
        y_ = new QValueAxis;
        y_->setLabelsFont(labels);
        y_->setLabelFormat(QStringLiteral("%d"));
        y_->setTickType(QValueAxis::TicksDynamic);
        y_->setTickAnchor(0);
        chart()->addAxis(y_, Qt::AlignLeft);
    }

    QWidget* widget() override { return this; }

    void draw(const BarPlotData& plot) override
    {
        chart()->setTitle(plot.title);
        chart()->removeAllSeries();
        QAbstractBarSeries* series = plot.stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                                  : static_cast<QAbstractBarSeries*>(new QBarSeries);
        qsizetype bars = 0;
        for (const BarPlotData::Set& set : plot.sets) {
            auto* barSet = new QBarSet(set.name);
            barSet->setColor(set.color);
            barSet->setBorderColor(set.color);
            // In the chart's own colours, which do not follow the desktop's.
            barSet->setLabelColor(y_->labelsBrush().color());
            barSet->append(set.values);
            series->append(barSet);
            bars = std::max(bars, set.values.size());
        }
        series->setLabelsVisible(plot.valueLabels);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        series->setLabelsPrecision(9);
        chart()->addSeries(series);
        chart()->legend()->setVisible(plot.sets.size() > 1);

        QStringList categories = plot.categories;
        while (categories.size() < bars)  // the axis takes each category once
            categories << QString(categories.size() + 1, QChar(0x200B));
        x_->setCategories(categories);
        series->attachAxis(x_);
        series->attachAxis(y_);
        x_->setVisible(plot.marks.isEmpty());
        marks_->setVisible(!plot.marks.isEmpty());
        for (const QString& label : marks_->categoriesLabels())
            marks_->remove(label);
        marks_->setRange(-0.5, static_cast<qreal>(bars) - 0.5);
        marks_->setStartValue(-0.5);
        for (const auto& [bar, label] : plot.marks)
            marks_->append(label, bar);

        qreal largest = 0;
        for (qsizetype bar = 0; bar < bars; ++bar) {
            qreal height = 0;
            for (const BarPlotData::Set& set : plot.sets) {
                const qreal value = bar < set.values.size() ? set.values[bar] : 0;
                height = plot.stacked ? height + value : std::max(height, value);
            }
            largest = std::max(largest, height);
        }
        if (plot.valueLabels)
            largest *= 1 + kLabelRoom;
        const int step = wholeStep(largest);
        y_->setTickInterval(step);
        y_->setRange(0, std::max(step, static_cast<int>(std::ceil(largest / step)) * step));
    }

private:
    QBarCategoryAxis* x_ = nullptr;
    QCategoryAxis* marks_ = nullptr;
    QValueAxis* y_ = nullptr;
};

}  // namespace
}  // namespace lernwerk

// Found by the name lernwerk::kMakeBarPlot.
extern "C" Q_DECL_EXPORT lernwerk::BarPlot* lernwerk_make_bar_plot_1(QWidget* parent, const QFont& labels)
{
    return new lernwerk::BarChart(parent, labels);
}
