#pragma once

#include "config/backup_item.h"

#include <QString>

// How one item is stored as the value of an "ItemN" key:
//   Title: <title>; ExecuteFile: <0|1>; Source: <source>; Dest: <dest>; Enabled: <0|1>; Recurse: <0|1>;
//   KeepPreviousVersions: <0|1>; CopyType: <0|1>; PropagateDeletions: <0|1|2>;
// Reading looks each key up anywhere in the value, so fields may stand in any order or be missing; a
// field's text ends at the next ";", which is why a ";" inside a title or path is lost.
namespace tessel {

QString itemdatastring(const titemrecord &item);

// The text of field key in value: after the first "key:" (exact case), skipping blanks and colons, up
// to the next ";" or the end, without trailing blanks. Empty when the key is missing.
QString getitemfield(const QString &key, const QString &value);

// A new record from an item value string; missing fields take their reading defaults (enabled,
// recursive, plain copy, not propagating, not keeping versions, not a program).
titemrecord ItemRecordFromString(const QString &value);

} // namespace tessel
