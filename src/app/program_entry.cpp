#include "app/program_entry.h"

#include "app/bring_to_front_server.h"
#include "app/command_line.h"
#include "app/display_probe.h"
#include "app/main_window.h"
#include "common/application_info.h"
#include "common/choosers.h"
#include "common/messages.h"
#include "common/program_folders.h"
#include "widgets/file_choosers.h"
#include "widgets/message_boxes.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace tessel::app {
namespace {

bool OnOffscreenPlatform()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

void PrintUsage()
{
    std::fprintf(stderr, "%s\n", UsageLine());
}

} // namespace

const char *UsageLine()
{
    return "Usage: tesselbackup GROUP-OR-ITEM-NAME... [QUITPROGRAM] [LATESTONLY]  (no display: name what to "
           "back "
           "up)";
}

int RunTesselBackup(int argc, char **argv)
{
    SelectPlatformForDisplay();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tesselbackup"));
    QApplication::setApplicationVersion(ApplicationVersion());
    InitProgramFolder();

    const QStringList arguments = QApplication::arguments().mid(1);
    const bool noDisplay = OnOffscreenPlatform();
    // A window nobody can see would wait for ever; without names there is nothing to do unattended.
    if (noDisplay && ReadCommandLine(arguments).commandlinenames.isEmpty()) {
        PrintUsage();
        return 2;
    }

    // With no display, messages go to standard error and questions answer No (the default handlers).
    std::unique_ptr<MessagePort> messageBoxes;
    std::unique_ptr<ChooserPort> fileChoosers;
    if (!noDisplay) {
        messageBoxes = CreateMessageBoxPort();
        fileChoosers = CreateFileChooserPort();
        InstallMessagePort(messageBoxes.get());
        InstallChooserPort(fileChoosers.get());
    }

    int status = 0;
    {
        TForm1 form(arguments);
        form.SetEndAfterUnattendedRun(noDisplay);
        BringToFrontServer bringToFront;
        QObject::connect(&bringToFront, &BringToFrontServer::BringToFrontRequested, &form,
                         &TForm1::BringToFront);
        bringToFront.Listen();

        if (noDisplay && !form.state().unattendedrun) {
            PrintUsage();
            status = 2;
        } else {
            form.show();
            application.exec();
            status = form.ExitStatus();
        }
    }
    InstallChooserPort(nullptr);
    InstallMessagePort(nullptr);
    return status;
}

} // namespace tessel::app
