#pragma once

#include "help/css.h"
#include "help/html_tag.h"
#include "help/link_table.h"
#include "help/rich_edit.h"

#include <algorithm>
#include <array>
#include <vector>

// Everything one rendering call keeps while it walks the markup, and the steps its tag handlers share.
namespace tessel::help {

// What a tag saved to put back at its closing tag; one record per tag name, not a stack.
struct TSaveAttributesRec
{
    QString elem;
    int savsiz = -1;
    int savcol = -1;
    QString savfontname;
    FontStyles savstyle;
    ParagraphAlignment savalignment = ParagraphAlignment::Left;
};

// Lists nested deeper than this share the state of the deepest level.
constexpr int kDeepestListLevel = 20;
constexpr int kNoSavedBackground = 10000;

struct RenderState
{
    RenderState(RichEdit &display, int linkColor, QString styleSheetFolder, TLinkTable &links,
                int marginPixels)
        : display(display)
        , linkColor(linkColor)
        , styleSheetFolder(std::move(styleSheetFolder))
        , links(links)
        , marginPixels(marginPixels)
    {
        counter.fill(-1);
        indented.fill(false);
    }

    RichEdit &display;
    const int linkColor;
    const QString styleSheetFolder;
    TLinkTable &links;
    const int marginPixels;

    QString source; // the document; the position is kept by the scanner
    ParsedTag tag;  // the tag being handled: name, opening flag, attributes

    bool inPre = false;
    bool inStyle = false;
    bool inScript = false;
    bool inHead = false;
    bool inFont = false;
    bool inSpan = false;
    QString styleText;
    bool lastPOpening = false;

    struct
    {
        FontStyles style;
        int size = -1;
        int color = -1;
        QString fontName;
    } linkSave;
    struct
    {
        int size = -1;
        QString fontName;
    } codeSave;
    ParagraphAlignment ruleAlignment = ParagraphAlignment::Left;
    int savedBackground = kNoSavedBackground;
    int blockquoteDepth = 0;
    QString headingTag;
    TCSS styleSheet;
    std::vector<TSaveAttributesRec> savedAttributes;

    int listDepth = 0;
    std::array<bool, kDeepestListLevel + 1> indented;
    std::array<int, kDeepestListLevel + 1> counter; // -1 bullets, 0 or more numbering
    bool justOpened = false;
    bool inTable = false;

    // The slot of the current list level in the arrays above.
    std::size_t ListLevel() const { return std::size_t(std::clamp(listDepth, 0, kDeepestListLevel)); }
};

// Steps shared by the tag handlers.
void NewLine(RenderState &state);
QString GetAttr(const RenderState &state, QStringView name);
void SaveAttributes(RenderState &state);
void RestoreAttributes(RenderState &state);
void ApplyTagCSS(RenderState &state);
void ApplyInlineStyle(RenderState &state, QStringView styleText);
// Link save := the insertion style, size, colour and font name; then underline in the link colour.
void BeginLinkLook(RenderState &state);
void RestoreLinkSave(RenderState &state);

} // namespace tessel::help
