#include "tipdialog.h"

#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

namespace TarnTool {

TipDialog::TipDialog(QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
{
    // The base dialog is frameless only; with a parent it must be made a
    // window again, or it would open inside the parent.
    if (parent)
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setContentWidget(buildForm());
    setEnableDefaultConnections(true, true, true, true, true);
}

TipDialog::~TipDialog() = default;

QString TipDialog::text() const
{
    return m_labelTip->text();
}

void TipDialog::setText(const QString &text)
{
    m_labelTip->setText(text);
}

QWidget *TipDialog::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("TipDialog"));
    form->resize(323, 150);
    form->setWindowTitle(tr("Form"));

    auto *verticalLayout = new QVBoxLayout(form);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    m_labelTip = new QLabel(form);
    m_labelTip->setObjectName(QStringLiteral("m_labelTip"));
    m_labelTip->setAlignment(Qt::AlignCenter);
    m_labelTip->setWordWrap(true);
    m_labelTip->setText(tr("sure"));
    verticalLayout->addWidget(m_labelTip);
    verticalLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    return form;
}

} // namespace TarnTool
