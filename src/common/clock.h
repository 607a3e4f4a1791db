#pragma once

#include <QDateTime>

#include <functional>

// The one source of "now" for stamps, log lines and the latest-only window, so tests can fix it.
namespace tessel {

QDateTime CurrentDateTime();

// Replaces the clock; an empty function restores the system clock.
void SetClockForTesting(std::function<QDateTime()> clock);

} // namespace tessel
