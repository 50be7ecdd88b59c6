#include "cipstandarditem.h"

#include "iptofullstring.h"

namespace aptui {

CIpStandardItem::CIpStandardItem(const QString &strIp)
{
    setAddress(strIp);
}

void CIpStandardItem::setAddress(const QString &strIp)
{
    setText(strIp);
    setData(IPToFullString(strIp), IpSortRole);
}

int CIpStandardItem::type() const
{
    return QStandardItem::UserType + 1;
}

QStandardItem *CIpStandardItem::clone() const
{
    // QStandardItemModel owns what clone() returns.
    return new CIpStandardItem(*this);
}

bool CIpStandardItem::operator<(const QStandardItem &other) const
{
    // The stored key of this item and the key computed from the other's text,
    // so that an address cell also compares sensibly against a plain cell.
    return IPToFullString(text()) < IPToFullString(other.text());
}

} // namespace aptui
