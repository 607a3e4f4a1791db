#pragma once

#include "common/messages.h"

#include <QMessageBox>

#include <memory>

// The message boxes of the window side: an information box captioned with the program's title,
// its message as the main instruction and the detail below it; and the "Verify" question with Yes
// and No, which Escape and the close box cannot dismiss, so only a real answer counts.
namespace tessel {

std::unique_ptr<MessagePort> CreateMessageBoxPort();

// The boxes as they are shown, for the port and for tests. A position of -1 leaves the placing to
// the window system; otherwise (x, y) is the box's top-left corner.
std::unique_ptr<QMessageBox> CreateInformationBox(const QString &message, const QString &detail, int x,
                                                  int y);
std::unique_ptr<QMessageBox> CreateVerifyBox(const QString &message, const QString &detail);

} // namespace tessel
