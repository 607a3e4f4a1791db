#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// One tag of help markup split into its name and attributes.
namespace tessel::help {

struct ParsedTag
{
    QString name; // upper case
    bool opening = true;
    QStringList attributeNames; // upper case, in the order written
    QStringList attributeValues;

    // The value of the first attribute of that name (any case), or an empty string.
    QString GetAttr(QStringView attributeName) const;
};

// tagText is what stands between "<" (or "</") and ">". The name ends at the first space or "/"; a "/"
// there makes the tag a closing one ("BR/"). Attributes are NAME=VALUE or NAME="VALUE"; an attribute
// without "=" ends the list or becomes part of the next name. Values keep their case; double quotes are
// removed from them, single quotes are not delimiters.
ParsedTag ParseTag(QStringView tagText, bool opening);

} // namespace tessel::help
