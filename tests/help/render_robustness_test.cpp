#include "help/ansi_text.h"
#include "render_fixture.h"

#include <gtest/gtest.h>

namespace tessel::help {
namespace {

using test::RenderedDocument;

// Hostile or damaged pages end rendering cleanly: no crash, no hang, a usable display afterwards.
TEST(RenderRobustness, DamagedMarkupEndsCleanly)
{
    const QString megabyte(1 << 20, u'x');
    QString manyAttributes = QStringLiteral("<p");
    for (int i = 0; i < 50000; ++i)
        manyAttributes += QStringLiteral(" a%1=\"v\"").arg(i);
    manyAttributes += QStringLiteral(">after attributes");
    QByteArray binary;
    for (int round = 0; round < 64; ++round) {
        for (int b = 0; b < 256; ++b)
            binary.append(char((b * 7 + round) & 0xFF));
    }
    const struct
    {
        QString html;
        QString expectedText; // empty: only that rendering ends and the display still works
    } cases[] = {
        {"text" + QString(100000, u'<'), "text"},
        {"text<!--" + megabyte, "text"},
        {"text<a href=\"" + megabyte, "text"},
        {"<a href=\"x>quoted</a>", "quoted"},
        {manyAttributes, "after attributes"},
        {QString("<ul>").repeated(5000) + "<li>deep" + QString("</ul>").repeated(5000), {}},
        {QString("<blockquote>").repeated(2000) + "indented", {}},
        {QString("<font size=+7>").repeated(1000) + "large", {}},
        {QString("<span style=\"font-size: 150%\">").repeated(1000) + "grown", {}},
        {"<img src=/dev/zero.jpg><link rel=stylesheet href=/dev/zero>"
         "<link rel=stylesheet href=/proc/self/status>end",
         QStringLiteral("[IMAGE: \"zero.jpg\"]end")},
        {FromAnsi(binary), {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.html.left(40).toStdString());
        RenderedDocument doc;
        doc.Render(c.html);
        if (!c.expectedText.isEmpty()) {
            EXPECT_EQ(doc.BlockTexts().join(u'\n').trimmed(), c.expectedText);
        }
        doc.Render("<b>still works</b>");
        EXPECT_EQ(doc.BlockTexts(), QStringList({"still works"}));
    }
}

TEST(RenderRobustness, TenMebibytesOfTextGoInWhole)
{
    RenderedDocument doc(false);
    const QString word = QStringLiteral("backup  ");
    doc.Render(word.repeated((10 << 20) / word.size()) + "<b>end</b>");
    EXPECT_EQ(doc.PlainText().size(), (10 << 20) / 8 * 7 + 3);
    EXPECT_TRUE(doc.PlainText().endsWith("backup end"));
}

} // namespace
} // namespace tessel::help
