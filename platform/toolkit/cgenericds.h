#ifndef CGENERICDS_H
#define CGENERICDS_H

// An XML element tree: one node per element with its tag name, its text, its
// attributes and its child elements in document order. After LoadXML the
// object itself is the document's root element. The program reads its
// settings files through it.

#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <vector>

namespace MirelGUIToolkit {

class CGenericDS
{
public:
    CGenericDS();
    explicit CGenericDS(const QString &name, const QString &value = QString());
    ~CGenericDS();

    CGenericDS(const CGenericDS &) = delete;
    CGenericDS &operator=(const CGenericDS &) = delete;

    // Replaces this node by the root element of the file. The encoding named
    // in the XML declaration is honoured, also for 8-bit code pages such as
    // GB2312. False, with an empty node, when the file cannot be read or is
    // not well-formed.
    bool LoadXML(const QString &path);

    // Writes this node as the root element of a UTF-8 document, indented.
    // The file is replaced only once the whole document has been written.
    // False when it cannot be written or a node has no name.
    bool SaveXML(const QString &path) const;

    int GetChildrenCount() const;
    // Null when i is out of range.
    CGenericDS *GetChild(int i) const;
    // The first child element with that tag name, or null.
    CGenericDS *GetChildByName(const QString &name) const;
    // Appends a child element and returns it; the node owns it.
    CGenericDS *AddChild(const QString &name, const QString &value = QString());

    QString GetName() const;
    void SetName(const QString &name);

    // The element's own text (its text and CDATA children joined); the text
    // of parents that holds only the indentation between children is dropped.
    QString GetValue() const;
    void SetValue(const QString &text);

    // An empty text when the attribute is missing.
    QString GetAttribute(const QString &name) const;
    void SetAttribute(const QString &name, const QString &value);
    // Name and value of every attribute, in document order.
    QList<QPair<QString, QString>> GetAttributes() const;

    // Back to an unnamed node without text, attributes or children.
    void Clear();

private:
    QString m_name;
    QString m_value;
    QList<QPair<QString, QString>> m_attributes;
    std::vector<std::unique_ptr<CGenericDS>> m_children;
};

} // namespace MirelGUIToolkit

#endif // CGENERICDS_H
