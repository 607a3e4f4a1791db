#include "help/css.h"

#include "help/ansi_text.h"
#include "help/html_color.h"
#include "help/text_reading.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

// Grammar, as far as it is understood (the text is upper-cased first):
//   sheet       := { selector "{" declaration { ";" declaration } "}" }
//   selector    := any text up to "{" (kept whole: "H1, H2" is one selector)
//   declaration := name ":" value
// Spaces, ":", ";", "{" and "}" between rules are skipped; a "}" outside a block drops the text before it,
// a "{" inside a block drops the declaration before it.

namespace tessel::help {

namespace {

// Style sheets are a few kilobytes; a page naming a huge or endless file gets no rules from it.
constexpr qint64 kLargestStyleSheet = qint64(16) << 20;

int ClampToInt(qint64 value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

QString SelectorText(QStringView kind, QStringView name)
{
    QString upperName = name.toString().toUpper();
    if (kind.compare(u"CLASS", Qt::CaseInsensitive) == 0)
        return u'.' + upperName;
    if (kind.compare(u"ID", Qt::CaseInsensitive) == 0)
        return u'#' + upperName;
    return upperName;
}

} // namespace

QString StripCSSComments(QStringView css)
{
    // Equivalent to deleting the first comment again and again: what is already written holds no "/*",
    // so the next comment starts at the seam or later.
    QString output;
    output.reserve(css.size());
    qsizetype i = 0;
    while (i < css.size()) {
        const QChar c = css[i];
        if (c == u'*' && output.endsWith(u'/')) {
            const qsizetype close = css.indexOf(u"*/", i);
            output.chop(1);
            if (close < 0)
                break;
            i = close + 2;
            continue;
        }
        output.append(c);
        ++i;
    }
    return output;
}

QString DeclarationName(QStringView declaration)
{
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0)
        return {};
    return TrimControls(declaration.first(colon)).toString();
}

QString DeclarationValue(QStringView declaration)
{
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0)
        return {};
    QStringView value = declaration.sliced(colon + 1);
    const qsizetype comma = value.indexOf(u',');
    if (comma >= 0)
        value = value.first(comma);
    value = TrimControls(value);
    if (!value.isEmpty() && (value.front() == u'"' || value.front() == u'\''))
        value = value.sliced(1);
    if (!value.isEmpty() && (value.back() == u'"' || value.back() == u'\''))
        value.chop(1);
    return value.toString();
}

void TCSS::LoadCSSFromString(QStringView css)
{
    ParseCSS(StripCSSComments(css).toUpper());
}

void TCSS::LoadCSSFromFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > kLargestStyleSheet)
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(kLargestStyleSheet + 1);
    if (bytes.size() > kLargestStyleSheet)
        return;
    if (!bytes.isEmpty())
        LoadCSSFromString(FromAnsi(bytes));
}

void TCSS::AddElement(const QString &selector)
{
    if (!firstElementIndex_.contains(selector))
        firstElementIndex_.insert(selector, int(elements_.size()));
    elements_.append({selector, 0});
}

void TCSS::ParseCSS(QStringView text)
{
    bool insideBlock = false;
    bool awaitingFirstDeclaration = true;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        if (!insideBlock) {
            const QChar c = text[pos];
            if (c == u' ' || c == u':' || c == u';' || c == u'{' || c == u'}') {
                ++pos;
                continue;
            }
        }
        qsizetype end = pos;
        while (end < n && text[end] != u';' && text[end] != u'{' && text[end] != u'}')
            ++end;
        const QString token = TrimControls(text.sliced(pos, end - pos)).toString();
        const QChar terminator = end < n ? text[end] : QChar();
        pos = end < n ? end + 1 : n;
        if ((terminator == u'{' && insideBlock) || (terminator == u'}' && !insideBlock))
            continue;
        if (!insideBlock) {
            if (!token.isEmpty())
                AddElement(token);
            awaitingFirstDeclaration = true;
        } else if (!token.isEmpty()) {
            const int owner = int(elements_.size()) - 1;
            properties_.append({token, owner});
            if (awaitingFirstDeclaration) {
                // A block before any selector has no owner; its declarations are never applied.
                if (owner >= 0)
                    elements_[owner].object = int(properties_.size()) - 1;
                awaitingFirstDeclaration = false;
            }
        }
        if (terminator == u'{')
            insideBlock = true;
        else if (terminator == u'}')
            insideBlock = false;
    }
}

int TCSS::FindSelector(QStringView kind, QStringView name) const
{
    return firstElementIndex_.value(SelectorText(kind, name), -1);
}

template <typename Visit>
void TCSS::ForEachDeclaration(int element, Visit visit) const
{
    if (element < 0 || element >= elements_.size())
        return;
    for (qsizetype i = elements_[element].object; i >= 0 && i < properties_.size(); ++i) {
        if (properties_[i].object != element)
            break;
        visit(properties_[i].text);
    }
}

void TCSS::ApplySelector(RichEditAttributes &edit, QStringView kind, QStringView name) const
{
    ForEachDeclaration(FindSelector(kind, name), [&edit](const QString &declaration) {
        ApplyCSSProperty(edit, DeclarationName(declaration), DeclarationValue(declaration));
    });
}

void TCSS::DoCSS(RichEditAttributes &edit, const QString &classValue, const QString &element,
                 const QString &idValue) const
{
    if (!element.isEmpty())
        ApplySelector(edit, {}, element);
    if (!classValue.isEmpty())
        ApplySelector(edit, u"CLASS", classValue);
    if (!idValue.isEmpty())
        ApplySelector(edit, u"ID", idValue);
}

QString TCSS::GetValueFromCSS(const QString &name, const QString &property, const QString &kind) const
{
    int element = FindSelector(kind, name);
    if (!kind.isEmpty()) {
        const int byId = FindSelector(u"ID", name);
        if (byId >= 0)
            element = byId;
    }
    QString result;
    ForEachDeclaration(element, [&](const QString &declaration) {
        const QString value = DeclarationValue(declaration);
        if (DeclarationName(declaration) == property && !value.isEmpty())
            result = value;
    });
    return result;
}

void TCSS::Debug_OutputAllCSSToRichEdit(RichEditAttributes &edit) const
{
    edit.AppendLine(QStringLiteral("Elements ------------"));
    for (qsizetype i = 0; i < elements_.size(); ++i)
        edit.AppendLine(QStringLiteral("%1. %2 %3").arg(i).arg(elements_[i].text).arg(elements_[i].object));
    edit.AppendLine(QStringLiteral("Properties ----------"));
    for (qsizetype i = 0; i < properties_.size(); ++i)
        edit.AppendLine(
            QStringLiteral("%1. %2 %3").arg(i).arg(properties_[i].text).arg(properties_[i].object));
    edit.AppendLine(QStringLiteral("---------------------"));
}

void ApplyCSSProperty(RichEditAttributes &edit, const QString &name, const QString &value)
{
    if (name == u"COLOR") {
        const int color = ParseHTMLColor(value);
        if (color != kNoHTMLColor)
            edit.SetColor(color);
    } else if (name == u"FONT-FAMILY") {
        edit.SetFontName(value);
    } else if (name == u"FONT-WEIGHT") {
        if (value == u"NORMAL" || value == u"400")
            edit.SetStyle(edit.Style() & ~FontStyles(FontStyle::Bold));
        else if (value == u"BOLD" || value == u"700")
            edit.SetStyle(edit.Style() | FontStyle::Bold);
    } else if (name == u"FONT-STYLE") {
        if (value == u"NORMAL")
            edit.SetStyle({});
        else if (value == u"BOLD")
            edit.SetStyle(edit.Style() | FontStyle::Bold);
        else if (value == u"ITALIC" || value == u"OBLIQUE")
            edit.SetStyle(edit.Style() | FontStyle::Italic);
        else if (value == u"UNDERLINE")
            edit.SetStyle(edit.Style() | FontStyle::Underline);
        else if (value == u"STRIKEOUT")
            edit.SetStyle(edit.Style() | FontStyle::StrikeOut);
    } else if (name == u"FONT-SIZE") {
        ApplyFontSize(edit, value);
    } else if (name == u"TEXT-ALIGN") {
        if (value == u"LEFT")
            edit.SetAlignment(ParagraphAlignment::Left);
        else if (value == u"RIGHT")
            edit.SetAlignment(ParagraphAlignment::Right);
        else if (value == u"CENTER")
            edit.SetAlignment(ParagraphAlignment::Center);
    }
}

void ApplyFontSize(RichEditAttributes &edit, const QString &value)
{
    QString upper = value.toUpper();
    int number = 0;
    const qsizetype px = upper.indexOf(u"PX");
    if (px >= 0) {
        if (TryReadWholeNumber(upper.remove(px, 2), number))
            edit.SetFontSize(number);
        return;
    }
    const qsizetype percent = upper.indexOf(u'%');
    if (percent >= 0) {
        if (TryReadWholeNumber(upper.remove(percent, 1), number))
            edit.SetFontSize(ClampToInt(RoundHalfEven(qint64(edit.FontSize()) * number, 100)));
        return;
    }
    if (TryReadWholeNumber(upper, number))
        edit.SetFontSize(number);
}

} // namespace tessel::help
