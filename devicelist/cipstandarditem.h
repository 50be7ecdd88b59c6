#ifndef CIPSTANDARDITEM_H
#define CIPSTANDARDITEM_H

// A table cell holding an IPv4 address. It carries the address's sort key
// under IpSortRole and orders itself by address, so that sorting a column of
// these cells puts 9.0.0.1 before 10.0.0.2.

#include <QStandardItem>

namespace aptui {

class CIpStandardItem : public QStandardItem
{
public:
    // The data role under which every address cell keeps its sort key.
    static constexpr int IpSortRole = 3041;

    explicit CIpStandardItem(const QString &strIp = QString());

    // Sets the address text and its sort key together.
    void setAddress(const QString &strIp);

    int type() const override;
    QStandardItem *clone() const override;
    bool operator<(const QStandardItem &other) const override;
};

} // namespace aptui

#endif // CIPSTANDARDITEM_H
