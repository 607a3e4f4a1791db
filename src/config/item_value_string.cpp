#include "config/item_value_string.h"

namespace tessel {
namespace {

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Leading and trailing blanks and control characters removed.
QString Trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QString itemdatastring(const titemrecord &item)
{
    return QStringLiteral("Title: ") + item.title + QStringLiteral("; ExecuteFile: ") +
           Flag(item.executefile) + QStringLiteral("; Source: ") + item.source + QStringLiteral("; Dest: ") +
           item.dest + QStringLiteral("; Enabled: ") + Flag(item.itemenabled) +
           QStringLiteral("; Recurse: ") + Flag(item.recurse) + QStringLiteral("; KeepPreviousVersions: ") +
           Flag(item.keeppreviousversions) + QStringLiteral("; CopyType: ") + QString::number(item.btype) +
           QStringLiteral("; PropagateDeletions: ") +
           QString::number(static_cast<int>(item.propagatedeletions)) + QStringLiteral(";");
}

QString getitemfield(const QString &key, const QString &value)
{
    const qsizetype keyAt = value.indexOf(key + QLatin1Char(':'));
    if (keyAt < 0)
        return QString();
    qsizetype start = keyAt + key.size() + 1;
    while (start < value.size() && (value[start] == u' ' || value[start] == u':'))
        ++start;
    if (start >= value.size() || value[start] == u';')
        return QString();
    qsizetype end = value.indexOf(QLatin1Char(';'), start);
    if (end < 0)
        end = value.size();
    while (end > start && value[end - 1] == u' ')
        --end;
    return value.mid(start, end - start);
}

titemrecord ItemRecordFromString(const QString &value)
{
    const auto trimmedField = [&value](const char *key) {
        return Trimmed(getitemfield(QLatin1String(key), value));
    };

    titemrecord item;
    item.title = getitemfield(QStringLiteral("Title"), value);
    item.executefile = trimmedField("ExecuteFile") == u"1";
    item.source = getitemfield(QStringLiteral("Source"), value);
    item.dest = getitemfield(QStringLiteral("Dest"), value);
    item.itemenabled = trimmedField("Enabled") != u"0";
    item.recurse = trimmedField("Recurse") != u"0";
    const QString keep = trimmedField("KeepPreviousVersions");
    item.keeppreviousversions = !keep.isEmpty() && keep != u"0";
    item.btype = trimmedField("CopyType") == u"1" ? kCopyIfNewer : kPlainCopy;
    const QString propagate = trimmedField("PropagateDeletions");
    if (propagate.isEmpty() || propagate == u"0")
        item.propagatedeletions = nopropagate;
    else if (propagate == u"1")
        item.propagatedeletions = propagateonce;
    else
        item.propagatedeletions = dopropagate;
    return item;
}

} // namespace tessel
