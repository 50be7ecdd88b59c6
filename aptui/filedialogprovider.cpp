#include "filedialogprovider.h"

namespace TarnTool {

namespace {

std::unique_ptr<FileDialogProvider> &currentProvider()
{
    static std::unique_ptr<FileDialogProvider> provider;
    if (!provider)
        provider = std::make_unique<FileDialogProvider>();
    return provider;
}

} // namespace

FileDialogProvider::FileDialogProvider() = default;

FileDialogProvider::~FileDialogProvider() = default;

QString FileDialogProvider::getSaveFileName(QWidget *parent, const QString &caption,
                                            const QString &directory, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

QString FileDialogProvider::getOpenFileName(QWidget *parent, const QString &caption,
                                            const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString FileDialogProvider::getExistingDirectory(QWidget *parent, const QString &caption,
                                                 const QString &directory,
                                                 QFileDialog::Options options)
{
    return QFileDialog::getExistingDirectory(parent, caption, directory, options);
}

FileDialogProvider *fileDialogProvider()
{
    return currentProvider().get();
}

void setFileDialogProvider(std::unique_ptr<FileDialogProvider> provider)
{
    currentProvider() = std::move(provider);
}

} // namespace TarnTool
