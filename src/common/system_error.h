#pragma once

#include <QString>

namespace tessel {

// The system's own text for an errno value, as the user's locale words it.
QString SystemErrorText(int errorNumber);

} // namespace tessel
