// The GUID file of the recovery set-up: its name from the chosen folder, the
// serial number and the minute it is written, and its content of exactly the
// first 128 bytes of the device's export, zeros included.

#include "guidexportfile.h"
#include "tarnrecoveryrecords.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using TarnTool::GuidExportFile;

class TstGuidExportFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void filePath_data();
    void filePath();
    void content_data();
    void content();
    void writeReplacesAnOlderFile();
    void writeIntoMissingFolderFails();
};

void TstGuidExportFile::filePath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");

    QTest::newRow("folder without final separator")
        << "C:/guid" << "AB12" << QDateTime(QDate(2025, 2, 1), QTime(8, 5, 59))
        << "C:/guid/AB12-202502010805.xml";
    QTest::newRow("folder with final separator")
        << "/tmp/guid/" << "AB12" << QDateTime(QDate(2025, 2, 1), QTime(8, 5))
        << "/tmp/guid/AB12-202502010805.xml";
    QTest::newRow("root folder") << "/" << "SN1" << QDateTime(QDate(2024, 1, 1), QTime(0, 0))
                                 << "/SN1-202401010000.xml";
    QTest::newRow("separators in the serial number")
        << "/data" << "DS-2CD/20\\32" << QDateTime(QDate(2024, 12, 31), QTime(23, 59))
        << "/data/DS-2CD_20_32-202412312359.xml";
    QTest::newRow("afternoon in 24-hour form")
        << "/data" << "X" << QDateTime(QDate(2025, 7, 9), QTime(15, 4)) << "/data/X-202507091504.xml";
    QTest::newRow("backslash-ended folder still gets a slash")
        << "D:\\out\\" << "K" << QDateTime(QDate(2025, 3, 3), QTime(3, 3))
        << "D:\\out\\/K-202503030303.xml";
}

void TstGuidExportFile::filePath()
{
    QFETCH(QString, directory);
    QFETCH(QString, serial);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(GuidExportFile::filePath(directory, serial, when), expected);
}

void TstGuidExportFile::content_data()
{
    QTest::addColumn<int>("dataSize");
    QTest::addColumn<int>("expectedSize");

    QTest::newRow("export data area") << 384 << TarnGuidFileSize;
    QTest::newRow("exactly the file size") << 128 << 128;
    QTest::newRow("shorter area") << 40 << 40;
}

void TstGuidExportFile::content()
{
    QFETCH(int, dataSize);
    QFETCH(int, expectedSize);
    QByteArray area(dataSize, '\0');
    for (int i = 0; i < dataSize; ++i)
        area[i] = char(i % 7 == 0 ? 0 : i % 251);
    const QByteArray bytes = GuidExportFile::content(area.constData(), dataSize);
    QCOMPARE(bytes.size(), expectedSize);
    QCOMPARE(bytes, area.left(expectedSize));
}

void TstGuidExportFile::writeReplacesAnOlderFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("AB12-202502010805.xml");
    {
        QFile older(path);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write(QByteArray(500, 'x'));
    }
    QByteArray content(TarnGuidFileSize, '\0');
    content[0] = 'G';
    content[127] = 'Z';
    QVERIFY(GuidExportFile::write(path, content));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void TstGuidExportFile::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("missing/AB12-202502010805.xml");
    QVERIFY(!GuidExportFile::write(path, QByteArray(TarnGuidFileSize, 'g')));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TstGuidExportFile)
#include "tst_guidexportfile.moc"
