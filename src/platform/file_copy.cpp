#include "platform/file_copy.h"

#include "platform/fault_injection.h"
#include "platform/file_name_codec.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessel::platform {
namespace {

constexpr size_t kKernelChunk = 4 << 20; // progress and cancel are seen at least this often
constexpr size_t kBufferChunk = 1 << 20;

// Closes a descriptor and removes the temporary file unless the copy was committed.
class TemporaryFile
{
public:
    explicit TemporaryFile(QByteArray path)
        : path_(std::move(path))
    {}
    ~TemporaryFile()
    {
        if (!committed_)
            ::unlink(path_.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    const QByteArray &path() const { return path_; }
    void Commit() { committed_ = true; }

private:
    QByteArray path_;
    bool committed_ = false;
};

class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : fd_(fd)
    {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error a late write may only tell here (network file systems).
    int Close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

QByteArray FolderPart(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray TemporaryTemplate(const QByteArray &destination)
{
    return FolderPart(destination) + '/' + kTemporaryCopyPrefix + "XXXXXX";
}

CopyResult Failed(int error)
{
    return {CopyStatus::Failed, error};
}

bool EntryExistsAt(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

bool KernelCopyUnsupported(int error)
{
    return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL || error == EBADF;
}

// Copies until the source ends. Returns 0, -1 for cancelled, or an errno.
int CopyData(int in, int out, quint64 total, const QString &destination, const CopyProgress &progress)
{
    quint64 copied = 0;
    bool kernel = true;
    std::vector<char> buffer;
    for (;;) {
        if (const int injected = InjectedCopyFault(destination, copied))
            return injected;
        ssize_t done;
        if (kernel) {
            done = ::copy_file_range(in, nullptr, out, nullptr, kKernelChunk, 0);
            if (done < 0 && copied == 0 && KernelCopyUnsupported(errno)) {
                kernel = false;
                continue;
            }
        } else {
            if (buffer.empty())
                buffer.resize(kBufferChunk);
            done = ::read(in, buffer.data(), buffer.size());
            for (ssize_t written = 0; done > 0 && written < done;) {
                const ssize_t part = ::write(out, buffer.data() + written, size_t(done - written));
                if (part < 0 && errno != EINTR)
                    return errno;
                written += part < 0 ? 0 : part;
            }
        }
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (done == 0)
            return 0;
        copied += quint64(done);
        if (progress && !progress(qMax(total, copied), copied))
            return -1;
    }
}

// Data, permission bits and times into out. Returns the outcome when it is not yet a success.
std::optional<CopyResult> FillCopy(int in, int out, const struct stat &info, const QString &destination,
                                   const CopyProgress &progress)
{
    const int copied = CopyData(in, out, quint64(info.st_size), destination, progress);
    if (copied < 0)
        return CopyResult{CopyStatus::Cancelled, 0};
    if (copied > 0)
        return Failed(copied);
    // Permission bits only: set-user and set-group bits would hand the copier's rights to the copy.
    if (::fchmod(out, info.st_mode & 0777) != 0)
        return Failed(errno);
    const timespec times[2] = {info.st_atim, info.st_mtim};
    if (::futimens(out, times) != 0)
        return Failed(errno);
    return std::nullopt;
}

QByteArray RandomTemporaryName(const QByteArray &destinationPath)
{
    static std::mt19937_64 random{std::random_device{}()};
    return FolderPart(destinationPath) + '/' + kTemporaryCopyPrefix +
           QByteArray::number(quint64(random()), 36);
}

CopyResult CopyThroughTemporaryName(int in, const struct stat &info, const QByteArray &destinationPath,
                                    const QString &destination, const CopyProgress &progress)
{
    QByteArray name = TemporaryTemplate(destinationPath);
    Descriptor out(::mkostemp(name.data(), O_CLOEXEC));
    if (out.get() < 0)
        return Failed(errno);
    TemporaryFile temporary(name);
    if (const auto outcome = FillCopy(in, out.get(), info, destination, progress))
        return *outcome;
    if (const int error = out.Close())
        return Failed(error);
    if (::rename(temporary.path().constData(), destinationPath.constData()) != 0)
        return Failed(errno);
    temporary.Commit();
    return {CopyStatus::Copied, 0};
}

// EOPNOTSUPP when the file system has no unnamed files (the caller then names the copy).
CopyResult CopyThroughUnnamedFile(int in, const struct stat &info, const QByteArray &destinationPath,
                                  const QString &destination, const CopyProgress &progress)
{
    Descriptor out(::open(FolderPart(destinationPath).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (out.get() < 0)
        return Failed(errno == EISDIR || errno == EINVAL ? EOPNOTSUPP : errno);
    if (const auto outcome = FillCopy(in, out.get(), info, destination, progress))
        return *outcome;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(out.get());
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, destinationPath.constData(), AT_SYMLINK_FOLLOW) == 0)
        return {CopyStatus::Copied, 0};
    if (errno != EEXIST)
        return Failed(errno == ENOENT && !EntryExistsAt(self) ? EOPNOTSUPP : errno);
    // An older copy is there: link under a temporary name and swap it in at once.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = RandomTemporaryName(destinationPath);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return Failed(errno);
        }
        TemporaryFile temporary(name);
        if (::rename(name.constData(), destinationPath.constData()) != 0)
            return Failed(errno);
        temporary.Commit();
        return {CopyStatus::Copied, 0};
    }
    return Failed(EEXIST);
}

} // namespace

CopyResult CopyFileReplacing(const QString &source, const QString &destination, const CopyProgress &progress)
{
    const QByteArray sourcePath = EncodeFileName(source);
    const QByteArray destinationPath = EncodeFileName(destination);
    // O_NONBLOCK keeps a FIFO put in the file's place from blocking the open; O_NOFOLLOW refuses a link.
    Descriptor in(::open(sourcePath.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (in.get() < 0)
        return Failed(errno);
    struct stat info;
    if (::fstat(in.get(), &info) != 0)
        return Failed(errno);
    if (!S_ISREG(info.st_mode))
        return Failed(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL); // larger read-ahead: whole files are read

    // A new destination gets its copy through an unnamed file that is linked in once complete: no name
    // exists before the data does, and nothing needs renaming. Where the file system cannot do that,
    // or the destination exists, the copy is named and renamed over it.
    static bool unnamedFilesWork = true;
    if (unnamedFilesWork) {
        const CopyResult result =
            CopyThroughUnnamedFile(in.get(), info, destinationPath, destination, progress);
        if (result.error != EOPNOTSUPP)
            return result;
        unnamedFilesWork = false;
        if (::lseek(in.get(), 0, SEEK_SET) != 0)
            return Failed(errno);
    }
    return CopyThroughTemporaryName(in.get(), info, destinationPath, destination, progress);
}

CopyResult CopyLinkReplacing(const QString &source, const QString &destination)
{
    const QByteArray sourcePath = EncodeFileName(source);
    const QByteArray destinationPath = EncodeFileName(destination);
    struct stat info;
    if (::lstat(sourcePath.constData(), &info) != 0)
        return Failed(errno);
    if (!S_ISLNK(info.st_mode))
        return Failed(EINVAL);
    QByteArray target(qsizetype(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
    const ssize_t length = ::readlink(sourcePath.constData(), target.data(), size_t(target.size()));
    if (length < 0)
        return Failed(errno);
    if (length >= target.size())
        return Failed(ENAMETOOLONG); // the link changed while it was read
    target.truncate(length);
    if (const int injected = InjectedCopyFault(destination, 0))
        return Failed(injected);

    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = RandomTemporaryName(destinationPath);
        if (::symlink(target.constData(), name.constData()) != 0) {
            if (errno == EEXIST)
                continue;
            return Failed(errno);
        }
        TemporaryFile temporary(name);
        const timespec times[2] = {info.st_atim, info.st_mtim};
        ::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW);
        if (::rename(name.constData(), destinationPath.constData()) != 0)
            return Failed(errno);
        temporary.Commit();
        return {CopyStatus::Copied, 0};
    }
    return Failed(EEXIST);
}

} // namespace tessel::platform
