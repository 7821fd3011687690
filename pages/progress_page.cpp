#include "pages/progress_page.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLibrary>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "lang/dates.h"
#include "lang/progress_page_texts.h"
#include "pages/bar_plot.h"

namespace lernwerk {

namespace {

constexpr int kPlotHeight = 140;
constexpr int kTextWidth = 200;
// The day axes are labelled once a week, and the due plot on its last day too.
constexpr int kDaysInWeek = 7;

const QColor kRight(0x3c, 0x8d, 0x4f);
const QColor kWrong(0xc0, 0x39, 0x2b);
const QColor kDue(0x2e, 0x6d, 0xb4);
const QColor kNew(0xe6, 0x9f, 0x00);
const QColor kStates(0x7d, 0x5b, 0xa6);

// The plots module: beside the program (a build or an unpacked folder), in the
// program's library folder when installed, or where the build made it (the
// tests and benchmarks run from other folders). Loaded once, kept to the end.
MakeBarPlot plotsModule(QString& why)
{
    static MakeBarPlot make = nullptr;
    static QString problem;
    if (make != nullptr || !problem.isEmpty()) {
        why = problem;
        return make;
    }
    const QString program = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("/%1.so").arg(QLatin1String(kPlotsModule));
    for (const QString& folder :
         {program, program + QStringLiteral("/" LERNWERK_PLOTS_INSTALLED), QStringLiteral(LERNWERK_PLOTS_BUILT)}) {
        if (!QFileInfo::exists(folder + name))
            continue;
        QLibrary library(folder + name);
        make = reinterpret_cast<MakeBarPlot>(library.resolve(kMakeBarPlot));
        if (make != nullptr)
            return make;
        problem = library.errorString();
        break;
    }
    if (problem.isEmpty())
        problem = QStringLiteral("%1 not found").arg(name.mid(1));
    why = problem;
    return nullptr;
}

// Labels of a day axis that starts on `first`: today as such, the other days
// by their date, at the given bars (in ascending order).
QList<QPair<int, QString>> dayMarks(memory::Day first, memory::Day today, const QList<int>& bars, Language language)
{
    const ProgressPageTexts& texts = progressPageTexts();
    const QLocale locale = localeOf(language);
    QList<QPair<int, QString>> marks;
    for (const int bar : bars) {
        const memory::Day day = first + bar;
        marks.append({bar, day == today ? texts.today.in(language)
                                        : locale.toString(dateOf(day), texts.dateFormat.in(language))});
    }
    return marks;
}

QString counted(int n, const Text& one, const Text& many, Language language)
{
    return n == 1 ? one.in(language) : many.in(language).arg(n);
}

}  // namespace

ProgressPage::ProgressPage(const InterfaceLanguage& language, QWidget* parent) : QWidget(parent), language_(language)
{
    setObjectName(QStringLiteral("progress"));
}

// The plots are made when the page is first drawn, not at the start: charts
// are costly to make and to load, and most runs never open the page.
void ProgressPage::build()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // Scrolls where the window is too small for all three plots.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("progressScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("progressPlots"));
    auto* layout = new QGridLayout(content);
    scroll->setWidget(content);

    QFont small = font();
    if (small.pixelSize() > 0)
        small.setPixelSize(std::max(8, small.pixelSize() * 4 / 5));
    else
        small.setPointSizeF(small.pointSizeF() * 0.8);
    const MakeBarPlot make = plotsModule(whyMissing_);
    if (make == nullptr) {
        missing_ = new QLabel(content);
        missing_->setObjectName(QStringLiteral("plotsMissing"));
        missing_->setWordWrap(true);
        missing_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        missing_->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(missing_, 0, 0, 1, 2);
    }
    const std::array<const char*, 3> plotNames{"reviewsChart", "dueChart", "statesChart"};
    const std::array<const char*, 3> textNames{"reviewsText", "dueText", "statesText"};
    for (std::size_t i = 0; i < plots_.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (make != nullptr) {
            plots_[i] = make(content, small);
            QWidget* plot = plots_[i]->widget();
            plot->setObjectName(QString::fromLatin1(plotNames[i]));
            plot->setMinimumHeight(kPlotHeight);
            layout->addWidget(plot, row, 0);
        }
        texts_[i] = new QLabel(content);
        texts_[i]->setObjectName(QString::fromLatin1(textNames[i]));
        texts_[i]->setWordWrap(true);
        texts_[i]->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        // Reached with Tab, so that a screen reader reads it: the plots themselves are not.
        texts_[i]->setFocusPolicy(Qt::TabFocus);
        if (make != nullptr) {
            texts_[i]->setFixedWidth(kTextWidth);
            layout->addWidget(texts_[i], row, 1, Qt::AlignVCenter);
            layout->setRowStretch(row, 1);
        } else {
            layout->addWidget(texts_[i], row, 0, 1, 2);
        }
    }
    layout->setColumnStretch(0, 1);
    if (make == nullptr)
        layout->setRowStretch(static_cast<int>(plots_.size()) + 1, 1);
}

void ProgressPage::update(memory::ReviewStore* store, const std::vector<std::u16string>& list, memory::Day today)
{
    std::vector<std::optional<memory::QuestionMemory>> memories(list.size());
    std::vector<memory::DayReviews> reviews;
    int allReviews = 0;
    const memory::Day first = today - kPastDays + 1;
    if (store) {
        memories = store->lookup(list);
        reviews = store->list_reviews_per_day(list, first, today);
        for (const memory::DayReviews& day : store->reviews_per_day(first, today))
            allReviews += day.right + day.wrong;
    }
    today_ = today;
    figures_ = memory::list_figures(memories, reviews, today, kPastDays, kComingDays);
    allReviews_ = allReviews;
    draw(language_.current());
}

void ProgressPage::retranslate(Language language)
{
    setWindowTitle(progressPageTexts().tab.in(language));
    if (texts_[0] != nullptr)
        draw(language);
}

void ProgressPage::draw(Language language)
{
    if (texts_[0] == nullptr)
        build();
    const ProgressPageTexts& texts = progressPageTexts();
    std::array<BarPlotData, 3> plots;

    // Reviews per day, right the first time below, wrong on top.
    BarPlotData& reviews = plots[0];
    reviews.title = texts.reviewsTitle.in(language);
    reviews.stacked = true;
    reviews.sets = {{texts.right.in(language), kRight, {}}, {texts.wrong.in(language), kWrong, {}}};
    int right = 0;
    int wrong = 0;
    for (const memory::DayReviews& day : figures_.reviews) {
        reviews.sets[0].values << day.right;
        reviews.sets[1].values << day.wrong;
        right += day.right;
        wrong += day.wrong;
    }
    QList<int> bars;
    for (int bar = (kPastDays - 1) % kDaysInWeek; bar < kPastDays; bar += kDaysInWeek)
        bars << bar;
    reviews.marks = dayMarks(today_ - kPastDays + 1, today_, bars, language);
    const int total = right + wrong;
    QString reviewsText = total == 0 ? texts.noReviews.in(language)
                                     : texts.reviewsSummary.in(language).arg(
                                           counted(total, texts.oneReview, texts.reviews, language),
                                           QString::number(static_cast<int>(std::lround(100.0 * right / total))));
    if (allReviews_ > total)
        reviewsText +=
            texts.allListsReviews.in(language).arg(counted(allReviews_, texts.oneReview, texts.reviews, language));

    // Questions due on each coming day, the overdue ones with today's, and on
    // top of today's the new ones a due round takes.
    BarPlotData& due = plots[1];
    due.title = texts.dueTitle.in(language);
    due.stacked = true;
    due.sets = {{texts.due.in(language), kDue, {}}, {texts.newToday.in(language), kNew, {}}};
    int dueTotal = 0;
    for (const std::int32_t n : figures_.due) {
        due.sets[0].values << n;
        due.sets[1].values << (due.sets[1].values.isEmpty() ? figures_.new_today : 0);
        dueTotal += n;
    }
    bars.clear();
    for (int ahead = 0; ahead < kComingDays; ahead += kDaysInWeek)
        bars << ahead;
    if (bars.back() != kComingDays - 1)
        bars << kComingDays - 1;
    due.marks = dayMarks(today_, today_, bars, language);
    QString dueText =
        texts.dueSummary.in(language).arg(counted(dueTotal, texts.oneQuestion, texts.questionCount, language),
                                          QString::number(figures_.due.empty() ? 0 : figures_.due.front()));
    if (figures_.new_today > 0)
        dueText += texts.newTodaySummary.in(language).arg(
            counted(figures_.new_today, texts.oneNewQuestion, texts.newQuestions, language));

    // The loaded list by memory state, each bar with its count.
    const memory::StateCounts& states = figures_.states;
    BarPlotData& state = plots[2];
    state.title = texts.statesTitle.in(language);
    state.valueLabels = true;
    state.sets = {
        {texts.questions.in(language), kStates, {qreal(states.fresh), qreal(states.learning), qreal(states.known)}}};
    state.categories = {texts.fresh.in(language), texts.learning.in(language), texts.known.in(language)};
    const QString statesText = texts.statesSummary.in(language).arg(
        QString::number(states.fresh), QString::number(states.learning), QString::number(states.known),
        counted(states.fresh + states.learning + states.known, texts.oneQuestion, texts.questionCount, language));

    const std::array<QString, 3> sentences{reviewsText, dueText, statesText};
    for (std::size_t i = 0; i < plots_.size(); ++i) {
        texts_[i]->setText(sentences[i]);
        if (plots_[i] != nullptr) {
            // The scroll area does not ask the page for a height at its width: the text asks for its own.
            texts_[i]->setMinimumHeight(texts_[i]->heightForWidth(kTextWidth));
            plots_[i]->draw(plots[i]);
            // Not in the Tab chain: named by its title, its figures are in the text beside it.
            plots_[i]->widget()->setAccessibleName(plots[i].title);
        }
    }
    if (missing_ != nullptr)
        missing_->setText(texts.plotsMissing.in(language).arg(whyMissing_));
}

QStringList ProgressPage::summaries() const
{
    if (texts_[0] == nullptr)
        return {};
    return {texts_[0]->text(), texts_[1]->text(), texts_[2]->text()};
}

}  // namespace lernwerk
