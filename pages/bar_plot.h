#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QFont;
class QWidget;

namespace lernwerk {

// One bar plot as the progress page hands it to the plots module, every text
// already in the interface language.
struct BarPlotData {
    struct Set {
        QString name;
        QColor color;
        QList<qreal> values;  // one per bar
    };
    QString title;
    QList<Set> sets;
    bool stacked = false;
    // Each bar's value written above it.
    bool valueLabels = false;
    // Below the bars: a label for each bar, or labels at some bars only
    // (a day axis, by the bar's index).
    QStringList categories;
    QList<QPair<int, QString>> marks;
};

// A plot drawn by the plots module, a widget of the page.
class BarPlot {
public:
    virtual ~BarPlot() = default;
    virtual QWidget* widget() = 0;
    virtual void draw(const BarPlotData& data) = 0;
};

// The plots module (Qt Charts) is loaded when the progress page is first
// drawn; it holds one function of this type under this name. The plot is a
// child of `parent`, its labels in `labels`. The name carries the version of
// this header: a module built from another one is not found, rather than
// misread. Count it up with every change above.
using MakeBarPlot = BarPlot* (*)(QWidget* parent, const QFont& labels);
inline constexpr char kMakeBarPlot[] = "lernwerk_make_bar_plot_1";
inline constexpr char kPlotsModule[] = "lernwerk_plots";

}  // namespace lernwerk
