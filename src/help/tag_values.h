#pragma once

#include <QString>
#include <QStringView>

// Readers for the values of particular attributes.
namespace tessel::help {

// The value of a property in a STYLE attribute ("color: red; font-size: 12px"). The key must stand as a
// property name of its own ("color" inside "background-color" does not count). Spaces and ":" after the
// key are skipped; the value runs to the next ";" or double quote, or to the end, trailing spaces kept.
QString GetStyleValue(QStringView styleText, QStringView key);

struct RuleWidth
{
    int width = -1; // -1 when the value cannot be read
    bool percentage = false;
};

// WIDTH of a rule, upper-cased: "60%", "100PX" or "100"; empty stands for "60%".
RuleWidth ParseRuleWidth(QStringView upperWidth);

} // namespace tessel::help
