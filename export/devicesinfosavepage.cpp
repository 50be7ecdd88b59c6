#include "devicesinfosavepage.h"

#include "configuremanager.h"
#include "devicecsvwriter.h"
#include "filedialogprovider.h"
#include "filepathbutton.h"
#include "messagebox.h"
#include "multistatelineedit.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace TarnTool {

namespace {

QString &lastDirectory()
{
    static QString directory;
    return directory;
}

constexpr int maxFileNameLength = 32;

QString folderButtonStyleSheet()
{
    return QStringLiteral(
        "aptui--FilePathButton { border: 1px solid #CCCCCC; background: #FEFEFE;"
        " image: url(:/CommonSkin/TARNTool/Images/TARNTool/Dialog/icon_floder_open.png); }"
        "aptui--FilePathButton:hover, aptui--FilePathButton:pressed { border: 1px solid #666666;"
        " image: url(:/CommonSkin/TARNTool/Images/TARNTool/Dialog/icon_floder_open_hover.png); }"
        "aptui--FilePathButton:disabled { border: 1px solid #DDDDDD; background: #EEEEEE;"
        " image: url(:/CommonSkin/TARNTool/Images/TARNTool/Dialog/icon_floder_open_dis.png); }");
}

// The model's own header texts, as the device table shows them.
QString modelHeader(const char *text)
{
    return QCoreApplication::translate("TarnTool::DeviceInfoModel", text);
}

} // namespace

DevicesInfoSavePage::DevicesInfoSavePage(QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
{
    buildForm();
    setTitle(tr("Export"));
    setDialogFixedSize(510, 362);
    setEnableConfirm(false);

    connect(m_btnFilepath, &aptui::FilePathButton::clicked, this,
            &DevicesInfoSavePage::onClearLineEditFilePathError);
    connect(m_btnFilepath, &aptui::FilePathButton::clicked, this,
            &DevicesInfoSavePage::onBtnFilepathClicked);
    connect(this, &aptui::BaseDialog::signalConfirmButtonClicked, this,
            &DevicesInfoSavePage::onSaveDevicesInfoToCSV);

    m_lineEditFilename->setFocus();
}

DevicesInfoSavePage::~DevicesInfoSavePage() = default;

void DevicesInfoSavePage::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("DevicesInfoSavePage"));
    auto *grid = new QGridLayout(form);
    grid->setVerticalSpacing(20);
    grid->setContentsMargins(88, 70, 88, 70);

    m_labelFileName = new QLabel(tr("File name:"), form);
    m_labelFileName->setObjectName(QStringLiteral("m_labelFileName"));
    grid->addWidget(m_labelFileName, 0, 0);

    m_lineEditFilename = new aptui::MultiStateLineEdit(form);
    m_lineEditFilename->setObjectName(QStringLiteral("m_lineEditFilename"));
    m_lineEditFilename->setMaxLength(maxFileNameLength);
    m_lineEditFilename->setMinimumHeight(30);
    grid->addWidget(m_lineEditFilename, 0, 1, 1, 2);

    m_labelHintFileName = new QLabel(form);
    m_labelHintFileName->setObjectName(QStringLiteral("m_labelHintFileName"));
    m_labelHintFileName->setFixedSize(24, 24);
    grid->addWidget(m_labelHintFileName, 0, 3);

    m_labelFilepath = new QLabel(tr("File path:"), form);
    m_labelFilepath->setObjectName(QStringLiteral("m_labelFilepath"));
    grid->addWidget(m_labelFilepath, 1, 0);

    m_lineEditFilepath = new aptui::MultiStateLineEdit(form);
    m_lineEditFilepath->setObjectName(QStringLiteral("m_lineEditFilepath"));
    m_lineEditFilepath->setMinimumHeight(30);
    m_lineEditFilepath->setText(lastDirectory());
    grid->addWidget(m_lineEditFilepath, 1, 1);

    m_btnFilepath = new aptui::FilePathButton(form);
    m_btnFilepath->setObjectName(QStringLiteral("m_btnFilepath"));
    m_btnFilepath->setMinimumSize(30, 30);
    m_btnFilepath->setStyleSheet(folderButtonStyleSheet());
    grid->addWidget(m_btnFilepath, 1, 2);

    m_labelHintFilePath = new QLabel(form);
    m_labelHintFilePath->setObjectName(QStringLiteral("m_labelHintFilePath"));
    m_labelHintFilePath->setFixedSize(24, 24);
    grid->addWidget(m_labelHintFilePath, 1, 3);

    m_lineEditFilename->installEventFilter(this);
    m_lineEditFilepath->installEventFilter(this);

    setContentWidget(form);
}

void DevicesInfoSavePage::setExportTable(const DeviceExportTable &table)
{
    m_table = table;
}

QString DevicesInfoSavePage::lastExportDirectory()
{
    return lastDirectory();
}

void DevicesInfoSavePage::setLastExportDirectory(const QString &directory)
{
    lastDirectory() = directory;
}

QString DevicesInfoSavePage::exportFilePath(const QString &folder, const QString &name)
{
    QString directory = QDir::fromNativeSeparators(folder);
    if (!directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    return directory + name + QStringLiteral(".csv");
}

bool DevicesInfoSavePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_lineEditFilename) {
            m_labelHintFileName->clear();
            m_lineEditFilename->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
        } else if (watched == m_lineEditFilepath) {
            onClearLineEditFilePathError();
        }
    }
    return aptui::BaseDialog::eventFilter(watched, event);
}

void DevicesInfoSavePage::onClearLineEditFilePathError()
{
    m_labelHintFilePath->clear();
    m_lineEditFilepath->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
}

void DevicesInfoSavePage::onBtnFilepathClicked()
{
    const QString chosen = fileDialogProvider()->getExistingDirectory(
        this, QString(), lastDirectory(), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return;
    lastDirectory() = chosen;
    // The field ends in the platform's own separator, so that the text shown
    // is a folder the platform can open.
    QString shown = chosen;
    if (!shown.endsWith(QDir::separator()) && !shown.endsWith(QLatin1Char('/')))
        shown += QDir::separator();
    m_lineEditFilepath->setText(shown);
}

DeviceCsvWriter DevicesInfoSavePage::csvWriter() const
{
    DeviceCsvWriter writer;
    const apt::ConfigureManager *settings = apt::ConfigureManager::instance();
    if (settings->getVersionType() == 1 && settings->getTranslator() == 1)
        writer.setExcludedHeaders({modelHeader("Support Pellaris"), modelHeader("Pellaris Status")});
    writer.setHeaderRenames({
        {modelHeader("Serial Number"), tr("Device Serial Number")},
        {modelHeader("ID"), tr("Index")},
    });
    return writer;
}

void DevicesInfoSavePage::onSaveDevicesInfoToCSV()
{
    const QString folder = m_lineEditFilepath->text();
    if (!folder.isEmpty())
        lastDirectory() = folder;

    const QPoint position = messagePosition(this);
    const QString name = m_lineEditFilename->text();
    if (name.isEmpty()) {
        showMessage(position, MessageKind::Error, tr("Please input file name."), this,
                    m_lineEditFilename, m_labelHintFileName);
        return;
    }
    if (folder.isEmpty()) {
        showMessage(position, MessageKind::Error, tr("Please input file path."), this,
                    m_lineEditFilepath, m_labelHintFilePath);
        return;
    }
    // A separator in the name would place the file outside the chosen folder.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        showMessage(position, MessageKind::Error, tr("Saving failed."), this);
        return;
    }

    switch (csvWriter().writeNewFile(exportFilePath(folder, name), m_table)) {
    case DeviceCsvWriter::WriteResult::FileExists:
        showMessage(position, MessageKind::Error,
                    tr("The file name has been used, please change it"), this);
        return;
    case DeviceCsvWriter::WriteResult::Failed:
        showMessage(position, MessageKind::Error, tr("Saving failed."), this);
        return;
    case DeviceCsvWriter::WriteResult::Written:
        break;
    }
    showMessage(position, MessageKind::Ok, tr("Saving succeed."), this);
    accept();
}

} // namespace TarnTool
