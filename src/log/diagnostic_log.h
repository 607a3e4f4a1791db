#pragma once

#include "log/system_figures.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <concepts>

// A small general-purpose diagnostic logger: timestamped lines appended to a text file, with optional
// user, process and thread details, formatting for common values, error decoding, a memory report and
// a microsecond stopwatch. Every line is opened, written and closed on its own; a missing file name or
// folder drops the line silently.
namespace tessel {

enum class TTimeDisplay { tdNone, tdTime, tdDateTime };

// A colour as a 32-bit value: red in the lowest byte, then green, then blue.
struct ColorValue
{
    qint32 value = 0;
};

// "255 (R:255 G:0 B:0,  FF0000)": the value, its three parts and their hexadecimal digits.
QString ColorText(ColorValue color);

// The stopwatch's figure: microseconds with at most one decimal and no grouping, e.g. "1520.3".
QString MicrosecondsText(double microseconds);

class TMyLog
{
public:
    TMyLog();

    const QString &LogFileName() const { return logFileName_; }
    const QString &LogFolder() const { return logFolder_; }
    void SetLogFileName(const QString &logfilename);
    // Gives the log the default file name "Debuglog.txt" (or the next free numbered one) in that
    // folder, creating it, when no file name has been set yet.
    void SetLogFolder(const QString &logfolder);

    TTimeDisplay ShowTime = TTimeDisplay::tdNone;
    bool ShowProcessName = false;
    bool ShowProcessID = false;
    bool ShowThreadID = false;
    bool ShowUserName = false;
    // Also hand every line to the program's debug output.
    bool OutPutToIDEEventLog = false;
    int LineOfCharsWidth = 36;
    bool CreateUniqueLogFileNames = false;

    // "-" and "*" give a separator line of LineOfCharsWidth such characters, nothing else.
    void Log(const QString &s);
    void Log(const char *s) { Log(QString::fromUtf8(s)); }
    void Log(const QString &s1, const QString &s2);
    void Log(const QString &s1, const char *s2) { Log(s1, QString::fromUtf8(s2)); }
    void Log(qint64 n);
    void Log(bool b);
    void Log(const QString &s, qint64 n);
    void Log(const QString &s, bool b);
    void Log(const QDateTime &dt);
    void Log(const QString &s, const QDateTime &dt);
    void Log(float f);
    void Log(double f);
    void Log(const QString &s, float f);
    void Log(const QString &s, double f);
    // A header, then one line per entry from start for len entries, with the entry's associated
    // object (0 where objects has none).
    void Log(const QStringList &sl, qsizetype start, qsizetype len, const QList<quintptr> &objects = {});
    void Log(ColorValue col);
    void Log(const QString &s, ColorValue col);

    // Any other integer type is logged as a 64-bit number (not as a truth value or a float).
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, qint64>) void Log(T n)
    {
        Log(static_cast<qint64>(n));
    }
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, qint64>) void Log(const QString &s, T n)
    {
        Log(s, static_cast<qint64>(n));
    }

    void BlankLine();

    // Logs "API Error #" + errno + ": " + the system's text for it and returns that line; errno 0
    // writes nothing and returns an empty text. Call it straight after the failing call.
    QString LogErr();
    // Logs "IO Error #" + code + ": " + its description and returns the description; 0 writes nothing.
    QString LogIOErr(int IO_Result);
    static QString IOErrorDescription(int IO_Result);

    // Seven lines of memory figures in megabytes (the load in percent).
    void LogMemoryInfo();
    // The seven lines for given figures.
    static QStringList MemoryInfoLines(const MemoryStatus &status);

    // The stopwatch: starttimer lets pending events run, then starts; endtimer logs the time since in
    // microseconds.
    static void starttimer();
    void endtimer();

    // Empties the file after asking; opens it in the user's viewer.
    void ClearLogFile();
    void ViewLogFile();

private:
    QString Suffix() const;
    void WriteLine(const QString &line);

    QString logFileName_;
    QString logFolder_;
    QString userName_;
};

// The program's one diagnostic log, made on first use and kept until the program ends.
TMyLog &MyLog();

} // namespace tessel
