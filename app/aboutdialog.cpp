#include "aboutdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "configuremanager.h"
#include "desktopservices.h"
#include "hintbox.h"

AboutDialog::AboutDialog(QObject *parent) : aptui::CDlgAbout(parent)
{
    setName(tr("TARN"));
    setCornerButtonText(tr("User Help"));
    setBottomVisible(false);
    setVersion(versionString());
    connect(this, &CDlgAbout::signalConerBtnClicked, this, &AboutDialog::onGetHelp);
    setButton2Visible(true);
    setButton2Text(tr("Open Source License"));
    connect(this, &CDlgAbout::siganlBtn2Clicked, this, &AboutDialog::onGetOpenSourceLicense);
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::versionString()
{
    return QStringLiteral("v3.0.0.21build") + QString::number(buildNumber());
}

QString AboutDialog::localManualFileName()
{
    return QStringLiteral("TARN 用户手册.pdf");
}

QString AboutDialog::manualPath(unsigned translator, const QString &folder)
{
    QString address = folder;
    if (translator == 1)
        address += QLatin1Char('/') + localManualFileName();
    else if (translator == 0)
        address += QStringLiteral("/TARN User Manual.pdf");
    return address;
}

bool AboutDialog::onGetHelp()
{
    const unsigned translator = apt::ConfigureManager::instance()->getTranslator();
    const QString path = manualPath(translator, QDir::currentPath());
    // The desktop may "open" a missing file without complaint, so the manual
    // has to be there first. A local-file address keeps the spaces and the
    // Chinese name intact.
    if (!QFileInfo::exists(path) || !aptui::openUrl(QUrl::fromLocalFile(path))) {
        showNotice(tr("No user manual found."));
        return false;
    }
    return true;
}

bool AboutDialog::onGetOpenSourceLicense()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Open Source Software Licenses");
    if (!QFileInfo(folder).isDir() || !aptui::openUrl(QUrl::fromLocalFile(folder))) {
        showNotice(tr("Open Open Source Software Licenses file directory failed."));
        return false;
    }
    return true;
}

void AboutDialog::showNotice(const QString &text)
{
    emit signalCover();
    TarnTool::showHintBox(text, TarnTool::fileHintBoxSize, TarnTool::HintBoxKind::Notice);
    emit signalDiscover();
}
