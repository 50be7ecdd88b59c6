#ifndef COLUMNCONFIG_H
#define COLUMNCONFIG_H

// The user's order of the device table's columns, kept in "ColumnConfig.xml":
// one child of the root per column id, in id order, each holding an
// "IndexValue" element with the model column that shows that id.

#include "xmlelement.h"

#include <QString>
#include <QVector>

namespace TarnTool {

class ColumnConfig
{
public:
    static constexpr int ColumnCount = 25;

    // The identity order, with a document that holds it.
    ColumnConfig();

    // 0, 1, ..., 24: column id = model column.
    static QVector<int> identityOrder();

    // Reads the file. A file that is missing, unreadable, not well-formed, or
    // whose first 25 entries are not a permutation of 0 to 24 leaves the
    // identity order (and a document holding it) and returns false; the
    // table must never show two ids in one column or leave one out.
    bool load(const QString &path);

    // The model column of each column id; always a permutation of 0 to 24.
    QVector<int> positions() const;

    // The values currently in the document, in id order.
    QVector<int> entries() const;

    // Records that the column at visual position from now stands at to: the
    // entries between shift by one and the entry from becomes to. Positions
    // outside 0 to 24 change nothing.
    void move(int from, int to);

    // Writes the document (GB2312, no indentation). False when the file
    // could not be written; the old file then stays as it was.
    bool save(const QString &path) const;

    // The document of the identity order, as the default file holds it.
    static XmlElement identityDocument();

private:
    XmlElement m_document;
    QVector<int> m_positions;
};

} // namespace TarnTool

#endif // COLUMNCONFIG_H
