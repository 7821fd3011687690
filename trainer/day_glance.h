#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

namespace lernwerk {

class InterfaceLanguage;
class ListsPage;
class MemoryRounds;
class Speaker;
class TrainerPage;

// The day at a glance: the trainer page's line with today's due and new
// questions and the key that asks them, the lists page's line with the next
// review, and what a round that has nothing to ask says, heard and shown.
class DayGlance : public QObject {
    Q_OBJECT
public:
    // The keys of File > Review Due Questions and Repeat Missed.
    static inline const QKeySequence kReviewDueKey{Qt::CTRL | Qt::Key_R};
    static inline const QKeySequence kRepeatMissedKey{Qt::CTRL | Qt::SHIFT | Qt::Key_N};

    struct Parts {
        MemoryRounds& rounds;
        TrainerPage& trainer;
        ListsPage& lists;
        const InterfaceLanguage& language;
        Speaker& speaker;
    };
    DayGlance(Parts parts, QObject* parent);

    // The counts were taken anew, or the language changed: a message shown before is gone.
    void countsChanged();
    // A round asked for has nothing to ask: `text` is said and shown beside the counts.
    void tell(const QString& text);

private:
    // Shows the lines anew.
    void update();

    Parts parts_;
    QString message_;
};

}  // namespace lernwerk
