// Reads arbitrary bytes as a settings file, then checks that what a save would write reads back with the
// same groups, items, titles and options: a damaged file may lose entries on its first reading, never
// on a later save. (Other fields may move: a path that holds a key name and a colon is read as that
// key's field, which the item format cannot tell apart.)
#include "config/settings_file.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

// The file-name codec decodes each run of valid UTF-8 with Qt, which drops a U+FEFF at the start of a
// run; until the codec keeps it, a title may lose that character once.
QString ComparableTitle(QString title)
{
    return title.remove(QChar(0xFEFF));
}

bool SameShape(const tessel::ProgramState &first, const tessel::ProgramState &second)
{
    if (first.groupcount != second.groupcount || first.lowpriority != second.lowpriority ||
        first.showadvancedoptions != second.showadvancedoptions ||
        first.verboselogging != second.verboselogging)
        return false;
    for (int i = 0; i < first.groupcount; ++i) {
        const tessel::tbackupgroup &a = first.groups[static_cast<std::size_t>(i)];
        const tessel::tbackupgroup &b = second.groups[static_cast<std::size_t>(i)];
        if (a.size() != b.size())
            return false;
        for (std::size_t item = 0; item < a.size(); ++item) {
            if (ComparableTitle(a[item].title) != ComparableTitle(b[item].title))
                return false;
        }
        const bool checked = i < first.savedchecks.size() && first.savedchecks[i] == u'1';
        if (checked != (second.savedchecks[i] == u'1'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    tessel::ProgramState state;
    tessel::ApplySettingsText(state, bytes);
    if (state.groupcount < 1 || state.groupcount > tessel::kGroupSlots || !state.IsRegistryEntry(0))
        std::abort();
    for (int i = 0; i < state.groupcount; ++i) {
        if (state.groups[static_cast<std::size_t>(i)].empty())
            std::abort();
    }

    const QByteArray saved = tessel::SettingsFileText(state);
    tessel::ProgramState reread;
    tessel::ApplySettingsText(reread, saved);
    if (!SameShape(state, reread))
        std::abort();
    return 0;
}
