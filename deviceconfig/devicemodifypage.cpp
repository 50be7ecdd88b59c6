#include "devicemodifypage.h"

namespace TarnTool {

DeviceModifyPage::DeviceModifyPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceModifyPage"));
    setFixedWidth(PanelWidth);
}

DeviceModifyPage::~DeviceModifyPage() = default;

ModifyPage DeviceModifyPage::currentKind() const
{
    return m_kind;
}

QVector<DeviceInfo> DeviceModifyPage::currentSelection() const
{
    return m_selection;
}

void DeviceModifyPage::onCurrentSelectionChange(ModifyPage modifyPageType, const QVector<DeviceInfo> &vecDeviceInfo)
{
    m_kind = modifyPageType;
    m_selection = vecDeviceInfo;
}

} // namespace TarnTool
