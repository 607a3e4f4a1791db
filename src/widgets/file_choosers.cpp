#include "widgets/file_choosers.h"

#include <QApplication>

namespace tessel {
namespace {

QString SelectedPath(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

class FileChooserPort final : public ChooserPort
{
public:
    QString BrowseForFolder(const QString &title, const QString &initialFolder, bool allowNewFolder) override
    {
        return SelectedPath(*CreateFolderDialog(title, initialFolder, allowNewFolder));
    }

    QString ChooseFileToOpen(const QString &title, const QString &filter,
                             const QString &initialFolder) override
    {
        return SelectedPath(*CreateOpenFileDialog(title, filter, initialFolder));
    }
};

std::unique_ptr<QFileDialog> CreateDialog(const QString &title, const QString &initialFolder)
{
    auto dialog = std::make_unique<QFileDialog>(QApplication::activeWindow(), title, initialFolder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog;
}

} // namespace

std::unique_ptr<ChooserPort> CreateFileChooserPort()
{
    return std::make_unique<FileChooserPort>();
}

QStringList DialogNameFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::unique_ptr<QFileDialog> CreateFolderDialog(const QString &title, const QString &initialFolder,
                                                bool allowNewFolder)
{
    auto dialog = CreateDialog(title, initialFolder);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    // A read-only dialog has no way to make a folder.
    dialog->setOption(QFileDialog::ReadOnly, !allowNewFolder);
    return dialog;
}

std::unique_ptr<QFileDialog> CreateOpenFileDialog(const QString &title, const QString &filter,
                                                  const QString &initialFolder)
{
    auto dialog = CreateDialog(title, initialFolder);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = DialogNameFilters(filter);
    if (!filters.isEmpty())
        dialog->setNameFilters(filters);
    return dialog;
}

} // namespace tessel
