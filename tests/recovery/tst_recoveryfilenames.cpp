// Names of the key request file and of the e-mail QR files: the directory
// with one separator, the device key made safe for a file name, the local
// date and time to the minute, and the extension.

#include "recoveryfilenames.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::RecoveryFileNames;

class TstRecoveryFileNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void keyRequestFilePath_data();
    void keyRequestFilePath();
    void emailQrFilePaths_data();
    void emailQrFilePaths();
    void fileSafeDeviceKey_data();
    void fileSafeDeviceKey();
};

void TstRecoveryFileNames::keyRequestFilePath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain key, morning") << "/home/u/keys" << "ABC123"
                                        << QDateTime(QDate(2024, 3, 5), QTime(9, 7, 42))
                                        << "/home/u/keys/ABC123-202403050907.xml";
    QTest::newRow("slashes in the key, last minute of the year")
        << "C:/keys" << "AB/12\\CD" << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))
        << "C:/keys/AB_12_CD-202412312359.xml";
    QTest::newRow("directory ending with a separator") << "/tmp/out/" << "K1"
                                                       << QDateTime(QDate(2025, 1, 2), QTime(0, 0))
                                                       << "/tmp/out/K1-202501020000.xml";
    QTest::newRow("root directory") << "/" << "K2" << QDateTime(QDate(2025, 6, 30), QTime(12, 30))
                                    << "/K2-202506301230.xml";
}

void TstRecoveryFileNames::keyRequestFilePath()
{
    QFETCH(QString, directory);
    QFETCH(QString, key);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(RecoveryFileNames::keyRequestFilePath(directory, key, when), expected);
}

void TstRecoveryFileNames::emailQrFilePaths_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("textFile");
    QTest::addColumn<QString>("imageFile");

    QTest::newRow("February morning") << "C:/out" << "AB12" << QDateTime(QDate(2025, 2, 1), QTime(8, 5))
                                      << "C:/out/AB12-202502010805.xml"
                                      << "C:/out/AB12-202502010805.BMP";
    QTest::newRow("separator not doubled") << "/data/" << "X\\Y/Z"
                                           << QDateTime(QDate(2026, 10, 11), QTime(21, 9))
                                           << "/data/X_Y_Z-202610112109.xml"
                                           << "/data/X_Y_Z-202610112109.BMP";
}

void TstRecoveryFileNames::emailQrFilePaths()
{
    QFETCH(QString, directory);
    QFETCH(QString, key);
    QFETCH(QDateTime, when);
    QFETCH(QString, textFile);
    QFETCH(QString, imageFile);
    QCOMPARE(RecoveryFileNames::emailQrTextFilePath(directory, key, when), textFile);
    QCOMPARE(RecoveryFileNames::emailQrImageFilePath(directory, key, when), imageFile);
}

void TstRecoveryFileNames::fileSafeDeviceKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing to replace") << "TC2140IR2020" << "TC2140IR2020";
    QTest::newRow("both separators") << "a/b\\c//d" << "a_b_c__d";
    QTest::newRow("other characters kept") << "A-B_C.D:E" << "A-B_C.D:E";
    QTest::newRow("empty") << "" << "";
}

void TstRecoveryFileNames::fileSafeDeviceKey()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(RecoveryFileNames::fileSafeDeviceKey(key), expected);
}

QTEST_GUILESS_MAIN(TstRecoveryFileNames)
#include "tst_recoveryfilenames.moc"
