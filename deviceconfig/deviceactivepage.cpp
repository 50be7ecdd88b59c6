#include "deviceactivepage.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace TarnTool {

namespace {

const char *const notActivatedPicture =
    ":/CommonSkin/TARNTool/Images/TARNTool/ParamModify/icon_not_activated.png";
const char *const abnormalPicture =
    ":/CommonSkin/TARNTool/Images/TARNTool/ParamModify/icon_abnormal.png";

QFrame *grayLine(const char *name, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    return line;
}

} // namespace

DeviceActivePage::DeviceActivePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceActivePage"));
    buildForm();
    setMode(Mode::Single);
}

DeviceActivePage::~DeviceActivePage() = default;

QString DeviceActivePage::centredParagraph(const QString &text)
{
    return QStringLiteral("<p align=\"center\">%1</p>").arg(text);
}

void DeviceActivePage::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(8);

    m_labelNetPara = new QLabel(this);
    m_labelNetPara->setObjectName(QStringLiteral("m_labelNetPara"));
    m_labelNetPara->setTextFormat(Qt::RichText);
    layout->addWidget(m_labelNetPara);

    m_labelPicture = new QLabel(this);
    m_labelPicture->setObjectName(QStringLiteral("m_labelPicture"));
    m_labelPicture->setFixedSize(100, 100);
    m_labelPicture->setScaledContents(true);
    layout->addWidget(m_labelPicture, 0, Qt::AlignHCenter);

    m_labelWord1 = new QLabel(this);
    m_labelWord1->setObjectName(QStringLiteral("m_labelWord1"));
    m_labelWord1->setTextFormat(Qt::RichText);
    layout->addWidget(m_labelWord1);

    m_labelWord2 = new QLabel(this);
    m_labelWord2->setObjectName(QStringLiteral("m_labelWord2"));
    m_labelWord2->setTextFormat(Qt::RichText);
    m_labelWord2->setWordWrap(true);
    layout->addWidget(m_labelWord2);

    m_labelWord3 = new QLabel(this);
    m_labelWord3->setObjectName(QStringLiteral("m_labelWord3"));
    m_labelWord3->setTextFormat(Qt::RichText);
    m_labelWord3->setWordWrap(true);
    layout->addWidget(m_labelWord3);

    m_tipWidget = new QWidget(this);
    m_tipWidget->setObjectName(QStringLiteral("m_tipWidget"));
    auto *tipLayout = new QVBoxLayout(m_tipWidget);
    tipLayout->setContentsMargins(0, 0, 0, 0);
    tipLayout->setSpacing(6);
    m_labelGrayline2 = grayLine("m_labelGrayline2", m_tipWidget);
    tipLayout->addWidget(m_labelGrayline2);
    m_labelActiveNow = new QLabel(m_tipWidget);
    m_labelActiveNow->setObjectName(QStringLiteral("m_labelActiveNow"));
    tipLayout->addWidget(m_labelActiveNow);
    m_labelGrayline3 = grayLine("m_labelGrayline3", m_tipWidget);
    tipLayout->addWidget(m_labelGrayline3);
    layout->addWidget(m_tipWidget);
    layout->addStretch(1);
}

void DeviceActivePage::setMode(Mode mode)
{
    m_mode = mode;
    const bool mixed = mode == Mode::Mixed;
    if (mixed) {
        m_labelNetPara->setText(centredParagraph(tr("Batch devices network parameters")));
        m_labelWord1->setText(
            centredParagraph(tr("Sorry,the devices you have chosen has not activated devices")));
        m_labelWord1->setWordWrap(false);
        m_labelWord2->setText(centredParagraph(
            tr("Note: please activate") + QStringLiteral(" <span style=\"font-weight:600;\">")
            + tr("the device") + QStringLiteral("</span> ") + tr("to perform other operations")));
        m_labelPicture->setPixmap(QPixmap(QString::fromLatin1(abnormalPicture)));
    } else {
        m_labelNetPara->setText(centredParagraph(
            mode == Mode::Single ? tr("Device active") : tr("Batch devices active")));
        m_labelWord1->setText(centredParagraph(tr("Device not activated")));
        m_labelWord1->setWordWrap(true);
        m_labelWord3->setText(centredParagraph(
            tr("The network parameters can be modified after the device is activated")));
        m_labelActiveNow->setText(tr("Active now"));
        m_labelPicture->setPixmap(QPixmap(QString::fromLatin1(notActivatedPicture)));
    }
    m_labelWord2->setVisible(mixed);
    m_tipWidget->setVisible(!mixed);
    m_labelActiveNow->setVisible(!mixed);
    m_labelGrayline2->setVisible(!mixed);
    m_labelGrayline3->setVisible(!mixed);
}

DeviceActivePage::Mode DeviceActivePage::mode() const
{
    return m_mode;
}

} // namespace TarnTool
