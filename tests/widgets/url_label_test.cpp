#include "widgets/url_label.h"

#include "common/shell.h"

#include <QEnterEvent>
#include <QTest>

#include "support/recording_launcher.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(TURLLabel, LooksLikeALink)
{
    QWidget parent;
    QFont parentFont = parent.font();
    parentFont.setPointSize(17);
    parent.setFont(parentFont);
    TURLLabel label(&parent);
    EXPECT_EQ(label.textColor(), QColor(56, 120, 190));
    EXPECT_EQ(label.HighlightFontColor(), QColor(255, 0, 0));
    EXPECT_TRUE(label.ColorChange());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.font().pointSize(), 17);
}

TEST(TURLLabel, SettingTheAddressFillsOnlyAnUntouchedCaption)
{
    TURLLabel blank;
    blank.setURL(QStringLiteral("https://example.org"));
    EXPECT_EQ(blank.text(), QStringLiteral("https://example.org"));

    TURLLabel named;
    named.setObjectName(QStringLiteral("URLLabel1"));
    named.setText(QStringLiteral("URLLabel1"));
    named.setURL(QStringLiteral("https://example.org"));
    EXPECT_EQ(named.text(), QStringLiteral("https://example.org"));

    TURLLabel captioned;
    captioned.setText(QStringLiteral("Visit our site"));
    captioned.setURL(QStringLiteral("https://example.org"));
    EXPECT_EQ(captioned.text(), QStringLiteral("Visit our site"));
    EXPECT_EQ(captioned.URL(), QStringLiteral("https://example.org"));
}

TEST(TURLLabel, HoverUnderlinesAndHighlights)
{
    TURLLabel label;
    label.setText(QStringLiteral("link"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);

    QCoreApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.textColor(), QColor(255, 0, 0));
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(label.textColor(), QColor(56, 120, 190));

    label.setColorChange(false);
    QCoreApplication::sendEvent(&label, &enter);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.textColor(), QColor(56, 120, 190));
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_FALSE(label.font().underline());
}

TEST(TURLLabel, ClickOpensMailOrWebLinks)
{
    struct Case
    {
        const char *email;
        const char *subject;
        const char *url;
        QStringList opened;
    };
    const Case cases[] = {
        {"someone@example.org",
         "Tessel Backup 1.85",
         "https://example.org",
         {"mailto:someone@example.org?subject=Tessel%20Backup%201.85||open"}},
        {"someone@example.org", "", "", {"mailto:someone@example.org||open"}},
        {"", "Q&A #1", "someone@example.org", {"mailto:someone@example.org?subject=Q%26A%20%231||open"}},
        {"", "", "https://example.org/tessel", {"https://example.org/tessel||open"}},
        // Not usable as a mail address: no full stop, or "@" or "." first.
        {"someone@localhost", "", "", {}},
        {"@example.org", "", "", {}},
        {".someone@example", "", "https://example.org", {"https://example.org||open"}},
        {"", "", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.email + std::string(" / ") + c.url);
        test::RecordingLauncher launcher;
        launcher.error = QStringLiteral("ignored failure");
        TURLLabel label;
        label.setEmailAddress(QString::fromUtf8(c.email));
        label.setEmailSubject(QString::fromUtf8(c.subject));
        label.setURL(QString::fromUtf8(c.url));
        label.Click();
        EXPECT_EQ(launcher.OpenedSummaries(), c.opened);
    }
}

TEST(TURLLabel, ListenersHearTheClickBeforeTheLinkOpens)
{
    test::RecordingLauncher launcher;
    TURLLabel label;
    label.setText(QStringLiteral("Home page"));
    label.setURL(QStringLiteral("https://example.org"));
    label.resize(100, 20);
    qsizetype openedWhenClicked = -1;
    QObject::connect(&label, &TURLLabel::clicked,
                     [&] { openedWhenClicked = qsizetype(launcher.opened.size()); });

    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(openedWhenClicked, 0);
    EXPECT_EQ(launcher.opened.size(), 1u);

    // A press that is dragged off the label and released elsewhere is no click.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 10));
    EXPECT_EQ(launcher.opened.size(), 1u);
}

} // namespace
} // namespace tessel
