#include "devicedisplaypage.h"

#include "cipstandarditem.h"
#include "configuremanager.h"
#include "cheaderview.h"
#include "ctableview.h"
#include "desktopservices.h"
#include "deviceexporttable.h"
#include "deviceinfomodel.h"
#include "deviceinforow.h"
#include "devicesinfosavepage.h"
#include "latin1text.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "treeviewwithleftpixmapdelegate.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHoverEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QUrl>

#include <array>

namespace TarnTool {

namespace {

// Widths in pixels, by column id.
constexpr std::array<int, DeviceInfoModel::ColumnCount> kColumnWidths = {
    30, 70, 160, 100, 120, 80, 180, 120, 100, 80, 230, 100, 120,
    130, 110, 130, 100, 100, 130, 130, 130, 130, 130, 180, 170};

const char *const kExportIcon = ":/CommonSkin/TARNTool/Images/TARNTool/SystemInfo/logo_large.png";

} // namespace

DeviceDisplayPage::DeviceDisplayPage(QWidget *parent)
    : QWidget(parent)
{
    buildForm();

    model_ = new DeviceInfoModel(this);
    delegate = new aptui::TreeViewWithLeftPixmapDelegate(m_tableViewTarn, this);
    m_tableViewTarn->setModel(model_);
    m_tableViewTarn->setItemDelegate(delegate);

    m_tableViewTarn->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableViewTarn->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableViewTarn->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tableViewTarn->setAlternatingRowColors(true);
    m_tableViewTarn->ShowGridLine(false);
    m_tableViewTarn->setMouseTracking(true);
    m_tableViewTarn->installEventFilter(this);
    // Hover moves are delivered to the viewport, where the cells are.
    m_tableViewTarn->viewport()->setAttribute(Qt::WA_Hover);
    m_tableViewTarn->viewport()->installEventFilter(this);

    for (int id = 0; id < DeviceInfoModel::ColumnCount; ++id)
        m_tableViewTarn->setColumnWidth(model_->columnPosition(id), kColumnWidths[std::size_t(id)]);

    const apt::ConfigureManager *settings = apt::ConfigureManager::instance();
    if (settings->getVersionType() == 1 && settings->getTranslator() == 1) {
        m_tableViewTarn->setColumnHidden(model_->columnPosition(DeviceInfoModel::ColumnCloudSupport), true);
        m_tableViewTarn->setColumnHidden(model_->columnPosition(DeviceInfoModel::ColumnCloudStatus), true);
    }

    QHeaderView *header = m_tableViewTarn->header();
    m_tableViewTarn->setSortingEnabled(true);
    m_tableViewTarn->sortByColumn(model_->columnPosition(DeviceInfoModel::ColumnId_), Qt::AscendingOrder);
    // A click sorts through onSortTable, which picks the sort role first; the
    // view's own re-sort on the flipped indicator would sort every click a
    // second time, with the previous column's role.
    disconnect(header, &QHeaderView::sortIndicatorChanged, m_tableViewTarn, nullptr);

    connect(m_btnExportDeviceInfo, &QPushButton::clicked, this, &DeviceDisplayPage::onSaveDeviceInfoToExcel);
    connect(header, &QHeaderView::sectionClicked, this, &DeviceDisplayPage::onSortTable);
    connect(m_btnRefreshDeviceInfo, &QPushButton::clicked, this, &DeviceDisplayPage::onManualUpdate);
    connect(model_, &QStandardItemModel::itemChanged, this, &DeviceDisplayPage::onItemCheckChanged);
    connect(m_tableViewTarn, &QAbstractItemView::doubleClicked, this, &DeviceDisplayPage::onDoubleClickAction);
    connect(header, &QHeaderView::sectionMoved, this, &DeviceDisplayPage::onHeaderCountChanged);
    connect(header, &QHeaderView::sectionPressed, this, &DeviceDisplayPage::onHeaderPress);
    // The header's check box changes every row: the selection is read once,
    // after the last one, instead of once per row.
    if (auto *checkHeader = qobject_cast<MirelGUIToolkit::CHeaderView *>(header)) {
        connect(checkHeader, &MirelGUIToolkit::CHeaderView::sectionCheckStateAboutToChange, this,
                [this] { checkingColumn = true; });
        connect(checkHeader, &MirelGUIToolkit::CHeaderView::sectionCheckStateChanged, this, [this] {
            checkingColumn = false;
            if (model_->rowCount() > 0)
                onItemCheckChanged(model_->item(0, model_->columnPosition(DeviceInfoModel::ColumnCheck)));
        });
    }

    m_btnExportDeviceInfo->setEnabled(false);

    batchTimer.setSingleShot(true);
    connect(&batchTimer, &QTimer::timeout, this, &DeviceDisplayPage::onBatchTimeout);
}

DeviceDisplayPage::~DeviceDisplayPage()
{
    // Deleting a sorted model's items one by one costs seconds for a few
    // thousand rows; the model's own removal is fast, and the view need not
    // follow it on the way out.
    m_tableViewTarn->setModel(nullptr);
    model_->removeAllDevices();
}

DeviceInfoModel *DeviceDisplayPage::model() const
{
    return model_;
}

MirelGUIToolkit::CTableView *DeviceDisplayPage::tableView() const
{
    return m_tableViewTarn;
}

void DeviceDisplayPage::buildForm()
{
    setObjectName(QStringLiteral("DeviceDisplayPage"));
    resize(652, 500);

    m_frameDeviceCount = new QFrame(this);
    m_frameDeviceCount->setObjectName(QStringLiteral("m_frameDeviceCount"));
    m_frameDeviceCount->setFrameShape(QFrame::StyledPanel);
    m_frameDeviceCount->setFrameShadow(QFrame::Raised);
    m_frameDeviceCount->setFixedHeight(62);

    m_labelDeiceCount = new QLabel(tr("Total number of online devices:"), m_frameDeviceCount);
    m_labelDeiceCount->setObjectName(QStringLiteral("m_labelDeiceCount"));

    m_countLine = new QFrame(m_frameDeviceCount);
    m_countLine->setObjectName(QStringLiteral("m_countLine"));
    m_countLine->setFrameShape(QFrame::VLine);
    m_countLine->setFrameShadow(QFrame::Plain);
    m_countLine->setMaximumHeight(22);

    m_labelDeviceCountValue = new QLabel(QStringLiteral("0"), m_frameDeviceCount);
    m_labelDeviceCountValue->setObjectName(QStringLiteral("m_labelDeviceCountValue"));

    m_btnExportDeviceInfo = new QPushButton(tr("Export"), m_frameDeviceCount);
    m_btnExportDeviceInfo->setObjectName(QStringLiteral("m_btnExportDeviceInfo"));
    m_btnExportDeviceInfo->setMinimumSize(90, 30);
    m_btnExportDeviceInfo->setFocusPolicy(Qt::NoFocus);

    m_btnRefreshDeviceInfo = new QPushButton(tr("Refresh"), m_frameDeviceCount);
    m_btnRefreshDeviceInfo->setObjectName(QStringLiteral("m_btnRefreshDeviceInfo"));
    m_btnRefreshDeviceInfo->setMinimumSize(90, 30);
    m_btnRefreshDeviceInfo->setFocusPolicy(Qt::NoFocus);

    auto *countRow = new QHBoxLayout(m_frameDeviceCount);
    countRow->addWidget(m_labelDeiceCount);
    countRow->addWidget(m_countLine);
    countRow->addWidget(m_labelDeviceCountValue);
    countRow->addStretch(1);
    countRow->addWidget(m_btnExportDeviceInfo);
    countRow->addWidget(m_btnRefreshDeviceInfo);

    m_tableViewTarn = new MirelGUIToolkit::CTableView(this);
    m_tableViewTarn->setObjectName(QStringLiteral("m_tableViewTarn"));
    m_tableViewTarn->setFocusPolicy(Qt::NoFocus);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_frameDeviceCount, 0, 0);
    grid->addWidget(m_tableViewTarn, 1, 0);
}

void DeviceDisplayPage::updateCount()
{
    m_labelDeviceCountValue->setText(QString::number(model_->rowCount()));
}

void DeviceDisplayPage::flushPendingDevices()
{
    batchTimer.stop();
    appendPendingDevices(int(pendingDevices.size()));
}

void DeviceDisplayPage::onBatchTimeout()
{
    // A burst of thousands is added a slice per turn of the event loop, so
    // that the window keeps painting and answering while it fills.
    appendPendingDevices(MaxBatchRows);
    if (!pendingDevices.isEmpty())
        batchTimer.start(0);
}

void DeviceDisplayPage::appendPendingDevices(int count)
{
    count = qMin(count, int(pendingDevices.size()));
    if (count <= 0)
        return;
    // Taken first: appending may emit signals whose slots flush again.
    const QVector<TarnDeviceInfo> batch = pendingDevices.mid(0, count);
    pendingDevices.remove(0, count);
    {
        // The batch's dataChanged comes back as one itemChanged per cell;
        // new rows are unchecked, so none of them changes the selection, and
        // reading the checked rows for each would cost rows x batch.
        const QScopedValueRollback<bool> adding(addingRows, true);
        model_->appendDevices(batch);
    }
    updateCount();
}

void DeviceDisplayPage::onDeviceLogin(const TarnDeviceInfo &struDevInfo)
{
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    store->lock();
    const bool known = store->containsMac(latin1String(struDevInfo.macAddress));
    store->unlock();
    if (known)
        return;
    // Into the store at once, so that a repeated announcement arriving before
    // the batch reaches the table is already recognised.
    store->addDeviceInfo(struDevInfo);
    pendingDevices.append(struDevInfo);
    if (!batchTimer.isActive())
        batchTimer.start(BatchIntervalMs);
}

void DeviceDisplayPage::onDeviceLogout(const TarnDeviceInfo &struDevInfo)
{
    flushPendingDevices();
    model_->removeDevice(struDevInfo);
    TarnDeviceInfoManager::Instance()->removeDeviceInfo(struDevInfo);
    updateCount();
    const QVector<int> rows = checkedRows();
    reportSelection(rows);
    lastCheckedCount = int(rows.size());
}

void DeviceDisplayPage::onDeviceUpdate(const TarnDeviceInfo &struDevInfo)
{
    flushPendingDevices();
    model_->updateDevice(struDevInfo);
    TarnDeviceInfoManager::Instance()->updateDeviceInfo(struDevInfo);
}

void DeviceDisplayPage::onSaveDeviceInfoToExcel()
{
    flushPendingDevices();
    DevicesInfoSavePage page(nullptr);
    page.setExportTable(deviceExportTable(*model_, checkedDeviceRows(*model_)));
    page.setWindowIcon(QIcon(QString::fromLatin1(kExportIcon)));
    emit signalCoverMainPage();
    page.exec();
    emit signalDisCoverMainPage();
}

void DeviceDisplayPage::onManualUpdate()
{
    // Devices announced before the refresh are forgotten with the rest.
    batchTimer.stop();
    pendingDevices.clear();
    TARN::TarnHandler *handler = TARN::TarnHandler::Instance();
    handler->clearup();
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    model_->removeAllDevices();
    m_labelDeviceCountValue->setText(QStringLiteral("0"));
    reportSelection({});
    lastCheckedCount = 0;
    handler->sendInquiry();
}

void DeviceDisplayPage::refreshSucceededRows(const QVector<DeviceInfo> &vecDeviceInfo)
{
    flushPendingDevices();
    const QString succeed = tr("Succeed");
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    for (const DeviceInfo &info : vecDeviceInfo) {
        if (info.strResult != succeed)
            continue;
        TarnDeviceInfo record{};
        if (store->getDeviceInfo(info.strSerialNumber, info.strMac, record))
            model_->updateDevice(record);
    }
}

void DeviceDisplayPage::onDevicesModifyResult(const QVector<DeviceInfo> &vecDeviceInfo)
{
    refreshSucceededRows(vecDeviceInfo);
}

void DeviceDisplayPage::onDevicesActiveResult(const QVector<DeviceInfo> &vecDeviceInfo)
{
    refreshSucceededRows(vecDeviceInfo);
    const QVector<int> rows = checkedRows();
    reportSelection(rows);
    lastCheckedCount = int(rows.size());
}

void DeviceDisplayPage::onSortTable(int iIndex)
{
    flushPendingDevices();
    QHeaderView *header = m_tableViewTarn->header();
    header->setSortIndicatorShown(true);
    int column = iIndex;
    int role = Qt::DisplayRole;
    if (iIndex == model_->columnPosition(DeviceInfoModel::ColumnIPv4Address)
        || iIndex == model_->columnPosition(DeviceInfoModel::ColumnIPv4Gateway)
        || iIndex == model_->columnPosition(DeviceInfoModel::ColumnIPv4Mask)) {
        role = aptui::CIpStandardItem::IpSortRole;
    } else if (iIndex == model_->columnPosition(DeviceInfoModel::ColumnCheck)) {
        column = model_->columnPosition(DeviceInfoModel::ColumnId_);
    }
    model_->setSortRole(role);
    model_->sort(column, header->sortIndicatorOrder());
}

QVector<int> DeviceDisplayPage::checkedRows() const
{
    QVector<int> rows;
    const int checkColumn = model_->columnPosition(DeviceInfoModel::ColumnCheck);
    const int count = model_->rowCount();
    for (int row = 0; row < count; ++row) {
        const QStandardItem *item = model_->item(row, checkColumn);
        if (item && item->checkState() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

void DeviceDisplayPage::onItemCheckChanged(QStandardItem *item)
{
    if (addingRows || checkingColumn || item == nullptr
        || item->column() != model_->columnPosition(DeviceInfoModel::ColumnCheck))
        return;
    flushPendingDevices();
    const QVector<int> rows = checkedRows();
    if (int(rows.size()) == lastCheckedCount)
        return;
    reportSelection(rows);
    lastCheckedCount = int(rows.size());
}

void DeviceDisplayPage::reportSelection(const QVector<int> &rows)
{
    if (rows.isEmpty()) {
        m_btnExportDeviceInfo->setEnabled(false);
        emit signalCurrentSelectionModelChange(SingleActivated, QVector<DeviceInfo>());
        return;
    }
    m_btnExportDeviceInfo->setEnabled(true);
    const TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    if (rows.size() == 1) {
        currentDeviceInfo = deviceInfoFromRow(*model_, rows.first());
        TarnDeviceInfo record{};
        store->getDeviceInfo(currentDeviceInfo.strSerialNumber, currentDeviceInfo.strMac, record);
        currentRecord = record;
        if (record.activationState == 0)
            emit signalCurrentSelectionModelChange(SingleActivated, {currentDeviceInfo});
        else if (record.activationState == 1)
            emit signalCurrentSelectionModelChange(SingleInactive, {currentDeviceInfo});
        return;
    }
    QVector<DeviceInfo> selection;
    selection.reserve(rows.size());
    bool activated = false;
    bool inactive = false;
    for (int row : rows) {
        const DeviceInfo info = deviceInfoFromRow(*model_, row);
        selection.append(info);
        TarnDeviceInfo record{};
        store->getDeviceInfo(info.strSerialNumber, info.strMac, record);
        activated = activated || record.activationState == 0;
        inactive = inactive || record.activationState == 1;
    }
    if (activated && inactive)
        emit signalCurrentSelectionModelChange(BatchMixed, selection);
    else if (activated)
        emit signalCurrentSelectionModelChange(BatchActivated, selection);
    else if (inactive)
        emit signalCurrentSelectionModelChange(BatchInactive, selection);
}

void DeviceDisplayPage::onDoubleClickAction(const QModelIndex &index)
{
    if (!index.isValid() || index.column() != model_->columnPosition(DeviceInfoModel::ColumnIPv4Address))
        return;
    const QStandardItem *portItem = model_->item(index.row(), model_->columnPosition(DeviceInfoModel::ColumnHttpPort));
    QString port = portItem ? portItem->text() : QString();
    // The model writes "N/A" in its own translation context.
    if (port == DeviceInfoModel::tr("N/A"))
        port = QStringLiteral("80");
    const QString address = index.data().toString();
    aptui::openUrl(QUrl(QStringLiteral("http://") + address + QLatin1Char(':') + port));
}

void DeviceDisplayPage::onHeaderCountChanged(int iLogicalIndex, int iOldVisualIndex, int iNewVisualIndex)
{
    if (iLogicalIndex < 0)
        return;
    const bool fixedPlace = iOldVisualIndex == 0 || iOldVisualIndex == 1
        || iNewVisualIndex == 0 || iNewVisualIndex == 1;
    if (!fixedPlace) {
        model_->moveColumnConfig(iLogicalIndex, iOldVisualIndex, iNewVisualIndex);
        return;
    }
    // The check box and ID columns stay first and second.
    QHeaderView *header = m_tableViewTarn->header();
    const QSignalBlocker blocker(header);
    if (headerState.isEmpty() || !header->restoreState(headerState))
        header->moveSection(iNewVisualIndex, iOldVisualIndex);
}

void DeviceDisplayPage::onHeaderPress(int iLogicalIndex)
{
    QHeaderView *header = m_tableViewTarn->header();
    if (iLogicalIndex == model_->columnPosition(DeviceInfoModel::ColumnCheck)
        || iLogicalIndex == model_->columnPosition(DeviceInfoModel::ColumnId_)) {
        header->setSectionsMovable(false);
        return;
    }
    headerState = header->saveState();
    header->setSectionsMovable(true);
}

bool DeviceDisplayPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::HoverMove
        && (watched == m_tableViewTarn || watched == m_tableViewTarn->viewport())) {
        const auto *hover = static_cast<QHoverEvent *>(event);
        QPoint position = hover->position().toPoint();
        if (watched == m_tableViewTarn)
            position = m_tableViewTarn->viewport()->mapFrom(m_tableViewTarn, position);
        const int column = m_tableViewTarn->header()->logicalIndexAt(position.x());
        const bool overAddress = column >= 0
            && column == model_->columnPosition(DeviceInfoModel::ColumnIPv4Address);
        m_tableViewTarn->viewport()->setCursor(overAddress ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace TarnTool
