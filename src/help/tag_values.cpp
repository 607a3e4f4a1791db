#include "help/tag_values.h"

#include "help/text_reading.h"

namespace tessel::help {

namespace {

bool PartOfPropertyName(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

} // namespace

QString GetStyleValue(QStringView styleText, QStringView key)
{
    if (key.isEmpty())
        return {};
    qsizetype found = styleText.indexOf(key, 0, Qt::CaseInsensitive);
    while (found > 0 && PartOfPropertyName(styleText[found - 1]))
        found = styleText.indexOf(key, found + 1, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    qsizetype begin = found + key.size();
    while (begin < styleText.size() && (styleText[begin] == u' ' || styleText[begin] == u':'))
        ++begin;
    qsizetype end = begin;
    while (end < styleText.size() && styleText[end] != u';' && styleText[end] != u'"')
        ++end;
    return styleText.sliced(begin, end - begin).toString();
}

RuleWidth ParseRuleWidth(QStringView upperWidth)
{
    RuleWidth rule;
    QStringView text = upperWidth.isEmpty() ? QStringView(u"60%") : upperWidth;
    if (text.endsWith(u'%')) {
        text.chop(1);
        rule.percentage = true;
    } else if (text.endsWith(u"PX")) {
        text = TrimControls(text.first(text.size() - 2));
    }
    int number = 0;
    if (TryReadWholeNumber(text, number))
        rule.width = number;
    return rule;
}

} // namespace tessel::help
