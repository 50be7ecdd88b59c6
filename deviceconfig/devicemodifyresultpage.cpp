#include "devicemodifyresultpage.h"

#include "configuremanager.h"
#include "ctableview.h"
#include "modifyresultcolumns.h"
#include "tarndeviceinfomanager.h"
#include "treeviewwithleftpixmapdelegate.h"

#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QList>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace TarnTool {

namespace {

const char *const windowIconPath =
    ":/CommonSkin/TARNTool/Images/TARNTool/SystemInfo/logo_large.png";

QStandardItem *cellItem(const ResultCell &cell)
{
    auto *item = new QStandardItem(cell.text);
    item->setEditable(false);
    item->setForeground(QColor(QString::fromLatin1(resultCellColor)));
    if (!cell.iconPath.isEmpty())
        item->setData(cell.iconPath, aptui::TreeViewWithLeftPixmapDelegate::LeftPixmapRole);
    return item;
}

} // namespace

DeviceModifyResultPage::DeviceModifyResultPage(QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, false, parent)
{
    buildForm();
    setTitle(tr("Confirmation List"));
    setWindowIcon(QIcon(QString::fromLatin1(windowIconPath)));
    setDialogFixedSize(1165, 500);
}

DeviceModifyResultPage::~DeviceModifyResultPage() = default;

void DeviceModifyResultPage::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("DeviceModifyResultPage"));
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(20, 10, 20, 10);
    layout->setSpacing(8);

    auto *counts = new QHBoxLayout;
    counts->setSpacing(10);
    m_labelDeviceAll = new QLabel(tr("Devices Number:"), form);
    m_labelDeviceAll->setObjectName(QStringLiteral("m_labelDeviceAll"));
    counts->addWidget(m_labelDeviceAll);
    // The failure icon in front of the failed count, as in the result column.
    m_labelPic = new QLabel(form);
    m_labelPic->setObjectName(QStringLiteral("m_labelPic"));
    m_labelPic->setFixedSize(16, 16);
    m_labelPic->setScaledContents(true);
    m_labelPic->setPixmap(QPixmap(QString::fromLatin1(resultErrorIcon)));
    counts->addWidget(m_labelPic);
    m_labelDeviceFail = new QLabel(tr("Failed Number:"), form);
    m_labelDeviceFail->setObjectName(QStringLiteral("m_labelDeviceFail"));
    counts->addWidget(m_labelDeviceFail);
    counts->addStretch(1);
    layout->addLayout(counts);

    m_ResultSplit = new QLabel(form);
    m_ResultSplit->setObjectName(QStringLiteral("m_ResultSplit"));
    m_ResultSplit->setFixedHeight(1);
    m_ResultSplit->setStyleSheet(QStringLiteral("background-color: #DDDDDD;"));
    layout->addWidget(m_ResultSplit);

    m_tableViewResult = new MirelGUIToolkit::CTableView(form);
    m_tableViewResult->setObjectName(QStringLiteral("m_tableViewResult"));
    m_tableViewResult->setAlternatingRowColors(true);
    m_tableViewResult->ShowGridLine(false);
    m_tableViewResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableViewResult->setItemDelegate(
        new aptui::TreeViewWithLeftPixmapDelegate(m_tableViewResult, m_tableViewResult));
    m_model = new QStandardItemModel(0, ResultColumnCount, m_tableViewResult);
    m_tableViewResult->setModel(m_model);
    layout->addWidget(m_tableViewResult, 1);

    setDefaultHeaders();
    setContentWidget(form);
}

void DeviceModifyResultPage::setDefaultHeaders()
{
    const apt::ConfigureManager *settings = apt::ConfigureManager::instance();
    const QStringList headers =
        resultColumnHeaders(settings->getVersionType(), settings->getType());
    for (int column = 0; column < ResultColumnCount; ++column) {
        m_model->setHeaderData(column, Qt::Horizontal, headers.at(column));
        // Every header alike, so that a shown column 9 lines up with the rest.
        m_model->setHeaderData(column, Qt::Horizontal,
                               QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)),
                               Qt::TextAlignmentRole);
    }
}

int DeviceModifyResultPage::fittedColumnWidth(int column) const
{
    // The widths suit the English headers; a longer translation ("序号")
    // widens its column rather than being cut off. The skin's headers take
    // 8 pixels of padding on each side and keep 16 for the sort arrow. The
    // header is polished first: before the page is shown its style sheet
    // font is not applied yet.
    QHeaderView *header = m_tableViewResult->header();
    header->ensurePolished();
    const QString text = m_model->headerData(column, Qt::Horizontal).toString();
    const int needed = header->fontMetrics().horizontalAdvance(text) + 2 * 8 + 16;
    return qMax(resultColumnWidth(column), needed);
}

void DeviceModifyResultPage::setResultRows(const QVector<DeviceInfo> &vecDeviceInfo)
{
    m_model->setRowCount(0);
    for (int column = 0; column < ResultColumnCount; ++column)
        m_tableViewResult->setColumnWidth(column, fittedColumnWidth(column));

    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    int failed = 0;
    for (const DeviceInfo &device : vecDeviceInfo) {
        const int cloudStatus = store->getCloudStatus(device.strSerialNumber, device.strMac);
        QList<QStandardItem *> row;
        for (int column = 0; column < ResultColumnCount; ++column)
            row.append(cellItem(resultCell(device, column, cloudStatus)));
        m_model->appendRow(row);
        if (isFailedResult(device.strResult))
            ++failed;
    }
    appendCountsToCaptions(vecDeviceInfo.size(), failed);
}

void DeviceModifyResultPage::setWifiResultRows(const QVector<DeviceInfo> &vecDeviceInfo)
{
    m_model->setRowCount(0);
    m_model->setHeaderData(ResultColumnDeviceType, Qt::Horizontal, tr("Result"));
    m_tableViewResult->setColumnWidth(ResultColumnId, fittedColumnWidth(ResultColumnId));

    int failed = 0;
    for (const DeviceInfo &device : vecDeviceInfo) {
        QList<QStandardItem *> row;
        row.append(cellItem({device.strId, QString()}));
        row.append(cellItem({device.strResult, QString()}));
        for (int column = ResultColumnIPv4Address; column < ResultColumnCount; ++column)
            row.append(cellItem({}));
        m_model->appendRow(row);
        if (device.strResult != resultSucceedText())
            ++failed;
    }
    appendCountsToCaptions(vecDeviceInfo.size(), failed);
    for (int column = ResultColumnIPv4Address; column < ResultColumnCount; ++column)
        hideColumn(column);
}

void DeviceModifyResultPage::appendCountsToCaptions(int total, int failed)
{
    m_failedCount = failed;
    m_labelDeviceAll->setText(m_labelDeviceAll->text() + QLatin1Char(' ') + QString::number(total));
    m_labelDeviceFail->setText(m_labelDeviceFail->text() + QLatin1Char(' ') +
                               QString::number(failed));
}

void DeviceModifyResultPage::setColumnHeader(int column, const QString &text)
{
    m_model->setHeaderData(column, Qt::Horizontal, text);
}

void DeviceModifyResultPage::setTotalCaption(const QString &text)
{
    m_labelDeviceAll->setText(text);
}

void DeviceModifyResultPage::setFailedCaption(const QString &text)
{
    m_labelDeviceFail->setText(text);
}

void DeviceModifyResultPage::hideColumn(int column)
{
    m_tableViewResult->setColumnHidden(column, true);
}

void DeviceModifyResultPage::showFlowResults(const ModifyResultSetup &setup,
                                             const QVector<DeviceInfo> &vecDeviceInfo)
{
    if (!setup.resultHeader.isEmpty())
        setColumnHeader(ResultColumnResult, setup.resultHeader);
    if (!setup.totalCaption.isEmpty())
        setTotalCaption(setup.totalCaption);
    if (!setup.failedCaption.isEmpty())
        setFailedCaption(setup.failedCaption);
    for (const int column : setup.hiddenColumns)
        hideColumn(column);
    if (setup.size.isValid())
        setDialogFixedSize(setup.size);
    if (setup.wifiRows)
        setWifiResultRows(vecDeviceInfo);
    else
        setResultRows(vecDeviceInfo);
}

int DeviceModifyResultPage::failedCount() const
{
    return m_failedCount;
}

QStandardItemModel *DeviceModifyResultPage::resultModel() const
{
    return m_model;
}

} // namespace TarnTool
