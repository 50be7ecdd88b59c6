// The CSV text of an export, its bytes, the table taken from a model and the
// rule that a file is only ever created, never replaced.

#include "devicecsvwriter.h"
#include "deviceexporttable.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using TarnTool::DeviceCsvWriter;
using TarnTool::DeviceExportTable;

class DeviceCsvWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void csvField_data();
    void csvField();
    void csvText_data();
    void csvText();
    void bytesUseLocaleEncodingWithoutByteOrderMark();
    void tableFromModelTakesCheckedRowsWithoutCheckBoxColumn();
    void newFileIsWritten();
    void existingFileIsLeftUntouched();
    void failedWriteLeavesNoFile();

private:
    static QByteArray readFile(const QString &path);
    QTemporaryDir m_dir;
};

void DeviceCsvWriterTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

QByteArray DeviceCsvWriterTest::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void DeviceCsvWriterTest::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "ABC" << "ABC";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("padded port stays padded") << "   80" << "   80";
    QTest::newRow("comma") << "DS,X" << "\"DS,X\"";
    QTest::newRow("comma and quote") << "a,\"b" << "\"a,\"\"b\"";
    QTest::newRow("quote only") << "a\"b" << "\"a\"\"b\"";
    QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
    QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
    QTest::newRow("formula") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("plus") << "+1" << "'+1";
    QTest::newRow("minus") << "-2+3" << "'-2+3";
    QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
    QTest::newRow("tab") << "\tx" << "'\tx";
    QTest::newRow("inner equals stays") << "a=b" << "a=b";
    QTest::newRow("IPv6 address stays") << "fe80::1" << "fe80::1";
}

void DeviceCsvWriterTest::csvField()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(DeviceCsvWriter::csvField(text), field);
}

void DeviceCsvWriterTest::csvText_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QVector<QStringList>>("rows");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QString>("expected");

    const QStringList headers{"ID", "Device Type", "Serial Number"};
    QTest::newRow("renamed headers, quoted cell")
        << headers << QVector<QStringList>{{"001", "DS,X", "ABC"}} << QStringList()
        << "Index,Device Type,Device Serial Number\n001,\"DS,X\",ABC\n";
    QTest::newRow("no rows gives the header line only")
        << headers << QVector<QStringList>() << QStringList()
        << "Index,Device Type,Device Serial Number\n";
    QTest::newRow("rows keep the given order")
        << QStringList{"ID"} << QVector<QStringList>{{"003"}, {"001"}, {"002"}} << QStringList()
        << "Index\n003\n001\n002\n";
    QTest::newRow("excluded columns leave header and data lines")
        << QStringList{"ID", "Support Pellaris", "MAC", "Pellaris Status"}
        << QVector<QStringList>{{"001", "Yes", "aa", "ON"}}
        << QStringList{"Support Pellaris", "Pellaris Status"} << "Index,MAC\n001,aa\n";
    QTest::newRow("header with a comma is quoted")
        << QStringList{"a,b", "c"} << QVector<QStringList>{{"1", "2"}} << QStringList()
        << "\"a,b\",c\n1,2\n";
    QTest::newRow("short row gets empty fields")
        << QStringList{"a", "b", "c"} << QVector<QStringList>{{"1"}} << QStringList()
        << "a,b,c\n1,,\n";
}

void DeviceCsvWriterTest::csvText()
{
    QFETCH(QStringList, headers);
    QFETCH(QVector<QStringList>, rows);
    QFETCH(QStringList, excluded);
    QFETCH(QString, expected);

    DeviceCsvWriter writer;
    writer.setExcludedHeaders(QSet<QString>(excluded.cbegin(), excluded.cend()));
    writer.setHeaderRenames({{"ID", "Index"}, {"Serial Number", "Device Serial Number"}});
    QCOMPARE(writer.csvText({headers, rows}), expected);
}

void DeviceCsvWriterTest::bytesUseLocaleEncodingWithoutByteOrderMark()
{
    const DeviceExportTable table{{"Device Type"}, {{QString::fromUtf8("摄像机 Ä")}}};
    DeviceCsvWriter writer;
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray expected = encoder.encode(writer.csvText(table));
    const QByteArray bytes = writer.csvBytes(table);
    QCOMPARE(bytes, expected);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(!bytes.contains("\r\n"));
}

void DeviceCsvWriterTest::tableFromModelTakesCheckedRowsWithoutCheckBoxColumn()
{
    QStandardItemModel model(0, 3);
    QAbstractItemModelTester tester(&model);
    model.setHorizontalHeaderLabels({"", "ID", "MAC"});
    for (int row = 0; row < 4; ++row) {
        auto *check = new QStandardItem;
        check->setCheckable(true);
        check->setCheckState(row == 1 || row == 3 ? Qt::Checked : Qt::Unchecked);
        model.appendRow({check, new QStandardItem(QString::asprintf("%03d", row + 1)),
                         new QStandardItem(QStringLiteral("mac%1").arg(row))});
    }

    const QList<int> rows = TarnTool::checkedDeviceRows(model);
    QCOMPARE(rows, (QList<int>{1, 3}));

    const DeviceExportTable table = TarnTool::deviceExportTable(model, {3, 1, 7});
    QCOMPARE(table.headers, (QStringList{"ID", "MAC"}));
    QCOMPARE(table.rows, (QVector<QStringList>{{"004", "mac3"}, {"002", "mac1"}}));
}

void DeviceCsvWriterTest::newFileIsWritten()
{
    const QString path = m_dir.filePath("new.csv");
    const DeviceExportTable table{{"ID"}, {{"001"}}};
    QCOMPARE(DeviceCsvWriter().writeNewFile(path, table), DeviceCsvWriter::WriteResult::Written);
    QCOMPARE(readFile(path), QByteArray("ID\n001\n"));
    QVERIFY(QFile::permissions(path) & QFileDevice::ReadOther);
    // Nothing but the export is left in the folder.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"new.csv"});
    QFile::remove(path);
}

void DeviceCsvWriterTest::existingFileIsLeftUntouched()
{
    const QString path = m_dir.filePath("taken.csv");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("first export\n");
    }
    const DeviceExportTable table{{"ID"}, {{"001"}}};
    QCOMPARE(DeviceCsvWriter().writeNewFile(path, table),
             DeviceCsvWriter::WriteResult::FileExists);
    QCOMPARE(readFile(path), QByteArray("first export\n"));

    const QString link = m_dir.filePath("dangling.csv");
    QVERIFY(QFile::link(m_dir.filePath("nowhere"), link));
    QCOMPARE(DeviceCsvWriter().writeNewFile(link, table),
             DeviceCsvWriter::WriteResult::FileExists);
    QVERIFY(!QFileInfo::exists(m_dir.filePath("nowhere")));
    QFile::remove(path);
    QFile::remove(link);
}

void DeviceCsvWriterTest::failedWriteLeavesNoFile()
{
    const DeviceExportTable table{{"ID"}, {{"001"}}};
    QCOMPARE(DeviceCsvWriter().writeNewFile(m_dir.filePath("missing/x.csv"), table),
             DeviceCsvWriter::WriteResult::Failed);

    QTemporaryDir readOnly;
    QVERIFY(readOnly.isValid());
    QVERIFY(QFile::setPermissions(readOnly.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString path = QDir(readOnly.path()).filePath("x.csv");
    const bool writable = QFile(path).open(QIODevice::WriteOnly); // root ignores permissions
    if (writable)
        QFile::remove(path);
    else
        QCOMPARE(DeviceCsvWriter().writeNewFile(path, table), DeviceCsvWriter::WriteResult::Failed);
    QCOMPARE(QDir(readOnly.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QFile::setPermissions(readOnly.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(DeviceCsvWriterTest)
#include "tst_devicecsvwriter.moc"
