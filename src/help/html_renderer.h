#pragma once

#include "help/link_table.h"
#include "help/rich_edit.h"

#include <QString>

// Help markup rendered into rich text in one pass: text runs go in at the caret with the current
// insertion attributes, tags change those attributes, break paragraphs or insert generated text, and
// links, anchors, contents markers and image placeholders are added to the link table.
namespace tessel::help {

// With clearing set, the display's text and the link table are emptied first; a display that keeps
// more (contents, history) empties that itself. linkColor is 0x00BBGGRR; styleSheetFolder is where
// linked style sheets are looked for when they are not found as named; marginPixels is the width of the
// display's left and right margins together, which rules leave free. Painting stays suspended
// throughout, and the caret ends behind the last insertion.
void RenderHTML(RichEdit &display, const QString &html, bool clearing, int linkColor,
                const QString &styleSheetFolder, TLinkTable &links, int marginPixels);

} // namespace tessel::help
