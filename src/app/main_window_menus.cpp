// The Priority, Log and Tools menus, and the group list's menu.
#include "app/main_window.h"

#include "common/choosers.h"
#include "config/settings_transfer.h"
#include "log/log_menu.h"
#include "widgets/my_check_list_box.h"

#include <QAction>
#include <QMenu>

namespace tessel::app {

void TForm1::setchecks(bool high)
{
    High1->setChecked(high);
    Low1->setChecked(!high);
    state_.lowpriority = !high;
}

void TForm1::High1Click()
{
    setchecks(true);
}

void TForm1::Low1Click()
{
    setchecks(false);
}

void TForm1::Viewlog1Click()
{
    viewlog(state_.logfilename);
}

void TForm1::Clearlog1Click()
{
    clearlog(state_.logfilename);
}

void TForm1::Exportsettings1Click()
{
    const QString folder =
        BrowseForFolder(QStringLiteral("Export backup settings to folder:"), QString(), false);
    if (folder.isEmpty())
        return;
    KeepWindowStateForSaving();
    exportsettings(state_, folder);
}

void TForm1::Importsettings1Click()
{
    const QString chosen = ChooseFileToOpen(QStringLiteral("Select backup settings data file to import"),
                                            QStringLiteral("INI files|*.INI|All files|*.*"));
    if (chosen.isEmpty())
        return;
    // The current settings are saved before the import: they must be the window's as they stand.
    KeepWindowStateForSaving();
    if (importsettings(state_, chosen) == ImportOutcome::Unchanged)
        return;
    FillGroupList();
    groupslb->setCurrentRow(-1);
    ApplyStoredWindowPlace();
}

void TForm1::ShowGroupMenu(const QPoint &globalPosition)
{
    const bool ordinaryGroup = !state_.IsRegistryEntry(groupslb->currentRow());
    N4->setVisible(ordinaryGroup);
    Runthisbackupgroupnowwithsynch1->setVisible(ordinaryGroup);
    Runthisbackupgroupnowwithtimestamp1->setVisible(ordinaryGroup);
    PopupMenu1->popup(globalPosition);
}

} // namespace tessel::app
