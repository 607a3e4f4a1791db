#include "config/ini_file.h"

#include "platform/file_name_codec.h"

namespace tessel {
namespace {

QString FoldedName(const QString &name)
{
    return name.toCaseFolded();
}

const std::vector<IniEntry> &NoEntries()
{
    static const std::vector<IniEntry> none;
    return none;
}

} // namespace

IniDocument IniDocument::Parse(const QByteArray &bytes)
{
    QByteArrayView content(bytes);
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    const QString text = platform::DecodeFileName(content.data(), content.size());

    IniDocument document;
    std::vector<IniEntry> *current = nullptr;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < text.size() && text[lineEnd] != u'\r' && text[lineEnd] != u'\n')
            ++lineEnd;
        const QString line = text.mid(lineStart, lineEnd - lineStart).trimmed();
        // CR LF is one line end; a lone CR or LF is one too.
        lineStart = lineEnd + 1;
        if (lineEnd + 1 < text.size() && text[lineEnd] == u'\r' && text[lineEnd + 1] == u'\n')
            ++lineStart;

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString folded = FoldedName(line.mid(1, line.size() - 2).trimmed());
            const auto found = document.sectionIndex_.constFind(folded);
            if (found != document.sectionIndex_.constEnd()) {
                current = &document.sections_[found.value()];
            } else {
                document.sectionIndex_.insert(folded, document.sections_.size());
                current = &document.sections_.emplace_back();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (current == nullptr || equals < 0)
            continue;
        current->push_back({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return document;
}

const std::vector<IniEntry> &IniDocument::Entries(const QString &section) const
{
    const auto found = sectionIndex_.constFind(FoldedName(section));
    if (found == sectionIndex_.constEnd())
        return NoEntries();
    return sections_[found.value()];
}

std::optional<QString> IniDocument::Value(const QString &section, const QString &key) const
{
    for (const IniEntry &entry : Entries(section)) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

void IniWriter::Section(const QString &name)
{
    if (!text_.isEmpty())
        text_ += QStringLiteral("\r\n");
    text_ += u'[' + name + QStringLiteral("]\r\n");
}

void IniWriter::Value(const QString &key, const QString &value)
{
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    text_ += key + u'=' + oneLine + QStringLiteral("\r\n");
}

QByteArray IniWriter::Bytes() const
{
    return platform::EncodeFileName(text_);
}

} // namespace tessel
