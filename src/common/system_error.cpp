#include "common/system_error.h"

#include <cstring>

namespace tessel {

QString SystemErrorText(int errorNumber)
{
    // strerror_r comes in two flavours; strerror is safe here because every caller runs on the
    // user-interface thread.
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

} // namespace tessel
