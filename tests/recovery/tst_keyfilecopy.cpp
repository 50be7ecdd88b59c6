// The working copy of a key file: read as text, line breaks at the end
// removed, rewritten for every reset; a missing key file still gives the
// copy's path (and no copy), an uncreatable copy an empty path.

#include "keyfilecopy.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using TarnTool::KeyFileCopy;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

class TstKeyFileCopy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void copyText_data();
    void copyText();
    void makeWritesTheCopy_data();
    void makeWritesTheCopy();
    void missingKeyFileRemovesTheOldCopy();
    void uncreatableCopyGivesEmptyPath();
    void defaultCopyPathIsInTheUserFolder();
};

void TstKeyFileCopy::copyText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("CR LF CR LF at the end") << QByteArray("KEY-123\r\n\r\n") << QByteArray("KEY-123");
    QTest::newRow("no final line break") << QByteArray("KEY-123") << QByteArray("KEY-123");
    QTest::newRow("single LF") << QByteArray("abc\n") << QByteArray("abc");
    QTest::newRow("lone CR at the end") << QByteArray("abc\r") << QByteArray("abc");
    QTest::newRow("mixed breaks at the end") << QByteArray("abc\n\r\r\n\n") << QByteArray("abc");
    QTest::newRow("CR LF inside become LF") << QByteArray("<a>\r\n<b>\r\n") << QByteArray("<a>\n<b>");
    QTest::newRow("spaces at the end stay") << QByteArray("abc  \r\n") << QByteArray("abc  ");
    QTest::newRow("only line breaks") << QByteArray("\r\n\n\r") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TstKeyFileCopy::copyText()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QCOMPARE(KeyFileCopy::copyText(content), expected);
}

void TstKeyFileCopy::makeWritesTheCopy_data()
{
    copyText_data();
}

void TstKeyFileCopy::makeWritesTheCopy()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString keyPath = dir.filePath(QStringLiteral("key.xml"));
    const QString copyPath = dir.filePath(QStringLiteral("copy.xml"));
    QVERIFY(writeFile(keyPath, content));
    // A longer earlier copy must not leave its tail behind.
    QVERIFY(writeFile(copyPath, QByteArray(600, 'x')));
    QCOMPARE(KeyFileCopy::make(keyPath, copyPath), copyPath);
    QCOMPARE(readAll(copyPath), expected);
    QCOMPARE(readAll(keyPath), content);
}

void TstKeyFileCopy::missingKeyFileRemovesTheOldCopy()
{
    QTemporaryDir dir;
    const QString copyPath = dir.filePath(QStringLiteral("copy.xml"));
    QVERIFY(writeFile(copyPath, "old key"));
    QCOMPARE(KeyFileCopy::make(dir.filePath(QStringLiteral("missing.xml")), copyPath), copyPath);
    QVERIFY(!QFile::exists(copyPath));
}

void TstKeyFileCopy::uncreatableCopyGivesEmptyPath()
{
    QTemporaryDir dir;
    const QString keyPath = dir.filePath(QStringLiteral("key.xml"));
    QVERIFY(writeFile(keyPath, "KEY\r\n"));
    QCOMPARE(KeyFileCopy::make(keyPath, dir.filePath(QStringLiteral("no/such/folder/copy.xml"))), QString());
}

void TstKeyFileCopy::defaultCopyPathIsInTheUserFolder()
{
    const QString path = KeyFileCopy::defaultCopyPath();
    QVERIFY(path.endsWith(QStringLiteral("/copy.xml")));
    QVERIFY(QFileInfo(path).isAbsolute());
    QVERIFY(QFileInfo(QFileInfo(path).path()).isDir());
    QVERIFY(path.toLocal8Bit().size() < 260);
}

QTEST_GUILESS_MAIN(TstKeyFileCopy)
#include "tst_keyfilecopy.moc"
