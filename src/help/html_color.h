#pragma once

#include <QStringView>

namespace tessel::help {

// Colours of the help viewer are 0x00BBGGRR integers (blue in the high byte of the three); -1 means
// "no colour".
constexpr int kNoHTMLColor = -1;

constexpr int RGBToHTMLColorValue(int red, int green, int blue)
{
    return (blue << 16) | (green << 8) | red;
}

// The sixteen basic colour names and "#RRGGBB" (more characters after the sixth are ignored). Anything
// else ("#fff", "grey", "rgb(0,0,0)") gives -1.
int ParseHTMLColor(QStringView text);

} // namespace tessel::help
