#include "cdlgabout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

#include "widget.h"

namespace aptui {

CDlgAbout::CDlgAbout(QObject *parent) : QWidgetAction(parent)
{
    m_panel = new Widget;
    m_panel->setObjectName(QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
    m_panel->setFixedSize(288, 134);
    m_panel->setWindowTitle(tr("About"));
    auto *form = new QWidget(m_panel);
    form->setObjectName(QStringLiteral("AboutClass"));
    auto *outer = new QVBoxLayout(m_panel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(form);

    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(21, 4, 21, 8);
    auto *top = new QHBoxLayout;
    top->setObjectName(QStringLiteral("TopLayout"));
    top->addStretch(1);
    m_conerBtn = new QPushButton(form);
    m_conerBtn->setObjectName(QStringLiteral("m_conerBtn"));
    m_conerBtn->setMaximumHeight(17);
    m_conerBtn->setCursor(Qt::PointingHandCursor);
    top->addWidget(m_conerBtn);
    layout->addLayout(top);

    auto *identity = new QHBoxLayout;
    identity->setSpacing(20);
    m_softIcon = new QLabel(form);
    m_softIcon->setObjectName(QStringLiteral("SoftIcon"));
    m_softIcon->setFixedSize(40, 40);
    identity->addWidget(m_softIcon);
    auto *labels = new QVBoxLayout;
    labels->setSpacing(5);
    m_labNameValue = new QLabel(form);
    m_labNameValue->setObjectName(QStringLiteral("m_labNameValue"));
    m_labVersionValue = new QLabel(form);
    m_labVersionValue->setObjectName(QStringLiteral("m_labVersionValue"));
    // A long version or build text wraps below "Version:" rather than being
    // cut off by the panel's fixed width.
    m_labNameValue->setWordWrap(true);
    m_labVersionValue->setWordWrap(true);
    labels->addWidget(m_labNameValue);
    labels->addWidget(m_labVersionValue);
    identity->addLayout(labels, 1);
    layout->addLayout(identity);

    m_aboutLine1 = new QFrame(form);
    m_aboutLine1->setObjectName(QStringLiteral("aboutLine1"));
    m_aboutLine1->setFrameShape(QFrame::HLine);
    layout->addWidget(m_aboutLine1);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(14);
    m_aboutbtn1 = new QPushButton(form);
    m_aboutbtn1->setObjectName(QStringLiteral("aboutbtn1"));
    m_aboutLine2 = new QFrame(form);
    m_aboutLine2->setObjectName(QStringLiteral("aboutLine2"));
    m_aboutLine2->setFrameShape(QFrame::VLine);
    m_aboutbtn2 = new QPushButton(form);
    m_aboutbtn2->setObjectName(QStringLiteral("aboutbtn2"));
    bottom->addStretch(1);
    bottom->addWidget(m_aboutbtn1);
    bottom->addWidget(m_aboutLine2);
    bottom->addWidget(m_aboutbtn2);
    bottom->addStretch(1);
    layout->addLayout(bottom);

    setDefaultWidget(m_panel);
    setVersion(QStringLiteral(" v2.0.0.3") + QStringLiteral(" Build") + QString::number(buildNumber()));

    connect(m_aboutbtn1, &QPushButton::clicked, this, &CDlgAbout::siganlBtn1Clicked);
    connect(m_aboutbtn2, &QPushButton::clicked, this, &CDlgAbout::siganlBtn2Clicked);
    connect(m_conerBtn, &QPushButton::clicked, this, &CDlgAbout::signalConerBtnClicked);
}

CDlgAbout::~CDlgAbout() = default;

unsigned CDlgAbout::buildNumber(const char *compileDate)
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (!compileDate || std::strlen(compileDate) != 11 || compileDate[3] != ' ' || compileDate[6] != ' ')
        return 0;
    unsigned month = 0;
    for (unsigned m = 0; m < 12; ++m) {
        if (std::strncmp(months + 3 * m, compileDate, 3) == 0)
            month = m + 1;
    }
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const char d1 = compileDate[4] == ' ' ? '0' : compileDate[4];
    if (month == 0 || !digit(d1) || !digit(compileDate[5]))
        return 0;
    unsigned year = 0;
    for (int i = 7; i < 11; ++i) {
        if (!digit(compileDate[i]))
            return 0;
        year = year * 10 + unsigned(compileDate[i] - '0');
    }
    const unsigned day = unsigned(d1 - '0') * 10 + unsigned(compileDate[5] - '0');
    return year * 10000 + month * 100 + day;
}

unsigned CDlgAbout::buildNumber()
{
    return buildNumber(__DATE__);
}

void CDlgAbout::setName(const QString &name)
{
    m_labNameValue->setText(tr("Name: ") + name);
}

void CDlgAbout::setVersion(const QString &version)
{
    m_labVersionValue->setText(tr("Version: ") + version);
}

QString CDlgAbout::versionText() const
{
    return m_labVersionValue->text();
}

void CDlgAbout::setButton1Text(const QString &text)
{
    m_aboutbtn1->setText(text);
}

void CDlgAbout::setButton2Text(const QString &text)
{
    m_aboutbtn2->setText(text);
}

void CDlgAbout::setCornerButtonText(const QString &text)
{
    m_conerBtn->setText(text);
}

void CDlgAbout::setCornerButtonVisible(bool visible)
{
    m_conerBtn->setVisible(visible);
}

void CDlgAbout::setBottomVisible(bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(m_aboutLine1), static_cast<QWidget *>(m_aboutLine2),
                       static_cast<QWidget *>(m_aboutbtn1), static_cast<QWidget *>(m_aboutbtn2)})
        w->setVisible(visible);
}

void CDlgAbout::setButton1Visible(bool visible)
{
    // isHidden(): the panel is mostly set up before it is ever shown.
    const bool other = !m_aboutbtn2->isHidden();
    m_aboutbtn1->setVisible(visible);
    m_aboutLine1->setVisible(other || visible);
    m_aboutLine2->setVisible(other && visible);
}

void CDlgAbout::setButton2Visible(bool visible)
{
    const bool other = !m_aboutbtn1->isHidden();
    m_aboutbtn2->setVisible(visible);
    m_aboutLine1->setVisible(other || visible);
    m_aboutLine2->setVisible(other && visible);
}

Widget *CDlgAbout::panel() const { return m_panel; }
QPushButton *CDlgAbout::cornerButton() const { return m_conerBtn; }
QPushButton *CDlgAbout::button1() const { return m_aboutbtn1; }
QPushButton *CDlgAbout::button2() const { return m_aboutbtn2; }

} // namespace aptui
