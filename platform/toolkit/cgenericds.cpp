#include "cgenericds.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace MirelGUIToolkit {

namespace {

// The encoding named in the XML declaration, or an empty text.
QByteArray declaredEncoding(const QByteArray &content)
{
    static const QRegularExpression declaration(
        QStringLiteral(R"(^\s*<\?xml[^>]*\bencoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QString head = QString::fromLatin1(content.left(256));
    const QRegularExpressionMatch match = declaration.match(head);
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// QXmlStreamReader decodes only the Unicode encodings and Latin-1 itself; an
// 8-bit code page (the settings files of older installations are GB2312) is
// decoded here first. Null when the reader can take the bytes as they are.
QTextCodec *codecToDecodeFirst(const QByteArray &encoding)
{
    if (encoding.isEmpty())
        return nullptr;
    const QByteArray name = encoding.toUpper();
    if (name.startsWith("UTF") || name == "ISO-8859-1" || name == "LATIN1"
        || name == "US-ASCII")
        return nullptr;
    return QTextCodec::codecForName(encoding);
}

bool readElement(QXmlStreamReader &reader, CGenericDS &node);

void readAttributes(const QXmlStreamReader &reader, CGenericDS &node)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes)
        node.SetAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
}

// Reads the element the reader stands on, up to and including its end tag.
bool readElement(QXmlStreamReader &reader, CGenericDS &node)
{
    node.SetName(reader.qualifiedName().toString());
    readAttributes(reader, node);
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            CGenericDS *child = node.AddChild(QString());
            if (!readElement(reader, *child))
                return false;
            break;
        }
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (node.GetChildrenCount() > 0 && text.trimmed().isEmpty())
                text.clear();
            node.SetValue(text);
            return true;
        default:
            break;
        }
    }
    return false;
}

bool readDocument(QXmlStreamReader &reader, CGenericDS &root)
{
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            if (!readElement(reader, root))
                return false;
            // Nothing but comments and processing instructions may follow.
            while (!reader.atEnd())
                reader.readNext();
            return !reader.hasError();
        }
    }
    return false;
}

bool writeTree(QXmlStreamWriter &writer, const CGenericDS &node)
{
    if (node.GetName().isEmpty())
        return false;
    writer.writeStartElement(node.GetName());
    for (const auto &attribute : node.GetAttributes())
        writer.writeAttribute(attribute.first, attribute.second);
    if (!node.GetValue().isEmpty())
        writer.writeCharacters(node.GetValue());
    for (int i = 0; i < node.GetChildrenCount(); ++i) {
        if (!writeTree(writer, *node.GetChild(i)))
            return false;
    }
    writer.writeEndElement();
    return true;
}

} // namespace

CGenericDS::CGenericDS() = default;

CGenericDS::CGenericDS(const QString &name, const QString &value)
    : m_name(name)
    , m_value(value)
{
}

CGenericDS::~CGenericDS() = default;

bool CGenericDS::LoadXML(const QString &path)
{
    Clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();

    bool loaded = false;
    if (QTextCodec *codec = codecToDecodeFirst(declaredEncoding(content))) {
        // A reader on a string ignores the declaration's encoding.
        QXmlStreamReader reader(codec->toUnicode(content));
        loaded = readDocument(reader, *this);
    } else {
        QXmlStreamReader reader(content);
        loaded = readDocument(reader, *this);
    }
    if (!loaded)
        Clear();
    return loaded;
}

bool CGenericDS::SaveXML(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    if (!writeTree(writer, *this)) {
        file.cancelWriting();
        return false;
    }
    writer.writeEndDocument();
    if (writer.hasError()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

int CGenericDS::GetChildrenCount() const
{
    return static_cast<int>(m_children.size());
}

CGenericDS *CGenericDS::GetChild(int i) const
{
    if (i < 0 || i >= GetChildrenCount())
        return nullptr;
    return m_children[static_cast<size_t>(i)].get();
}

CGenericDS *CGenericDS::GetChildByName(const QString &name) const
{
    for (const auto &child : m_children) {
        if (child->m_name == name)
            return child.get();
    }
    return nullptr;
}

CGenericDS *CGenericDS::AddChild(const QString &name, const QString &value)
{
    m_children.push_back(std::make_unique<CGenericDS>(name, value));
    return m_children.back().get();
}

QString CGenericDS::GetName() const
{
    return m_name;
}

void CGenericDS::SetName(const QString &name)
{
    m_name = name;
}

QString CGenericDS::GetValue() const
{
    return m_value;
}

void CGenericDS::SetValue(const QString &text)
{
    m_value = text;
}

QList<QPair<QString, QString>> CGenericDS::GetAttributes() const
{
    return m_attributes;
}

QString CGenericDS::GetAttribute(const QString &name) const
{
    for (const auto &attribute : m_attributes) {
        if (attribute.first == name)
            return attribute.second;
    }
    return QString();
}

void CGenericDS::SetAttribute(const QString &name, const QString &value)
{
    for (auto &attribute : m_attributes) {
        if (attribute.first == name) {
            attribute.second = value;
            return;
        }
    }
    m_attributes.append(qMakePair(name, value));
}

void CGenericDS::Clear()
{
    m_name.clear();
    m_value.clear();
    m_attributes.clear();
    m_children.clear();
}

} // namespace MirelGUIToolkit
