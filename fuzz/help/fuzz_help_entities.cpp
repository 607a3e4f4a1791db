#include "help/html_entities.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView source(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray decoded = tessel::help::DecodeHTMLEntities(source);
    if (decoded.size() > source.size())
        std::abort();
    // Text without "&" passes unchanged.
    if (!source.contains('&') && decoded != source)
        std::abort();
    return 0;
}
