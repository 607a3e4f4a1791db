#pragma once

#include "help/rich_edit_attributes.h"

#include <QImage>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

// The rich-edit operations the help renderer works with, over a QTextEdit. A "line" is a paragraph (a
// block of the document), so nothing depends on the window's width. Sizes and indents are points and
// colours 0x00BBGGRR integers; they become Qt values only here.
//
// Make one for a batch of operations: it takes the caret and the insertion attributes from the control
// when it is made and hands them back when it is destroyed, so the control's own caret, painting and
// signals stay out of the way while thousands of runs go in.
namespace tessel::help {

class RichEdit final : public RichEditAttributes
{
public:
    explicit RichEdit(QTextEdit *edit);
    ~RichEdit() override;
    RichEdit(const RichEdit &) = delete;
    RichEdit &operator=(const RichEdit &) = delete;

    QTextEdit *Control() const { return edit_; }

    // Insertion attributes and the alignment of the caret's paragraph.
    QString FontName() const override;
    void SetFontName(const QString &name) override; // an empty name changes nothing
    int FontSize() const override;
    void SetFontSize(int points) override; // kept within 1 to 1638 points; below 1 changes nothing
    int Color() const override;            // an automatic colour reads as the window-text colour
    void SetColor(int color) override;     // values outside 0..0xFFFFFF change nothing
    FontStyles Style() const override;
    void SetStyle(FontStyles style) override;
    ParagraphAlignment Alignment() const override;
    void SetAlignment(ParagraphAlignment alignment) override;
    void AppendLine(const QString &text) override;

    // Background at the insertion point; an automatic background reads as the window colour, and
    // setting the window-text colour makes it automatic again.
    int GetSelBackColor() const;
    void SetSelBackColor(int color);

    // Indents of the caret's paragraph in points; they never go below 0.
    int FirstIndent() const;
    void SetFirstIndent(int points);
    int RightIndent() const;
    void SetRightIndent(int points);

    int SelStart() const;
    void SetSelStart(int position); // kept within the text
    int LineFromChar(int position) const;
    int CaretLine() const { return LineFromChar(SelStart()); }
    QString LineText(int line) const;

    // Inserts at the caret; CR LF, CR and LF each break the paragraph once.
    void InsertText(const QString &text);
    void NewLine();
    void InsertPicture(const QImage &image);

    int ClientWidth() const;
    int ClientHeight() const;
    int UnderscoreWidth() const; // of "_" in the platform's default font, at least 1
    int WindowColor() const;
    int WindowTextColor() const;

    // Suspends painting and groups the changes into one edit; calls nest.
    void BeginUpdate();
    void EndUpdate();
    // Empties the text and its pictures; insertion attributes return to the control's font and colour.
    void Clear();

    static QColor ToQColor(int color);
    static int FromQColor(const QColor &color);
    // The indents as set through this class, for readers of the finished document.
    static int FirstIndentOf(const QTextBlockFormat &format);
    static int RightIndentOf(const QTextBlockFormat &format);

private:
    QTextCharFormat DefaultInsertionFormat() const;
    QTextCharFormat FormatAtCaret() const;
    qreal PointsToPixels(int points) const;

    QPointer<QTextEdit> edit_;
    QTextCursor cursor_;
    QTextCharFormat insertion_;
    int updateDepth_ = 0;
    bool updatesWereEnabled_ = true;
};

} // namespace tessel::help
