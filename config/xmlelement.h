#ifndef XMLELEMENT_H
#define XMLELEMENT_H

// A DOM document together with one of its elements, for the program's small
// XML files ("Setup.xml", "ColumnConfig.xml", "Upgrade.xml"). Copies share
// the document, so an element found through child() or childByName() can be
// changed and the whole file saved through any copy. Files are written in
// GB2312, the code page the older versions of the program used for them.

#include <QDomDocument>
#include <QDomElement>
#include <QString>

class XmlElement
{
public:
    // A null element without a document.
    XmlElement();

    // An empty document whose root element is named rootName, for files that
    // do not exist yet.
    static XmlElement createDocument(const QString &rootName);

    // Reads and parses the file; the element becomes the root. False when
    // the file cannot be opened or is not well-formed; the document is then
    // empty and the element null.
    bool load(const QString &path);

    // Writes the whole document, GB2312-encoded, with an XML declaration
    // that says so. The file is replaced only once everything was written,
    // so a failed save leaves the old file intact. False when the file could
    // not be written.
    bool save(const QString &path) const;

    // The document as save() writes it.
    QByteArray toGb2312() const;

    bool isNull() const;
    QString tagName() const;

    int childCount() const;
    XmlElement child(int iIndex) const;
    // First descendant element with that tag name, in document order.
    XmlElement childByName(const QString &strName) const;
    // Appends a new element child; a null element for a null element.
    XmlElement appendChild(const QString &strName);

    QString text() const;
    bool setText(const QString &strText);
    bool setText(qint64 iNumber);

private:
    XmlElement(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};

#endif // XMLELEMENT_H
