#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <ostream>

// Real trees in a temporary folder: a builder that sets contents and modification times, and a
// snapshot that two trees can be compared by.
namespace tessel::test {

enum class NodeKind { File, Folder, Link, Other };

struct Node
{
    NodeKind kind = NodeKind::File;
    QByteArray content; // file contents, or a link's target
    qint64 mtimeSeconds = 0;
    bool operator==(const Node &other) const { return kind == other.kind && content == other.content; }
};

// Relative path ("a/b.txt") to what lies there. Compared by kind and content; times are looked at
// separately where they matter.
using Tree = std::map<QString, Node>;

// Reads a tree without following links; the root itself is not part of it.
Tree ReadTree(const QString &root);

std::ostream &operator<<(std::ostream &out, const Tree &tree);
void PrintTo(const Tree &tree, std::ostream *out);

// A fixed moment well inside the range packed file ages can hold.
QDateTime FixedTime(int dayOffset = 0, int secondOffset = 0);

class TreeBuilder
{
public:
    TreeBuilder();
    ~TreeBuilder(); // removes what Qt's own removal cannot name (bytes that are not UTF-8)
    const QString &root() const { return root_; }
    QString path(const QString &relative) const { return root_ + QLatin1Char('/') + relative; }

    // Parents are made as needed. Times default to FixedTime().
    TreeBuilder &file(const QString &relative, const QByteArray &content,
                      const QDateTime &mtime = FixedTime());
    TreeBuilder &folder(const QString &relative);
    TreeBuilder &link(const QString &relative, const QByteArray &target);
    TreeBuilder &fifo(const QString &relative);
    TreeBuilder &touch(const QString &relative, const QDateTime &mtime);
    TreeBuilder &setFolderTime(const QString &relative, const QDateTime &mtime);

private:
    QTemporaryDir dir_;
    QString root_;
};

} // namespace tessel::test
