#include "help/render_text_tags.h"

#include "help/html_color.h"
#include "help/tag_values.h"
#include "help/text_reading.h"

#include <QDir>
#include <QFileInfo>

namespace tessel::help {

namespace {

ParagraphAlignment AlignmentFromAttribute(const QString &upperAlign, ParagraphAlignment otherwise)
{
    if (upperAlign == u"LEFT")
        return ParagraphAlignment::Left;
    if (upperAlign == u"RIGHT")
        return ParagraphAlignment::Right;
    if (upperAlign == u"CENTER")
        return ParagraphAlignment::Center;
    return otherwise;
}

int ClampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// SIZE of FONT: "+n" and "-n" step by three points, 1 to 7 pick a fixed size.
void ApplyFontSizeAttribute(RichEdit &edit, const QString &sizeText)
{
    static constexpr std::array<int, 7> kAbsoluteSizes = {4, 7, 10, 13, 14, 19, 27};
    QStringView text = sizeText;
    int sign = 0;
    if (text.startsWith(u'+'))
        sign = 1;
    else if (text.startsWith(u'-'))
        sign = -1;
    if (sign != 0)
        text = text.sliced(1);
    int n = 0;
    if (!TryReadWholeNumber(TrimControls(text), n))
        return;
    if (sign != 0)
        edit.SetFontSize(ClampToInt(qint64(edit.FontSize()) + sign * 3 * qint64(n)));
    else if (n >= 1 && n <= 7)
        edit.SetFontSize(kAbsoluteSizes[std::size_t(n - 1)]);
}

void EnterCodeFont(RenderState &state)
{
    RichEdit &edit = state.display;
    state.codeSave.size = edit.FontSize();
    state.codeSave.fontName = edit.FontName();
}

void UseCodeFont(RenderState &state)
{
    RichEdit &edit = state.display;
    edit.SetFontName(QStringLiteral("Courier New"));
    edit.SetFontSize(edit.FontSize() - 1);
}

void LeaveCodeFont(RenderState &state)
{
    RichEdit &edit = state.display;
    edit.SetFontName(state.codeSave.fontName);
    edit.SetFontSize(state.codeSave.size);
}

} // namespace

void DoStyleTag(RenderState &state, FontStyle style)
{
    RichEdit &edit = state.display;
    if (state.tag.opening)
        edit.SetStyle(edit.Style() | style);
    else
        edit.SetStyle(edit.Style() & ~FontStyles(style));
}

void DoBR(RenderState &state)
{
    NewLine(state);
}

void DoCENTER(RenderState &state)
{
    state.display.SetAlignment(state.tag.opening ? ParagraphAlignment::Center : ParagraphAlignment::Left);
}

void DoP(RenderState &state)
{
    RichEdit &edit = state.display;
    state.lastPOpening = state.tag.opening;
    const int line = edit.CaretLine();
    if (line > 0 && !TrimControls(edit.LineText(line)).isEmpty())
        NewLine(state);
    if (!state.tag.opening) {
        RestoreAttributes(state);
        return;
    }
    NewLine(state);
    SaveAttributes(state);
    ApplyTagCSS(state);
    edit.SetAlignment(AlignmentFromAttribute(GetAttr(state, u"ALIGN").toUpper(), ParagraphAlignment::Left));
}

void DoHeading(RenderState &state, int level)
{
    static constexpr std::array<int, 5> kIncrements = {12, 7, 5, 2, 1};
    RichEdit &edit = state.display;
    if (!state.tag.opening) {
        if (level <= 3)
            NewLine(state);
        RestoreAttributes(state);
        return;
    }
    if (state.lastPOpening)
        NewLine(state);
    SaveAttributes(state);
    state.headingTag = QStringLiteral("H%1").arg(level);
    NewLine(state);
    switch (level) {
    case 1:
        NewLine(state);
        edit.SetStyle(edit.Style() | FontStyle::Bold);
        break;
    case 2:
        break;
    case 3:
        edit.SetStyle(FontStyle::Bold | FontStyle::Italic);
        break;
    default:
        edit.SetStyle(FontStyle::Bold);
        break;
    }
    edit.SetFontSize(edit.FontSize() + kIncrements[std::size_t(level - 1)]);
    edit.SetAlignment(AlignmentFromAttribute(GetAttr(state, u"ALIGN").toUpper(), edit.Alignment()));
    ApplyTagCSS(state);
}

void DoPRE(RenderState &state)
{
    if (state.tag.opening) {
        state.inPre = true;
        SaveAttributes(state);
        EnterCodeFont(state);
        NewLine(state);
        UseCodeFont(state);
        ApplyTagCSS(state);
    } else if (state.inPre) {
        state.inPre = false;
        NewLine(state);
        LeaveCodeFont(state);
        RestoreAttributes(state);
    }
}

void DoCODE(RenderState &state)
{
    if (state.tag.opening) {
        SaveAttributes(state);
        EnterCodeFont(state);
        UseCodeFont(state);
        ApplyTagCSS(state);
    } else {
        LeaveCodeFont(state);
        RestoreAttributes(state);
    }
}

void DoSTYLE(RenderState &state)
{
    if (state.tag.opening) {
        state.inStyle = true;
        return;
    }
    state.inStyle = false;
    state.styleSheet.LoadCSSFromString(state.styleText);
    state.styleText.clear();
}

void DoFONT(RenderState &state)
{
    RichEdit &edit = state.display;
    if (!state.tag.opening) {
        if (state.inFont) {
            state.inFont = false;
            RestoreAttributes(state);
            state.linkSave.size = -1;
        }
        return;
    }
    SaveAttributes(state);
    state.inFont = true;
    ApplyTagCSS(state);
    const QString size = GetAttr(state, u"SIZE");
    if (!size.isEmpty())
        ApplyFontSizeAttribute(edit, size);
    const QString colorText = GetAttr(state, u"COLOR");
    if (!colorText.isEmpty()) {
        const int color = ParseHTMLColor(colorText);
        if (color != kNoHTMLColor)
            edit.SetColor(color);
    }
    const QString face = GetAttr(state, u"FACE");
    if (!face.isEmpty())
        edit.SetFontName(face);
    const QString style = GetAttr(state, u"STYLE");
    if (!style.isEmpty())
        ApplyInlineStyle(state, style);
}

void DoSPAN(RenderState &state)
{
    if (state.tag.opening) {
        state.inSpan = true;
        SaveAttributes(state);
        ApplyTagCSS(state);
        const QString style = GetAttr(state, u"STYLE");
        if (!style.isEmpty())
            ApplyInlineStyle(state, style);
    } else if (state.inSpan) {
        state.inSpan = false;
        RestoreAttributes(state);
    }
}

void InsertRule(RenderState &state, int marginPixels, int width, bool percentage)
{
    RichEdit &edit = state.display;
    const qint64 available = qint64(edit.ClientWidth()) - marginPixels;
    const qint64 underscore = edit.UnderscoreWidth();
    qint64 count = 0;
    if (percentage) {
        count = available / underscore + 1;
        count = RoundHalfEven(count * std::min(width, 100), 100);
    } else {
        count = std::min(available, qint64(width)) / underscore + 1;
    }
    edit.SetColor(0);
    edit.SetStyle({});
    edit.InsertText(QString(qsizetype(std::max<qint64>(count, 0)), u'_'));
}

void DoHR(RenderState &state)
{
    RichEdit &edit = state.display;
    state.ruleAlignment = edit.Alignment();
    state.linkSave.color = edit.Color();
    state.linkSave.size = edit.FontSize();
    if (GetAttr(state, u"ALIGN").toUpper() == u"CENTER")
        edit.SetAlignment(ParagraphAlignment::Center);
    const RuleWidth rule = ParseRuleWidth(GetAttr(state, u"WIDTH").toUpper());
    edit.SetFontSize(10);
    NewLine(state);
    InsertRule(state, state.marginPixels, rule.width, rule.percentage);
    NewLine(state);
    edit.SetAlignment(state.ruleAlignment);
    edit.SetColor(state.linkSave.color);
    edit.SetFontSize(state.linkSave.size);
}

void DoSCRIPT(RenderState &state)
{
    state.inScript = state.tag.opening;
}

void DoHEAD(RenderState &state)
{
    state.inHead = state.tag.opening;
}

void DoLINK(RenderState &state)
{
    if (!state.tag.opening)
        return;
    const QString href = GetAttr(state, u"HREF");
    if (GetAttr(state, u"REL").toUpper() != u"STYLESHEET" || href.isEmpty())
        return;
    if (QFileInfo(href).isFile()) {
        state.styleSheet.LoadCSSFromFile(href);
    } else if (!state.styleSheetFolder.isEmpty()) {
        // The same file a change into the folder would find, without changing the process's folder.
        state.styleSheet.LoadCSSFromFile(QDir(state.styleSheetFolder).absoluteFilePath(href));
    }
}

void DoBLOCKQUOTE(RenderState &state)
{
    RichEdit &edit = state.display;
    if (state.tag.opening) {
        SaveAttributes(state);
        ++state.blockquoteDepth;
        NewLine(state);
        edit.SetFirstIndent(edit.FirstIndent() + 30);
        edit.SetRightIndent(edit.RightIndent() + 30);
        ApplyTagCSS(state);
    } else {
        --state.blockquoteDepth;
        NewLine(state);
        edit.SetFirstIndent(edit.FirstIndent() - 30);
        edit.SetRightIndent(edit.RightIndent() - 30);
        RestoreAttributes(state);
    }
}

void DoCITE(RenderState &state)
{
    RichEdit &edit = state.display;
    if (state.tag.opening) {
        SaveAttributes(state);
        edit.SetStyle(edit.Style() | FontStyle::Italic);
        ApplyTagCSS(state);
    } else {
        RestoreAttributes(state);
    }
}

} // namespace tessel::help
