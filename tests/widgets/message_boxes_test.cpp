#include "widgets/message_boxes.h"

#include "common/application_info.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tessel {
namespace {

// Runs the action on the message box once it is shown modally.
void WhenBoxShows(std::function<void(QMessageBox *)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        action(box);
    });
}

TEST(MessageBoxes, InformationBoxLayout)
{
    const auto box = CreateInformationBox(QStringLiteral("Cannot load backup groups"),
                                          QStringLiteral("<b>not markup</b>"), -1, -1);
    EXPECT_EQ(box->windowTitle(), ApplicationTitle());
    EXPECT_EQ(box->text(), QStringLiteral("Cannot load backup groups"));
    EXPECT_EQ(box->informativeText(), QStringLiteral("<b>not markup</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_FALSE(box->testAttribute(Qt::WA_Moved));
    // The main instruction stands out from the detail.
    const auto *instruction = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const auto *detail = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"));
    ASSERT_NE(instruction, nullptr);
    ASSERT_NE(detail, nullptr);
    EXPECT_GT(instruction->font().pointSizeF(), detail->font().pointSizeF());

    const auto placed = CreateInformationBox(QStringLiteral("Done"), QString(), 170, 200);
    EXPECT_TRUE(placed->informativeText().isEmpty());
    EXPECT_TRUE(placed->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(placed->pos(), QPoint(170, 200));
}

TEST(MessageBoxes, CarriageReturnsBreakLines)
{
    const auto box =
        CreateInformationBox(QStringLiteral("Backup settings have been exported as: \r\r/home/a"),
                             QStringLiteral("one\r\ntwo"), -1, -1);
    EXPECT_EQ(box->text(), QStringLiteral("Backup settings have been exported as: \n\n/home/a"));
    EXPECT_EQ(box->informativeText(), QStringLiteral("one\ntwo"));
}

TEST(MessageBoxes, VerifyBoxIgnoresEscapeAndClose)
{
    const auto box =
        CreateVerifyBox(QStringLiteral("Clear the log?"), QStringLiteral("It cannot be undone."));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Verify"));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->informativeText(), QStringLiteral("It cannot be undone."));

    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    box->close();
    EXPECT_TRUE(box->isVisible());
    box->button(QMessageBox::No)->click();
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QMessageBox::No);
}

TEST(MessageBoxes, PortShowsAndAsks)
{
    const auto port = CreateMessageBoxPort();

    WhenBoxShows([](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Escape); // no answer
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(port->AskVerify(QStringLiteral("Proceed?"), QString()));

    WhenBoxShows([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(port->AskVerify(QStringLiteral("Proceed?"), QString()));

    QString shown;
    WhenBoxShows([&shown](QMessageBox *box) {
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    port->ShowInformation(QStringLiteral("Backup settings exported"), QString(), -1, -1);
    EXPECT_EQ(shown, QStringLiteral("Backup settings exported"));
}

} // namespace
} // namespace tessel
