// The export dialog: its input checks and their field marks, the folder
// button, the remembered folder, the variant's hidden columns and the rule
// that a save never replaces a file.

#include "configuremanager.h"
#include "devicesinfosavepage.h"
#include "filedialogprovider.h"
#include "filepathbutton.h"
#include "messagebox.h"
#include "multistatelineedit.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using aptui::MultiStateLineEdit;
using TarnTool::DevicesInfoSavePage;
using TarnTool::MessageKind;

namespace {

struct Shown
{
    MessageKind kind;
    QString text;
};

// Answers the folder chooser without a window and remembers where it started.
class FakeDirectoryProvider : public TarnTool::FileDialogProvider
{
public:
    FakeDirectoryProvider(QString answer, QString *startedIn)
        : m_answer(std::move(answer)), m_startedIn(startedIn)
    {
    }

    QString getExistingDirectory(QWidget *, const QString &, const QString &directory,
                                 QFileDialog::Options) override
    {
        *m_startedIn = directory;
        return m_answer;
    }

private:
    QString m_answer;
    QString *m_startedIn;
};

} // namespace

class DevicesInfoSavePageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void frameAndForm();
    void missingInput_data();
    void missingInput();
    void mousePressClearsErrorMark_data();
    void mousePressClearsErrorMark();
    void savesCheckedRowsAndCloses();
    void secondExportToSameNameIsRefused();
    void failedSaveKeepsDialogOpen_data();
    void failedSaveKeepsDialogOpen();
    void folderButtonFillsFieldAndRemembersFolder();
    void cancelledFolderChoiceChangesNothing();
    void pellarisColumns_data();
    void pellarisColumns();

private:
    QString writeSetup(const QByteArray &settings);
    static QByteArray readFile(const QString &path);
    static MultiStateLineEdit *field(DevicesInfoSavePage &page, const char *name);

    QTemporaryDir m_dir;
    QList<Shown> m_shown;
    int m_setups = 0;
};

void DevicesInfoSavePageTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void DevicesInfoSavePageTest::init()
{
    m_shown.clear();
    TarnTool::setMessageHook([this](MessageKind kind, const QString &text) {
        m_shown.append({kind, text});
    });
    DevicesInfoSavePage::setLastExportDirectory(QString());
    QVERIFY(apt::ConfigureManager::instance()->load(writeSetup(QByteArray())));
}

void DevicesInfoSavePageTest::cleanup()
{
    TarnTool::setMessageHook({});
    TarnTool::setFileDialogProvider(nullptr);
}

QString DevicesInfoSavePageTest::writeSetup(const QByteArray &settings)
{
    const QString path = m_dir.filePath(QStringLiteral("Setup%1.xml").arg(++m_setups));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>" + settings + "</Setup>\n");
    return path;
}

QByteArray DevicesInfoSavePageTest::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

MultiStateLineEdit *DevicesInfoSavePageTest::field(DevicesInfoSavePage &page, const char *name)
{
    return page.findChild<MultiStateLineEdit *>(QString::fromLatin1(name));
}

void DevicesInfoSavePageTest::frameAndForm()
{
    DevicesInfoSavePage::setLastExportDirectory(QStringLiteral("/remembered/"));
    DevicesInfoSavePage page;
    QCOMPARE(page.windowTitle(), QStringLiteral("Export"));
    QCOMPARE(page.size(), QSize(510, 362));
    QVERIFY(page.confirmButton()->isVisibleTo(&page));
    QVERIFY(page.cancelButton()->isVisibleTo(&page));
    QCOMPARE(field(page, "m_lineEditFilepath")->text(), QStringLiteral("/remembered/"));
    QVERIFY(page.findChild<aptui::FilePathButton *>("m_btnFilepath"));

    // The field stops at 32 characters.
    MultiStateLineEdit *name = field(page, "m_lineEditFilename");
    QTest::keyClicks(name, QString(33, QLatin1Char('n')));
    QCOMPARE(name->text(), QString(32, QLatin1Char('n')));
}

void DevicesInfoSavePageTest::missingInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("markedField");
    QTest::newRow("no name") << "" << m_dir.path() << "Please input file name."
                             << "m_lineEditFilename";
    QTest::newRow("no name, no folder") << "" << "" << "Please input file name."
                                        << "m_lineEditFilename";
    QTest::newRow("no folder") << "list" << "" << "Please input file path."
                               << "m_lineEditFilepath";
}

void DevicesInfoSavePageTest::missingInput()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, message);
    QFETCH(QString, markedField);

    DevicesInfoSavePage page;
    field(page, "m_lineEditFilename")->setText(name);
    field(page, "m_lineEditFilepath")->setText(folder);
    page.confirmButton()->click();

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().kind, MessageKind::Error);
    QCOMPARE(m_shown.first().text, message);
    QCOMPARE(page.findChild<MultiStateLineEdit *>(markedField)->lineEditState(),
             MultiStateLineEdit::ERROR);
    QCOMPARE(page.result(), int(QDialog::Rejected));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(name + ".csv")));
}

void DevicesInfoSavePageTest::mousePressClearsErrorMark_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("hintName");
    QTest::newRow("file name") << "m_lineEditFilename" << "m_labelHintFileName";
    QTest::newRow("file path") << "m_lineEditFilepath" << "m_labelHintFilePath";
}

void DevicesInfoSavePageTest::mousePressClearsErrorMark()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, hintName);

    DevicesInfoSavePage page;
    page.show();
    auto *input = page.findChild<MultiStateLineEdit *>(fieldName);
    auto *hint = page.findChild<QLabel *>(hintName);
    input->setLineEditState(MultiStateLineEdit::ERROR);
    hint->setText(QStringLiteral("!"));

    QTest::mousePress(input, Qt::LeftButton);
    QCOMPARE(input->lineEditState(), MultiStateLineEdit::NORMAL);
    QVERIFY(hint->text().isEmpty());
    QVERIFY(hint->pixmap().isNull());
}

void DevicesInfoSavePageTest::savesCheckedRowsAndCloses()
{
    DevicesInfoSavePage page;
    page.setExportTable({{"ID", "Device Type", "Serial Number"}, {{"001", "DS,X", "ABC"}}});
    field(page, "m_lineEditFilename")->setText("devices");
    field(page, "m_lineEditFilepath")->setText(m_dir.path()); // typed by hand, no separator
    page.confirmButton()->click();

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().kind, MessageKind::Ok);
    QCOMPARE(m_shown.first().text, QStringLiteral("Saving succeed."));
    QCOMPARE(page.result(), int(QDialog::Accepted));
    QCOMPARE(readFile(m_dir.filePath("devices.csv")),
             QByteArray("Index,Device Type,Device Serial Number\n001,\"DS,X\",ABC\n"));
    QCOMPARE(DevicesInfoSavePage::lastExportDirectory(), m_dir.path());
}

void DevicesInfoSavePageTest::secondExportToSameNameIsRefused()
{
    const QString path = m_dir.filePath("twice.csv");
    {
        DevicesInfoSavePage first;
        first.setExportTable({{"ID"}, {{"001"}}});
        field(first, "m_lineEditFilename")->setText("twice");
        field(first, "m_lineEditFilepath")->setText(m_dir.path());
        first.onSaveDevicesInfoToCSV();
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    const QByteArray written = readFile(path);

    DevicesInfoSavePage second;
    second.setExportTable({{"ID"}, {{"002"}, {"003"}}});
    field(second, "m_lineEditFilename")->setText("twice");
    second.onSaveDevicesInfoToCSV(); // the folder comes from the first export
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(m_shown.last().kind, MessageKind::Error);
    QCOMPARE(m_shown.last().text, QStringLiteral("The file name has been used, please change it"));
    QCOMPARE(second.result(), int(QDialog::Rejected));
    QCOMPARE(field(second, "m_lineEditFilename")->lineEditState(), MultiStateLineEdit::NORMAL);
    QCOMPARE(readFile(path), written);
}

void DevicesInfoSavePageTest::failedSaveKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("mustNotExist");
    QTest::newRow("missing folder") << "list" << m_dir.filePath("missing") << "missing";
    QTest::newRow("separator in name") << "../escaped" << m_dir.filePath("sub")
                                       << "escaped.csv";
}

void DevicesInfoSavePageTest::failedSaveKeepsDialogOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(QString, mustNotExist);
    QDir(m_dir.path()).mkdir("sub");

    DevicesInfoSavePage page;
    field(page, "m_lineEditFilename")->setText(name);
    field(page, "m_lineEditFilepath")->setText(folder);
    page.onSaveDevicesInfoToCSV();

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().kind, MessageKind::Error);
    QCOMPARE(m_shown.first().text, QStringLiteral("Saving failed."));
    QCOMPARE(page.result(), int(QDialog::Rejected));
    QCOMPARE(field(page, "m_lineEditFilename")->text(), name);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(mustNotExist)));
}

void DevicesInfoSavePageTest::folderButtonFillsFieldAndRemembersFolder()
{
    const QString chosen = m_dir.filePath("chosen");
    QVERIFY(QDir().mkpath(chosen));
    QString startedIn = QStringLiteral("<not asked>");
    TarnTool::setFileDialogProvider(std::make_unique<FakeDirectoryProvider>(chosen, &startedIn));
    DevicesInfoSavePage::setLastExportDirectory(m_dir.path());

    DevicesInfoSavePage page;
    page.setExportTable({{"ID"}, {{"001"}}});
    MultiStateLineEdit *path = field(page, "m_lineEditFilepath");
    path->setLineEditState(MultiStateLineEdit::ERROR);
    page.findChild<aptui::FilePathButton *>("m_btnFilepath")->click();

    QCOMPARE(startedIn, m_dir.path());
    QCOMPARE(path->text(), chosen + QDir::separator());
    QCOMPARE(path->lineEditState(), MultiStateLineEdit::NORMAL);
    QCOMPARE(DevicesInfoSavePage::lastExportDirectory(), chosen);

    field(page, "m_lineEditFilename")->setText("picked");
    page.onSaveDevicesInfoToCSV();
    QCOMPARE(page.result(), int(QDialog::Accepted));
    QCOMPARE(readFile(QDir(chosen).filePath("picked.csv")), QByteArray("Index\n001\n"));
}

void DevicesInfoSavePageTest::cancelledFolderChoiceChangesNothing()
{
    QString startedIn;
    TarnTool::setFileDialogProvider(std::make_unique<FakeDirectoryProvider>(QString(), &startedIn));
    DevicesInfoSavePage::setLastExportDirectory(QStringLiteral("/before/"));

    DevicesInfoSavePage page;
    page.findChild<aptui::FilePathButton *>("m_btnFilepath")->click();
    QCOMPARE(startedIn, QStringLiteral("/before/"));
    QCOMPARE(field(page, "m_lineEditFilepath")->text(), QStringLiteral("/before/"));
    QCOMPARE(DevicesInfoSavePage::lastExportDirectory(), QStringLiteral("/before/"));
}

void DevicesInfoSavePageTest::pellarisColumns_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray all("Index,Support Pellaris,MAC,Pellaris Status\n001,Yes,aa,ON\n");
    const QByteArray hidden("Index,MAC\n001,aa\n");
    QTest::newRow("variant absent, translator 1")
        << QByteArray("<Translator><Value>1</Value></Translator>") << hidden;
    QTest::newRow("variant 1, translator 1")
        << QByteArray("<Translator><Value>1</Value></Translator>"
                      "<VersionType><Value>1</Value></VersionType>")
        << hidden;
    QTest::newRow("translator 0") << QByteArray("<Translator><Value>0</Value></Translator>") << all;
    QTest::newRow("translator absent") << QByteArray() << all;
    QTest::newRow("variant 0, translator 1")
        << QByteArray("<Translator><Value>1</Value></Translator>"
                      "<VersionType><Value>0</Value></VersionType>")
        << all;
}

void DevicesInfoSavePageTest::pellarisColumns()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, expected);
    QVERIFY(apt::ConfigureManager::instance()->load(writeSetup(settings)));

    const QString name = QStringLiteral("pellaris%1").arg(m_setups);
    DevicesInfoSavePage page;
    page.setExportTable({{"ID", "Support Pellaris", "MAC", "Pellaris Status"},
                         {{"001", "Yes", "aa", "ON"}}});
    field(page, "m_lineEditFilename")->setText(name);
    field(page, "m_lineEditFilepath")->setText(m_dir.path());
    page.onSaveDevicesInfoToCSV();
    QCOMPARE(readFile(m_dir.filePath(name + ".csv")), expected);
}

QTEST_MAIN(DevicesInfoSavePageTest)
#include "tst_devicesinfosavepage.moc"
