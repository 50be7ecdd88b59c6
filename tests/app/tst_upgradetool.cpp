// The update dialog: the version taken from the about panel, the server
// address by language, the prompt choice in "Upgrade.xml", and the check and
// download against a small HTTP server on 127.0.0.1 run by the test itself.

#include "aboutdialog.h"
#include "configpaths.h"
#include "configuremanager.h"
#include "desktopservices.h"
#include "hintbox.h"
#include "localhttpserver.h"
#include "upgrade.h"
#include "upgradetool.h"
#include "xmlelement.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QNetworkProxy>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kManifestPath = QStringLiteral("/TARNTool/manifest.json");
const QString kPackagePath = QStringLiteral("/TARNTool/TARNTool-3.0.1.2.deb");

upgrade::tagAppProperty tarnProperty()
{
    return upgrade::tagAppProperty{0, 0, "TARNTool", "3.0.0.21"};
}

QByteArray packageBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes.append(static_cast<char>((i * 7 + i / 251) & 0xff));
    return bytes;
}

QByteArray manifestJson(const QString &version, const QByteArray &sha256)
{
    QJsonObject object;
    object.insert(QStringLiteral("program"), QStringLiteral("TARNTool"));
    object.insert(QStringLiteral("version"), version);
    object.insert(QStringLiteral("package"), QStringLiteral("TARNTool-3.0.1.2.deb"));
    object.insert(QStringLiteral("sha256"), QString::fromLatin1(sha256));
    return QJsonDocument(object).toJson();
}

LocalHttpServer::Response ok(const QByteArray &body)
{
    LocalHttpServer::Response response;
    response.body = body;
    return response;
}

// The user's copy of "Upgrade.xml" as a test wants it.
void writeUpgradeXml(const QString &english, const QString &chinese, const QString &prompt)
{
    XmlElement root = XmlElement::createDocument(QStringLiteral("Upgrade"));
    root.appendChild(QStringLiteral("ServerAddressEn")).appendChild(QStringLiteral("Value")).setText(english);
    root.appendChild(QStringLiteral("ServerAddressZh")).appendChild(QStringLiteral("Value")).setText(chinese);
    if (!prompt.isNull())
        root.appendChild(QStringLiteral("Prompt")).appendChild(QStringLiteral("Value")).setText(prompt);
    QVERIFY(root.save(apt::ConfigPaths::writePath(QStringLiteral("Upgrade.xml"))));
}

QString savedSetting(const QString &name)
{
    XmlElement document;
    if (!document.load(apt::ConfigPaths::writePath(QStringLiteral("Upgrade.xml"))))
        return QStringLiteral("<no file>");
    return document.childByName(name).childByName(QStringLiteral("Value")).text();
}

} // namespace

class TstUpgradeTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void versionFromLabel_data();
    void versionFromLabel();
    void versionOfTheAboutPanel();
    void serverAddressFor_data();
    void serverAddressFor();
    void shouldShowUpdate_data();
    void shouldShowUpdate();

    void frameAndForm();
    void serverAddressByTranslator_data();
    void serverAddressByTranslator();
    void defaultFileBesideTheProgram();
    void promptWrittenToUpgradeXml_data();
    void promptWrittenToUpgradeXml();

    void availableUpdateShownByPrompt_data();
    void availableUpdateShownByPrompt();
    void silentServerIsNoUpdate();
    void download_data();
    void download();

private:
    void setTranslator(int translator);

    std::unique_ptr<QTemporaryDir> m_setupDir;
    std::unique_ptr<QTemporaryDir> m_downloads;
    std::unique_ptr<LocalHttpServer> m_server;
    QStringList m_hints;
    QList<QUrl> m_opened;
    // The progress dialog as the opener saw it: visible, and its value.
    bool m_progressVisible = false;
    int m_progressValue = -1;
};

void TstUpgradeTool::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    TarnTool::setHintBoxHook([this](const QString &message, TarnTool::HintBoxKind) {
        m_hints << message;
        return true;
    });
    aptui::setUrlOpener([this](const QUrl &url) {
        m_opened << url;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *progress = qobject_cast<QProgressDialog *>(widget)) {
                m_progressVisible = progress->isVisible();
                m_progressValue = progress->value();
            }
        }
        return true;
    });
}

void TstUpgradeTool::init()
{
    QFile::remove(apt::ConfigPaths::writePath(QStringLiteral("Upgrade.xml")));
    m_setupDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_setupDir->isValid());
    m_downloads = std::make_unique<QTemporaryDir>();
    QVERIFY(m_downloads->isValid());
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->start());
    setTranslator(0);
}

void TstUpgradeTool::cleanup()
{
    QFile::remove(apt::ConfigPaths::writePath(QStringLiteral("Upgrade.xml")));
    m_hints.clear();
    m_opened.clear();
    m_progressVisible = false;
    m_progressValue = -1;
}

void TstUpgradeTool::setTranslator(int translator)
{
    const QString path = m_setupDir->filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup><Translator><Value>"
               + QByteArray::number(translator)
               + "</Value></Translator><VersionType><Value>0</Value></VersionType></Setup>\n");
    file.close();
    QVERIFY(apt::ConfigureManager::instance()->load(path));
    QCOMPARE(apt::ConfigureManager::instance()->getTranslator(), unsigned(translator));
}

void TstUpgradeTool::versionFromLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("version");

    QTest::newRow("about panel") << "Version: v3.0.0.21build20190801" << "3.0.0.21";
    QTest::newRow("spaces removed") << "Version:  v 3.0.1.2 build 7" << "3.0.1.2";
    QTest::newRow("chinese label") << "版本: v3.0.10.0build1" << "3.0.10.0";
    QTest::newRow("no build") << "Version: v3.0.0.21" << "3.0.0.21";
    QTest::newRow("first small v before a digit") << "Provider vendor v2.1build9" << "2.1";
    QTest::newRow("capital V does not count") << "Version: V3.0.0.21build1" << "";
    QTest::newRow("empty") << "" << "";
}

void TstUpgradeTool::versionFromLabel()
{
    QFETCH(QString, label);
    QFETCH(QString, version);
    QCOMPARE(::versionFromLabel(label), version);
}

void TstUpgradeTool::versionOfTheAboutPanel()
{
    AboutDialog about;
    QCOMPARE(::versionFromLabel(about.versionText()), QStringLiteral("3.0.0.21"));
}

void TstUpgradeTool::serverAddressFor_data()
{
    QTest::addColumn<unsigned>("translator");
    QTest::addColumn<QString>("address");

    QTest::newRow("English") << 0u << "http://en.invalid/";
    QTest::newRow("Chinese") << 1u << "http://zh.invalid/";
    QTest::newRow("2 gives none") << 2u << "";
    QTest::newRow("99 gives none") << 99u << "";
}

void TstUpgradeTool::serverAddressFor()
{
    QFETCH(unsigned, translator);
    QFETCH(QString, address);
    QCOMPARE(::serverAddressFor(translator, QStringLiteral("http://en.invalid/"),
                                QStringLiteral("http://zh.invalid/")),
             address);
}

void TstUpgradeTool::shouldShowUpdate_data()
{
    QTest::addColumn<bool>("isNeedUpdate");
    QTest::addColumn<bool>("noPrompt");
    QTest::addColumn<QString>("versionText");
    QTest::addColumn<bool>("shown");

    QTest::newRow("update, prompting") << true << false << "V3.0.1.2" << true;
    QTest::newRow("update, no prompt") << true << true << "V3.0.1.2" << false;
    QTest::newRow("update without version V") << true << false << "V" << false;
    QTest::newRow("update without version v") << true << false << "v" << false;
    QTest::newRow("no update") << false << false << "V3.0.1.2" << false;
}

void TstUpgradeTool::shouldShowUpdate()
{
    QFETCH(bool, isNeedUpdate);
    QFETCH(bool, noPrompt);
    QFETCH(QString, versionText);
    QFETCH(bool, shown);
    QCOMPARE(::shouldShowUpdate(isNeedUpdate, noPrompt, versionText), shown);
}

void TstUpgradeTool::frameAndForm()
{
    writeUpgradeXml(QString(), QString(), QStringLiteral("1"));
    UpgradeTool tool(tarnProperty());
    QCOMPARE(tool.size(), QSize(420, 198));
    QCOMPARE(tool.confirmButton()->text(), QStringLiteral("Upgrade"));
    QVERIFY(!tool.confirmButton()->isHidden());
    QVERIFY(!tool.cancelButton()->isHidden());
    QWidget *form = tool.findChild<QWidget *>(QStringLiteral("UpgradeToolClass"));
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("UpgradeTool"));
    QCOMPARE(form->maximumSize(), QSize(395, 128));
    QCOMPARE(form->minimumWidth(), 380);
    // The whole form shows between the title and the button bar, and the
    // buttons inside the dialog.
    tool.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tool));
    const QWidget *bar = tool.confirmButton()->parentWidget();
    QVERIFY2(form->mapTo(&tool, QPoint(0, form->height())).y() <= bar->mapTo(&tool, QPoint(0, 0)).y(),
             "the button bar covers the form");
    const QPushButton *confirm = tool.confirmButton();
    QVERIFY(confirm->mapTo(&tool, QPoint(0, confirm->height())).y() <= tool.height());
    QVERIFY(form->height() >= tool.noPromptCheckBox()->mapTo(form, QPoint(0, tool.noPromptCheckBox()->height())).y());
    tool.hide();
    QCOMPARE(tool.findChild<QLabel *>(QStringLiteral("label_2"))->text(), QStringLiteral("New version found"));
    QCOMPARE(tool.findChild<QLabel *>(QStringLiteral("iconLabel"))->size(), QSize(36, 36));
    QCOMPARE(tool.versionLabel()->objectName(), QStringLiteral("versionLabel"));
    QCOMPARE(tool.versionLabel()->text(), QStringLiteral("V1.0.0"));
    QCOMPARE(tool.noPromptCheckBox()->objectName(), QStringLiteral("checkBox"));
    QCOMPARE(tool.noPromptCheckBox()->text(), QStringLiteral("No Prompt"));
    QVERIFY(!tool.noPromptCheckBox()->isChecked());
    QVERIFY(tool.newVersionText().isEmpty());
    QCOMPARE(tool.property().programId, std::string("TARNTool"));
    QCOMPARE(tool.property().programVersion, std::string("3.0.0.21"));
}

void TstUpgradeTool::serverAddressByTranslator_data()
{
    QTest::addColumn<int>("translator");
    QTest::addColumn<QString>("address");

    QTest::newRow("0: English") << 0 << "http://127.0.0.1:1/en/";
    QTest::newRow("1: Chinese") << 1 << "http://127.0.0.1:1/zh/";
    QTest::newRow("2: none") << 2 << "";
}

void TstUpgradeTool::serverAddressByTranslator()
{
    QFETCH(int, translator);
    QFETCH(QString, address);

    writeUpgradeXml(QStringLiteral("http://127.0.0.1:1/en/"), QStringLiteral("http://127.0.0.1:1/zh/"),
                    QStringLiteral("1"));
    setTranslator(translator);
    UpgradeTool tool(tarnProperty());
    QCOMPARE(tool.serverAddress(), address);
    QCOMPARE(QString::fromStdString(tool.upgradeLibrary()->serverAddr()), address);
    QVERIFY(!tool.isNoPrompt());
    QVERIFY(!tool.noPromptCheckBox()->isChecked());
}

void TstUpgradeTool::defaultFileBesideTheProgram()
{
    // No user copy: the default beside the program, with prompting on and
    // no server, so a fresh installation asks nobody.
    QVERIFY(!QFile::exists(apt::ConfigPaths::writePath(QStringLiteral("Upgrade.xml"))));
    QCOMPARE(apt::ConfigPaths::readPath(QStringLiteral("Upgrade.xml")),
             apt::ConfigPaths::programFolder() + QStringLiteral("Upgrade.xml"));
    QVERIFY(QFile::exists(apt::ConfigPaths::programFolder() + QStringLiteral("Upgrade.xml")));
    UpgradeTool tool(tarnProperty());
    QVERIFY(!tool.isNoPrompt());
    QVERIFY(tool.serverAddress().isEmpty());
    QSignalSpy over(&tool, &UpgradeTool::signalUpdateCheckOver);
    tool.checkUpdate();
    QCOMPARE(over.size(), 1);
    QCOMPARE(over.at(0).at(0).toBool(), false);

    // A missing Prompt reads as 0.
    writeUpgradeXml(QString(), QString(), QString());
    UpgradeTool withoutPrompt(tarnProperty());
    QVERIFY(withoutPrompt.isNoPrompt());
}

void TstUpgradeTool::promptWrittenToUpgradeXml_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("noPrompt");

    QTest::newRow("check: off") << "1" << QList<int>{Qt::Checked} << "0" << true;
    QTest::newRow("check, uncheck: on again") << "1" << QList<int>{Qt::Checked, Qt::Unchecked} << "1" << false;
    QTest::newRow("partial changes nothing")
        << "1" << QList<int>{Qt::Checked, Qt::PartiallyChecked} << "0" << true;
    QTest::newRow("partial alone leaves the file") << "1" << QList<int>{Qt::PartiallyChecked} << "<no change>" << false;
}

void TstUpgradeTool::promptWrittenToUpgradeXml()
{
    QFETCH(QString, initial);
    QFETCH(QList<int>, states);
    QFETCH(QString, written);
    QFETCH(bool, noPrompt);

    const QString programCopy = apt::ConfigPaths::programFolder() + QStringLiteral("Upgrade.xml");
    QFile shipped(programCopy);
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray shippedBytes = shipped.readAll();
    shipped.close();

    writeUpgradeXml(QStringLiteral("http://127.0.0.1:1/en/"), QString(), initial);
    UpgradeTool tool(tarnProperty());
    tool.noPromptCheckBox()->setTristate(true);
    for (int state : states)
        tool.noPromptCheckBox()->setCheckState(static_cast<Qt::CheckState>(state));

    QCOMPARE(tool.isNoPrompt(), noPrompt);
    QCOMPARE(savedSetting(QStringLiteral("Prompt")), written == QLatin1String("<no change>") ? initial : written);
    // The rest of the file stays, and the copy beside the program is never
    // written.
    QCOMPARE(savedSetting(QStringLiteral("ServerAddressEn")), QStringLiteral("http://127.0.0.1:1/en/"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), shippedBytes);

    // The next start reads the choice.
    UpgradeTool next(tarnProperty());
    QCOMPARE(next.isNoPrompt(), noPrompt);
}

void TstUpgradeTool::availableUpdateShownByPrompt_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("shown");

    QTest::newRow("Prompt 1: shown") << "1" << true;
    QTest::newRow("Prompt 0: not shown") << "0" << false;
}

void TstUpgradeTool::availableUpdateShownByPrompt()
{
    QFETCH(QString, prompt);
    QFETCH(bool, shown);

    m_server->setResponse(kManifestPath, ok(manifestJson(QStringLiteral("3.0.1.2"), "00")));
    writeUpgradeXml(m_server->baseUrl(), QString(), prompt);
    UpgradeTool tool(tarnProperty());
    QSignalSpy over(&tool, &UpgradeTool::signalUpdateCheckOver);
    tool.checkUpdate();
    QCOMPARE(over.size(), 1);
    QCOMPARE(over.at(0).at(0).toBool(), true);
    QCOMPARE(tool.newVersionText(), QStringLiteral("V3.0.1.2"));
    QCOMPARE(tool.versionLabel()->text(), QStringLiteral("V3.0.1.2"));
    QCOMPARE(::shouldShowUpdate(true, tool.isNoPrompt(), tool.newVersionText()), shown);
    QCOMPARE(m_server->requestedPaths(), QStringList{kManifestPath});
}

void TstUpgradeTool::silentServerIsNoUpdate()
{
    LocalHttpServer::Response silent;
    silent.silent = true;
    m_server->setResponse(kManifestPath, silent);
    writeUpgradeXml(m_server->baseUrl(), QString(), QStringLiteral("1"));
    UpgradeTool tool(tarnProperty());
    tool.upgradeLibrary()->setTimeout(300);
    QSignalSpy over(&tool, &UpgradeTool::signalUpdateCheckOver);
    QElapsedTimer clock;
    clock.start();
    tool.checkUpdate();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(over.size(), 1);
    QCOMPARE(over.at(0).at(0).toBool(), false);
    QVERIFY(tool.newVersionText().isEmpty());
    QCOMPARE(tool.versionLabel()->text(), QStringLiteral("V1.0.0"));
    QCOMPARE(m_server->requestedPaths(), QStringList{kManifestPath});
}

void TstUpgradeTool::download_data()
{
    QTest::addColumn<bool>("rightChecksum");
    QTest::addColumn<bool>("served");
    QTest::addColumn<QString>("hint");

    QTest::newRow("verified: opened") << true << true << "";
    QTest::newRow("checksum mismatch: refused")
        << false << true << "The downloaded update package is damaged and was not opened.";
    QTest::newRow("package missing") << true << false << "The update package could not be downloaded.";
}

void TstUpgradeTool::download()
{
    QFETCH(bool, rightChecksum);
    QFETCH(bool, served);
    QFETCH(QString, hint);

    const QByteArray bytes = packageBytes();
    const QByteArray checksum = QCryptographicHash::hash(rightChecksum ? bytes : QByteArray("other"),
                                                         QCryptographicHash::Sha256).toHex();
    m_server->setResponse(kManifestPath, ok(manifestJson(QStringLiteral("3.0.1.2"), checksum)));
    if (served)
        m_server->setResponse(kPackagePath, ok(bytes));
    writeUpgradeXml(m_server->baseUrl(), QString(), QStringLiteral("1"));

    UpgradeTool tool(tarnProperty());
    tool.upgradeLibrary()->setDownloadFolder(m_downloads->path());
    tool.checkUpdate();
    QCOMPARE(tool.newVersionText(), QStringLiteral("V3.0.1.2"));
    tool.onUpgrade();
    QCOMPARE(m_server->requestedPaths(), (QStringList{kManifestPath, kPackagePath}));

    const QString target = m_downloads->filePath(QStringLiteral("TARNTool-3.0.1.2.deb"));
    if (hint.isEmpty()) {
        QVERIFY(m_hints.isEmpty());
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(target)});
        // The progress dialog was up and full when the package was handed on.
        QVERIFY(m_progressVisible);
        QCOMPARE(m_progressValue, 100);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    } else {
        QCOMPARE(m_hints, QStringList{hint});
        QVERIFY(m_opened.isEmpty());
        QVERIFY(!QFile::exists(target));
    }
    // The progress dialog is gone once the download is over.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QProgressDialog *>(widget))
            QFAIL("a progress dialog is left behind");
    }
}

QTEST_MAIN(TstUpgradeTool)
#include "tst_upgradetool.moc"
