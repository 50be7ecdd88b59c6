// Choosing and installing the translation catalogues of a language.

#include "configuremanager.h"
#include "lanaguagemanager.h"
#include "languagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString probe(const char *source)
{
    return QCoreApplication::translate("Probe", source);
}

} // namespace

class LanaguageManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void filesOfLanguage_data();
    void filesOfLanguage();
    void thirdFileIsConsultedFirst();
    void missingFilesStillInstallEmptyTranslators_data();
    void missingFilesStillInstallEmptyTranslators();
    void shippedCataloguesLoad_data();
    void shippedCataloguesLoad();
    void managerFollowsTranslatorSetting();

private:
    QTemporaryDir m_dir;
};

void LanaguageManagerTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void LanaguageManagerTest::filesOfLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("third");
    QTest::addColumn<QLocale>("locale");

    QTest::newRow("English") << 0 << "tarntool_en.qm" << QString() << "DuvuvaVozaziz_en.qm"
                             << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Chinese") << 1 << "tarntool_zh.qm"
                             << "qt_zh_CN.qm"
                             << "MirelGUIToolkit_zh.qm" << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("2") << 2 << QString() << QString() << QString() << QLocale();
    QTest::newRow("font-only 9") << 9 << QString() << QString() << QString() << QLocale();
    QTest::newRow("font-only 10") << 10 << QString() << QString() << QString() << QLocale();
    QTest::newRow("negative") << -1 << QString() << QString() << QString() << QLocale();
}

void LanaguageManagerTest::filesOfLanguage()
{
    QFETCH(int, language);
    const apt::LanguageFiles files = apt::languageFiles(language);
    QTEST(files.programFile, "program");
    QTEST(files.qtFile, "qt");
    QTEST(files.thirdFile, "third");
    QTEST(files.locale, "locale");
}

void LanaguageManagerTest::thirdFileIsConsultedFirst()
{
    const QString folder = m_dir.filePath(QStringLiteral("full/"));
    QVERIFY(QDir().mkpath(folder));
    const QString source = QStringLiteral(TARN_TEST_QM_DIR "/");
    QVERIFY(QFile::copy(source + "probe_program.qm", folder + "tarntool_zh.qm"));
    QVERIFY(QFile::copy(source + "probe_qt.qm", folder + "qt_zh_CN.qm"));
    QVERIFY(QFile::copy(source + "probe_third.qm", folder + "MirelGUIToolkit_zh.qm"));
    {
        const auto translators = apt::installTranslators(apt::languageFiles(1), folder);
        QCOMPARE(translators.size(), size_t(3));
        QCOMPARE(probe("Hello"), QStringLiteral("你好"));
        QCOMPARE(probe("QtOnly"), QStringLiteral("qt"));
        QCOMPARE(probe("Shared"), QStringLiteral("third"));

        // Language 2 loads nothing, so the texts stay as written.
        const auto none = apt::installTranslators(apt::languageFiles(2), folder);
        QVERIFY(none.empty());
    }
    // Destroyed translators leave the application.
    QCOMPARE(probe("Hello"), QStringLiteral("Hello"));
}

void LanaguageManagerTest::missingFilesStillInstallEmptyTranslators_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("count");
    QTest::newRow("English") << 0 << 2;
    QTest::newRow("Chinese") << 1 << 3;
}

void LanaguageManagerTest::missingFilesStillInstallEmptyTranslators()
{
    QFETCH(int, language);
    const auto translators = apt::installTranslators(apt::languageFiles(language), m_dir.filePath("empty/"));
    QTEST(int(translators.size()), "count");
    for (const auto &translator : translators)
        QVERIFY(translator->isEmpty());
    QCOMPARE(probe("Hello"), QStringLiteral("Hello"));
}

void LanaguageManagerTest::shippedCataloguesLoad_data()
{
    QTest::addColumn<QString>("file");
    for (int language : {0, 1}) {
        const apt::LanguageFiles files = apt::languageFiles(language);
        for (const QString &file : {files.programFile, files.qtFile, files.thirdFile}) {
            if (!file.isEmpty())
                QTest::newRow(qPrintable(file)) << file;
        }
    }
}

void LanaguageManagerTest::shippedCataloguesLoad()
{
    QFETCH(QString, file);
    // The build places the catalogues beside the program, which for the
    // tests is this executable.
    QTranslator translator;
    QVERIFY2(translator.load(QCoreApplication::applicationDirPath() + "/translations/" + file), qPrintable(file));
}

void LanaguageManagerTest::managerFollowsTranslatorSetting()
{
    const QString setup = m_dir.filePath(QStringLiteral("Setup.xml"));
    QFile file(setup);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Setup><Translator><Value>1</Value></Translator></Setup>");
    file.close();
    QVERIFY(apt::ConfigureManager::instance()->load(setup));

    apt::LanaguageManager *manager = apt::LanaguageManager::instance();
    QCOMPARE(manager->language(), 1);
    QCOMPARE(manager->locale(), QLocale(QLocale::Chinese, QLocale::China));
    // The shipped Chinese catalogue is installed: a text of the discovery
    // handler and one of Qt's own dialogs come out in Chinese.
    QCOMPARE(QCoreApplication::translate("TARN::TarnHandler", "Time out."), QStringLiteral("超时。"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    QCOMPARE(apt::LanaguageManager::instance(), manager);
}

QTEST_GUILESS_MAIN(LanaguageManagerTest)
#include "tst_lanaguagemanager.moc"
