#include "platform/directory_listing.h"

#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::platform {

EntryKind KindOfMode(mode_t mode); // file_status.cpp

namespace {

std::optional<EntryKind> KindOfDirectoryType(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        return EntryKind::Link;
    case DT_FIFO:
    case DT_SOCK:
    case DT_CHR:
    case DT_BLK:
        return EntryKind::Other;
    default:
        return std::nullopt; // the file system does not say: ask lstat
    }
}

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

int ListDirectory(const QString &folder, ListDetail detail, std::vector<DirectoryEntry> &entries)
{
    entries.clear();
    if (const int injected = InjectedListFault(folder))
        return injected;
    const int descriptor = ::open(EncodeFileName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    DIR *directory = ::fdopendir(descriptor);
    if (!directory) {
        const int error = errno;
        ::close(descriptor);
        return error;
    }
    int result = 0;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(directory);
        if (!entry) {
            result = errno;
            break;
        }
        if (IsDotOrDotDot(entry->d_name))
            continue;
        DirectoryEntry item;
        const auto kind = KindOfDirectoryType(entry->d_type);
        if (detail == ListDetail::FullStatus || !kind) {
            struct stat info;
            if (::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // removed since it was listed
            item.status =
                FileStatus{KindOfMode(info.st_mode), quint64(info.st_size), info.st_mtim, info.st_mode};
        } else {
            item.status.kind = *kind;
        }
        item.name = DecodeFileName(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        entries.push_back(std::move(item));
    }
    ::closedir(directory);
    return result;
}

} // namespace tessel::platform
