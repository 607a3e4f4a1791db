#include "widgets/message_boxes.h"

#include "common/application_info.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace tessel {
namespace {

// Only Yes or No ends the question; Escape and the close box would otherwise count as an answer.
class VerifyBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

constexpr double kInstructionScale = 1.25;
const QColor kInstructionColor(0, 51, 153);

void SetTexts(QMessageBox &box, const QString &message, const QString &detail)
{
    // Texts hold file names and group titles: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(WithLineFeeds(message));
    if (!detail.isEmpty())
        box.setInformativeText(WithLineFeeds(detail));
    // The message is the main instruction, set off from the detail below it.
    if (auto *instruction = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        QFont larger = instruction->font();
        larger.setPointSizeF(larger.pointSizeF() * kInstructionScale);
        instruction->setFont(larger);
        // Dark blue reads well only on a light background; a dark theme keeps its own text colour.
        QPalette colors = instruction->palette();
        if (colors.color(QPalette::Window).lightness() >= 128) {
            colors.setColor(QPalette::WindowText, kInstructionColor);
            instruction->setPalette(colors);
        }
    }
}

class MessageBoxPort final : public MessagePort
{
public:
    void ShowInformation(const QString &message, const QString &detail, int x, int y) override
    {
        CreateInformationBox(message, detail, x, y)->exec();
    }

    bool AskVerify(const QString &message, const QString &detail) override
    {
        return CreateVerifyBox(message, detail)->exec() == QMessageBox::Yes;
    }
};

} // namespace

std::unique_ptr<MessagePort> CreateMessageBoxPort()
{
    return std::make_unique<MessageBoxPort>();
}

std::unique_ptr<QMessageBox> CreateInformationBox(const QString &message, const QString &detail, int x, int y)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(ApplicationTitle());
    box->setIcon(QMessageBox::NoIcon);
    SetTexts(*box, message, detail);
    box->setStandardButtons(QMessageBox::Ok);
    if (x >= 0 && y >= 0)
        box->move(x, y);
    return box;
}

std::unique_ptr<QMessageBox> CreateVerifyBox(const QString &message, const QString &detail)
{
    std::unique_ptr<QMessageBox> box = std::make_unique<VerifyBox>(QApplication::activeWindow());
    box->setWindowTitle(QStringLiteral("Verify"));
    box->setIcon(QMessageBox::Question);
    SetTexts(*box, message, detail);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
    box->setWindowFlag(Qt::WindowCloseButtonHint, false);
    return box;
}

} // namespace tessel
