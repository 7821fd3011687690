#include "trainer/glance_sentences.h"

#include "lang/dates.h"
#include "lang/glance_texts.h"

namespace lernwerk {

namespace {

// The last day counted in days from today; later ones are named by their date.
constexpr int kDaysCounted = 7;

// A sentence with its full stop; a German date at its end has one already.
QString closed(QString sentence)
{
    if (!sentence.endsWith(QLatin1Char('.')))
        sentence += QLatin1Char('.');
    return sentence;
}

QString questionCount(int count, Language language)
{
    const GlanceTexts& texts = glanceTexts();
    return count == 1 ? texts.oneQuestion.in(language) : texts.questions.in(language).arg(count);
}

}  // namespace

QString shortDate(memory::Day day, memory::Day today, Language language)
{
    const QDate date = dateOf(day);
    const bool sameYear = date.year() == dateOf(today).year();
    if (language == Language::German)
        return date.toString(sameYear ? QStringLiteral("d.M.") : QStringLiteral("d.M.yyyy"));
    return localeOf(language).toString(date, sameYear ? QStringLiteral("MMM d") : QStringLiteral("MMM d, yyyy"));
}

QString whenText(memory::Day day, memory::Day today, Language language)
{
    const GlanceTexts& texts = glanceTexts();
    const int ahead = day - today;
    if (ahead == 1)
        return texts.tomorrow.in(language);
    if (ahead > 1 && ahead <= kDaysCounted)
        return texts.inDays.in(language).arg(ahead);
    return texts.onDate.in(language).arg(shortDate(day, today, language));
}

QString nextReviewText(const memory::DayOutlook& outlook, memory::Day today, Language language)
{
    const GlanceTexts& texts = glanceTexts();
    if (!outlook.next_day)
        return texts.noReviewPlanned.in(language);
    return texts.nextReview.in(language).arg(whenText(*outlook.next_day, today, language),
                                             questionCount(outlook.next_count, language));
}

QString glanceText(const memory::DayOutlook& outlook, memory::Day today, const QString& key, Language language)
{
    QString text = glanceTexts().dueToday.in(language).arg(outlook.due).arg(outlook.fresh).arg(key);
    if (outlook.today_total() == 0)
        text += QStringLiteral(". ") + nextReviewText(outlook, today, language);
    return text;
}

QString historyText(const std::optional<memory::QuestionMemory>& memory, const std::optional<memory::LastReview>& last,
                    memory::Day today, Language language)
{
    const GlanceTexts& texts = glanceTexts();
    if (!memory)
        return texts.newQuestion.in(language);
    const QString reviews =
        memory->reviews == 1 ? texts.oneReview.in(language) : texts.reviews.in(language).arg(memory->reviews);
    const QString due = memory->due_day <= today
                            ? texts.dueNow.in(language)
                            : texts.dueOn.in(language).arg(shortDate(memory->due_day, today, language));
    if (!last)
        return closed(texts.historyWithoutMark.in(language).arg(reviews, due));
    const QString mark = (last->rating == memory::Rating::Again ? texts.markedWrong : texts.markedCorrect).in(language);
    return closed(texts.history.in(language).arg(reviews, mark, shortDate(last->day, today, language), due));
}

}  // namespace lernwerk
