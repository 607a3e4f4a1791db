#pragma once

#include "config/program_state.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral("\", \"")).toStdString() << '}';
}

namespace tessel::test {

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Lines joined with CR LF, the way the settings file is written.
inline QByteArray CrLf(std::initializer_list<const char *> lines)
{
    QByteArray text;
    for (const char *line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

inline titemrecord Item(const char *title, const char *source = "", const char *dest = "")
{
    titemrecord item;
    item.title = QString::fromUtf8(title);
    item.source = QString::fromUtf8(source);
    item.dest = QString::fromUtf8(dest);
    return item;
}

// A folder of its own with a program state whose files point into it.
struct SettingsFolder
{
    SettingsFolder()
    {
        state.documentsfolder = dir.filePath(QStringLiteral("Documents"));
        state.datafilename = Path("backupdata.ini");
    }
    QString Path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    ProgramState state;
};

} // namespace tessel::test
