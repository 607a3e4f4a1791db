#include "help/ansi_text.h"
#include "help/css.h"
#include "help/html_color.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Holds attributes in fields, so applying rules needs no window.
class Attributes final : public tessel::help::RichEditAttributes
{
public:
    QString FontName() const override { return name; }
    void SetFontName(const QString &value) override { name = value; }
    int FontSize() const override { return size; }
    void SetFontSize(int value) override { size = value; }
    int Color() const override { return color; }
    void SetColor(int value) override { color = value; }
    tessel::help::FontStyles Style() const override { return style; }
    void SetStyle(tessel::help::FontStyles value) override { style = value; }
    tessel::help::ParagraphAlignment Alignment() const override { return alignment; }
    void SetAlignment(tessel::help::ParagraphAlignment value) override { alignment = value; }
    void AppendLine(const QString &) override { ++lines; }

    QString name;
    int size = 10;
    int color = 0;
    tessel::help::FontStyles style;
    tessel::help::ParagraphAlignment alignment = tessel::help::ParagraphAlignment::Left;
    int lines = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tessel::help;
    const QString text = FromAnsi(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    TCSS css;
    css.LoadCSSFromString(text);
    Attributes attributes;
    css.Debug_OutputAllCSSToRichEdit(attributes);
    if (attributes.lines != css.NumElements() + css.NumProperties() + 3)
        std::abort();
    // Every selector that was stored can be applied and queried.
    for (const TCSS::Entry &element : css.elements()) {
        css.DoCSS(attributes, element.text, element.text, element.text);
        css.GetValueFromCSS(element.text, QStringLiteral("WIDTH"), QStringLiteral("CLASS"));
    }
    const int color = ParseHTMLColor(text);
    if (color < -1 || color > 0xFFFFFF)
        std::abort();
    return 0;
}
