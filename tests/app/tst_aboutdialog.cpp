// The about panel: build number, version label, the manual and licence
// look-ups and their notices, and the rules for its lines and buttons.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

#include "aboutdialog.h"
#include "desktopservices.h"
#include "hintbox.h"
#include "widget.h"

class TstAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void buildNumber_data();
    void buildNumber();
    void versionLabel();
    void labelsShowTheirWholeText();
    void manualPath_data();
    void manualPath();
    void helpFindsTheManualInTheWorkingDirectory();
    void missingManualIsReportedUnderTheCover();
    void licenceFolderIsBesideTheProgram();
    void buttonLines_data();
    void buttonLines();

private:
    QStringList m_notices;
    QList<QUrl> m_opened;
};

void TstAboutDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    TarnTool::setHintBoxHook([this](const QString &message, TarnTool::HintBoxKind) {
        m_notices << message;
        return true;
    });
    aptui::setUrlOpener([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
}

void TstAboutDialog::cleanup()
{
    m_notices.clear();
    m_opened.clear();
}

void TstAboutDialog::buildNumber_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<unsigned>("number");
    QTest::newRow("one-digit day") << QByteArray("Aug  1 2019") << 20190801u;
    QTest::newRow("two-digit day") << QByteArray("Dec 31 2026") << 20261231u;
    QTest::newRow("January") << QByteArray("Jan 10 2000") << 20000110u;
    QTest::newRow("unknown month") << QByteArray("Foo 10 2000") << 0u;
    QTest::newRow("too short") << QByteArray("Aug 1 2019") << 0u;
    QTest::newRow("letters in year") << QByteArray("Aug 11 20x9") << 0u;
}

void TstAboutDialog::buildNumber()
{
    QFETCH(QByteArray, date);
    QFETCH(unsigned, number);
    QCOMPARE(aptui::CDlgAbout::buildNumber(date.constData()), number);
}

void TstAboutDialog::versionLabel()
{
    AboutDialog about;
    const QString text = about.versionText();
    QVERIFY2(QRegularExpression("^Version: v3\\.0\\.0\\.21build20\\d{6}$").match(text).hasMatch(), qPrintable(text));
    QCOMPARE(text.right(8).toUInt(), aptui::CDlgAbout::buildNumber());
    // The corner link, name, version, the upper line and one button.
    QCOMPARE(about.cornerButton()->text(), QString("User Help"));
    QVERIFY(!about.cornerButton()->isHidden());
    QVERIFY(about.button1()->isHidden());
    QVERIFY(!about.button2()->isHidden());
    QCOMPARE(about.button2()->text(), QString("Open Source License"));
    QVERIFY(!about.panel()->findChild<QWidget *>("aboutLine1")->isHidden());
    QVERIFY(about.panel()->findChild<QWidget *>("aboutLine2")->isHidden());
    QCOMPARE(about.panel()->size(), QSize(288, 134));
}

void TstAboutDialog::labelsShowTheirWholeText()
{
    // The panel keeps its fixed size, and the version with its build number
    // is wider than the room beside the icon: it must wrap, not be cut off.
    AboutDialog about;
    about.panel()->show();
    QVERIFY(QTest::qWaitForWindowExposed(about.panel()));
    for (const char *name : {"m_labNameValue", "m_labVersionValue"}) {
        const auto *label = about.panel()->findChild<QLabel *>(name);
        QVERIFY(label);
        const QRect room = label->contentsRect();
        const QFontMetrics metrics(label->font());
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        } else {
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= room.width(), name);
        }
        QVERIFY2(label->geometry().right() < about.panel()->width(), name);
    }
}

void TstAboutDialog::manualPath_data()
{
    QTest::addColumn<unsigned>("translator");
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << 0u << "/tmp/w/TARN User Manual.pdf";
    QTest::newRow("local language") << 1u << "/tmp/w/" + AboutDialog::localManualFileName();
    QTest::newRow("other: the folder") << 2u << "/tmp/w";
}

void TstAboutDialog::manualPath()
{
    QFETCH(unsigned, translator);
    QFETCH(QString, path);
    QCOMPARE(AboutDialog::manualPath(translator, "/tmp/w"), path);
}

void TstAboutDialog::helpFindsTheManualInTheWorkingDirectory()
{
    QTemporaryDir dir;
    QFile manual(dir.filePath("TARN User Manual.pdf"));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("%PDF-1.4\n");
    manual.close();
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    AboutDialog about;
    QSignalSpy cover(&about, &AboutDialog::signalCover);
    const bool opened = about.onGetHelp();
    QDir::setCurrent(before);
    QVERIFY(opened);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(manual).absoluteFilePath())});
    QVERIFY(m_notices.isEmpty());
    QCOMPARE(cover.count(), 0);
}

void TstAboutDialog::missingManualIsReportedUnderTheCover()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    AboutDialog about;
    QStringList order;
    connect(&about, &AboutDialog::signalCover, this, [&] { order << "cover"; });
    connect(&about, &AboutDialog::signalDiscover, this, [&] { order << "discover"; });
    const bool opened = about.onGetHelp();
    QDir::setCurrent(before);
    QVERIFY(!opened);
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(m_notices, QStringList{"No user manual found."});
    QCOMPARE(order, (QStringList{"cover", "discover"}));
}

void TstAboutDialog::licenceFolderIsBesideTheProgram()
{
    const QString folder = QCoreApplication::applicationDirPath() + "/Open Source Software Licenses";
    QDir(folder).removeRecursively();
    AboutDialog about;
    QVERIFY(!about.onGetOpenSourceLicense());
    QCOMPARE(m_notices, QStringList{"Open Open Source Software Licenses file directory failed."});

    m_notices.clear();
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(about.onGetOpenSourceLicense());
    QDir(folder).removeRecursively();
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QVERIFY(m_notices.isEmpty());
}

void TstAboutDialog::buttonLines_data()
{
    QTest::addColumn<bool>("button1");
    QTest::addColumn<bool>("button2");
    QTest::addColumn<bool>("line1");
    QTest::addColumn<bool>("line2");
    QTest::newRow("none") << false << false << false << false;
    QTest::newRow("first only") << true << false << true << false;
    QTest::newRow("second only") << false << true << true << false;
    QTest::newRow("both") << true << true << true << true;
}

void TstAboutDialog::buttonLines()
{
    QFETCH(bool, button1);
    QFETCH(bool, button2);
    QFETCH(bool, line1);
    QFETCH(bool, line2);
    aptui::CDlgAbout about;
    about.setBottomVisible(false);
    about.setButton1Visible(button1);
    about.setButton2Visible(button2);
    QCOMPARE(!about.button1()->isHidden(), button1);
    QCOMPARE(!about.button2()->isHidden(), button2);
    QCOMPARE(!about.panel()->findChild<QWidget *>("aboutLine1")->isHidden(), line1);
    QCOMPARE(!about.panel()->findChild<QWidget *>("aboutLine2")->isHidden(), line2);
}

QTEST_MAIN(TstAboutDialog)
#include "tst_aboutdialog.moc"
