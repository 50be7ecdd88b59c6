#include "upgradetool.h"

#include "configpaths.h"
#include "configuremanager.h"
#include "desktopservices.h"
#include "hintbox.h"
#include "upgrade.h"
#include "xmlelement.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

const QString kValue = QStringLiteral("Value");
const QString kPrompt = QStringLiteral("Prompt");

// The text of the Value child of the first element of that name; empty when
// there is none.
QString settingOf(const XmlElement &document, const QString &name)
{
    return document.childByName(name).childByName(kValue).text().trimmed();
}

} // namespace

QString versionFromLabel(const QString &labelText)
{
    QString text = labelText;
    text.remove(QLatin1Char(' '));
    static const QRegularExpression start(QStringLiteral("v[(\\d+)]"));
    const QRegularExpressionMatch match = start.match(text);
    if (!match.hasMatch())
        return QString();
    text = text.mid(match.capturedStart());
    const int build = text.indexOf(QStringLiteral("build"));
    return build < 0 ? text.mid(1) : text.mid(1, build - 1);
}

QString serverAddressFor(unsigned translator, const QString &englishAddress,
                         const QString &chineseAddress)
{
    if (translator == 0)
        return englishAddress;
    if (translator == 1)
        return chineseAddress;
    return QString();
}

bool shouldShowUpdate(bool isNeedUpdate, bool noPrompt, const QString &newVersionText)
{
    if (!isNeedUpdate || noPrompt)
        return false;
    return newVersionText != QLatin1String("V") && newVersionText != QLatin1String("v")
        && !newVersionText.isEmpty();
}

UpgradeTool::UpgradeTool(const upgrade::tagAppProperty &property, QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent),
      m_property(property),
      m_upgrade(std::make_unique<upgrade::Upgrade>())
{
    buildForm();
    setDialogFixedSize(420, 198);
    setTitle(tr("Upgrade"));
    setConfirmButtonText(tr("Upgrade"));

    readSettings();
    m_upgrade->setServerAddr(m_serverAddress.toStdString());
    // The package goes to the desktop the same way as every other address,
    // so that tests can keep it from launching anything.
    m_upgrade->setPackageOpener([](const QUrl &file) { return aptui::openUrl(file); });

    connect(m_checkBox, &QCheckBox::stateChanged, this, &UpgradeTool::onCheckBoxStateChange);
}

UpgradeTool::~UpgradeTool() = default;

QString UpgradeTool::settingsFileName()
{
    return QStringLiteral("Upgrade.xml");
}

void UpgradeTool::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("UpgradeToolClass"));
    form->resize(395, 128);
    // The title and button bars leave less than 128 pixels of the dialog's
    // fixed 198: the form may be lower, so that the bar does not cover it.
    form->setMinimumWidth(380);
    form->setMaximumSize(395, 128);
    form->setWindowTitle(tr("UpgradeTool"));

    auto *formLayout = new QVBoxLayout(form);
    auto *frame = new QFrame(form);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    formLayout->addWidget(frame);

    auto *frameLayout = new QVBoxLayout(frame);
    auto *row = new QHBoxLayout();
    m_iconLabel = new QLabel(frame);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setFixedSize(36, 36);
    m_iconLabel->setPixmap(QPixmap(QStringLiteral(":/BatchConfigFunc/Public/Image/Public/warn.png")));
    row->addWidget(m_iconLabel);
    m_label2 = new QLabel(tr("New version found"), frame);
    m_label2->setObjectName(QStringLiteral("label_2"));
    row->addWidget(m_label2);
    m_versionLabel = new QLabel(QStringLiteral("V1.0.0"), frame);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    row->addWidget(m_versionLabel);
    row->addStretch();
    frameLayout->addLayout(row);

    m_checkBox = new QCheckBox(tr("No Prompt"), frame);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_checkBox->setChecked(false);
    frameLayout->addWidget(m_checkBox);

    setContentWidget(form);
}

void UpgradeTool::readSettings()
{
    XmlElement document;
    // A missing or broken file leaves both addresses empty and Prompt 0.
    document.load(apt::ConfigPaths::readPath(settingsFileName()));
    m_serverAddress = serverAddressFor(apt::ConfigureManager::instance()->getTranslator(),
                                       settingOf(document, QStringLiteral("ServerAddressEn")),
                                       settingOf(document, QStringLiteral("ServerAddressZh")));
    m_noPrompt = settingOf(document, kPrompt).toInt() == 0;
}

void UpgradeTool::setPrompt(bool on)
{
    XmlElement document;
    if (!document.load(apt::ConfigPaths::readPath(settingsFileName())))
        document = XmlElement::createDocument(QStringLiteral("Upgrade"));
    XmlElement prompt = document.childByName(kPrompt);
    if (prompt.isNull())
        prompt = document.appendChild(kPrompt);
    XmlElement value = prompt.childByName(kValue);
    if (value.isNull())
        value = prompt.appendChild(kValue);
    value.setText(on ? QStringLiteral("1") : QStringLiteral("0"));
    m_noPrompt = !on;
    document.save(apt::ConfigPaths::writePath(settingsFileName()));
}

bool UpgradeTool::isNoPrompt() const
{
    return m_noPrompt;
}

QString UpgradeTool::newVersionText() const
{
    return m_newVersionText;
}

QString UpgradeTool::serverAddress() const
{
    return m_serverAddress;
}

upgrade::tagAppProperty UpgradeTool::property() const
{
    return m_property;
}

upgrade::Upgrade *UpgradeTool::upgradeLibrary() const
{
    return m_upgrade.get();
}

QLabel *UpgradeTool::versionLabel() const
{
    return m_versionLabel;
}

QCheckBox *UpgradeTool::noPromptCheckBox() const
{
    return m_checkBox;
}

void UpgradeTool::checkUpdate()
{
    std::string version;
    if (m_upgrade->checkUpdate(version, m_property)) {
        m_newVersionText = QStringLiteral("V") + QString::fromStdString(version);
        m_versionLabel->setText(m_newVersionText);
        emit signalUpdateCheckOver(true);
    } else {
        emit signalUpdateCheckOver(false);
    }
}

void UpgradeTool::onUpgrade()
{
    QProgressDialog progress(tr("Downloading the update package..."), tr("Cancel"), 0, 100, this);
    progress.setWindowTitle(tr("Upgrade"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    connect(m_upgrade.get(), &upgrade::Upgrade::downloadProgress, &progress,
            [&progress](qint64 received, qint64 total) {
                if (total <= 0) {
                    // Unknown length: a busy bar.
                    progress.setRange(0, 0);
                    return;
                }
                progress.setRange(0, 100);
                progress.setValue(static_cast<int>(received * 100 / total));
            });
    connect(&progress, &QProgressDialog::canceled, m_upgrade.get(), &upgrade::Upgrade::cancelDownload);
    progress.show();

    m_upgrade->dowmloadPackage();
    progress.hide();

    QString message;
    switch (m_upgrade->lastDownloadResult()) {
    case upgrade::DownloadResult::Opened:
    case upgrade::DownloadResult::Cancelled:
    case upgrade::DownloadResult::NotStarted:
        return;
    case upgrade::DownloadResult::ChecksumMismatch:
        message = tr("The downloaded update package is damaged and was not opened.");
        break;
    case upgrade::DownloadResult::OpenFailed:
        message = tr("The update package was saved to %1 but could not be opened.")
                      .arg(m_upgrade->downloadedFile());
        break;
    case upgrade::DownloadResult::SaveFailed:
        message = tr("The update package could not be saved.");
        break;
    case upgrade::DownloadResult::NoPackage:
    case upgrade::DownloadResult::NetworkError:
    case upgrade::DownloadResult::Timeout:
        message = tr("The update package could not be downloaded.");
        break;
    }
    TarnTool::showHintBox(message, TarnTool::fileHintBoxSize, TarnTool::HintBoxKind::Notice);
}

void UpgradeTool::onCheckBoxStateChange(int state)
{
    if (state == Qt::Unchecked)
        setPrompt(true);
    else if (state == Qt::Checked)
        setPrompt(false);
}
