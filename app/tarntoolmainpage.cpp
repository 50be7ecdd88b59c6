#include "tarntoolmainpage.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "tipdialog.h"
#include "windowtitle.h"

namespace TarnTool {

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

    m_titleBar = new aptui::WindowTitle(this);
    m_titleBar->setTitle(tr("TARN Tool"));
    m_titleBar->setLogo();
    setWindowTitle(tr("TARN Tool"));
    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/SystemInfo/logo_large.png")));

    auto *pageArea = new QWidget(this);
    pageArea->setObjectName(QStringLiteral("pageArea"));
    vertical->addWidget(m_titleBar);
    vertical->addWidget(pageArea, 1);
}

TARNToolMainPage::~TARNToolMainPage() = default;

void TARNToolMainPage::onMovePinButtion()
{
}

void TARNToolMainPage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        emit signalGetHelp();
}

void TARNToolMainPage::closeEvent(QCloseEvent *event)
{
    TipDialog question(this);
    question.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    question.setDialogFixedSize(350, 220);
    question.setTitle(tr("Exit"));
    question.setText(tr("Exit the TARN software?"));
    if (question.exec() == QDialog::Accepted)
        event->accept();
    else
        event->ignore();
}

} // namespace TarnTool
