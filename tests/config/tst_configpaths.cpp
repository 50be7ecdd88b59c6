// Where rewritten files are read from and written to.

#include "configpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

using apt::ConfigPaths;

class ConfigPathsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void programFolderIsExecutableFolder();
    void defaultIsReadBesideProgram();
    void userCopyWinsOnceWritten();
    void writePathCreatesUserFolder();
    void folderOfTheNameIsNotAUserCopy();
};

void ConfigPathsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ConfigPathsTest::init()
{
    QDir(ConfigPaths::userFolder()).removeRecursively();
}

void ConfigPathsTest::programFolderIsExecutableFolder()
{
    QCOMPARE(ConfigPaths::programFolder(), QCoreApplication::applicationDirPath() + "/");
    QVERIFY(ConfigPaths::userFolder().endsWith(QLatin1Char('/')));
    QVERIFY(ConfigPaths::userFolder() != ConfigPaths::programFolder());
}

void ConfigPathsTest::defaultIsReadBesideProgram()
{
    QCOMPARE(ConfigPaths::readPath("ColumnConfig.xml"), ConfigPaths::programFolder() + "ColumnConfig.xml");
}

void ConfigPathsTest::userCopyWinsOnceWritten()
{
    const QString written = ConfigPaths::writePath("Upgrade.xml");
    QCOMPARE(written, ConfigPaths::userFolder() + "Upgrade.xml");
    QFile file(written);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Upgrade/>");
    file.close();
    QCOMPARE(ConfigPaths::readPath("Upgrade.xml"), written);
    // Other names still come from beside the program.
    QCOMPARE(ConfigPaths::readPath("ColumnConfig.xml"), ConfigPaths::programFolder() + "ColumnConfig.xml");
}

void ConfigPathsTest::writePathCreatesUserFolder()
{
    QVERIFY(!QDir(ConfigPaths::userFolder()).exists());
    const QString written = ConfigPaths::writePath("ColumnConfig.xml");
    QVERIFY(QDir(ConfigPaths::userFolder()).exists());
    QVERIFY(!QFile::exists(written));
}

void ConfigPathsTest::folderOfTheNameIsNotAUserCopy()
{
    QVERIFY(QDir().mkpath(ConfigPaths::userFolder() + "ColumnConfig.xml"));
    QCOMPARE(ConfigPaths::readPath("ColumnConfig.xml"), ConfigPaths::programFolder() + "ColumnConfig.xml");
}

QTEST_GUILESS_MAIN(ConfigPathsTest)
#include "tst_configpaths.moc"
