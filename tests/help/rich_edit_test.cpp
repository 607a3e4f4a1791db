#include "help/rich_edit.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

class RichEditTest : public ::testing::Test
{
protected:
    RichEditTest() { edit.document()->setDefaultFont(QFont(QStringLiteral("Tahoma"), 10)); }
    QTextEdit edit;
};

TEST_F(RichEditTest, LineBreaksOfEveryKindMakeOneParagraphEach)
{
    {
        RichEdit rich(&edit);
        rich.InsertText("a\r\nb\rc\nd\n\re");
    }
    EXPECT_EQ(edit.toPlainText(), "a\nb\nc\nd\n\ne");
}

TEST_F(RichEditTest, AttributesStayWithinWhatTheControlCanShow)
{
    RichEdit rich(&edit);
    rich.SetFontSize(0);
    EXPECT_EQ(rich.FontSize(), 10);
    rich.SetFontSize(-4);
    EXPECT_EQ(rich.FontSize(), 10);
    rich.SetFontSize(5000);
    EXPECT_EQ(rich.FontSize(), 1638);
    rich.SetColor(-1);
    rich.SetColor(0x1FFFFFFF);
    EXPECT_EQ(rich.Color(), rich.WindowTextColor());
    rich.SetFontName({});
    EXPECT_EQ(rich.FontName(), "Tahoma");
    rich.SetFirstIndent(-10);
    rich.SetRightIndent(-30);
    EXPECT_EQ(rich.FirstIndent(), 0);
    EXPECT_EQ(rich.RightIndent(), 0);
    rich.SetFirstIndent(72);
    EXPECT_EQ(rich.FirstIndent(), 72);
    EXPECT_NEAR(edit.document()->firstBlock().blockFormat().leftMargin(), edit.logicalDpiX(), 0.01);
}

TEST_F(RichEditTest, BackgroundIsAutomaticUntilSetAndWindowTextMakesItAutomaticAgain)
{
    RichEdit rich(&edit);
    EXPECT_EQ(rich.GetSelBackColor(), rich.WindowColor());
    rich.SetSelBackColor(0x00FFFF);
    EXPECT_EQ(rich.GetSelBackColor(), 0x00FFFF);
    rich.InsertText("marked");
    rich.SetSelBackColor(rich.WindowTextColor());
    EXPECT_EQ(rich.GetSelBackColor(), rich.WindowColor());
    rich.InsertText("plain");
    QTextCursor cursor(edit.document());
    cursor.setPosition(1);
    EXPECT_EQ(RichEdit::FromQColor(cursor.charFormat().background().color()), 0x00FFFF);
    cursor.setPosition(8);
    EXPECT_EQ(cursor.charFormat().background().style(), Qt::NoBrush);
}

TEST_F(RichEditTest, ColoursCrossAsBlueGreenRed)
{
    EXPECT_EQ(RichEdit::ToQColor(0x0080FF), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(RichEdit::FromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST_F(RichEditTest, LinesAreParagraphs)
{
    RichEdit rich(&edit);
    rich.InsertText("first line that is long enough to wrap in a narrow window\nsecond");
    EXPECT_EQ(rich.CaretLine(), 1);
    EXPECT_EQ(rich.LineFromChar(3), 0);
    EXPECT_EQ(rich.LineText(1), "second");
    EXPECT_EQ(rich.LineText(7), "");
    rich.SetSelStart(100000);
    EXPECT_EQ(rich.SelStart(), int(edit.toPlainText().size()));
    rich.SetSelStart(-3);
    EXPECT_EQ(rich.SelStart(), 0);
}

TEST_F(RichEditTest, AppendLineAddsAtTheEndWhateverTheCaret)
{
    RichEdit rich(&edit);
    rich.AppendLine("one");
    rich.AppendLine("two");
    rich.SetSelStart(0);
    rich.InsertText("x");
    rich.AppendLine("three");
    EXPECT_EQ(edit.toPlainText(), "xone\ntwo\nthree");
}

TEST_F(RichEditTest, HandsCaretAndAttributesBackToTheControl)
{
    {
        RichEdit rich(&edit);
        rich.BeginUpdate();
        EXPECT_FALSE(edit.updatesEnabled());
        rich.InsertText("abc");
        rich.SetStyle(FontStyle::Italic);
        rich.Clear();
        rich.InsertText("de");
        rich.SetStyle(FontStyle::Bold);
        // Left open on purpose: destruction ends the update.
    }
    EXPECT_TRUE(edit.updatesEnabled());
    EXPECT_EQ(edit.toPlainText(), "de");
    EXPECT_EQ(edit.textCursor().position(), 2);
    EXPECT_EQ(edit.currentCharFormat().fontWeight(), QFont::Bold);
    RichEdit again(&edit);
    EXPECT_EQ(again.Style(), FontStyles(FontStyle::Bold));
}

} // namespace
} // namespace tessel::help
