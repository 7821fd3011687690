#include "trainer/day_glance.h"

#include "desktop/speaker.h"
#include "lang/glance_texts.h"
#include "pages/lists_page.h"
#include "pages/trainer_page.h"
#include "trainer/glance_sentences.h"
#include "trainer/memory_rounds.h"

namespace lernwerk {

DayGlance::DayGlance(Parts parts, QObject* parent) : QObject(parent), parts_(parts) {}

void DayGlance::update()
{
    const memory::Day today = memory::today();
    const Language language = parts_.language.current();
    const auto outlook = parts_.rounds.outlook(today);
    parts_.lists.refreshLineHistory();
    if (!outlook) {
        parts_.trainer.showGlance({});
        parts_.lists.showNextReview({});
        return;
    }
    const QString key = kReviewDueKey.toString(QKeySequence::NativeText);
    if (message_.isEmpty()) {
        parts_.trainer.showGlance(glanceText(*outlook, today, key, language));
    } else {
        parts_.trainer.showGlance(glanceTexts().dueToday.in(language).arg(outlook->due).arg(outlook->fresh).arg(key) +
                                  QStringLiteral(". ") + message_);
    }
    parts_.lists.showNextReview(nextReviewText(*outlook, today, language));
}

void DayGlance::countsChanged()
{
    message_.clear();
    update();
}

void DayGlance::tell(const QString& text)
{
    message_ = text;
    parts_.speaker.say(text);
    update();
}

}  // namespace lernwerk
