#include "help/html_renderer.h"

#include "help/ansi_text.h"
#include "help/html_entities.h"
#include "help/render_state.h"
#include "help/render_structure.h"
#include "help/render_text_tags.h"
#include "help/text_reading.h"

#include <QHash>

#include <functional>

namespace tessel::help {

namespace {

using TagHandler = std::function<void(RenderState &)>;

const QHash<QString, TagHandler> &TagHandlers()
{
    static const QHash<QString, TagHandler> handlers = {
        {QStringLiteral("B"), [](RenderState &s) { DoStyleTag(s, FontStyle::Bold); }},
        {QStringLiteral("I"), [](RenderState &s) { DoStyleTag(s, FontStyle::Italic); }},
        {QStringLiteral("U"), [](RenderState &s) { DoStyleTag(s, FontStyle::Underline); }},
        {QStringLiteral("BR"), DoBR},
        {QStringLiteral("CENTER"), DoCENTER},
        {QStringLiteral("P"), DoP},
        {QStringLiteral("H1"), [](RenderState &s) { DoHeading(s, 1); }},
        {QStringLiteral("H2"), [](RenderState &s) { DoHeading(s, 2); }},
        {QStringLiteral("H3"), [](RenderState &s) { DoHeading(s, 3); }},
        {QStringLiteral("H4"), [](RenderState &s) { DoHeading(s, 4); }},
        {QStringLiteral("H5"), [](RenderState &s) { DoHeading(s, 5); }},
        {QStringLiteral("PRE"), DoPRE},
        {QStringLiteral("CODE"), DoCODE},
        {QStringLiteral("STYLE"), DoSTYLE},
        {QStringLiteral("FONT"), DoFONT},
        {QStringLiteral("SPAN"), DoSPAN},
        {QStringLiteral("HR"), DoHR},
        {QStringLiteral("SCRIPT"), DoSCRIPT},
        {QStringLiteral("HEAD"), DoHEAD},
        {QStringLiteral("LINK"), DoLINK},
        {QStringLiteral("BLOCKQUOTE"), DoBLOCKQUOTE},
        {QStringLiteral("CITE"), DoCITE},
        {QStringLiteral("Q"), DoCITE},
        {QStringLiteral("UL"), DoUL},
        {QStringLiteral("OL"), DoOL},
        {QStringLiteral("LI"), DoLI},
        {QStringLiteral("A"), DoA},
        {QStringLiteral("IMG"), DoIMG},
        {QStringLiteral("TABLE"), DoTABLE},
        {QStringLiteral("TR"), DoTR},
        {QStringLiteral("TD"), DoTD},
        {QStringLiteral("TH"), DoTH},
    };
    return handlers;
}

// Tabs become spaces; outside PRE, runs of spaces shrink to one and line breaks vanish (the words on
// either side of a line break join).
QString CleanRun(QStringView run, bool inPre)
{
    QString cleaned;
    cleaned.reserve(run.size());
    for (QChar c : run) {
        if (c == u'\t')
            c = u' ';
        if (!inPre && c == u' ' && cleaned.endsWith(u' '))
            continue;
        cleaned.append(c);
    }
    if (!inPre) {
        cleaned.remove(u'\r');
        cleaned.remove(u'\n');
    }
    return cleaned;
}

// Character references are decoded in the 8-bit code page, so each becomes one of its characters; a
// reference to 0 ends the run.
QString DecodeRun(const QString &run)
{
    QByteArray bytes = DecodeHTMLEntities(ToAnsi(run));
    const qsizetype zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return FromAnsi(bytes);
}

void RenderTextRun(RenderState &state, qsizetype &position)
{
    const QString &source = state.source;
    qsizetype end = source.indexOf(u'<', position);
    if (end < 0)
        end = source.size();
    const QStringView run = QStringView(source).sliced(position, end - position);
    position = end;
    if (state.inStyle) {
        state.styleText = run.toString();
        return;
    }
    const QString text = DecodeRun(CleanRun(run, state.inPre));
    if (!text.isEmpty())
        state.display.InsertText(text);
}

// Handles the tag at position (a "<"); gives false when the document ends without its ">".
bool RenderTag(RenderState &state, qsizetype &position)
{
    const QString &source = state.source;
    const qsizetype n = source.size();
    qsizetype next = position + 1;
    while (next < n && source[next] == u' ')
        ++next;

    if (next < n && source[next] == u'!' && next + 5 < n && source[next + 1] == u'-' &&
        source[next + 2] == u'-') {
        const qsizetype close = source.indexOf(u"-->", next + 3);
        if (close >= 0) {
            position = close + 3;
            return true;
        }
    }

    bool opening = true;
    qsizetype textStart = next;
    if (next >= n || source[next] == u'/') {
        opening = false;
        textStart = std::min(next + 1, n);
    }
    const qsizetype close = source.indexOf(u'>', textStart);
    if (close < 0)
        return false;
    position = close + 1;
    state.tag = ParseTag(TrimControls(QStringView(source).sliced(textStart, close - textStart)), opening);
    const auto handler = TagHandlers().constFind(state.tag.name);
    if (handler != TagHandlers().constEnd())
        (*handler)(state);
    return true;
}

// Ends the painting pause however rendering ends.
class UpdateGuard
{
public:
    explicit UpdateGuard(RichEdit &edit)
        : edit_(edit)
    {
        edit_.BeginUpdate();
    }
    ~UpdateGuard() { edit_.EndUpdate(); }
    UpdateGuard(const UpdateGuard &) = delete;
    UpdateGuard &operator=(const UpdateGuard &) = delete;

private:
    RichEdit &edit_;
};

} // namespace

void RenderHTML(RichEdit &display, const QString &html, bool clearing, int linkColor,
                const QString &styleSheetFolder, TLinkTable &links, int marginPixels)
{
    RenderState state(display, linkColor, styleSheetFolder, links, marginPixels);
    state.source = html;
    qsizetype position = 0;
    // A UTF-8 byte-order mark read as 8-bit text.
    if (html.startsWith(QStringLiteral(u"\u00EF\u00BB\u00BF")))
        position = 3;

    const UpdateGuard paused(display);
    if (clearing) {
        display.Clear();
        links.clear();
    }
    const qsizetype n = state.source.size();
    while (position < n) {
        if (state.source[position] != u'<') {
            if (state.inScript || state.inHead)
                ++position;
            else
                RenderTextRun(state, position);
            continue;
        }
        if (!RenderTag(state, position))
            break;
    }
}

} // namespace tessel::help
