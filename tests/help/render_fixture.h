#pragma once

#include "help/html_renderer.h"
#include "help/rich_edit.h"

#include <QTextBlock>
#include <QTextEdit>

namespace tessel::help::test {

constexpr int kBlue = 0xFF0000; // the link colour the help display passes, 0x00BBGGRR

struct BlockView
{
    QString text;
    ParagraphAlignment alignment;
    int firstIndent;
    int rightIndent;
};

// A display of known size and font (Tahoma 10 pt) to render into, and readers for what came out.
class RenderedDocument
{
public:
    // A shown display has its real client size; a hidden one is not laid out, for very long inputs.
    explicit RenderedDocument(bool shown = true);

    void Render(const QString &html, bool clearing = true, const QString &styleSheetFolder = {});

    QStringList BlockTexts() const;
    std::vector<BlockView> Blocks() const;
    // The format of the first character of the first occurrence of text; fails the test when absent.
    QTextCharFormat FormatOf(const QString &text) const;
    int ColorOf(const QString &text) const;
    FontStyles StyleOf(const QString &text) const;
    int SizeOf(const QString &text) const;
    QString FontOf(const QString &text) const;
    QString PlainText() const { return edit.toPlainText(); }

    QTextEdit edit;
    TLinkTable links;
};

} // namespace tessel::help::test
