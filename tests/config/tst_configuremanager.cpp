// Reading "Setup.xml": the typed readers, their defaults and the odd files
// an installer may leave behind.

#include "configuremanager.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using apt::ConfigureManager;

class ConfigureManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void readers_data();
    void readers();
    void missingFileGivesDefaults();
    void notWellFormedFileGivesDefaults();
    void loadReplacesEarlierSettings();
    void findKeepsFileOrderAndSkipsUnknownIds();
    void shippedSetupXmlHasEveryKey();

private:
    QString writeSetup(const QByteArray &settings);

    QTemporaryDir m_dir;
    int m_files = 0;
};

void ConfigureManagerTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

QString ConfigureManagerTest::writeSetup(const QByteArray &settings)
{
    const QString path = m_dir.filePath(QStringLiteral("Setup%1.xml").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>" + settings + "</Setup>\n");
    return path;
}

void ConfigureManagerTest::readers_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<uint>("translator");
    QTest::addColumn<int>("versionType");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QString>("skin");

    QTest::newRow("empty root") << QByteArray() << 0u << 1 << -1 << false << "CommonSkin";
    QTest::newRow("all set") << QByteArray("<Translator><Value>1</Value></Translator>"
                                           "<VersionType><Value>0</Value></VersionType>"
                                           "<Type><Value>0</Value></Type>"
                                           "<Filter><Value>1</Value></Filter>"
                                           "<Skin><Value>DarkSkin</Value></Skin>")
                             << 1u << 0 << 0 << true << "DarkSkin";
    QTest::newRow("version type not a number")
        << QByteArray("<VersionType><Value>abc</Value></VersionType>") << 0u << 0 << -1 << false << "CommonSkin";
    QTest::newRow("settings without Value")
        << QByteArray("<Translator/><Type><Other>5</Other></Type><Skin></Skin>") << 0u << 1 << 0 << false << "";
    QTest::newRow("first of two equal keys counts")
        << QByteArray("<Translator><Value>1</Value></Translator><Translator><Value>0</Value></Translator>"
                      "<Type><Value>3</Value></Type><Type><Value>0</Value></Type>")
        << 1u << 1 << 3 << false << "CommonSkin";
    QTest::newRow("translator not a number or negative")
        << QByteArray("<Translator><Value>-1</Value></Translator>") << 0u << 1 << -1 << false << "CommonSkin";
    QTest::newRow("filter only on for 1")
        << QByteArray("<Filter><Value>2</Value></Filter>") << 0u << 1 << -1 << false << "CommonSkin";
    QTest::newRow("value text padded by white space")
        << QByteArray("<Translator><Value> 1 </Value></Translator><Filter><Value>\n1\n</Value></Filter>") << 1u << 1
        << -1 << true << "CommonSkin";
    QTest::newRow("nested Value is not the setting's value")
        << QByteArray("<Type><Group><Value>7</Value></Group></Type>") << 0u << 1 << 0 << false << "CommonSkin";
}

void ConfigureManagerTest::readers()
{
    QFETCH(QByteArray, settings);
    const QString path = writeSetup(settings);
    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY(manager->load(path));
    QCOMPARE(manager->path(), path);
    QTEST(manager->getTranslator(), "translator");
    QTEST(manager->getVersionType(), "versionType");
    QTEST(manager->getType(), "type");
    QTEST(manager->isFilterOn(), "filter");
    QTEST(manager->getSkin(), "skin");
}

void ConfigureManagerTest::missingFileGivesDefaults()
{
    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY(manager->load(writeSetup("<Translator><Value>1</Value></Translator>")));
    QCOMPARE(manager->getTranslator(), 1u);

    QVERIFY(!manager->load(m_dir.filePath(QStringLiteral("absent.xml"))));
    QCOMPARE(manager->getTranslator(), 0u);
    QCOMPARE(manager->getVersionType(), 1);
    QCOMPARE(manager->getType(), -1);
    QVERIFY(!manager->isFilterOn());
    QCOMPARE(manager->getSkin(), QStringLiteral("CommonSkin"));
    QVERIFY(manager->find(apt::ConfigSkin) == nullptr);
}

void ConfigureManagerTest::notWellFormedFileGivesDefaults()
{
    ConfigureManager *manager = ConfigureManager::instance();
    const QString path = m_dir.filePath(QStringLiteral("broken.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Setup><Translator><Value>1</Value></Translator><VersionType><Value>0</Value>");
    file.close();

    QVERIFY(!manager->load(path));
    QCOMPARE(manager->getTranslator(), 0u);
    QCOMPARE(manager->getVersionType(), 1);
}

void ConfigureManagerTest::loadReplacesEarlierSettings()
{
    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY(manager->load(writeSetup("<Filter><Value>1</Value></Filter><Type><Value>0</Value></Type>")));
    QVERIFY(manager->isFilterOn());
    QVERIFY(manager->load(writeSetup("<Translator><Value>1</Value></Translator>")));
    QVERIFY(!manager->isFilterOn());
    QCOMPARE(manager->getType(), -1);
}

void ConfigureManagerTest::findKeepsFileOrderAndSkipsUnknownIds()
{
    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY(manager->load(writeSetup("<Unknown><Value>x</Value></Unknown>"
                                     "<LogLevel><Value>3</Value></LogLevel>"
                                     "<LogLevel><Value>9</Value></LogLevel>")));
    const apt::Configure *logLevel = manager->find(apt::ConfigLogLevel);
    QVERIFY(logLevel != nullptr);
    QCOMPARE(logLevel->name(), QStringLiteral("LogLevel"));
    QCOMPARE(logLevel->value(), QStringLiteral("3"));
    // An unknown id has an empty key, which must not match anything.
    QVERIFY(manager->find(10) == nullptr);
    QVERIFY(manager->find(-1) == nullptr);
    QCOMPARE(ConfigureManager::keyOf(10), QString());
}

void ConfigureManagerTest::shippedSetupXmlHasEveryKey()
{
    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY2(manager->load(QStringLiteral(TARN_SHIPPED_SETUP_XML)), TARN_SHIPPED_SETUP_XML);
    for (int id = 0; id <= apt::ConfigType; ++id) {
        const apt::Configure *configure = manager->find(id);
        QVERIFY2(configure != nullptr, qPrintable(ConfigureManager::keyOf(id)));
    }
    QCOMPARE(manager->getTranslator(), 0u);
    QCOMPARE(manager->getVersionType(), 1);
    QCOMPARE(manager->getType(), -1);
    QVERIFY(!manager->isFilterOn());
    QCOMPARE(manager->getSkin(), QStringLiteral("CommonSkin"));
}

QTEST_GUILESS_MAIN(ConfigureManagerTest)
#include "tst_configuremanager.moc"
