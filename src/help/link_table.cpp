#include "help/link_table.h"

#include "help/text_reading.h"

namespace tessel::help {

bool IsWebAddress(QStringView text)
{
    const QStringView trimmed = TrimControls(text);
    if (trimmed.size() >= 600 || trimmed.contains(u' '))
        return false;
    return trimmed.startsWith(u"HTTP", Qt::CaseInsensitive) || trimmed.contains(u"WWW.", Qt::CaseInsensitive);
}

} // namespace tessel::help
