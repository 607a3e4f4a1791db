#include "support/file_tree.h"

#include "platform/directory_listing.h"
#include "platform/file_name_codec.h"
#include "platform/file_operations.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel::test {
namespace {

using platform::EncodeFileName;

void ReadInto(const QString &root, const QString &prefix, Tree &tree)
{
    std::vector<platform::DirectoryEntry> entries;
    platform::ListDirectory(root, platform::ListDetail::FullStatus, entries);
    for (const auto &entry : entries) {
        const QString relative = prefix + entry.name;
        const QString full = root + QLatin1Char('/') + entry.name;
        Node node;
        node.mtimeSeconds = entry.status.mtime.tv_sec;
        switch (entry.status.kind) {
        case platform::EntryKind::Folder:
            node.kind = NodeKind::Folder;
            ReadInto(full, relative + QLatin1Char('/'), tree);
            break;
        case platform::EntryKind::Link: {
            node.kind = NodeKind::Link;
            char target[4096];
            const ssize_t length = ::readlink(EncodeFileName(full).constData(), target, sizeof target);
            node.content = QByteArray(target, length < 0 ? 0 : qsizetype(length));
            break;
        }
        case platform::EntryKind::File: {
            const int fd = ::open(EncodeFileName(full).constData(), O_RDONLY);
            char buffer[65536];
            for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
                node.content.append(buffer, qsizetype(got));
            if (fd >= 0)
                ::close(fd);
            break;
        }
        case platform::EntryKind::Other:
            node.kind = NodeKind::Other;
            break;
        }
        tree[relative] = node;
    }
}

void SetTime(const QString &path, const QDateTime &mtime)
{
    const timespec times[2] = {{mtime.toSecsSinceEpoch(), 0}, {mtime.toSecsSinceEpoch(), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, EncodeFileName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

QString ParentOf(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')));
}

void RemoveContents(const QString &folder)
{
    std::vector<platform::DirectoryEntry> entries;
    platform::ListDirectory(folder, platform::ListDetail::KindOnly, entries);
    for (const auto &entry : entries) {
        const QString full = folder + QLatin1Char('/') + entry.name;
        if (entry.status.kind == platform::EntryKind::Folder) {
            ::chmod(EncodeFileName(full).constData(), 0700);
            RemoveContents(full);
            platform::RemoveEmptyFolder(full);
        } else {
            platform::RemoveFile(full);
        }
    }
}

} // namespace

Tree ReadTree(const QString &root)
{
    Tree tree;
    ReadInto(root, QString(), tree);
    return tree;
}

std::ostream &operator<<(std::ostream &out, const Tree &tree)
{
    static const char *kinds[] = {"file", "folder", "link", "other"};
    out << "{\n";
    for (const auto &[path, node] : tree)
        out << "  " << path.toStdString() << " (" << kinds[int(node.kind)] << ") "
            << node.content.left(40).toStdString() << "\n";
    return out << "}";
}

void PrintTo(const Tree &tree, std::ostream *out)
{
    *out << tree;
}

QDateTime FixedTime(int dayOffset, int secondOffset)
{
    return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 8)).addDays(dayOffset).addSecs(secondOffset);
}

TreeBuilder::TreeBuilder()
    : root_(dir_.path())
{}

TreeBuilder::~TreeBuilder()
{
    RemoveContents(root_);
}

TreeBuilder &TreeBuilder::file(const QString &relative, const QByteArray &content, const QDateTime &mtime)
{
    const QString full = path(relative);
    EXPECT_EQ(platform::MakeFolderPath(ParentOf(full)), 0);
    const QByteArray name = EncodeFileName(full);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0) << name.constData();
    if (fd >= 0) {
        EXPECT_EQ(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
        ::close(fd);
    }
    SetTime(full, mtime);
    return *this;
}

TreeBuilder &TreeBuilder::folder(const QString &relative)
{
    EXPECT_EQ(platform::MakeFolderPath(path(relative)), 0);
    return *this;
}

TreeBuilder &TreeBuilder::link(const QString &relative, const QByteArray &target)
{
    const QString full = path(relative);
    EXPECT_EQ(platform::MakeFolderPath(ParentOf(full)), 0);
    EXPECT_EQ(::symlink(target.constData(), EncodeFileName(full).constData()), 0);
    SetTime(full, FixedTime());
    return *this;
}

TreeBuilder &TreeBuilder::fifo(const QString &relative)
{
    const QString full = path(relative);
    EXPECT_EQ(platform::MakeFolderPath(ParentOf(full)), 0);
    EXPECT_EQ(::mkfifo(EncodeFileName(full).constData(), 0644), 0);
    return *this;
}

TreeBuilder &TreeBuilder::touch(const QString &relative, const QDateTime &mtime)
{
    SetTime(path(relative), mtime);
    return *this;
}

TreeBuilder &TreeBuilder::setFolderTime(const QString &relative, const QDateTime &mtime)
{
    SetTime(path(relative), mtime);
    return *this;
}

} // namespace tessel::test
