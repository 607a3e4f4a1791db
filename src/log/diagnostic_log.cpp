#include "log/diagnostic_log.h"

#include "common/clock.h"
#include "common/messages.h"
#include "common/paths.h"
#include "common/shell.h"
#include "common/system_error.h"
#include "common/text_format.h"
#include "log/line_file.h"
#include "log/regional_date_time.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>

namespace tessel {
namespace {

QString TrueFalse(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// The shortest text that reads back as the same value, with the locale's decimal point.
template <typename Float>
QString ShortestFloatText(Float f)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, f);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

QString Assigned(const QString &s, const QString &value)
{
    return s + QLatin1String(" = ") + value;
}

std::chrono::steady_clock::time_point &StopwatchStart()
{
    static std::chrono::steady_clock::time_point start;
    return start;
}

} // namespace

QString ColorText(ColorValue color)
{
    const auto c = static_cast<quint32>(color.value);
    const quint32 red = c & 0xFF;
    const quint32 green = (c >> 8) & 0xFF;
    const quint32 blue = (c >> 16) & 0xFF;
    const auto hex = [](quint32 part) {
        return QStringLiteral("%1").arg(part, 2, 16, QLatin1Char('0')).toUpper();
    };
    return QString::number(color.value) + QLatin1String(" (R:") + QString::number(red) +
           QLatin1String(" G:") + QString::number(green) + QLatin1String(" B:") + QString::number(blue) +
           QLatin1String(",  ") + hex(red) + hex(green) + hex(blue) + QLatin1Char(')');
}

QString MicrosecondsText(double microseconds)
{
    const qint64 tenths = std::llround(microseconds * 10);
    // A figure below one microsecond still gets its leading zero, so the line always shows a number.
    QString text = QString::number(tenths / 10);
    if (tenths % 10 != 0)
        text += QLocale().decimalPoint() + QString::number(std::abs(tenths % 10));
    return text;
}

TMyLog::TMyLog()
    : userName_(CurrentUserName())
{
    SetLogFolder(QString());
}

void TMyLog::SetLogFileName(const QString &logfilename)
{
    logFileName_ = logfilename;
}

void TMyLog::SetLogFolder(const QString &logfolder)
{
    logFolder_ = logfolder;
    if (!logFileName_.trimmed().isEmpty() || logfolder.isEmpty())
        return;
    if (!FolderExists(logfolder))
        QDir().mkpath(logfolder);
    const QString name = JoinPath(logfolder, QStringLiteral("Debuglog.txt"));
    logFileName_ = CreateUniqueLogFileNames ? UniqueFileName(name, QString(), 4, true) : name;
}

QString TMyLog::Suffix() const
{
    QString suffix;
    const auto add = [&suffix](const QString &part) {
        if (!suffix.isEmpty())
            suffix += QLatin1Char(' ');
        suffix += part;
    };
    if (ShowProcessName)
        add(CurrentProcessName());
    if (ShowUserName)
        add(QLatin1String("User: ") + userName_);
    if (ShowProcessID)
        add(QLatin1String("PID: ") + QString::number(CurrentProcessId()));
    if (ShowThreadID)
        add(QLatin1String("TID: ") + QString::number(CurrentThreadId()));
    return suffix;
}

void TMyLog::Log(const QString &s)
{
    if (s == QLatin1String("-") || s == QLatin1String("*")) {
        WriteLine(QString(qMax(0, LineOfCharsWidth), s.front()));
        return;
    }
    QString line;
    switch (ShowTime) {
    case TTimeDisplay::tdNone:
        line = s;
        break;
    case TTimeDisplay::tdTime:
        line = RegionalTimeText(CurrentDateTime().time()) + QLatin1String(": ") + s;
        break;
    case TTimeDisplay::tdDateTime:
        line = CurrentRegionalDateTimeText() + QLatin1String(": ") + s;
        break;
    }
    const QString suffix = Suffix();
    if (!suffix.isEmpty())
        line += QLatin1String(" - ") + suffix;
    if (OutPutToIDEEventLog)
        qDebug().noquote() << line;
    WriteLine(line);
}

void TMyLog::BlankLine()
{
    WriteLine(QString());
}

void TMyLog::WriteLine(const QString &line)
{
    // Without a file name or its folder there is nowhere to write, and that is not worth a message.
    if (logFileName_.trimmed().isEmpty() || !FolderExists(QFileInfo(logFileName_).absolutePath()))
        return;
    if (AppendToFile(logFileName_, LineBytes(line)) == AppendResult::CouldNotCreate)
        ShowInformation(QStringLiteral("Failed to create log file"));
}

void TMyLog::Log(const QString &s1, const QString &s2)
{
    Log(Assigned(s1, s2));
}

void TMyLog::Log(qint64 n)
{
    Log(QString::number(n));
}

void TMyLog::Log(bool b)
{
    Log(TrueFalse(b));
}

void TMyLog::Log(const QString &s, qint64 n)
{
    Log(Assigned(s, QString::number(n)));
}

void TMyLog::Log(const QString &s, bool b)
{
    Log(Assigned(s, TrueFalse(b)));
}

void TMyLog::Log(const QDateTime &dt)
{
    Log(RegionalDateTimeText(dt));
}

void TMyLog::Log(const QString &s, const QDateTime &dt)
{
    Log(Assigned(s, RegionalDateTimeText(dt)));
}

void TMyLog::Log(float f)
{
    Log(ShortestFloatText(f));
}

void TMyLog::Log(double f)
{
    Log(ShortestFloatText(f));
}

void TMyLog::Log(const QString &s, float f)
{
    Log(Assigned(s, ShortestFloatText(f)));
}

void TMyLog::Log(const QString &s, double f)
{
    Log(Assigned(s, ShortestFloatText(f)));
}

void TMyLog::Log(const QStringList &sl, qsizetype start, qsizetype len, const QList<quintptr> &objects)
{
    if (start < 0)
        return;
    const qsizetype last = qMin(start + len - 1, sl.size() - 1);
    const qsizetype width = QString::number(last).size();
    Log(QLatin1String("Stringlist from ") + QString::number(start) + QLatin1String(" to ") +
        QString::number(last));
    for (qsizetype i = start; i <= last; ++i)
        Log(QLatin1String("Item ") + QStringLiteral("%1").arg(i, int(width)) + QLatin1String(": ") +
            sl.at(i) + QLatin1String(" | Object: ") + QString::number(objects.value(i, 0)));
}

void TMyLog::Log(ColorValue col)
{
    Log(QLatin1String("Color = ") + ColorText(col));
}

void TMyLog::Log(const QString &s, ColorValue col)
{
    Log(Assigned(s, ColorText(col)));
}

QString TMyLog::LogErr()
{
    const int code = errno;
    if (code == 0)
        return {};
    QString line = QString(QLatin1String("API Error #") + QString::number(code) + QLatin1String(": ") +
                           SystemErrorText(code))
                       .trimmed();
    Log(line);
    return line;
}

QString TMyLog::IOErrorDescription(int IO_Result)
{
    switch (IO_Result) {
    case 100:
        return QStringLiteral("Disk read error");
    case 101:
        return QStringLiteral("Disk write error");
    case 102:
        return QStringLiteral("File not assigned");
    case 103:
        return QStringLiteral("File not open");
    case 104:
        return QStringLiteral("File not open for input");
    case 105:
        return QStringLiteral("File not open for output");
    case 106:
        return QStringLiteral("Invalid numeric format");
    default:
        return QStringLiteral("Unknown error");
    }
}

QString TMyLog::LogIOErr(int IO_Result)
{
    if (IO_Result == 0)
        return {};
    QString description = IOErrorDescription(IO_Result);
    Log(QLatin1String("IO Error #") + QString::number(IO_Result) + QLatin1String(": ") + description);
    return description;
}

QStringList TMyLog::MemoryInfoLines(const MemoryStatus &status)
{
    const auto megabytes = [](quint64 bytes) { return FormatNumber(double(bytes) / 1048576.0, 0); };
    return {
        FormatNumber(status.memoryLoadPercent, 0) + QLatin1String("% memory in use"),
        megabytes(status.totalPhysical) + QLatin1String(" Mb Total Physical Memory in bytes"),
        megabytes(status.availablePhysical) + QLatin1String(" Mb Available Physical Memory in bytes"),
        megabytes(status.totalPageFile) + QLatin1String(" Mb Total Bytes of Paging File"),
        megabytes(status.availablePageFile) + QLatin1String(" Mb Available bytes in paging file"),
        megabytes(status.totalVirtual) + QLatin1String(" Mb User Bytes of Address space"),
        megabytes(status.availableVirtual) + QLatin1String(" Mb Available User bytes of address space"),
    };
}

void TMyLog::LogMemoryInfo()
{
    for (const QString &line : MemoryInfoLines(ReadMemoryStatus()))
        Log(line);
}

void TMyLog::starttimer()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    StopwatchStart() = std::chrono::steady_clock::now();
}

void TMyLog::endtimer()
{
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - StopwatchStart();
    Log(MicrosecondsText(elapsed.count()) + QLatin1String(" microsecs"));
}

void TMyLog::ClearLogFile()
{
    if (!LogFileExists(logFileName_)) {
        ShowInformation(QStringLiteral("Log file not found."), logFileName_);
        return;
    }
    if (!AskVerify(QStringLiteral("Are you sure you want to clear the log?")))
        return;
    if (RecreateEmptyFile(logFileName_))
        ShowInformation(QStringLiteral("The log has been cleared"));
}

void TMyLog::ViewLogFile()
{
    if (!LogFileExists(logFileName_)) {
        ShowInformation(QStringLiteral("Log file not found."), logFileName_);
        return;
    }
    const QString error = ShellOpen(logFileName_);
    if (!error.isEmpty())
        ShowInformation(error);
}

TMyLog &MyLog()
{
    static TMyLog log;
    return log;
}

} // namespace tessel
