#ifndef FILEDIALOGPROVIDER_H
#define FILEDIALOGPROVIDER_H

// The one way pages ask the user for a file or a folder. The default answers
// with the platform's file dialogs; tests put a provider of their own in its
// place (setFileDialogProvider) so that no native dialog ever opens.

#include <QFileDialog>
#include <QString>

#include <memory>

class QWidget;

namespace TarnTool {

class FileDialogProvider
{
public:
    FileDialogProvider();
    virtual ~FileDialogProvider();

    FileDialogProvider(const FileDialogProvider &) = delete;
    FileDialogProvider &operator=(const FileDialogProvider &) = delete;

    // Each returns the chosen path, or an empty text when the user cancelled.
    virtual QString getSaveFileName(QWidget *parent, const QString &caption,
                                    const QString &directory, const QString &filter);
    virtual QString getOpenFileName(QWidget *parent, const QString &caption,
                                    const QString &directory, const QString &filter);
    virtual QString getExistingDirectory(QWidget *parent, const QString &caption,
                                         const QString &directory,
                                         QFileDialog::Options options = QFileDialog::ShowDirsOnly);
};

// The provider in use; never null.
FileDialogProvider *fileDialogProvider();

// Replaces the provider; null restores the platform's dialogs.
void setFileDialogProvider(std::unique_ptr<FileDialogProvider> provider);

} // namespace TarnTool

#endif // FILEDIALOGPROVIDER_H
