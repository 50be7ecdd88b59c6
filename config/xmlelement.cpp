#include "xmlelement.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

namespace {

const char kFileCodec[] = "GB2312";

// The encoding named by the XML declaration at the start of the bytes, or an
// empty text when there is none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    static const QRegularExpression declaration(
        QStringLiteral("^\\s*<\\?xml[^>]*\\bencoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(bytes.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool isUnicodeEncoding(const QByteArray &name)
{
    return name.toUpper().startsWith("UTF");
}

// Qt's own XML reader decodes only a few code pages itself; files that name
// another one (GB2312 in particular) are decoded through the codec table
// first. The reader ignores the declaration of text it is handed decoded.
bool parse(QDomDocument &document, const QByteArray &bytes)
{
    const QByteArray encoding = declaredEncoding(bytes);
    if (!encoding.isEmpty() && !isUnicodeEncoding(encoding)) {
        if (QTextCodec *codec = QTextCodec::codecForName(encoding))
            return static_cast<bool>(document.setContent(codec->toUnicode(bytes)));
    }
    return static_cast<bool>(document.setContent(bytes));
}

// Characters that GB2312 cannot hold would turn into "?" on disk; they are
// written as character references instead, which every XML reader turns
// back into the character. Element names are ASCII in the program's files,
// so a reference only ever lands in text or attribute values.
QByteArray encodeGb2312(const QString &text)
{
    QTextCodec *codec = QTextCodec::codecForName(kFileCodec);
    QByteArray out;
    out.reserve(text.size() * 2);
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty()) {
            out += codec->fromUnicode(run);
            run.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80) {
            run += ch;
            continue;
        }
        QString codePoint(ch);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            codePoint += text.at(++i);
        if (codec->canEncode(codePoint)) {
            run += codePoint;
        } else {
            flush();
            const char32_t value = codePoint.size() == 2
                ? QChar::surrogateToUcs4(codePoint.at(0), codePoint.at(1))
                : codePoint.at(0).unicode();
            out += "&#x" + QByteArray::number(static_cast<uint>(value), 16).toUpper() + ';';
        }
    }
    flush();
    return out;
}

QString declaration()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n").arg(QLatin1String(kFileCodec));
}

} // namespace

XmlElement::XmlElement() = default;

XmlElement::XmlElement(const QDomDocument &document, const QDomElement &element)
    : m_document(document)
    , m_element(element)
{
}

XmlElement XmlElement::createDocument(const QString &rootName)
{
    QDomDocument document;
    QDomElement root = document.createElement(rootName);
    document.appendChild(root);
    return XmlElement(document, root);
}

bool XmlElement::load(const QString &path)
{
    m_document = QDomDocument();
    m_element = QDomElement();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QDomDocument document;
    // A failed parse may leave a partial tree behind; callers must see an
    // empty document instead, as for a missing file.
    if (!parse(document, file.readAll()))
        return false;
    m_document = document;
    m_element = m_document.documentElement();
    return true;
}

QByteArray XmlElement::toGb2312() const
{
    // Each top-level node is written by itself: the document's own writer
    // refuses a declaration naming a code page it cannot encode, and the
    // declaration must name the code page actually used.
    QString text = declaration();
    QTextStream stream(&text);
    for (QDomNode node = m_document.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isProcessingInstruction() && node.nodeName() == QLatin1String("xml"))
            continue;
        node.save(stream, 0);
    }
    stream.flush();
    return encodeGb2312(text);
}

bool XmlElement::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QByteArray bytes = toGb2312();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool XmlElement::isNull() const
{
    return m_element.isNull();
}

QString XmlElement::tagName() const
{
    return m_element.tagName();
}

int XmlElement::childCount() const
{
    int count = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

XmlElement XmlElement::child(int iIndex) const
{
    if (iIndex < 0)
        return XmlElement();
    QDomElement e = m_element.firstChildElement();
    for (int i = 0; i < iIndex && !e.isNull(); ++i)
        e = e.nextSiblingElement();
    return e.isNull() ? XmlElement() : XmlElement(m_document, e);
}

XmlElement XmlElement::childByName(const QString &strName) const
{
    if (m_element.isNull())
        return XmlElement();
    const QDomNodeList found = m_element.elementsByTagName(strName);
    if (found.isEmpty())
        return XmlElement();
    return XmlElement(m_document, found.item(0).toElement());
}

XmlElement XmlElement::appendChild(const QString &strName)
{
    if (m_element.isNull())
        return XmlElement();
    QDomElement e = m_document.createElement(strName);
    m_element.appendChild(e);
    return XmlElement(m_document, e);
}

QString XmlElement::text() const
{
    for (QDomNode node = m_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            return node.toText().data();
    }
    return QString();
}

bool XmlElement::setText(const QString &strText)
{
    if (m_element.isNull())
        return false;
    for (QDomNode node = m_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText()) {
            node.toText().setData(strText);
            return true;
        }
    }
    m_element.appendChild(m_document.createTextNode(strText));
    return true;
}

bool XmlElement::setText(qint64 iNumber)
{
    return setText(QString::number(iNumber));
}
