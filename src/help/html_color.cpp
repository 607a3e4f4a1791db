#include "help/html_color.h"

#include "help/text_reading.h"

#include <QString>

#include <array>

namespace tessel::help {

namespace {

struct NamedColor
{
    const char16_t *name;
    int rgb; // 0xRRGGBB
};

constexpr std::array<NamedColor, 16> kNamedColors = {{
    {u"black", 0x000000},
    {u"maroon", 0x800000},
    {u"green", 0x008000},
    {u"olive", 0x808000},
    {u"navy", 0x000080},
    {u"purple", 0x800080},
    {u"teal", 0x008080},
    {u"gray", 0x808080},
    {u"silver", 0xC0C0C0},
    {u"red", 0xFF0000},
    {u"lime", 0x00FF00},
    {u"yellow", 0xFFFF00},
    {u"blue", 0x0000FF},
    {u"fuchsia", 0xFF00FF},
    {u"aqua", 0x00FFFF},
    {u"white", 0xFFFFFF},
}};

int FromRGB(int rgb)
{
    return RGBToHTMLColorValue((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

int ParseHTMLColor(QStringView text)
{
    const QString lower = TrimControls(text).toString().toLower();
    if (lower.isEmpty())
        return kNoHTMLColor;
    for (const NamedColor &named : kNamedColors) {
        if (lower == QStringView(named.name))
            return FromRGB(named.rgb);
    }
    if (!lower.startsWith(u'#') || lower.size() < 7)
        return kNoHTMLColor;
    int rgb = 0;
    for (qsizetype i = 1; i <= 6; ++i) {
        const char16_t c = lower.at(i).unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        if (digit < 0)
            return kNoHTMLColor;
        rgb = rgb * 16 + digit;
    }
    return FromRGB(rgb);
}

} // namespace tessel::help
