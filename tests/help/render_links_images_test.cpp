#include "render_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <gtest/gtest.h>

#include <cmath>

namespace tessel::help {
namespace {

using test::kBlue;
using test::RenderedDocument;

struct ExpectedLink
{
    QString text;
    int start;
    int length;
    int kind;
};

void ExpectLinks(const TLinkTable &links, const std::vector<ExpectedLink> &expected)
{
    ASSERT_EQ(links.size(), qsizetype(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TLinkTableItem &item = links[qsizetype(i)];
        SCOPED_TRACE(expected[i].text.toStdString());
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_EQ(item.entry.start, expected[i].start);
        EXPECT_EQ(item.entry.length, expected[i].length);
        EXPECT_EQ(item.entry.kind, expected[i].kind);
    }
}

// Runs a test in a fresh current folder, since file links and images name files relative to it.
class InTemporaryFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void WriteFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void WriteJpeg(const QString &name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(dir.filePath(name), "JPEG"));
    }

    QTemporaryDir dir;
    QString previous;
};

using RenderLinks = InTemporaryFolder;
using RenderImages = InTemporaryFolder;

TEST_F(RenderLinks, TargetsAreStoredWithTheirKind)
{
    WriteFile("readme.txt", "read me");
    RenderedDocument doc;
    doc.Render(
        "<a href=\"http://example.org\">site</a> <a href=www.example.org>www</a> <a href=#Top>top</a> "
        "<a href=mailto:a@b.c>mail</a> <a href=readme.txt>readme</a> <a href=\"my file.htm\">missing</a>");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"site www top mail [FILE] readme missing"}));
    ExpectLinks(doc.links, {{"http://example.org", 0, 4, kLinkTarget},
                            {"http://www.example.org", 5, 3, kLinkTarget},
                            {"#Top", 9, 3, kLinkTarget},
                            {"mailto:a@b.c", 13, 4, kLinkTarget},
                            {"file:///readme.txt", 18, 13, kFileLink},
                            {"my file.htm", 32, 7, kLinkTarget}});
    EXPECT_EQ(doc.StyleOf("site"), FontStyles(FontStyle::Underline));
    EXPECT_EQ(doc.ColorOf("site"), kBlue);
    EXPECT_EQ(doc.StyleOf("[FILE]"), FontStyles(FontStyle::Underline));
    EXPECT_EQ(doc.StyleOf(" www"), FontStyles());
    EXPECT_EQ(doc.ColorOf(" www"), 0);
}

TEST_F(RenderLinks, LinkLookKeepsTheOuterStyleAndEndsWithTheLink)
{
    RenderedDocument doc;
    doc.Render("<b><font size=5>big <a href=#x>link<i>ital</i></a> tail</font></b>");
    EXPECT_EQ(doc.StyleOf("link"), FontStyle::Bold | FontStyle::Underline);
    EXPECT_EQ(doc.StyleOf("ital"), FontStyle::Bold | FontStyle::Underline | FontStyle::Italic);
    EXPECT_EQ(doc.StyleOf("tail"), FontStyles(FontStyle::Bold));
    EXPECT_EQ(doc.SizeOf("tail"), 14);
    ExpectLinks(doc.links, {{"#x", 4, 8, kLinkTarget}});
}

TEST_F(RenderLinks, AnchorsAndContentsMarkers)
{
    RenderedDocument doc;
    doc.Render("intro<a name=\"Contents:Getting started\">Start</a> here<a name=Top>top</a> end"
               "<a name=contents:lower></a>");
    EXPECT_EQ(doc.BlockTexts(), QStringList({"intro", "Start heretop end"}));
    ExpectLinks(doc.links, {{"Getting started", 5, 6, kContentsLabel},
                            {"Top", 16, 0, kAnchorName},
                            {"contents:lower", 23, 0, kAnchorName}});
    // An anchor shows no link look.
    EXPECT_EQ(doc.StyleOf("Start"), FontStyles());
    EXPECT_EQ(doc.ColorOf("top"), 0);
}

TEST_F(RenderLinks, ALinkWithoutTargetKeepsTheLookUntilClosed)
{
    RenderedDocument doc;
    doc.Render("<a>look</a>plain");
    EXPECT_TRUE(doc.links.isEmpty());
    EXPECT_EQ(doc.StyleOf("look"), FontStyles(FontStyle::Underline));
    EXPECT_EQ(doc.StyleOf("plain"), FontStyles());
}

TEST_F(RenderLinks, NewRenderingWithClearingEmptiesTheTable)
{
    RenderedDocument doc;
    doc.Render("<a href=#a>a</a>");
    doc.Render("<a href=#b>b</a>", false);
    EXPECT_EQ(doc.links.size(), 2);
    doc.Render("<a href=#c>c</a>");
    ExpectLinks(doc.links, {{"#c", 0, 1, kLinkTarget}});
}

TEST_F(RenderImages, PlaceholdersForPicturesThatCannotBeShown)
{
    WriteFile("broken.jpg", "not a picture");
    WriteJpeg("photo.jpg", 40, 30);
    RenderedDocument doc;
    doc.Render("<img src=pic.png alt=Diagram><img src=C:\\x\\pic.gif><img src=broken.jpg>"
               "<img src=photo.jpg width=100000><img src=\"\">");
    const QString expected = QStringLiteral("[IMAGE: \"Diagram\"][IMAGE: \"pic.gif\"][IMAGE: \"broken.jpg\"]"
                                            "[IMAGE: \"photo.jpg\"]");
    EXPECT_EQ(doc.BlockTexts(), QStringList({expected}));
    ExpectLinks(doc.links, {{"pic.png", 0, 18, kImagePlaceholder},
                            {"C:\\x\\pic.gif", 18, 18, kImagePlaceholder},
                            {"broken.jpg", 36, 21, kImagePlaceholder},
                            {"photo.jpg", 57, 20, kImagePlaceholder}});
    EXPECT_EQ(doc.StyleOf("[IMAGE: \"Diagram"), FontStyles(FontStyle::Underline));
    EXPECT_EQ(doc.ColorOf("[IMAGE: \"Diagram"), kBlue);
}

TEST_F(RenderImages, PlaceholderInsideALinkTakesTheLength)
{
    RenderedDocument doc;
    doc.Render("<a href=#x>see <img src=a.png></a>");
    ExpectLinks(doc.links, {{"#x", 0, 0, kLinkTarget}, {"a.png", 4, 16, kImagePlaceholder}});
}

QList<QSize> PictureSizes(const RenderedDocument &doc)
{
    QList<QSize> sizes;
    for (QTextBlock block = doc.edit.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QTextImageFormat image = format.toImageFormat();
            const QImage stored = doc.edit.document()
                                      ->resource(QTextDocument::ImageResource, QUrl(image.name()))
                                      .value<QImage>();
            EXPECT_EQ(stored.size(), QSize(qRound(image.width()), qRound(image.height())));
            sizes.append(stored.size());
        }
    }
    return sizes;
}

TEST_F(RenderImages, JpegPicturesAreInsertedAtTheGivenSize)
{
    WriteJpeg("photo.jpg", 400, 300);
    WriteJpeg("upper.JPEG", 40, 20);
    RenderedDocument doc;
    const int clientWidth = RichEdit(&doc.edit).ClientWidth();
    const int clientHeight = RichEdit(&doc.edit).ClientHeight();
    const int halfWidth = int(std::nearbyint(clientWidth * 50 / 100.0));
    const int tenthHeight = int(std::nearbyint(clientHeight * 10 / 100.0));
    const struct
    {
        QString html;
        QSize size;
    } cases[] = {
        {"<img src=photo.jpg>", {400, 300}},
        {"<img src=photo.jpg width=200>", {200, 150}},
        {"<img src=photo.jpg height=60>", {80, 60}},
        {"<img src=photo.jpg width=10 height=10>", {10, 10}},
        {"<img src=photo.jpg height=0>", {400, 300}},
        {"<img src=photo.jpg height=-5 width=abc>", {400, 300}},
        {"<img src=photo.jpg width=50%>", {halfWidth, int(std::nearbyint(halfWidth / (400.0 / 300.0)))}},
        {"<img src=photo.jpg height=10%>", {int(std::nearbyint(400.0 / 300.0 * tenthHeight)), tenthHeight}},
        {"<style>img {width: 100px}</style><img src=photo.jpg width=300>", {100, 75}},
        {"<style>img {width: 100px} .small {width: 20}</style><img class=small src=photo.jpg>", {20, 15}},
        {"<img src=upper.JPEG>", {40, 20}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.html.toStdString());
        doc.Render("a" + c.html + "b");
        EXPECT_EQ(PictureSizes(doc), QList<QSize>({c.size}));
        EXPECT_EQ(doc.PlainText().size(), 3); // "a", the picture, "b"
        EXPECT_TRUE(doc.links.isEmpty());
        EXPECT_EQ(doc.StyleOf("b"), FontStyles());
    }
}

} // namespace
} // namespace tessel::help
