#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The help viewer's 8-bit code page: Windows-1252 on every system, so a help file shows the same
// characters wherever it is opened.
namespace tessel::help {

// Bytes 0x80 to 0x9F follow the code page's table; its five unassigned bytes map to the control
// characters of the same number, as the platform converter does.
QString FromAnsi(QByteArrayView bytes);

// A character the code page cannot hold becomes its base letter when it has one ("ő" gives "o"),
// otherwise "?"; a surrogate pair counts as one character.
QByteArray ToAnsi(QStringView text);

} // namespace tessel::help
