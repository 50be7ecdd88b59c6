#include "batchprogressdialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace TarnTool {

namespace {

BatchProgressDialog::Observer &currentObserver()
{
    static BatchProgressDialog::Observer observer;
    return observer;
}

} // namespace

BatchProgressDialog::BatchProgressDialog(int total, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_total(total)
{
    setObjectName(QStringLiteral("BatchProgressDialog"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(320, 110);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 14);
    m_labelCount = new QLabel(this);
    m_labelCount->setObjectName(QStringLiteral("m_labelCount"));
    layout->addWidget(m_labelCount);
    m_labelDevice = new QLabel(this);
    m_labelDevice->setObjectName(QStringLiteral("m_labelDevice"));
    layout->addWidget(m_labelDevice);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("m_progressBar"));
    m_progressBar->setRange(0, qMax(total, 1));
    m_progressBar->setValue(0);
    layout->addWidget(m_progressBar);
    m_clock.start();
}

BatchProgressDialog::~BatchProgressDialog() = default;

void BatchProgressDialog::setObserver(Observer observer)
{
    currentObserver() = std::move(observer);
}

QString BatchProgressDialog::countText() const
{
    return m_labelCount->text();
}

QString BatchProgressDialog::deviceText() const
{
    return m_labelDevice->text();
}

void BatchProgressDialog::advance(int index, const QString &device)
{
    m_labelCount->setText(tr("%1 of %2").arg(index + 1).arg(m_total));
    m_labelDevice->setText(device);
    m_progressBar->setValue(index);
    if (isHidden()) {
        if (m_clock.elapsed() < ShowAfterMs)
            return;
        if (parentWidget()) {
            const QWidget *window = parentWidget()->window();
            move(window->mapToGlobal(QPoint((window->width() - width()) / 2,
                                            (window->height() - height()) / 2)));
        }
        show();
    }
    repaint();
    // Only so that the window system can map and draw the box; the user's
    // input stays queued until the batch is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (const Observer &observer = currentObserver())
        observer(index + 1, m_total, device);
}

} // namespace TarnTool
