// The XML element wrapper: navigation, text changes and GB2312 files.

#include "xmlelement.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class XmlElementTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void chineseTextSurvivesGb2312RoundTrip();
    void declarationNamesGb2312_data();
    void declarationNamesGb2312();
    void charactersOutsideGb2312AreKept();
    void readsUtf8Files();
    void loadFailures_data();
    void loadFailures();
    void childByNameFindsFirstDescendantInDocumentOrder();
    void childrenCountOnlyElements();
    void setTextReplacesFirstTextChild();
    void setTextAppendsTextWhenThereIsNone();
    void nullElementRefusesChanges();
    void copiesShareTheDocument();
    void saveToUnwritablePathFails();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
};

void XmlElementTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

QString XmlElementTest::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

void XmlElementTest::chineseTextSurvivesGb2312RoundTrip()
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("ColumnConfig"));
    XmlElement name = root.appendChild(QStringLiteral("Column0")).appendChild(QStringLiteral("Name"));
    QVERIFY(name.setText(QStringLiteral("中文设备")));
    QVERIFY(root.child(0).appendChild(QStringLiteral("IndexValue")).setText(7));
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.xml"));
    QVERIFY(root.save(path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // 中文设备 in GB2312: D6D0 CEC4 C9E8 B1B8.
    QVERIFY2(bytes.contains(QByteArray::fromHex("D6D0CEC4C9E8B1B8")), bytes.constData());
    QVERIFY(!bytes.contains(QStringLiteral("中文").toUtf8()));
    QVERIFY(bytes.contains("<IndexValue>7</IndexValue>"));

    XmlElement reread;
    QVERIFY(reread.load(path));
    QCOMPARE(reread.tagName(), QStringLiteral("ColumnConfig"));
    QCOMPARE(reread.childByName(QStringLiteral("Name")).text(), QStringLiteral("中文设备"));
    QCOMPARE(reread.childByName(QStringLiteral("IndexValue")).text(), QStringLiteral("7"));
}

void XmlElementTest::declarationNamesGb2312_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::newRow("UTF-8 declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Root><A>1</A></Root>");
    QTest::newRow("no declaration") << QByteArray("<Root><A>1</A></Root>");
    QTest::newRow("GB2312 declaration")
        << QByteArray("<?xml version='1.0' encoding='gb2312'?>\n<Root><A>1</A></Root>");
}

void XmlElementTest::declarationNamesGb2312()
{
    QFETCH(QByteArray, source);
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("declared.xml"), source)));
    const QByteArray bytes = root.toGb2312();
    QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Root>"), bytes.constData());
    QCOMPARE(bytes.count("<?xml"), 1);
}

void XmlElementTest::charactersOutsideGb2312AreKept()
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("Root"));
    const QString text = QStringLiteral("α😀 ok");
    QVERIFY(root.setText(text));
    const QString path = m_dir.filePath(QStringLiteral("outside.xml"));
    QVERIFY(root.save(path));
    XmlElement reread;
    QVERIFY(reread.load(path));
    QCOMPARE(reread.text(), text);
}

void XmlElementTest::readsUtf8Files()
{
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("utf8.xml"),
                                QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Root><Value>服务器</Value></Root>")
                                    .toUtf8())));
    QCOMPARE(root.childByName(QStringLiteral("Value")).text(), QStringLiteral("服务器"));
}

void XmlElementTest::loadFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing file") << QStringLiteral("absent.xml") << QByteArray();
    QTest::newRow("not well-formed") << QStringLiteral("broken.xml") << QByteArray("<Root><A>1</A><B></Root>");
    QTest::newRow("empty file") << QStringLiteral("empty.xml") << QByteArray("");
}

void XmlElementTest::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = name == QLatin1String("absent.xml") ? m_dir.filePath(name) : writeFile(name, bytes);
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("good.xml"), "<Root><A>1</A></Root>")));
    QVERIFY(!root.load(path));
    QVERIFY(root.isNull());
    QCOMPARE(root.childCount(), 0);
    QVERIFY(root.childByName(QStringLiteral("A")).isNull());
}

void XmlElementTest::childByNameFindsFirstDescendantInDocumentOrder()
{
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("order.xml"), "<Value><Group><Deep><Value>inner</Value></Deep></Group>"
                                                              "<Value>second</Value></Value>")));
    // The root itself has the name but is not its own descendant.
    QCOMPARE(root.childByName(QStringLiteral("Value")).text(), QStringLiteral("inner"));
    QCOMPARE(root.child(1).text(), QStringLiteral("second"));
    QVERIFY(root.childByName(QStringLiteral("Missing")).isNull());
    QVERIFY(root.child(0).childByName(QStringLiteral("Group")).isNull());
}

void XmlElementTest::childrenCountOnlyElements()
{
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("children.xml"), "<Root>text<!-- note --><A/>more<B/><C/></Root>")));
    QCOMPARE(root.childCount(), 3);
    QCOMPARE(root.child(0).tagName(), QStringLiteral("A"));
    QCOMPARE(root.child(2).tagName(), QStringLiteral("C"));
    QVERIFY(root.child(3).isNull());
    QVERIFY(root.child(-1).isNull());
    QCOMPARE(XmlElement().childCount(), 0);
}

void XmlElementTest::setTextReplacesFirstTextChild()
{
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("text.xml"), "<Root><Prompt><Value>1</Value></Prompt></Root>")));
    XmlElement value = root.childByName(QStringLiteral("Value"));
    QVERIFY(value.setText(0));
    QCOMPARE(value.text(), QStringLiteral("0"));
    QVERIFY(value.setText(-42));
    QVERIFY(root.toGb2312().contains("<Prompt>\n<Value>-42</Value>\n</Prompt>"));
}

void XmlElementTest::setTextAppendsTextWhenThereIsNone()
{
    XmlElement root;
    QVERIFY(root.load(writeFile(QStringLiteral("notext.xml"), "<Root><Value/><Other><Inner/></Other></Root>")));
    XmlElement value = root.childByName(QStringLiteral("Value"));
    QCOMPARE(value.text(), QString());
    QVERIFY(value.setText(QStringLiteral("on")));
    QCOMPARE(value.text(), QStringLiteral("on"));

    XmlElement other = root.childByName(QStringLiteral("Other"));
    QVERIFY(other.setText(QStringLiteral("after")));
    QCOMPARE(other.childCount(), 1);
    QVERIFY(root.toGb2312().contains("<Other>\n<Inner/>after</Other>"));
}

void XmlElementTest::nullElementRefusesChanges()
{
    XmlElement none;
    QVERIFY(none.isNull());
    QVERIFY(!none.setText(QStringLiteral("x")));
    QVERIFY(!none.setText(1));
    QVERIFY(none.appendChild(QStringLiteral("A")).isNull());
    QCOMPARE(none.text(), QString());
}

void XmlElementTest::copiesShareTheDocument()
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("Root"));
    XmlElement copy = root;
    copy.appendChild(QStringLiteral("Prompt")).setText(1);
    QCOMPARE(root.childByName(QStringLiteral("Prompt")).text(), QStringLiteral("1"));
    // Saving through a child element writes the whole document.
    const QString path = m_dir.filePath(QStringLiteral("shared.xml"));
    QVERIFY(root.child(0).save(path));
    XmlElement reread;
    QVERIFY(reread.load(path));
    QCOMPARE(reread.tagName(), QStringLiteral("Root"));
    QCOMPARE(reread.child(0).text(), QStringLiteral("1"));
}

void XmlElementTest::saveToUnwritablePathFails()
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("Root"));
    QVERIFY(!root.save(m_dir.filePath(QStringLiteral("no/such/folder/file.xml"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no/such/folder/file.xml"))));
}

QTEST_GUILESS_MAIN(XmlElementTest)
#include "tst_xmlelement.moc"
