#pragma once

#include "help/rich_edit_attributes.h"

#include <QStringList>

namespace tessel::help::test {

// Insertion attributes held in plain fields, for style-rule tests that need no window.
class RecordingAttributes final : public RichEditAttributes
{
public:
    QString FontName() const override { return fontName; }
    void SetFontName(const QString &name) override { fontName = name; }
    int FontSize() const override { return fontSize; }
    void SetFontSize(int points) override { fontSize = points; }
    int Color() const override { return color; }
    void SetColor(int value) override { color = value; }
    FontStyles Style() const override { return style; }
    void SetStyle(FontStyles value) override { style = value; }
    ParagraphAlignment Alignment() const override { return alignment; }
    void SetAlignment(ParagraphAlignment value) override { alignment = value; }
    void AppendLine(const QString &text) override { lines.append(text); }

    QString fontName = QStringLiteral("Tahoma");
    int fontSize = 10;
    int color = 0;
    FontStyles style;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    QStringList lines;
};

} // namespace tessel::help::test
