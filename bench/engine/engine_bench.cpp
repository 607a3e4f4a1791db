// The engine's benchmark driver: makes the workloads, changes them between runs, and runs one backup
// item through the folder engine with a run view that only counts what it is told.
//
//   engine_bench make W1|W2|W3|W1x10 <folder>     a fixed tree (same seed, same bytes, same times)
//   engine_bench run <source> <dest> <copytype> <propagate>
//   engine_bench touch <folder> <percent>          newer times on every n-th file
//   engine_bench delete <folder> <percent>         removes every n-th file
//   engine_bench stat <folder>...                  one lstat per entry, the floor of a re-run
#include "engine/folder_engine.h"
#include "log/backup_log.h"
#include "platform/directory_listing.h"
#include "platform/file_name_codec.h"
#include "platform/file_operations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tessel;

namespace {

constexpr time_t kTreeTime = 1704103200; // 2024-01-01 10:00 UTC: every made file has this time

class CountingRunView final : public engine::RunView
{
public:
    void SetLabelText(engine::RunLabel, const QString &, const QString &) override { ++labels; }
    void SetCopyingLabelVisible(bool) override {}
    void updatenumfileslabel(quint64) override { ++labels; }
    void SetProgress(int) override { ++progress; }
    void SetQuitCaption(const QString &) override {}
    void ProcessPendingMessages() override
    {
        ++pumps;
        QCoreApplication::processEvents();
    }
    void busybeep() override {}
    void ShowLowDiskSpaceNotice() override {}
    int FileLabelTextWidth(const QString &text) const override { return int(text.size()) * 7; }
    int FileLabelWidth() const override { return 400; }

    quint64 labels = 0, progress = 0, pumps = 0;
};

bool WriteFile(const QByteArray &path, const char *data, size_t size)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = true;
    for (size_t done = 0; ok && done < size;) {
        const ssize_t part = ::write(fd, data + done, size - done);
        ok = part > 0;
        done += ok ? size_t(part) : 0;
    }
    const timespec times[2] = {{kTreeTime, 0}, {kTreeTime, 0}};
    ok = ::futimens(fd, times) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

std::vector<char> RandomBytes(std::mt19937_64 &random, size_t size)
{
    std::vector<char> bytes(size);
    for (size_t i = 0; i + 8 <= size; i += 8) {
        const quint64 value = random();
        std::memcpy(bytes.data() + i, &value, 8);
    }
    return bytes;
}

int Make(const QString &kind, const QString &root)
{
    std::mt19937_64 random(20240101);
    if (platform::MakeFolderPath(root) != 0)
        return 1;
    const QByteArray base = platform::EncodeFileName(root);
    if (kind == QLatin1String("W1") || kind == QLatin1String("W1x10")) {
        // About 1,000 folders up to four levels below the root, 20 files each on average, 1 to 16 KiB.
        const int scale = kind == QLatin1String("W1x10") ? 10 : 1;
        std::vector<QByteArray> folders{base};
        for (int a = 0; a < 10 * scale; ++a) {
            const QByteArray one = base + "/dir" + QByteArray::number(a);
            folders.push_back(one);
            for (int b = 0; b < 9; ++b) {
                const QByteArray two = one + "/sub" + QByteArray::number(b);
                folders.push_back(two);
                for (int c = 0; c < 9; ++c) {
                    const QByteArray three = two + "/leaf" + QByteArray::number(c);
                    folders.push_back(three);
                    if (c == 0)
                        folders.push_back(three + "/deep");
                }
            }
        }
        for (const QByteArray &folder : folders)
            if (::mkdir(folder.constData(), 0755) != 0 && errno != EEXIST)
                return 1;
        const std::vector<char> pool = RandomBytes(random, 1 << 20);
        const int files = 20000 * scale;
        for (int i = 0; i < files; ++i) {
            const QByteArray &folder = folders[size_t(random() % folders.size())];
            const size_t size = 1024 + size_t(random() % (15 * 1024 + 1));
            const size_t offset = size_t(random() % (pool.size() - size));
            if (!WriteFile(folder + "/file" + QByteArray::number(i) + ".dat", pool.data() + offset, size))
                return 1;
        }
        for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
            const timespec times[2] = {{kTreeTime, 0}, {kTreeTime, 0}};
            ::utimensat(AT_FDCWD, it->constData(), times, 0);
        }
        return 0;
    }
    const bool medium = kind == QLatin1String("W2");
    if (!medium && kind != QLatin1String("W3"))
        return 2;
    const int count = medium ? 200 : 1;
    const size_t size = medium ? size_t(1) << 20 : size_t(1) << 30;
    const std::vector<char> block = RandomBytes(random, size_t(1) << 20);
    for (int i = 0; i < count; ++i) {
        const QByteArray path = base + "/file" + QByteArray::number(i) + ".bin";
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return 1;
        for (size_t done = 0; done < size; done += block.size())
            if (::write(fd, block.data(), block.size()) != ssize_t(block.size()))
                return 1;
        const timespec times[2] = {{kTreeTime, 0}, {kTreeTime, 0}};
        ::futimens(fd, times);
        ::close(fd);
    }
    return 0;
}

// Visits every file below root in listing order (folders breadth first).
void ForEachFile(const QString &root, const std::function<void(const QString &)> &visit)
{
    std::vector<QString> queue{root};
    std::vector<platform::DirectoryEntry> entries;
    for (size_t i = 0; i < queue.size(); ++i) {
        platform::ListDirectory(queue[i], platform::ListDetail::KindOnly, entries);
        for (const auto &entry : entries) {
            const QString full = queue[i] + QLatin1Char('/') + entry.name;
            if (entry.status.kind == platform::EntryKind::Folder)
                queue.push_back(full);
            else
                visit(full);
        }
    }
}

int Every(const QString &percentText)
{
    const int percent = percentText.toInt();
    return percent <= 0 ? 0 : 100 / percent;
}

int Touch(const QString &root, const QString &percentText)
{
    // Ten seconds past the file's own time at least, so that every touch is newer than the last copy
    // even when runs follow each other within the two seconds a packed age resolves.
    const int every = Every(percentText);
    quint64 index = 0;
    ForEachFile(root, [&](const QString &path) {
        if (!every || index++ % quint64(every) != 0)
            return;
        const QByteArray name = platform::EncodeFileName(path);
        struct stat info;
        if (::lstat(name.constData(), &info) != 0)
            return;
        const time_t when = std::max<time_t>(::time(nullptr), info.st_mtim.tv_sec + 10);
        const timespec times[2] = {{when, 0}, {when, 0}};
        ::utimensat(AT_FDCWD, name.constData(), times, AT_SYMLINK_NOFOLLOW);
    });
    return 0;
}

int Delete(const QString &root, const QString &percentText)
{
    const int every = Every(percentText);
    quint64 index = 0;
    ForEachFile(root, [&](const QString &path) {
        if (every && index++ % quint64(every) == 0)
            platform::RemoveFile(path);
    });
    return 0;
}

int Stat(const QStringList &roots)
{
    quint64 entries = 0;
    for (const QString &root : roots)
        ForEachFile(root, [&](const QString &path) {
            struct stat info;
            entries += ::lstat(platform::EncodeFileName(path).constData(), &info) == 0;
        });
    std::printf("stat pass: %llu files\n", static_cast<unsigned long long>(entries));
    return 0;
}

int Run(const QStringList &arguments)
{
    engine::truncounters counters;
    CountingRunView view;
    BackupLog log(arguments.at(1) + QStringLiteral(".bench-log.txt"), false);
    engine::FolderEngine folderEngine(counters, view, log);
    QElapsedTimer timer;
    timer.start();
    folderEngine.process(arguments.at(0), arguments.at(1), quint8(arguments.at(2).toInt()), true,
                         quint8(arguments.at(3).toInt()), false, false);
    const qint64 elapsed = timer.nsecsElapsed();
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    std::fprintf(
        stderr,
        "engine: %.3f s, copied %llu, skipped %llu, failed %llu, folders failed %llu, deleted %llu files "
        "and %llu folders, %llu pumps, peak RSS %ld KiB\n",
        double(elapsed) / 1e9, static_cast<unsigned long long>(counters.filescopied),
        static_cast<unsigned long long>(counters.filesskipped),
        static_cast<unsigned long long>(counters.filesfailed),
        static_cast<unsigned long long>(counters.foldersfailed),
        static_cast<unsigned long long>(counters.filesdeleted),
        static_cast<unsigned long long>(counters.foldersdeleted), static_cast<unsigned long long>(view.pumps),
        usage.ru_maxrss);
    ::unlink(platform::EncodeFileName(log.logfilename()).constData());
    return counters.filesfailed + counters.foldersfailed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("make") && arguments.size() == 2)
        return Make(arguments[0], arguments[1]);
    if (command == QLatin1String("run") && arguments.size() == 4)
        return Run(arguments);
    if (command == QLatin1String("touch") && arguments.size() == 2)
        return Touch(arguments[0], arguments[1]);
    if (command == QLatin1String("delete") && arguments.size() == 2)
        return Delete(arguments[0], arguments[1]);
    if (command == QLatin1String("stat") && !arguments.isEmpty())
        return Stat(arguments);
    std::fprintf(stderr, "usage: engine_bench make|run|touch|delete|stat ...\n");
    return 2;
}
