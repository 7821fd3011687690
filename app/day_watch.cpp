#include "app/day_watch.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>

namespace lernwerk {

namespace {

constexpr qint64 kLongestWaitMs = 60 * 60 * 1000;
// After midnight, so that the clock surely shows the new day.
constexpr qint64 kPastMidnightMs = 1000;

memory::Day currentDay() { return memory::local_day(QDateTime::currentSecsSinceEpoch()); }

}  // namespace

DayWatch::DayWatch(QObject* parent) : QObject(parent), today_(currentDay()), timer_(new QTimer(this))
{
    timer_->setSingleShot(true);
    // A coarse timer may be off by minutes over hours.
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &DayWatch::check);
    arm();
}

void DayWatch::check()
{
    const memory::Day now = currentDay();
    if (now != today_) {
        today_ = now;
        emit dayChanged(now);
    }
    arm();
}

void DayWatch::arm()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    // Where the clocks skip midnight, the hourly look finds the new day.
    const qint64 wait = midnight.isValid()
                            ? std::clamp(now.msecsTo(midnight) + kPastMidnightMs, kPastMidnightMs, kLongestWaitMs)
                            : kLongestWaitMs;
    timer_->start(static_cast<int>(wait));
}

}  // namespace lernwerk
