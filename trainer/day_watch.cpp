#include "trainer/day_watch.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>

namespace lernwerk {

namespace {

constexpr qint64 kLongestWaitMs = 60 * 60 * 1000;
// After midnight, so that the clock surely shows the new day.
constexpr qint64 kPastMidnightMs = 1000;

}  // namespace

DayWatch::DayWatch(QObject* parent) : QObject(parent), today_(memory::today()), timer_(new QTimer(this))
{
    timer_->setSingleShot(true);
    // A coarse timer may be off by minutes over hours.
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &DayWatch::check);
    arm();
}

void DayWatch::check()
{
    const memory::Day now = memory::today();
    if (now != today_) {
        today_ = now;
        emit dayChanged(now);
    }
    arm();
}

void DayWatch::arm()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 dayStart = memory::next_day_start(now / 1000) * 1000;
    const qint64 wait = std::clamp(dayStart - now + kPastMidnightMs, kPastMidnightMs, kLongestWaitMs);
    timer_->start(static_cast<int>(wait));
}

}  // namespace lernwerk
