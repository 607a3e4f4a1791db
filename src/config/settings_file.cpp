#include "config/settings_file.h"

#include "common/application_info.h"
#include "common/messages.h"
#include "common/paths.h"
#include "common/system_error.h"
#include "config/erunt_location.h"
#include "config/ini_file.h"
#include "config/item_value_string.h"
#include "platform/file_name_codec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

const QString kInformation = QStringLiteral("Information");
const QString kInterface = QStringLiteral("Interface");

QString GroupSection(int n)
{
    return QStringLiteral("Group") + QString::number(n);
}

QString ItemKey(qsizetype n)
{
    return QStringLiteral("Item") + QString::number(n);
}

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

std::optional<int> IntegerValue(const IniDocument &document, const QString &key)
{
    const std::optional<QString> text = document.Value(kInterface, key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString Located(const QString &fileName, int errorNumber)
{
    return fileName + QStringLiteral(": ") + SystemErrorText(errorNumber);
}

// Far beyond any real settings file (a few hundred bytes per item); a larger file is some other file
// chosen by mistake, and reading it whole could exhaust memory.
constexpr qsizetype kLargestSettingsFile = qsizetype(64) * 1024 * 1024;

enum class ReadOutcome { Read, Missing, Failed };

// The whole file. Only a regular file is read: a folder, a pipe or a device in the file's place fails
// instead of blocking or running on forever.
ReadOutcome ReadWholeFile(const QString &fileName, QByteArray &bytes, QString &errorText)
{
    const QByteArray encoded = platform::EncodeFileName(fileName);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return ReadOutcome::Missing;
        errorText = Located(fileName, error);
        return ReadOutcome::Failed;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISDIR(info.st_mode))
            errorText = Located(fileName, EISDIR);
        else if (info.st_mode != 0)
            errorText = fileName + QStringLiteral(": not a regular file");
        else
            errorText = Located(fileName, error);
        return ReadOutcome::Failed;
    }
    if (info.st_size > kLargestSettingsFile) {
        ::close(fd);
        errorText = fileName + QStringLiteral(": too large for a settings file");
        return ReadOutcome::Failed;
    }
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            errorText = Located(fileName, errno);
            ::close(fd);
            return ReadOutcome::Failed;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > kLargestSettingsFile) {
            errorText = fileName + QStringLiteral(": too large for a settings file");
            ::close(fd);
            return ReadOutcome::Failed;
        }
        bytes.append(buffer, got);
    }
    ::close(fd);
    return ReadOutcome::Read;
}

void ReadInterface(ProgramState &state, const IniDocument &document)
{
    state.savedchecks = document.Value(kInterface, QStringLiteral("CheckedGroups")).value_or(QString());
    if (document.Value(kInterface, QStringLiteral("Priority")) == QStringLiteral("0"))
        state.lowpriority = true;
    state.showadvancedoptions = document.Value(kInterface, QStringLiteral("ShowAdvancedOptions")) == u"1";
    state.verboselogging = document.Value(kInterface, QStringLiteral("VerboseLogging")) == u"1";

    state.storedwindowplace = StoredWindowPlace{};
    state.storedwindowplace.top = IntegerValue(document, QStringLiteral("Top"));
    if (state.storedwindowplace.top) {
        state.storedwindowplace.left = IntegerValue(document, QStringLiteral("Left"));
        state.storedwindowplace.height = IntegerValue(document, QStringLiteral("Height"));
        state.storedwindowplace.width = IntegerValue(document, QStringLiteral("Width"));
    }
}

int ReadGroups(ProgramState &state, const IniDocument &document)
{
    int n = 0;
    for (; n < kGroupSlots; ++n) {
        const std::vector<IniEntry> &entries = document.Entries(GroupSection(n));
        if (entries.empty())
            break;
        tbackupgroup &group = state.groups[static_cast<std::size_t>(n)];
        group.clear();
        for (const IniEntry &entry : entries) {
            if (!entry.value.isEmpty())
                group.push_back(ItemRecordFromString(entry.value));
        }
        // Every group needs its title record: everyone reads a group's name from position 0.
        if (group.empty())
            group.emplace_back();
        state.groupcount = n + 1;
    }
    // The last slot is for the registry entry in front of kMaxGroups groups. A file that already starts
    // with the entry may fill it (a full table saved and read back stays whole); otherwise the surplus
    // is dropped so that the entry still fits.
    if (state.groupcount > kMaxGroups && !state.IsRegistryEntry(0)) {
        state.freegroup(kMaxGroups);
        state.groupcount = kMaxGroups;
        n = kMaxGroups;
    }
    return n;
}

// Closes fd, reporting a failure of the close itself (a late write error on some file systems).
bool CloseChecked(int fd, int &error)
{
    if (::close(fd) != 0 && errno != EINTR) {
        error = errno;
        return false;
    }
    return true;
}

bool WriteAll(int fd, const QByteArray &bytes, int &error)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void SyncFolderOf(const QByteArray &encodedFileName)
{
    const qsizetype slash = encodedFileName.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : encodedFileName.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString SettingsFileName()
{
    return QStringLiteral("backupdata.ini");
}

QString ExportFileName()
{
    return QStringLiteral("Backupdata.ini");
}

QString BackupSuffix()
{
    return QStringLiteral("_bak");
}

namespace {

bool ReadSettingsQuietly(ProgramState &state, const QString &datafilename, int &groupsInFile,
                         QString &errorText)
{
    state.clear();
    groupsInFile = 0;

    QByteArray bytes;
    if (ReadWholeFile(datafilename, bytes, errorText) == ReadOutcome::Failed)
        return false;
    groupsInFile = ApplySettingsText(state, bytes);
    return true;
}

// A settings file that exists but cannot be read would be replaced by the next save and its "_bak" by
// the save after that, so the user's groups would be gone for good. Keep it under a name of its own.
QString SetUnreadableFileAside(const QString &datafilename)
{
    struct stat status
    {
    };
    if (::lstat(platform::EncodeFileName(datafilename).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return QString();
    QString keptAs = UniqueFileName(datafilename + QStringLiteral("_unreadable"), QString(), 4, false);
    if (::rename(platform::EncodeFileName(datafilename).constData(),
                 platform::EncodeFileName(keptAs).constData()) != 0)
        return QString();
    return keptAs;
}

} // namespace

bool ReadSettings(ProgramState &state, const QString &datafilename, int &groupsInFile)
{
    QString errorText;
    if (ReadSettingsQuietly(state, datafilename, groupsInFile, errorText))
        return true;
    ShowInformation(QStringLiteral("Cannot load backup groups"), errorText);
    return false;
}

int ApplySettingsText(ProgramState &state, const QByteArray &bytes)
{
    state.clear();
    const IniDocument document = IniDocument::Parse(bytes);
    ReadInterface(state, document);
    const int groupsInFile = ReadGroups(state, document);
    state.addregistryentry(finderunt(), state.documentsfolder);
    return groupsInFile;
}

bool readdata(ProgramState &state, const QString &datafilename)
{
    int groupsInFile = 0;
    QString errorText;
    if (ReadSettingsQuietly(state, datafilename, groupsInFile, errorText))
        return true;
    const QString keptAs = SetUnreadableFileAside(datafilename);
    if (!keptAs.isEmpty())
        errorText += QStringLiteral("\r\rThe file was kept as ") + keptAs;
    ShowInformation(QStringLiteral("Cannot load backup groups"), errorText);
    return false;
}

QByteArray SettingsFileText(const ProgramState &state)
{
    IniWriter ini;
    ini.Section(kInformation);
    ini.Value(QStringLiteral("Program"), ApplicationTitle());
    ini.Value(QStringLiteral("Version"), ApplicationVersion());

    QString checks;
    for (int i = 0; i < state.groupcount; ++i)
        checks += i < state.savedchecks.size() && state.savedchecks[i] == u'1' ? u'1' : u'0';
    ini.Section(kInterface);
    ini.Value(QStringLiteral("CheckedGroups"), checks);
    ini.Value(QStringLiteral("Priority"), state.lowpriority ? QStringLiteral("0") : QStringLiteral("1"));
    ini.Value(QStringLiteral("ShowAdvancedOptions"), Flag(state.showadvancedoptions));
    ini.Value(QStringLiteral("VerboseLogging"), Flag(state.verboselogging));
    ini.Value(QStringLiteral("Top"), QString::number(state.mainwindowplace.top()));
    ini.Value(QStringLiteral("Left"), QString::number(state.mainwindowplace.left()));
    ini.Value(QStringLiteral("Height"), QString::number(state.mainwindowplace.height()));
    ini.Value(QStringLiteral("Width"), QString::number(state.mainwindowplace.width()));

    for (int n = 0; n < state.groupcount && n < kGroupSlots; ++n) {
        ini.Section(GroupSection(n));
        const tbackupgroup &group = state.groups[static_cast<std::size_t>(n)];
        for (std::size_t i = 0; i < group.size(); ++i)
            ini.Value(ItemKey(static_cast<qsizetype>(i)), itemdatastring(group[i]));
    }
    return ini.Bytes();
}

QString WriteSettingsFile(const QString &fileName, const QByteArray &bytes, bool keepBackup)
{
    const QByteArray target = platform::EncodeFileName(fileName);
    const QString temporaryName = fileName + QStringLiteral(".tmp");
    const QByteArray temporary = platform::EncodeFileName(temporaryName);

    // A temporary file left by an earlier save that died half-way is simply replaced.
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return Located(temporaryName, errno);

    struct stat previous
    {
    };
    const bool previousExists = ::lstat(target.constData(), &previous) == 0;
    // Keep the permissions the user gave the file (a settings file made private stays private).
    if (previousExists && S_ISREG(previous.st_mode))
        ::fchmod(fd, previous.st_mode & 07777);

    int error = 0;
    if (!WriteAll(fd, bytes, error) || ::fsync(fd) != 0) {
        if (error == 0)
            error = errno;
        ::close(fd);
        ::unlink(temporary.constData());
        return Located(temporaryName, error);
    }
    if (!CloseChecked(fd, error)) {
        ::unlink(temporary.constData());
        return Located(temporaryName, error);
    }

    // The previous file becomes the copy. Linking it under the copy's name first keeps the settings
    // file itself in place until the new one replaces it in one step, so no moment is without it; where
    // links are not possible it is moved instead. When there is no previous file an older copy stays:
    // it may be all that is left of an earlier save. A folder in the file's place is not touched; the
    // final rename then fails and is reported.
    const QByteArray backup = platform::EncodeFileName(fileName + BackupSuffix());
    bool movedToBackup = false;
    if (keepBackup && previousExists && !S_ISDIR(previous.st_mode)) {
        const QByteArray backupLink =
            platform::EncodeFileName(fileName + BackupSuffix() + QStringLiteral(".tmp"));
        ::unlink(backupLink.constData());
        const bool linked = ::link(target.constData(), backupLink.constData()) == 0;
        if (!linked || ::rename(backupLink.constData(), backup.constData()) != 0) {
            if (linked)
                ::unlink(backupLink.constData());
            movedToBackup = ::rename(target.constData(), backup.constData()) == 0;
        }
    }

    if (::rename(temporary.constData(), target.constData()) != 0) {
        error = errno;
        ::unlink(temporary.constData());
        if (movedToBackup)
            ::rename(backup.constData(), target.constData());
        return Located(fileName, error);
    }
    SyncFolderOf(target);
    return QString();
}

bool savedata(const ProgramState &state, const QString &datafilename, bool exporting)
{
    const QString errorText = WriteSettingsFile(datafilename, SettingsFileText(state), !exporting);
    if (errorText.isEmpty())
        return true;
    ShowInformation(QStringLiteral("Error saving backup data"), errorText);
    return false;
}

} // namespace tessel
