#pragma once

#include <QFlags>
#include <QString>

// The part of a rich-edit control that style rules change: the attributes of text inserted next and the
// alignment of the paragraph holding the caret. Sizes are points, colours 0x00BBGGRR integers.
namespace tessel::help {

enum class FontStyle : unsigned char {
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeOut = 8,
};
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

enum class ParagraphAlignment { Left, Right, Center };

class RichEditAttributes
{
public:
    virtual ~RichEditAttributes() = default;

    virtual QString FontName() const = 0;
    virtual void SetFontName(const QString &name) = 0;
    virtual int FontSize() const = 0;
    virtual void SetFontSize(int points) = 0;
    virtual int Color() const = 0;
    virtual void SetColor(int color) = 0;
    virtual FontStyles Style() const = 0;
    virtual void SetStyle(FontStyles style) = 0;
    virtual ParagraphAlignment Alignment() const = 0;
    virtual void SetAlignment(ParagraphAlignment alignment) = 0;

    // Adds a line at the end of the text, whatever the caret's position.
    virtual void AppendLine(const QString &text) = 0;
};

} // namespace tessel::help
