#include "columnconfig.h"

#include <algorithm>

namespace TarnTool {

namespace {

const QString kIndexValue = QStringLiteral("IndexValue");

bool isPermutation(QVector<int> values)
{
    if (values.size() != ColumnConfig::ColumnCount)
        return false;
    std::sort(values.begin(), values.end());
    return values == ColumnConfig::identityOrder();
}

} // namespace

ColumnConfig::ColumnConfig()
    : m_document(identityDocument()), m_positions(identityOrder())
{
}

QVector<int> ColumnConfig::identityOrder()
{
    QVector<int> order(ColumnCount);
    for (int i = 0; i < ColumnCount; ++i)
        order[i] = i;
    return order;
}

XmlElement ColumnConfig::identityDocument()
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("ColumnConfig"));
    for (int i = 0; i < ColumnCount; ++i)
        root.appendChild(QStringLiteral("Column")).appendChild(kIndexValue).setText(i);
    return root;
}

bool ColumnConfig::load(const QString &path)
{
    m_document = identityDocument();
    m_positions = identityOrder();

    XmlElement document;
    if (!document.load(path))
        return false;
    QVector<int> values;
    const int count = document.childCount();
    for (int i = 0; i < count && values.size() < ColumnCount; ++i)
        values.append(document.child(i).childByName(kIndexValue).text().trimmed().toInt());
    if (!isPermutation(values))
        return false;
    m_document = document;
    m_positions = values;
    return true;
}

QVector<int> ColumnConfig::positions() const
{
    return m_positions;
}

QVector<int> ColumnConfig::entries() const
{
    QVector<int> values;
    for (int i = 0; i < ColumnCount; ++i)
        values.append(m_document.child(i).childByName(kIndexValue).text().trimmed().toInt());
    return values;
}

void ColumnConfig::move(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ColumnCount || to >= ColumnCount)
        return;
    for (int i = 0; i < ColumnCount; ++i) {
        XmlElement entry = m_document.child(i).childByName(kIndexValue);
        const int value = entry.text().trimmed().toInt();
        int next = value;
        if (value == from)
            next = to;
        else if (from < to && value > from && value <= to)
            next = value - 1;
        else if (to < from && value >= to && value < from)
            next = value + 1;
        if (next != value)
            entry.setText(next);
    }
}

bool ColumnConfig::save(const QString &path) const
{
    return m_document.save(path);
}

} // namespace TarnTool
