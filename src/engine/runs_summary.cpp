#include "engine/runs_summary.h"

#include "common/text_format.h"

namespace tessel::engine {
namespace {

QString Count(quint64 n)
{
    return FormatNumber(static_cast<double>(n), 0);
}

QString QuotedOrEmpty(const QString &name)
{
    return name.isEmpty() ? QString() : QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

QString runkindtext(backuptype kind)
{
    switch (kind) {
    case backuptype::backupselected:
        return QStringLiteral("Selected Items (above)");
    case backuptype::backupgroup:
        return QStringLiteral("Group");
    case backuptype::backupitem:
        return QStringLiteral("Item");
    }
    return QString();
}

QString pluralsuffix(quint64 n)
{
    return n == 1 ? QString() : QStringLiteral("s");
}

QString BuildSummaryLine(backuptype kind, const QString &name, const truncounters &counters)
{
    QString line = QStringLiteral("Backed up ") + runkindtext(kind);
    line += name.isEmpty() ? QStringLiteral(" - ") : QStringLiteral(" \"") + name + QStringLiteral("\" - ");
    line += Count(counters.filescopied) + QStringLiteral(" file") + pluralsuffix(counters.filescopied) +
            QStringLiteral(" copied, ") + Count(counters.filesskipped) + QStringLiteral(" skipped, ") +
            Count(counters.filesfailed) + QStringLiteral(" failed. ");
    if (counters.lowdiskrun)
        line += QStringLiteral("\rLow disk space. Some files could not be copied.");
    if (counters.filesdeleted > 0 || counters.foldersdeleted > 0) {
        line += QLatin1Char('\r') + Count(counters.foldersdeleted) + QStringLiteral(" folder") +
                pluralsuffix(counters.foldersdeleted) + QStringLiteral(" and ") +
                Count(counters.filesdeleted) + QStringLiteral(" file") + pluralsuffix(counters.filesdeleted) +
                QStringLiteral(" deleted from the destination.");
    }
    if (counters.latestonly)
        line += QStringLiteral(" (Only backing up folders modified in the last 24hrs)");
    return line;
}

ResultsWindowText BuildResultsWindowText(backuptype kind, const QString &name, const truncounters &counters,
                                         bool registryrun)
{
    ResultsWindowText text;
    text.caption = QStringLiteral("Backup Results");
    switch (kind) {
    case backuptype::backupselected:
        text.typelabel = QStringLiteral("Backed up selected items");
        text.typelabelmoveddown = true;
        break;
    case backuptype::backupgroup:
        text.typelabel = QStringLiteral("Backed up group");
        break;
    case backuptype::backupitem:
        text.typelabel = QStringLiteral("Backed up item");
        break;
    }
    text.categorylabel = QuotedOrEmpty(name);
    // Decided by the run, not by the name: a group the user titles like the registry entry is ordinary.
    if (kind == backuptype::backupgroup && registryrun)
        return text;

    if (counters.latestonly)
        text.caption += QStringLiteral(" (Most recently changed only)");
    text.Label1 = Count(counters.filescopied);
    text.copiedlabel =
        QStringLiteral("file") + pluralsuffix(counters.filescopied) + QStringLiteral(" copied.");
    text.Label3 = Count(counters.filesskipped);
    text.skippedlabel =
        QStringLiteral("file") + pluralsuffix(counters.filesskipped) + QStringLiteral(" skipped.");
    text.Label5 = Count(counters.filesfailed);
    text.failedlabel =
        QStringLiteral("file") + pluralsuffix(counters.filesfailed) + QStringLiteral(" failed.");
    text.Label6 = Count(counters.foldersdeleted);
    text.foldersdeletedlabel = QStringLiteral("folder") + pluralsuffix(counters.foldersdeleted) +
                               QStringLiteral(" deleted from destination.");
    text.Label7 = Count(counters.filesdeleted);
    text.filesdeletedlabel = QStringLiteral("file") + pluralsuffix(counters.filesdeleted) +
                             QStringLiteral(" deleted from destination.");
    return text;
}

QStringList BuildReportLines(const QStringList &failedentries)
{
    QStringList lines{QStringLiteral("The following entries failed to copy:"), QString()};
    lines.reserve(failedentries.size() + 2);
    for (qsizetype i = 0; i < failedentries.size(); ++i)
        lines.append(QString::number(i + 1) + QStringLiteral(". ") + failedentries.at(i));
    return lines;
}

} // namespace tessel::engine
