#pragma once

#include <QByteArray>
#include <QString>

// Appending one finished line to a log file: open, write, close, nothing kept open in between, so the
// user may view, copy or delete the file while lines keep coming.
namespace tessel {

enum class AppendResult {
    Appended,
    CouldNotCreate, // the file did not exist and could not be made
    CouldNotOpen,   // the file exists but cannot be opened for appending
    WriteFailed,    // opened, but the line did not get written in full
};

// The bytes of one line: the text as UTF-8 and CR LF. A line feed inside the text (a file name may
// hold one) becomes a blank, so one entry can never pass for two; carriage returns stay.
QByteArray LineBytes(const QString &text);

// Appends bytes (the line and its line end) to the file, creating it when it is missing.
AppendResult AppendToFile(const QString &fileName, const QByteArray &bytes);

// Deletes the file and creates it again empty. False when either step fails.
bool RecreateEmptyFile(const QString &fileName);

// True when the name leads to something that is not a folder (a link is followed).
bool LogFileExists(const QString &fileName);

} // namespace tessel
