#include "log/line_file.h"

#include "platform/file_name_codec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

constexpr mode_t kNewFileMode = 0666; // narrowed by the umask, like any file the user makes

bool WriteAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

int OpenRetrying(const QByteArray &path, int flags)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags, kNewFileMode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

QByteArray LineBytes(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\n', ' ');
    bytes += "\r\n";
    return bytes;
}

AppendResult AppendToFile(const QString &fileName, const QByteArray &bytes)
{
    if (fileName.isEmpty())
        return AppendResult::CouldNotCreate;
    const QByteArray path = platform::EncodeFileName(fileName);
    // One call both creates a missing file and opens an existing one for appending. Without a reader a
    // named pipe in the log's place would block the open for ever; non-blocking, it fails instead
    // (regular files ignore the flag).
    const int fd = OpenRetrying(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        struct stat info;
        return ::lstat(path.constData(), &info) == 0 ? AppendResult::CouldNotOpen
                                                     : AppendResult::CouldNotCreate;
    }
    const bool written = WriteAll(fd, bytes.constData(), bytes.size());
    const bool closed = ::close(fd) == 0;
    return written && closed ? AppendResult::Appended : AppendResult::WriteFailed;
}

bool RecreateEmptyFile(const QString &fileName)
{
    const QByteArray path = platform::EncodeFileName(fileName);
    if (::unlink(path.constData()) != 0)
        return false;
    const int fd = OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    return ::close(fd) == 0;
}

bool LogFileExists(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    struct stat info;
    return ::stat(platform::EncodeFileName(fileName).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace tessel
