#include "help/render_state.h"

#include "help/html_color.h"
#include "help/tag_values.h"

#include <algorithm>

namespace tessel::help {

void NewLine(RenderState &state)
{
    state.display.NewLine();
}

QString GetAttr(const RenderState &state, QStringView name)
{
    return state.tag.GetAttr(name);
}

void SaveAttributes(RenderState &state)
{
    auto record = std::find_if(state.savedAttributes.begin(), state.savedAttributes.end(),
                               [&](const TSaveAttributesRec &r) { return r.elem == state.tag.name; });
    if (record == state.savedAttributes.end()) {
        state.savedAttributes.push_back({});
        record = std::prev(state.savedAttributes.end());
        record->elem = state.tag.name;
    }
    RichEdit &edit = state.display;
    record->savsiz = edit.FontSize();
    record->savcol = edit.Color();
    record->savfontname = edit.FontName();
    record->savstyle = edit.Style();
    record->savalignment = edit.Alignment();
}

void RestoreAttributes(RenderState &state)
{
    RichEdit &edit = state.display;
    const auto record = std::find_if(state.savedAttributes.begin(), state.savedAttributes.end(),
                                     [&](const TSaveAttributesRec &r) { return r.elem == state.tag.name; });
    if (record != state.savedAttributes.end()) {
        if (edit.Alignment() != record->savalignment)
            edit.SetAlignment(record->savalignment);
        if (record->savsiz != -1 && edit.FontSize() != record->savsiz)
            edit.SetFontSize(record->savsiz);
        if (record->savcol != -1 && edit.Color() != record->savcol)
            edit.SetColor(record->savcol);
        if (!record->savfontname.isEmpty() && edit.FontName() != record->savfontname)
            edit.SetFontName(record->savfontname);
        if (edit.Style() != record->savstyle)
            edit.SetStyle(record->savstyle);
    }
    if (state.savedBackground != kNoSavedBackground)
        edit.SetSelBackColor(state.savedBackground);
}

void ApplyTagCSS(RenderState &state)
{
    state.styleSheet.DoCSS(state.display, GetAttr(state, u"CLASS"), state.tag.name, GetAttr(state, u"ID"));
}

void ApplyInlineStyle(RenderState &state, QStringView styleText)
{
    RichEdit &edit = state.display;
    const QString family = GetStyleValue(styleText, u"font-family");
    if (!family.isEmpty())
        edit.SetFontName(family);
    ApplyFontSize(edit, GetStyleValue(styleText, u"font-size"));
    const QString background = GetStyleValue(styleText, u"background-color");
    const int backgroundColor = ParseHTMLColor(background);
    if (!background.isEmpty() && backgroundColor != kNoHTMLColor) {
        state.savedBackground = edit.GetSelBackColor();
        edit.SetSelBackColor(backgroundColor);
    }
    const QString fontStyle = GetStyleValue(styleText, u"font-style").toUpper();
    if (fontStyle == u"BOLD")
        edit.SetStyle(FontStyle::Bold);
    else if (fontStyle == u"ITALIC")
        edit.SetStyle(FontStyle::Italic);
    else if (fontStyle == u"UNDERLINE")
        edit.SetStyle(FontStyle::Underline);
    else if (fontStyle == u"STRIKEOUT")
        edit.SetStyle(FontStyle::StrikeOut);
    const int color = ParseHTMLColor(GetStyleValue(styleText, u"color"));
    if (color != kNoHTMLColor)
        edit.SetColor(color);
}

void BeginLinkLook(RenderState &state)
{
    RichEdit &edit = state.display;
    state.linkSave.style = edit.Style();
    state.linkSave.size = edit.FontSize();
    state.linkSave.color = edit.Color();
    state.linkSave.fontName = edit.FontName();
    edit.SetStyle(edit.Style() | FontStyle::Underline);
    edit.SetColor(state.linkColor);
}

void RestoreLinkSave(RenderState &state)
{
    RichEdit &edit = state.display;
    edit.SetFontSize(state.linkSave.size);
    edit.SetColor(state.linkSave.color);
    edit.SetFontName(state.linkSave.fontName);
    edit.SetStyle(state.linkSave.style);
}

} // namespace tessel::help
