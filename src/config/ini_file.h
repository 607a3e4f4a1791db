#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The INI text of the settings file, read and written in memory.
//
//   file    := line*            lines end in CR LF, LF or CR; a leading UTF-8 byte-order mark is ignored
//   line    := "[" name "]"     starts a section (blanks around the line and the name are ignored)
//            | key "=" value    belongs to the section above it; key and value lose surrounding blanks
//            | ";" comment | blank line | anything else, all ignored
//
// Section and key names are matched without regard to case. A section named twice continues the first
// one. Values are taken as they stand: no quotes, no escapes. Bytes that are not valid UTF-8 (a path
// copied from an odd file name) are kept through the file-name codec, so they are written back unchanged.
namespace tessel {

struct IniEntry
{
    QString key;
    QString value;
};

class IniDocument
{
public:
    static IniDocument Parse(const QByteArray &bytes);

    // The entries of a section in file order; empty when the section is missing.
    const std::vector<IniEntry> &Entries(const QString &section) const;
    // The value of the first entry named key, or nothing when there is none.
    std::optional<QString> Value(const QString &section, const QString &key) const;

private:
    std::vector<std::vector<IniEntry>> sections_;
    QHash<QString, std::size_t> sectionIndex_; // case-folded name -> sections_ position
};

// Builds INI text in the order it is given, with CR LF line ends. A carriage return or line feed inside a
// value would split the line and corrupt every later entry, so each is written as a blank.
class IniWriter
{
public:
    void Section(const QString &name);
    void Value(const QString &key, const QString &value);
    QByteArray Bytes() const;

private:
    QString text_;
};

} // namespace tessel
