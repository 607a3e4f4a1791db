#include "common/paths.h"

#include "common/system_error.h"
#include "platform/file_name_codec.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {
namespace {

const QChar kSeparator = QLatin1Char('/');

bool StatPath(const QString &path, struct stat &info)
{
    const QByteArray encoded = platform::EncodeFileName(path);
    if (::stat(encoded.constData(), &info) == 0)
        return true;
    // A dangling link still names something; report the link itself.
    return ::lstat(encoded.constData(), &info) == 0;
}

bool EntryExists(const QString &path)
{
    struct stat info = {};
    return ::lstat(platform::EncodeFileName(path).constData(), &info) == 0;
}

bool HasWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// "*" matches any run, "?" one character; letters are compared without regard to case.
bool WildcardMatches(QStringView pattern, QStringView name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starPattern = -1;
    qsizetype starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') ||
                    QStringView(pattern).mid(p, 1).compare(name.mid(n, 1), Qt::CaseInsensitive) == 0)) {
            ++p;
            ++n;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

// "*.*" means every name, as users expect from their patterns.
bool PatternMatches(const QString &pattern, const QString &name)
{
    if (pattern == QLatin1String("*.*"))
        return true;
    return WildcardMatches(pattern, name);
}

std::optional<QString> FirstMatch(const QString &pattern)
{
    const qsizetype slash = pattern.lastIndexOf(kSeparator);
    const QString folder = slash < 0 ? QStringLiteral(".") : pattern.left(slash + 1);
    const QString namePattern = pattern.mid(slash + 1);
    DIR *dir = ::opendir(platform::EncodeFileName(folder).constData());
    if (!dir)
        return std::nullopt;
    std::optional<QString> match;
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = platform::DecodeFileName(entry->d_name, qsizetype(std::strlen(entry->d_name)));
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (PatternMatches(namePattern, name)) {
            match = slash < 0 ? name : folder + name;
            break;
        }
    }
    ::closedir(dir);
    return match;
}

} // namespace

QString AddBackslash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(kSeparator))
        return path;
    return path + kSeparator;
}

QString StripBackslash(const QString &path)
{
    if (path.endsWith(kSeparator))
        return path.chopped(1);
    return path;
}

QString JoinPath(const QString &folder, const QString &name)
{
    return AddBackslash(folder) + name;
}

bool FolderExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    // The root keeps its "/": stripping it would leave no path at all.
    const QString folder = path == QLatin1String("/") ? path : StripBackslash(path);
    if (folder.isEmpty())
        return false;
    struct stat info = {};
    if (::stat(platform::EncodeFileName(folder).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode);
}

qint64 FileSizeOf(const QString &fileNameOrPattern)
{
    if (fileNameOrPattern.isEmpty())
        return -1;
    struct stat info = {};
    if (StatPath(fileNameOrPattern, info))
        return qint64(info.st_size);
    // Linux names may hold "*" and "?" themselves, so a pattern is only tried when no such name exists.
    const QString lastPart = fileNameOrPattern.mid(fileNameOrPattern.lastIndexOf(kSeparator) + 1);
    if (!HasWildcard(lastPart))
        return -1;
    const std::optional<QString> match = FirstMatch(fileNameOrPattern);
    if (!match || !StatPath(*match, info))
        return -1;
    return qint64(info.st_size);
}

QDateTime FileDateOf(const QString &fileName)
{
    struct stat info = {};
    if (fileName.isEmpty() || !StatPath(fileName, info))
        return {};
    const qint64 msecs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
}

QString UniqueFileName(const QString &fileName, const QString &infix, int digits, bool beforeExtension)
{
    const qsizetype nameStart = fileName.lastIndexOf(kSeparator) + 1;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const bool splitAtDot = beforeExtension && dot >= nameStart;
    const QString head = splitAtDot ? fileName.left(dot) : fileName;
    const QString extension = splitAtDot ? fileName.mid(dot) : QString();
    for (qint64 counter = 0;; ++counter) {
        QString candidate = head + infix + QLatin1Char('_') +
                            QStringLiteral("%1").arg(counter, qMax(0, digits), 10, QLatin1Char('0')) +
                            extension;
        // Any entry of that name, a folder or a dangling link too, would make the name unusable.
        if (!EntryExists(candidate))
            return candidate;
    }
}

std::optional<QByteArray> ReadFileToString(const QString &fileName, QString *errorText)
{
    const auto fail = [errorText](int errorNumber) -> std::optional<QByteArray> {
        if (errorText)
            *errorText = SystemErrorText(errorNumber);
        return std::nullopt;
    };
    // Not blocking on open: a named pipe in the file's place would otherwise wait for a writer.
    const int fd = ::open(platform::EncodeFileName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail(errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        const int statError = errno;
        ::close(fd);
        return fail(statError);
    }
    // Pipes and devices may never end; only files are read (a folder fails on its first read).
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
        ::close(fd);
        if (errorText)
            *errorText = QStringLiteral("Not a regular file");
        return std::nullopt;
    }
    QByteArray bytes;
    if (info.st_size > 0)
        bytes.reserve(qsizetype(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            const int readError = errno;
            ::close(fd);
            return fail(readError);
        }
        bytes.append(buffer, count);
    }
    ::close(fd);
    return bytes;
}

} // namespace tessel
