#include "render_fixture.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace tessel::help::test {

RenderedDocument::RenderedDocument(bool shown)
{
    edit.document()->setDefaultFont(QFont(QStringLiteral("Tahoma"), 10));
    edit.resize(600, 400);
    edit.setReadOnly(true);
    if (shown)
        edit.show(); // the viewport takes its size only once shown
}

void RenderedDocument::Render(const QString &html, bool clearing, const QString &styleSheetFolder)
{
    RichEdit display(&edit);
    RenderHTML(display, html, clearing, kBlue, styleSheetFolder, links, 0);
}

QStringList RenderedDocument::BlockTexts() const
{
    QStringList texts;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

std::vector<BlockView> RenderedDocument::Blocks() const
{
    std::vector<BlockView> blocks;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        ParagraphAlignment alignment = ParagraphAlignment::Left;
        if (format.alignment() & Qt::AlignRight)
            alignment = ParagraphAlignment::Right;
        else if (format.alignment() & Qt::AlignHCenter)
            alignment = ParagraphAlignment::Center;
        blocks.push_back(
            {block.text(), alignment, RichEdit::FirstIndentOf(format), RichEdit::RightIndentOf(format)});
    }
    return blocks;
}

QTextCharFormat RenderedDocument::FormatOf(const QString &text) const
{
    const QTextCursor found = edit.document()->find(text, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << "no " << text.toStdString() << " in " << PlainText().toStdString();
    if (found.isNull())
        return {};
    QTextCursor first(edit.document());
    first.setPosition(found.selectionStart() + 1);
    return first.charFormat();
}

int RenderedDocument::ColorOf(const QString &text) const
{
    const QTextCharFormat format = FormatOf(text);
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return RichEdit::FromQColor(edit.palette().color(QPalette::Text));
    return RichEdit::FromQColor(format.foreground().color());
}

FontStyles RenderedDocument::StyleOf(const QString &text) const
{
    const QTextCharFormat format = FormatOf(text);
    FontStyles style;
    if (format.fontWeight() >= QFont::Bold)
        style |= FontStyle::Bold;
    if (format.fontItalic())
        style |= FontStyle::Italic;
    if (format.fontUnderline())
        style |= FontStyle::Underline;
    if (format.fontStrikeOut())
        style |= FontStyle::StrikeOut;
    return style;
}

int RenderedDocument::SizeOf(const QString &text) const
{
    return qRound(FormatOf(text).fontPointSize());
}

QString RenderedDocument::FontOf(const QString &text) const
{
    const QStringList families = FormatOf(text).fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

} // namespace tessel::help::test
