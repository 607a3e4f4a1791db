#include "help/html_tag.h"

#include "help/text_reading.h"

namespace tessel::help {

QString ParsedTag::GetAttr(QStringView attributeName) const
{
    for (qsizetype i = 0; i < attributeNames.size(); ++i) {
        if (attributeNames[i].compare(attributeName, Qt::CaseInsensitive) == 0)
            return attributeValues[i];
    }
    return {};
}

ParsedTag ParseTag(QStringView tagText, bool opening)
{
    ParsedTag tag;
    tag.opening = opening;
    qsizetype nameEnd = 0;
    while (nameEnd < tagText.size() && tagText[nameEnd] != u' ' && tagText[nameEnd] != u'/' &&
           tagText[nameEnd] != u'>')
        ++nameEnd;
    tag.name = tagText.first(nameEnd).toString().toUpper();
    if (nameEnd < tagText.size() && tagText[nameEnd] == u'/')
        tag.opening = false;

    // The rest is walked with a view that only ever shrinks from the front, so a tag with thousands of
    // attributes costs no more than its length.
    QStringView rest = nameEnd < tagText.size() ? TrimControls(tagText.sliced(nameEnd + 1)) : QStringView();
    while (!rest.isEmpty()) {
        const qsizetype equals = rest.indexOf(u'=');
        if (equals < 0)
            break;
        tag.attributeNames.append(TrimControls(rest.first(equals)).toString().toUpper());
        tag.attributeValues.append(QString());
        rest = TrimControls(rest.sliced(equals + 1));
        if (rest.isEmpty())
            break;
        QStringView value;
        qsizetype consumed = 0;
        if (rest.front() == u'"') {
            const qsizetype close = rest.indexOf(u'"', 1);
            value = close < 0 ? rest.sliced(1) : rest.sliced(1, close - 1);
            consumed = close < 0 ? rest.size() : close + 1;
        } else {
            const qsizetype space = rest.indexOf(u' ');
            value = space < 0 ? rest : rest.first(space);
            consumed = space < 0 ? rest.size() : space + 1;
        }
        tag.attributeValues.last() = TrimControls(value).toString().remove(u'"');
        if (consumed < rest.size() && rest[consumed] == u'>')
            break;
        rest = TrimControls(rest.sliced(consumed));
    }
    return tag;
}

} // namespace tessel::help
