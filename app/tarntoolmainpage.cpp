#include "tarntoolmainpage.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "aboutdialog.h"
#include "configuremanager.h"
#include "coverwidget.h"
#include "devicedisplaypage.h"
#include "deviceinfo.h"
#include "devicemodifypage.h"
#include "hintbox.h"
#include "menu.h"
#include "pinbutton.h"
#include "tarndeviceinfo.h"
#include "tarnhandler.h"
#include "targetpath.h"
#include "tipdialog.h"
#include "upgradetool.h"
#include "windowtitle.h"
#include "xmlelement.h"

namespace TarnTool {

namespace {
constexpr int PinWidth = 20;
constexpr int PinButtonHeight = 80;
}

TARNToolMainPage::TARNToolMainPage(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TARNToolMainPage"));
    resize(833, 583);
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *grid = new QGridLayout(central);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto *vertical = new QVBoxLayout;
    vertical->setObjectName(QStringLiteral("verticalLayout"));
    vertical->setSpacing(0);
    grid->addLayout(vertical, 0, 0);
    setCentralWidget(central);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    pageLayout = new QHBoxLayout;
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    titleBar_ = new aptui::WindowTitle(this);
    displayPage_ = new DeviceDisplayPage(this);
    modifyPage_ = new DeviceModifyPage(this);
    rightSpace_ = new QWidget(this);
    rightSpace_->setObjectName(QStringLiteral("rightSpace"));
    rightSpace_->setFixedWidth(10);
    pageLayout->addWidget(displayPage_, 1);
    // Room for the pin strip, which floats between the list and the panel.
    pageLayout->addSpacing(PinWidth);
    pageLayout->addWidget(modifyPage_);
    pageLayout->addWidget(rightSpace_);
    vertical->addWidget(titleBar_);
    vertical->addLayout(pageLayout, 1);
    rightSpace_->hide();

    // The strip and the button float above the pages, placed by onMovePinButtion().
    pinBorder_ = new QWidget(this);
    pinBorder_->setObjectName(QStringLiteral("m_PinBorder"));
    pinBorder_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pinBorder_->setAttribute(Qt::WA_StyledBackground);
    pinButton_ = new aptui::PinButton(this);
    pinButton_->raise();
    pinButton_->setBuddy(modifyPage_);
    pinButton_->setObjectName(QStringLiteral("m_pSpreadButton"));

    titleBar_->setTitle(tr("TARN Tool"));
    setWindowTitle(tr("TARN Tool"));
    titleBar_->setLogo();
    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/SystemInfo/logo_large.png")));

    cover_ = new aptui::CoverWidget(this);
    cover_->hide();
    cover_->lower();
    systemMenu_ = new aptui::Menu(this);
    systemMenu_->setObjectName(QStringLiteral("aboutMenu"));
    systemMenu_->setWindowFlags(systemMenu_->windowFlags() | Qt::Popup | Qt::FramelessWindowHint);
    systemMenu_->setAttribute(Qt::WA_TranslucentBackground);
    systemMenu_->setFocusPolicy(Qt::NoFocus);
    aboutAction_ = new AboutDialog(this);
    systemMenu_->addAction(aboutAction_);
    buildUpgradeTool();

    connect(titleBar_, &aptui::WindowTitle::signalSystemMenu, this, &TARNToolMainPage::OnBtnSystemMenu,
            Qt::DirectConnection);
    connect(aboutAction_, &AboutDialog::signalCover, this, &TARNToolMainPage::enableCover);
    connect(aboutAction_, &AboutDialog::signalDiscover, this, &TARNToolMainPage::disableCover);
    connect(this, &TARNToolMainPage::signalGetHelp, aboutAction_, &AboutDialog::onGetHelp);

    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    qRegisterMetaType<DeviceInfo>("DeviceInfo");
    TARN::TarnHandler *handler = TARN::TarnHandler::Instance();
    connect(handler, &TARN::TarnHandler::signalDeviceOnline, displayPage_, &DeviceDisplayPage::onDeviceLogin);
    connect(handler, &TARN::TarnHandler::signalDeviceOffline, displayPage_, &DeviceDisplayPage::onDeviceLogout);
    connect(handler, &TARN::TarnHandler::signalDeviceUpdate, displayPage_, &DeviceDisplayPage::onDeviceUpdate);
    // Direct: the panel has taken the selection in before the list goes on.
    connect(displayPage_, &DeviceDisplayPage::signalCurrentSelectionModelChange, modifyPage_,
            &DeviceModifyPage::onCurrentSelectionChange, Qt::DirectConnection);
    connect(modifyPage_, &DeviceModifyPage::signalModifyResult, displayPage_, &DeviceDisplayPage::onDevicesModifyResult);
    connect(modifyPage_, &DeviceModifyPage::signalActiveResult, displayPage_, &DeviceDisplayPage::onDevicesActiveResult);
    connect(pinButton_, &aptui::PinButton::pinButtonClicked, this, &TARNToolMainPage::onMovePinButtion);
    connect(pinButton_, &aptui::PinButton::pinButtonClicked, this, &TARNToolMainPage::onShowOrHideRightSpace);
    connect(displayPage_, &DeviceDisplayPage::signalCoverMainPage, this, &TARNToolMainPage::enableCover);
    connect(displayPage_, &DeviceDisplayPage::signalDisCoverMainPage, this, &TARNToolMainPage::disableCover);
    connect(modifyPage_, &DeviceModifyPage::signalCoverMainPage, this, &TARNToolMainPage::enableCover);
    connect(modifyPage_, &DeviceModifyPage::signalDisCoverMainPage, this, &TARNToolMainPage::disableCover);

    startDiscovery();
}

TARNToolMainPage::~TARNToolMainPage()
{
    // The handler outlives the window; nothing may reach the destroyed pages.
    TARN::TarnHandler::Instance()->disconnect(this);
    TARN::TarnHandler::Instance()->disconnect(displayPage_);
}

void TARNToolMainPage::buildUpgradeTool()
{
    // Read here without the configuration's default: a missing entry counts as 0.
    XmlElement setup;
    int versionType = 0;
    if (setup.load(GetTargetPath() + QStringLiteral("Setup.xml")))
        versionType = setup.childByName(QStringLiteral("VersionType")).childByName(QStringLiteral("Value")).text().toInt();
    if (versionType != 0)
        return;
    const upgrade::tagAppProperty property{0, versionType, "TARNTool",
                                           versionFromLabel(aboutAction_->versionText()).toStdString()};
    upgradeTool_ = std::make_unique<UpgradeTool>(property);
    connect(upgradeTool_.get(), &UpgradeTool::signalUpdateCheckOver, this, &TARNToolMainPage::onUpdateCheckOver);
}

UpgradeTool *TARNToolMainPage::upgradeTool() const
{
    return upgradeTool_.get();
}

bool TARNToolMainPage::isUpdateCheckScheduled() const
{
    return startupCheckDone;
}

void TARNToolMainPage::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The only check: once, shortly after the first show.
    if (!startupCheckDone) {
        startupCheckDone = true;
        if (upgradeTool_)
            QTimer::singleShot(1000, upgradeTool_.get(), &UpgradeTool::checkUpdate);
    }
}

void TARNToolMainPage::onUpdateCheckOver(bool isNeedUpdate)
{
    if (!upgradeTool_ || !shouldShowUpdate(isNeedUpdate, upgradeTool_->isNoPrompt(), upgradeTool_->newVersionText()))
        return;
    enableCover();
    const bool accepted = upgradeTool_->exec() == QDialog::Accepted;
    disableCover();
    // The download with its progress and failure messages.
    if (accepted)
        upgradeTool_->onUpgrade();
}

void TARNToolMainPage::startDiscovery()
{
    TARN::TarnHandler *handler = TARN::TarnHandler::Instance();
    handler->setFilterRule(apt::ConfigureManager::instance()->isFilterOn());
    if (!handler->start()) {
        // The window still opens, with an empty list.
        showHintBox(tr("Initialization failed."), startupHintBoxSize, HintBoxKind::Notice);
    }
}

DeviceDisplayPage *TARNToolMainPage::displayPage() const { return displayPage_; }
DeviceModifyPage *TARNToolMainPage::modifyPage() const { return modifyPage_; }
aptui::PinButton *TARNToolMainPage::pinButton() const { return pinButton_; }
QWidget *TARNToolMainPage::pinBorder() const { return pinBorder_; }
QWidget *TARNToolMainPage::rightSpace() const { return rightSpace_; }
aptui::WindowTitle *TARNToolMainPage::titleBar() const { return titleBar_; }
aptui::CoverWidget *TARNToolMainPage::cover() const { return cover_; }
aptui::Menu *TARNToolMainPage::systemMenu() const { return systemMenu_; }
AboutDialog *TARNToolMainPage::aboutAction() const { return aboutAction_; }
bool TARNToolMainPage::isCovered() const { return coverOn; }

void TARNToolMainPage::onMovePinButtion()
{
    if (!modifyPage_ || !pinButton_)
        return;
    const int h = height();
    const int w = width();
    const int t = titleBar_->height();
    pinBorder_->setFixedSize(PinWidth, h - t);
    pinButton_->setFixedSize(PinWidth, PinButtonHeight);
    const int buttonY = int(0.3 * h - 20);
    // isHidden(): the panel counts as shown even before the window is.
    if (!modifyPage_->isHidden()) {
        const int x = w - PinWidth - modifyPage_->width();
        pinBorder_->move(x + 1, t);
        pinButton_->move(x + 1, buttonY);
        pinButton_->setObjectName(QStringLiteral("m_pUnSpreadButton"));
    } else {
        const int x = w - PinWidth - 11;
        pinButton_->move(x, buttonY);
        pinBorder_->move(x, t);
        pinButton_->setObjectName(QStringLiteral("m_pSpreadButton"));
    }
    pinButton_->raise();
}

void TARNToolMainPage::onShowOrHideRightSpace()
{
    rightSpace_->setVisible(modifyPage_->isHidden());
}

void TARNToolMainPage::OnBtnSystemMenu()
{
    systemMenu_->popup(QCursor::pos() - QPoint(190, 0));
}

void TARNToolMainPage::setCover(bool coverIt)
{
    if (coverIt) {
        cover_->show();
        cover_->move(0, 0);
        cover_->raise();
    } else {
        cover_->hide();
        cover_->lower();
    }
    coverOn = coverIt;
}

void TARNToolMainPage::enableCover()
{
    setCover(true);
}

void TARNToolMainPage::disableCover()
{
    setCover(false);
}

void TARNToolMainPage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        emit signalGetHelp();
}

void TARNToolMainPage::resizeEvent(QResizeEvent *event)
{
    if (cover_) {
        cover_->resize(event->size());
        if (coverOn)
            cover_->move(0, 0);
    }
    onMovePinButtion();
    QMainWindow::resizeEvent(event);
}

void TARNToolMainPage::closeEvent(QCloseEvent *event)
{
    enableCover();
    TipDialog question(this);
    question.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    question.setDialogFixedSize(350, 220);
    question.setTitle(tr("Exit"));
    question.setText(tr("Exit the TARN software?"));
    if (question.exec() == QDialog::Accepted) {
        event->accept();
    } else {
        disableCover();
        event->ignore();
    }
}

} // namespace TarnTool
