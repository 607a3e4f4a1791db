#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The link table of a help display: every link, anchor, contents label and image placeholder that
// rendering put into the text, with the characters it covers.
namespace tessel::help {

enum TLinkKind : unsigned char {
    kLinkTarget = 0,       // a web address, a "#" reference or another target
    kContentsLabel = 1,    // a contents entry (text without its "Contents:" prefix)
    kAnchorName = 2,       // a named place in the text
    kFileLink = 3,         // "file:///" and an existing file
    kImagePlaceholder = 4, // an image shown as text; the entry text is its SRC as written
};

struct TLinkEntry
{
    int start = 0;  // character position in the display
    int length = 0; // characters covered; 0 until known
    unsigned char kind = kLinkTarget;
};

struct TLinkTableItem
{
    QString text;
    TLinkEntry entry;
};

using TLinkTable = QList<TLinkTableItem>;

// True for text (trimmed) shorter than 600 characters without spaces that starts with "http" or holds
// "www." anywhere, in any case.
bool IsWebAddress(QStringView text);

} // namespace tessel::help
