#include "common/clock.h"

namespace tessel {
namespace {

std::function<QDateTime()> &TestClock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

} // namespace

QDateTime CurrentDateTime()
{
    const auto &clock = TestClock();
    return clock ? clock() : QDateTime::currentDateTime();
}

void SetClockForTesting(std::function<QDateTime()> clock)
{
    TestClock() = std::move(clock);
}

} // namespace tessel
