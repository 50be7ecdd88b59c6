#ifndef DEVICESINFOSAVEPAGE_H
#define DEVICESINFOSAVEPAGE_H

// The export dialog: asks for a file name and a folder and saves the rows
// handed to it as a new CSV file. It stays open until a save succeeds; the
// last folder used is remembered while the program runs.

#include "basedialog.h"
#include "deviceexporttable.h"

#include <QString>

class QEvent;
class QLabel;
class QObject;

namespace aptui {
class FilePathButton;
class MultiStateLineEdit;
} // namespace aptui

namespace TarnTool {

class DeviceCsvWriter;

class DevicesInfoSavePage : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit DevicesInfoSavePage(QWidget *parent = nullptr);
    ~DevicesInfoSavePage() override;

    // Replaces what a save writes.
    void setExportTable(const DeviceExportTable &table);

    // The folder shared by all export dialogs; empty at start, never saved.
    static QString lastExportDirectory();
    static void setLastExportDirectory(const QString &directory);

    // The file a save writes: folder + "/" + name + ".csv", without a
    // doubled separator.
    static QString exportFilePath(const QString &folder, const QString &name);

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void onBtnFilepathClicked();
    void onSaveDevicesInfoToCSV();
    void onClearLineEditFilePathError();

private:
    void buildForm();
    DeviceCsvWriter csvWriter() const;

    DeviceExportTable m_table;

    QLabel *m_labelFileName = nullptr;
    aptui::MultiStateLineEdit *m_lineEditFilename = nullptr;
    QLabel *m_labelHintFileName = nullptr;
    QLabel *m_labelFilepath = nullptr;
    aptui::MultiStateLineEdit *m_lineEditFilepath = nullptr;
    aptui::FilePathButton *m_btnFilepath = nullptr;
    QLabel *m_labelHintFilePath = nullptr;
};

} // namespace TarnTool

#endif // DEVICESINFOSAVEPAGE_H
