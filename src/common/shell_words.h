#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

// Splits a parameter string into arguments the way a POSIX shell splits words, without expanding
// anything: blanks separate words; '...' keeps everything literally; "..." keeps blanks and lets a
// backslash escape $ ` " \ and a line break; elsewhere a backslash escapes the next character. An
// unclosed quote runs to the end of the text.
QStringList SplitParameters(const QString &parameters);

} // namespace tessel
