// The recovery set-up dialog and the default password restore against a
// simulated fleet on loopback: an exported GUID file that the device then
// accepts for a reset, security questions that the device then reports as
// set and accepts the answers of, the reserved e-mail per device with the
// states that the batch result page shows, the installed set-up behind the
// configuration panel's launcher, and the restore with the maker's security
// code.

#include "ccombobox.h"
#include "devicemodifyresultpage.h"
#include "devsimprocess.h"
#include "storefeeder.h"
#include "filedialogprovider.h"
#include "guidandqustiondialog.h"
#include "latin1text.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "recoverysetupinstall.h"
#include "recoverysetuplauncher.h"
#include "restorepassworddialog.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "tarnrecoveryrecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstring>
#include <memory>

using TARN::TarnHandler;
using TarnTool::GuidAndQustionDialog;
using TarnTool::MessageKind;

namespace {

const QString AdminPassword = QStringLiteral("Right1234");
const QByteArray NewPassword = "NewPass123x";

QString serialOf(int n)
{
    return QStringLiteral("TC425020240101RSD%1").arg(n, 6, 10, QLatin1Char('0'));
}

QString macOf(int n)
{
    return QStringLiteral("02-54-41-00-72-%1").arg(n, 2, 16, QLatin1Char('0'));
}

// Devices 1 to 19: a Wi-Fi camera with the GUID, questions and e-mail.
// 20: no GUID export; 21: the GUID export times out; 22: refuses the
// reserved e-mail with 2009; 30: an older camera that restores its default
// password with a security code.
QByteArray fleetJson()
{
    QStringList devices;
    for (int n = 1; n <= 22; ++n) {
        QString extra;
        int recoveryFlags = 0x0D;
        if (n == 20)
            recoveryFlags = 0x09;
        if (n == 21)
            extra = QStringLiteral(R"(, "refuse": {"get-config": 2011})");
        if (n == 22)
            extra = QStringLiteral(R"(, "refuse": {"set-config": 2009})");
        devices << QStringLiteral(R"({"serial": "%1", "mac": "%2", "model": "TC-4250-W",
            "activated": true, "password": "%3", "abilityFlags": 199, "recoveryFlags": %4,
            "extraAbilityFlags": 2, "maxRetries": 5, "lockSeconds": 120%5})")
                       .arg(serialOf(n), macOf(n), AdminPassword)
                       .arg(recoveryFlags)
                       .arg(extra);
    }
    devices << QStringLiteral(R"({"serial": "%1", "mac": "%2", "model": "TC-1120-B",
        "activated": true, "password": "%3", "abilityFlags": 4, "recoveryFlags": 1,
        "extraAbilityFlags": 0, "maxRetries": 3, "lockSeconds": 120})")
                   .arg(serialOf(30), macOf(30), AdminPassword);
    return "[" + devices.join(",\n").toUtf8() + "]";
}
constexpr int FleetSize = 23;

DeviceInfo deviceOf(int n)
{
    DeviceInfo info;
    info.strId = QString::number(n);
    info.strSerialNumber = serialOf(n);
    info.strMac = macOf(n);
    info.strResult = QStringLiteral("Succeed");
    info.strGuidState = QStringLiteral("Not Exported");
    info.strEmailState = QStringLiteral("Not Set");
    return info;
}

class FixedFolder : public TarnTool::FileDialogProvider
{
public:
    explicit FixedFolder(QString folder) : m_folder(std::move(folder)) {}
    QString getExistingDirectory(QWidget *, const QString &, const QString &,
                                 QFileDialog::Options) override
    {
        return m_folder;
    }

private:
    QString m_folder;
};

template<typename T>
T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

void chooseTask(GuidAndQustionDialog &dialog, int task)
{
    auto *mode = child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode");
    mode->setCurrentIndex(mode->findData(task));
}

void fillQuestions(GuidAndQustionDialog &dialog, const QVector<int> &ids, const QStringList &answers)
{
    for (int i = 0; i < 3; ++i) {
        auto *box = child<MirelGUIToolkit::CComboBox>(
            dialog, ("m_cmbQuestion" + QByteArray::number(i + 1)).constData());
        box->setCurrentIndex(box->findData(ids.at(i)));
        child<aptui::MultiStateLineEdit>(dialog, ("m_lineEditAnswer" + QByteArray::number(i + 1)).constData())
            ->setText(answers.at(i));
    }
}

void putText(char *field, size_t width, const QByteArray &text)
{
    std::memcpy(field, text.constData(), std::min(width, size_t(text.size())));
}

} // namespace

class TstRecoveryDialogsOnDevices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void exportedGuidResetsThePassword();
    void guidExportOfABatch();
    void guidExportFailureShowsTheCode();
    void questionsAreSetOnTheDevice();
    void questionsAndEmailCloseWhenBothDone_data();
    void questionsAndEmailCloseWhenBothDone();
    void reservedEmailPerDevice();
    void installedSetupReturnsTheStatesForTheResultPage();
    void restoreWithTheMakersSecurityCode();

private:
    QString runMaker(const QStringList &arguments, int *exitCode) const;
    QVector<QPair<MessageKind, QString>> m_messages;
    DevsimProcess m_sim;
    std::unique_ptr<StoreFeeder> m_feeder;
    QTemporaryDir m_dir;
    QString m_makerDir;
};

void TstRecoveryDialogsOnDevices::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    QVERIFY(m_dir.isValid());
    m_makerDir = m_dir.filePath("maker");
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetJson()), "--maker-dir", m_makerDir,
                         "--recovery-ttl", "600"}));
    TarnHandler *handler = TarnHandler::Instance();
    // The set-up reads each device's abilities from the store, as the list page fills it.
    m_feeder = std::make_unique<StoreFeeder>(handler);
    QVERIFY(handler->start());
    QVERIFY(StoreFeeder::waitForDevices(FleetSize, 10000));
}

void TstRecoveryDialogsOnDevices::cleanupTestCase()
{
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void TstRecoveryDialogsOnDevices::init()
{
    m_messages.clear();
    TarnTool::setMessageHook([this](MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
}

void TstRecoveryDialogsOnDevices::cleanup()
{
    TarnTool::setMessageHook({});
    TarnTool::setFileDialogProvider(nullptr);
    TarnTool::RecoverySetupLauncher::setHook({});
}

QString TstRecoveryDialogsOnDevices::runMaker(const QStringList &arguments, int *exitCode) const
{
    QProcess maker;
    maker.start(QFileInfo(qEnvironmentVariable("TARN_DEVSIM")).dir().filePath("tarn-maker"),
                QStringList{"--maker-dir", m_makerDir} + arguments);
    if (!maker.waitForFinished(15000))
        return {};
    *exitCode = maker.exitCode();
    return QString::fromUtf8(maker.readAllStandardOutput());
}

void TstRecoveryDialogsOnDevices::exportedGuidResetsThePassword()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    TarnTool::setFileDialogProvider(std::make_unique<FixedFolder>(folder.path()));

    GuidAndQustionDialog dialog(nullptr, true, true, true);
    dialog.setDeviceList({deviceOf(1)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(child<QToolButton>(dialog, "m_btnFilePath"), Qt::LeftButton);
    QCOMPARE(child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->text(), folder.path());
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);

    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{{MessageKind::Ok, "Export completed."}}));
    QCOMPARE(dialog.deviceList().first().strGuidState, QStringLiteral("Export completed"));
    QCOMPARE(dialog.deviceList().first().strEmailState, QStringLiteral("Not Set"));
    // One device: the dialog stays open for the next task.
    QVERIFY(dialog.isVisible());

    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression("^" + serialOf(1) + "-\\d{12}\\.xml$").match(files.first()).hasMatch(),
             qPrintable(files.first()));
    QFile file(folder.filePath(files.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray guid = file.readAll();
    QCOMPARE(guid.size(), 128);

    TarnHandler *handler = TarnHandler::Instance();
    TarnResetRequest request;
    request.method = 4;
    putText(request.newPassword, sizeof request.newPassword, NewPassword);
    // A GUID other than the exported one is refused ...
    QByteArray wrong = guid;
    wrong[0] = wrong.at(0) == 'a' ? 'b' : 'a';
    std::memcpy(request.guid, wrong.constData(), size_t(wrong.size()));
    TarnResetFailureInfo failure;
    QVERIFY(!handler->resetPasswdV40(serialOf(1), &request, &failure));
    QCOMPARE(handler->getLastError(), 2026);
    // ... the file's content resets the password.
    std::memcpy(request.guid, guid.constData(), size_t(guid.size()));
    QVERIFY2(handler->resetPasswdV40(serialOf(1), &request, &failure),
             qPrintable(QString::number(handler->getLastError())));

    // The old password is gone: the next export with it fails.
    m_messages.clear();
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().first, MessageKind::Error);
    QCOMPARE(m_messages.first().second, QStringLiteral("Get GUID file failed.(2024)"));
    QCOMPARE(dialog.deviceList().first().strGuidState, QStringLiteral("Export Failed"));
}

void TstRecoveryDialogsOnDevices::guidExportOfABatch()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    GuidAndQustionDialog dialog(nullptr, true, false, false);
    dialog.setDeviceList({deviceOf(20), deviceOf(2), deviceOf(3)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->setText(folder.path() + "/");
    dialog.onOkClicked();

    // No message box interrupts a batch; the dialog closes.
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QVector<DeviceInfo> after = dialog.deviceList();
    QCOMPARE(after.at(0).strGuidState, QStringLiteral("Not Suport"));
    QCOMPARE(after.at(1).strGuidState, QStringLiteral("Export completed"));
    QCOMPARE(after.at(2).strGuidState, QStringLiteral("Export completed"));
    QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 2);
    QVERIFY(files.at(0).startsWith(serialOf(2) + "-"));
    QVERIFY(files.at(1).startsWith(serialOf(3) + "-"));
    for (const QString &name : files)
        QCOMPARE(QFileInfo(folder.filePath(name)).size(), qint64(128));
}

void TstRecoveryDialogsOnDevices::guidExportFailureShowsTheCode()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    GuidAndQustionDialog dialog(nullptr, true, false, false);
    dialog.setDeviceList({deviceOf(21)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->setText(folder.path());
    dialog.onOkClicked();

    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{
                             {MessageKind::Error, "Get GUID file failed.(2011)"}}));
    QCOMPARE(dialog.deviceList().first().strGuidState, QStringLiteral("Export Failed"));
    QVERIFY(dialog.isVisible());
    QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

void TstRecoveryDialogsOnDevices::questionsAreSetOnTheDevice()
{
    GuidAndQustionDialog dialog(nullptr, false, true, false);
    dialog.setDeviceList({deviceOf(4)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    fillQuestions(dialog, {2, 5, 9}, {"Maria", " room mate ", "Go"});
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);

    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{
                             {MessageKind::Ok, "Set security questions successed."}}));
    QVERIFY(dialog.questionsDone());
    // Questions only: done, so the dialog closes by itself.
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.deviceList().first().strGuidState, QStringLiteral("Not Exported"));

    TarnHandler *handler = TarnHandler::Instance();
    auto list = std::make_unique<TarnQuestionList>();
    QVERIFY(handler->getDeviceConfig(serialOf(4), DeviceConfigCommand::GetSecurityQuestions, nullptr,
                                     0, list.get(), sizeof(TarnQuestionList)));
    QVector<int> set;
    for (int j = 0; j < TarnQuestionCount; ++j) {
        if (list->entries[j].isSet == 1)
            set << int(list->entries[j].questionId);
    }
    QCOMPARE(set, (QVector<int>{2, 5, 9}));

    // The device takes the answers as typed, spaces included.
    auto reset = [&](const QByteArray &second) {
        TarnResetRequest request;
        request.method = 5;
        putText(request.newPassword, sizeof request.newPassword, NewPassword);
        const QVector<QPair<int, QByteArray>> answers{{2, "Maria"}, {5, second}, {9, "Go"}};
        for (const auto &answer : answers) {
            TarnQuestionEntry &entry = request.questions[answer.first];
            entry.questionId = quint32(answer.first);
            putText(entry.answer, sizeof entry.answer, answer.second);
            entry.isSet = 1;
        }
        TarnResetFailureInfo failure;
        return handler->resetPasswdV40(serialOf(4), &request, &failure) ? 0 : handler->getLastError();
    };
    QCOMPARE(reset("room mate"), 2027);
    QCOMPARE(reset(" room mate "), 0);
}

void TstRecoveryDialogsOnDevices::questionsAndEmailCloseWhenBothDone_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("questionsFirst");

    QTest::newRow("questions, then e-mail") << 5 << true;
    QTest::newRow("e-mail, then questions") << 6 << false;
}

void TstRecoveryDialogsOnDevices::questionsAndEmailCloseWhenBothDone()
{
    QFETCH(int, device);
    QFETCH(bool, questionsFirst);

    GuidAndQustionDialog dialog(nullptr, false, true, true);
    dialog.setDeviceList({deviceOf(device)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    fillQuestions(dialog, {1, 7, 15}, {"a1", "a2", "a3"});
    child<QLineEdit>(dialog, "emailEdit")->setText(QStringLiteral("  owner@example.com "));

    chooseTask(dialog, questionsFirst ? GuidAndQustionDialog::QuestionTask : GuidAndQustionDialog::EmailTask);
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    chooseTask(dialog, questionsFirst ? GuidAndQustionDialog::EmailTask : GuidAndQustionDialog::QuestionTask);
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);

    QVERIFY(dialog.questionsDone());
    QVERIFY(dialog.emailDone());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(questionsFirst ? 0 : 1).second, QStringLiteral("Set security questions successed."));
    QCOMPARE(m_messages.at(questionsFirst ? 1 : 0).second, QStringLiteral("Set reserved email successed."));
    QCOMPARE(dialog.deviceList().first().strEmailState, QStringLiteral("successed."));

    // The device holds the trimmed address.
    TarnEmailResetInfo info;
    QVERIFY(TarnHandler::Instance()->getDeviceConfig(serialOf(device), DeviceConfigCommand::GetEmailResetInfo,
                                                     nullptr, 0, &info, sizeof info));
    QCOMPARE(latin1String(info.reservedEmail), QStringLiteral("owner@example.com"));
}

void TstRecoveryDialogsOnDevices::reservedEmailPerDevice()
{
    GuidAndQustionDialog dialog(nullptr, false, false, true);
    dialog.setDeviceList({deviceOf(7), deviceOf(22), deviceOf(8)});
    dialog.setAdminPassword(AdminPassword);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QLineEdit>(dialog, "emailEdit")->setText(QStringLiteral("site@example.com"));
    dialog.onOkClicked();

    QVERIFY(m_messages.isEmpty());
    const QVector<DeviceInfo> after = dialog.deviceList();
    QCOMPARE(after.at(0).strEmailState, QStringLiteral("successed."));
    QCOMPARE(after.at(1).strEmailState, QStringLiteral("failed.2009"));
    QCOMPARE(after.at(2).strEmailState, QStringLiteral("successed."));
    for (const DeviceInfo &info : after)
        QCOMPARE(info.strGuidState, QStringLiteral("Not Exported"));
    // The last device succeeded; e-mail without questions is then done.
    QVERIFY(dialog.emailDone());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TstRecoveryDialogsOnDevices::installedSetupReturnsTheStatesForTheResultPage()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    TarnTool::setFileDialogProvider(std::make_unique<FixedFolder>(folder.path()));
    TarnTool::installRecoverySetupDialog();

    // The user exports the GUID files of the batch, which closes the dialog.
    bool driven = false;
    QTimer::singleShot(0, this, [&driven] {
        auto *dialog = qobject_cast<GuidAndQustionDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::mouseClick(child<QToolButton>(*dialog, "m_btnFilePath"), Qt::LeftButton);
        QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
        driven = true;
    });
    const QVector<DeviceInfo> returned = TarnTool::RecoverySetupLauncher::run(
        true, true, true, {deviceOf(9), deviceOf(20), deviceOf(10)}, AdminPassword);
    QVERIFY(driven);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(returned.size(), 3);
    QCOMPARE(returned.at(0).strGuidState, QStringLiteral("Export completed"));
    QCOMPARE(returned.at(1).strGuidState, QStringLiteral("Not Suport"));
    QCOMPARE(returned.at(2).strGuidState, QStringLiteral("Export completed"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
    QVERIFY(m_messages.isEmpty());

    // The batch result page shows what the set-up wrote.
    TarnTool::DeviceModifyResultPage page;
    page.setResultRows(returned);
    QStandardItemModel *model = page.resultModel();
    QCOMPARE(model->rowCount(), 3);
    const QStringList expected{"Export completed", "Not Suport", "Export completed"};
    for (int row = 0; row < 3; ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        QVERIFY2(cells.contains(expected.at(row)), qPrintable(cells.join('|')));
        QVERIFY2(cells.contains(QStringLiteral("Not Set")), qPrintable(cells.join('|')));
    }

    // With nothing offered nothing opens and the devices come back as given.
    const QVector<DeviceInfo> untouched =
        TarnTool::RecoverySetupLauncher::run(false, false, false, {deviceOf(11)}, AdminPassword);
    QCOMPARE(untouched.first().strGuidState, QStringLiteral("Not Exported"));
}

void TstRecoveryDialogsOnDevices::restoreWithTheMakersSecurityCode()
{
    const QString serial = serialOf(30);
    int exitCode = -1;
    const QString said = runMaker({"security-code", "--serial", serial}, &exitCode);
    QCOMPARE(exitCode, 0);
    const QString code = said.section('\n', 0, 0).trimmed();
    QVERIFY2(!code.isEmpty(), qPrintable(said));

    TarnTool::RestorePasswordDialog dialog(nullptr, serial);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *field = child<aptui::MultiStateLineEdit>(dialog, "m_lineEditSecurityCode");

    // A wrong code: the dialog stays open with the code as typed.
    field->setText(QStringLiteral("WRONG-CODE-00"));
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{{MessageKind::Error, "Restore password failed."}}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(field->text(), QStringLiteral("WRONG-CODE-00"));

    // A code of spaces is a code: it goes to the device, which refuses it.
    m_messages.clear();
    field->setText(QStringLiteral("   "));
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{{MessageKind::Error, "Restore password failed."}}));
    QCOMPARE(TarnHandler::Instance()->getLastError(), 2009);

    m_messages.clear();
    field->setText(code);
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{{MessageKind::Ok, "Restore password succeed."}}));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    // The device now has its default password and the code is spent.
    TarnTool::RestorePasswordDialog again(nullptr, serial);
    m_messages.clear();
    child<aptui::MultiStateLineEdit>(again, "m_lineEditSecurityCode")->setText(code);
    again.onRestorePassword();
    QCOMPARE(m_messages, (QVector<QPair<MessageKind, QString>>{{MessageKind::Error, "Restore password failed."}}));
}

QTEST_MAIN(TstRecoveryDialogsOnDevices)
#include "tst_recoverydialogsondevices.moc"
