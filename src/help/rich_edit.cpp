#include "help/rich_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QAtomicInteger>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace tessel::help {

namespace {

constexpr int kLargestFontPoints = 1638;
constexpr int kFirstIndentProperty = QTextFormat::UserProperty + 1;
constexpr int kRightIndentProperty = QTextFormat::UserProperty + 2;

Qt::Alignment ToQtAlignment(ParagraphAlignment alignment)
{
    switch (alignment) {
    case ParagraphAlignment::Right:
        return Qt::AlignRight;
    case ParagraphAlignment::Center:
        return Qt::AlignHCenter;
    case ParagraphAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

bool IsColorValue(int color)
{
    return color >= 0 && color <= 0xFFFFFF;
}

} // namespace

RichEdit::RichEdit(QTextEdit *edit)
    : edit_(edit)
    , cursor_(edit->textCursor())
{
    if (cursor_.hasSelection()) // clearing also drops the caret's own format, so only when needed
        cursor_.clearSelection();
    insertion_ = FormatAtCaret();
}

RichEdit::~RichEdit()
{
    while (updateDepth_ > 0)
        EndUpdate();
    if (!edit_)
        return;
    cursor_.setCharFormat(insertion_);
    edit_->setTextCursor(cursor_);
}

QTextCharFormat RichEdit::DefaultInsertionFormat() const
{
    QTextCharFormat format;
    const QFont font = edit_->document()->defaultFont();
    format.setFontFamilies({font.family()});
    format.setFontPointSize(font.pointSizeF() > 0 ? font.pointSizeF() : 10.0);
    return format;
}

// What text typed at the caret would look like; a picture's format gives no text attributes.
QTextCharFormat RichEdit::FormatAtCaret() const
{
    QTextCharFormat format = DefaultInsertionFormat();
    const QTextCharFormat here = cursor_.charFormat();
    if (!here.isImageFormat() && here.objectType() == QTextFormat::NoObject)
        format.merge(here);
    return format;
}

qreal RichEdit::PointsToPixels(int points) const
{
    return points * edit_->logicalDpiX() / 72.0;
}

QString RichEdit::FontName() const
{
    const QStringList families = insertion_.fontFamilies().toStringList();
    return families.isEmpty() ? edit_->document()->defaultFont().family() : families.first();
}

void RichEdit::SetFontName(const QString &name)
{
    if (!name.isEmpty())
        insertion_.setFontFamilies({name});
}

int RichEdit::FontSize() const
{
    return qRound(insertion_.fontPointSize());
}

void RichEdit::SetFontSize(int points)
{
    if (points >= 1)
        insertion_.setFontPointSize(std::min(points, kLargestFontPoints));
}

int RichEdit::Color() const
{
    if (!insertion_.hasProperty(QTextFormat::ForegroundBrush) ||
        insertion_.foreground().style() == Qt::NoBrush)
        return WindowTextColor();
    return FromQColor(insertion_.foreground().color());
}

void RichEdit::SetColor(int color)
{
    if (IsColorValue(color))
        insertion_.setForeground(ToQColor(color));
}

FontStyles RichEdit::Style() const
{
    FontStyles style;
    if (insertion_.fontWeight() >= QFont::Bold)
        style |= FontStyle::Bold;
    if (insertion_.fontItalic())
        style |= FontStyle::Italic;
    if (insertion_.fontUnderline())
        style |= FontStyle::Underline;
    if (insertion_.fontStrikeOut())
        style |= FontStyle::StrikeOut;
    return style;
}

void RichEdit::SetStyle(FontStyles style)
{
    insertion_.setFontWeight(style.testFlag(FontStyle::Bold) ? QFont::Bold : QFont::Normal);
    insertion_.setFontItalic(style.testFlag(FontStyle::Italic));
    insertion_.setFontUnderline(style.testFlag(FontStyle::Underline));
    insertion_.setFontStrikeOut(style.testFlag(FontStyle::StrikeOut));
}

ParagraphAlignment RichEdit::Alignment() const
{
    const Qt::Alignment alignment = cursor_.blockFormat().alignment();
    if (alignment & Qt::AlignRight)
        return ParagraphAlignment::Right;
    if (alignment & Qt::AlignHCenter)
        return ParagraphAlignment::Center;
    return ParagraphAlignment::Left;
}

void RichEdit::SetAlignment(ParagraphAlignment alignment)
{
    if (Alignment() == alignment)
        return;
    QTextBlockFormat format;
    format.setAlignment(ToQtAlignment(alignment));
    cursor_.mergeBlockFormat(format);
}

void RichEdit::AppendLine(const QString &text)
{
    QTextCursor end(edit_->document());
    end.movePosition(QTextCursor::End);
    if (!end.block().text().isEmpty())
        end.insertBlock();
    end.insertText(text);
}

int RichEdit::GetSelBackColor() const
{
    if (!insertion_.hasProperty(QTextFormat::BackgroundBrush) ||
        insertion_.background().style() == Qt::NoBrush)
        return WindowColor();
    return FromQColor(insertion_.background().color());
}

void RichEdit::SetSelBackColor(int color)
{
    if (!IsColorValue(color))
        return;
    if (color == WindowTextColor())
        insertion_.clearBackground();
    else
        insertion_.setBackground(ToQColor(color));
}

int RichEdit::FirstIndent() const
{
    return FirstIndentOf(cursor_.blockFormat());
}

void RichEdit::SetFirstIndent(int points)
{
    points = std::max(points, 0);
    QTextBlockFormat format;
    format.setProperty(kFirstIndentProperty, points);
    format.setLeftMargin(PointsToPixels(points));
    cursor_.mergeBlockFormat(format);
}

int RichEdit::RightIndent() const
{
    return RightIndentOf(cursor_.blockFormat());
}

void RichEdit::SetRightIndent(int points)
{
    points = std::max(points, 0);
    QTextBlockFormat format;
    format.setProperty(kRightIndentProperty, points);
    format.setRightMargin(PointsToPixels(points));
    cursor_.mergeBlockFormat(format);
}

int RichEdit::SelStart() const
{
    return cursor_.position();
}

void RichEdit::SetSelStart(int position)
{
    const int last = edit_->document()->characterCount() - 1;
    position = std::clamp(position, 0, std::max(last, 0));
    if (position == cursor_.position())
        return;
    cursor_.setPosition(position);
    insertion_ = FormatAtCaret();
}

int RichEdit::LineFromChar(int position) const
{
    return edit_->document()->findBlock(position).blockNumber();
}

QString RichEdit::LineText(int line) const
{
    return edit_->document()->findBlockByNumber(line).text();
}

void RichEdit::InsertText(const QString &text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        if (i > start)
            cursor_.insertText(text.sliced(start, i - start), insertion_);
        NewLine();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        cursor_.insertText(start == 0 ? text : text.sliced(start), insertion_);
}

void RichEdit::NewLine()
{
    cursor_.insertBlock(cursor_.blockFormat(), insertion_);
}

void RichEdit::InsertPicture(const QImage &image)
{
    static QAtomicInteger<quint64> pictureCount;
    const QString name = QStringLiteral("tessel-picture:%1").arg(pictureCount.fetchAndAddRelaxed(1) + 1);
    edit_->document()->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    cursor_.insertImage(format);
}

int RichEdit::ClientWidth() const
{
    return edit_->viewport()->width();
}

int RichEdit::ClientHeight() const
{
    return edit_->viewport()->height();
}

int RichEdit::UnderscoreWidth() const
{
    return std::max(1, QFontMetrics(QGuiApplication::font(), edit_).horizontalAdvance(u'_'));
}

int RichEdit::WindowColor() const
{
    return FromQColor(edit_->palette().color(QPalette::Base));
}

int RichEdit::WindowTextColor() const
{
    return FromQColor(edit_->palette().color(QPalette::Text));
}

void RichEdit::BeginUpdate()
{
    if (updateDepth_++ > 0)
        return;
    updatesWereEnabled_ = edit_->updatesEnabled();
    edit_->setUpdatesEnabled(false);
    cursor_.beginEditBlock();
}

void RichEdit::EndUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    cursor_.endEditBlock();
    if (edit_)
        edit_->setUpdatesEnabled(updatesWereEnabled_);
}

void RichEdit::Clear()
{
    // Clearing the document inside an open edit block would leave the block unbalanced.
    if (updateDepth_ > 0)
        cursor_.endEditBlock();
    edit_->document()->clear();
    cursor_ = QTextCursor(edit_->document());
    if (updateDepth_ > 0)
        cursor_.beginEditBlock();
    insertion_ = DefaultInsertionFormat();
}

QColor RichEdit::ToQColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int RichEdit::FromQColor(const QColor &color)
{
    return (color.blue() << 16) | (color.green() << 8) | color.red();
}

int RichEdit::FirstIndentOf(const QTextBlockFormat &format)
{
    return format.intProperty(kFirstIndentProperty);
}

int RichEdit::RightIndentOf(const QTextBlockFormat &format)
{
    return format.intProperty(kRightIndentProperty);
}

} // namespace tessel::help
