#pragma once

#include "engine/run_counters.h"
#include "engine/run_windows.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The texts that end a run: the summary line of the backup log, the results window and the report
// window, built from the run counters alone so they can be checked without any window.
namespace tessel::engine {

// What a run backed up: all checked groups, one group or one item. The numbers are stable.
enum class backuptype { backupselected = 0, backupgroup = 1, backupitem = 2 };

// The word for the kind in the summary: "Selected Items (above)", "Group", "Item".
QString runkindtext(backuptype kind);

// "s" unless n is exactly 1.
QString pluralsuffix(quint64 n);

// The summary line written to the backup log at the end of a run. Its second and third parts (low disk
// space, deletions) follow carriage returns inside the one line.
QString BuildSummaryLine(backuptype kind, const QString &name, const truncounters &counters);

// The results window's texts. A run of the registry entry shows no counts: it counts nothing.
ResultsWindowText BuildResultsWindowText(backuptype kind, const QString &name, const truncounters &counters,
                                         bool registryrun = false);

// The report window's lines: a heading, an empty line and the numbered failures.
QStringList BuildReportLines(const QStringList &failedentries);

} // namespace tessel::engine
