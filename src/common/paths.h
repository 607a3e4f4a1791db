#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Path building and simple questions about files and folders. The separator is "/". Names reach the
// system through the file-name codec, so names that are not valid UTF-8 work like any other.
// No helper here throws: a missing file answers false, -1 or an invalid date.
namespace tessel {

// The path with a trailing "/"; an empty path stays empty.
QString AddBackslash(const QString &path);
// The path without one trailing "/".
QString StripBackslash(const QString &path);
// The folder through AddBackslash, then the name; an empty folder gives the name alone.
QString JoinPath(const QString &folder, const QString &name);

// True when the path (with or without one trailing "/") names an existing folder or a link to one.
bool FolderExists(const QString &path);

// Size in bytes of the named file, or -1 when nothing of that name exists. A name that does not
// exist but holds "*" or "?" in its last part is taken as a pattern, and the first match counts.
qint64 FileSizeOf(const QString &fileNameOrPattern);

// Last-write time of the file in local time; an invalid date-time when the file does not exist.
QDateTime FileDateOf(const QString &fileName);

// The first numbered name that does not exist yet. The counter starts at 0 and is padded with "0" to
// at least `digits` digits. With `beforeExtension` and a "." in the last path part, the infix, "_" and
// the counter go before the extension (Debuglog_0000.txt); otherwise after the whole name.
QString UniqueFileName(const QString &fileName, const QString &infix, int digits, bool beforeExtension);

// All bytes of the file. A file that cannot be opened or read gives no value, and the system's
// error text in *errorText when that is given.
std::optional<QByteArray> ReadFileToString(const QString &fileName, QString *errorText = nullptr);

} // namespace tessel
