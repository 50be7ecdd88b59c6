// The reset dialog against a simulated fleet on loopback and the simulated
// maker (tarn-maker): each recovery method resets a device's forgotten
// password (key request exported and answered with a key file or a typed
// key, the GUID file exported at set-up, the security questions, the
// verification code mailed to the reserved address), after which the new
// password changes the device's network parameters; a wrong proof shows the
// attempts left and leaves the dialog open.

#include "ccombobox.h"
#include "cradiobutton.h"
#include "devsimprocess.h"
#include "storefeeder.h"
#include "filedialogprovider.h"
#include "latin1text.h"
#include "messagebox.h"
#include "resetpassworddialog.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "tarnrecoveryrecords.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <QTimer>

#include <cstring>

using TARN::TarnHandler;
using TarnTool::ResetPasswordDialog;

namespace {

const QString AdminPassword = QStringLiteral("Admin12345");
const QString NewPassword = QStringLiteral("Reset#2026ok");

// Serial numbers of this suite: "RPE" and a short tag; one device per test.
QString serialOf(const char *tag)
{
    return QStringLiteral("TC425020240101RPE%1").arg(QLatin1String(tag));
}

QByteArray device(const char *tag, int mac, int recoveryFlags, int extra = 2)
{
    return QStringLiteral(R"({"serial": "%1", "mac": "02-54-41-00-72-%2", "model": "TC-4250-W",
        "deviceClass": 8245, "abilityFlags": 199, "recoveryFlags": %3, "extraAbilityFlags": %4,
        "emailTipMode": 2, "ipv4": "10.72.0.%5", "mask": "255.255.0.0", "gateway": "10.72.0.1",
        "maxRetries": 5, "lockSeconds": 120})")
        .arg(serialOf(tag))
        .arg(mac, 2, 16, QLatin1Char('0'))
        .arg(recoveryFlags)
        .arg(extra)
        .arg(mac + 10)
        .toLatin1();
}

// Recovery flags: 0x01 QR and typed key, 0x04 GUID, 0x08 questions.
const QByteArray Fleet = "[" + device("KF1", 1, 14) + "," + device("KT1", 2, 15) + "," + device("KW1", 3, 15)
                         + "," + device("GD1", 4, 15) + "," + device("GW1", 5, 15) + ","
                         + device("QS1", 6, 15) + "," + device("QW1", 7, 15) + "," + device("EM1", 8, 15)
                         + "," + device("EW1", 9, 15) + "]";
constexpr int FleetSize = 9;

struct Message
{
    TarnTool::MessageKind kind;
    QString text;
};

template <std::size_t N>
void putText(char (&field)[N], const QByteArray &bytes)
{
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), std::min<std::size_t>(N, std::size_t(bytes.size())));
}

class ScriptedFiles : public TarnTool::FileDialogProvider
{
public:
    QString answer;
    QString getOpenFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return answer;
    }
    QString getExistingDirectory(QWidget *, const QString &, const QString &, QFileDialog::Options) override
    {
        return answer;
    }
};

} // namespace

class TstResetPasswordOnDevices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void keyFileFromExportedRequest();
    void typedKeyFromQrRequest();
    void wrongKeyIsDenied();
    void guidFile();
    void wrongGuidShowsAttemptsLeft();
    void securityQuestions();
    void wrongAnswersShowAttemptsLeft();
    void emailVerificationCode();
    void wrongVerificationCodeShowsAttemptsLeft();

private:
    std::unique_ptr<ResetPasswordDialog> dialogFor(const char *tag) const;
    QString maker(const QStringList &arguments);
    QString onlyFileIn(const QString &directory, const QString &suffix) const;
    void typePasswords(ResetPasswordDialog *dialog, const char *newField, const char *confirmField,
                       const QString &password = NewPassword);
    // The device takes the new password for a network change, and no longer
    // the old one.
    void verifyNewPassword(const char *tag, const QString &password = NewPassword);
    QByteArray exportGuid(const char *tag);
    void setQuestions(const char *tag);
    void setReservedEmail(const char *tag, const QString &address);
    void selectMode(ResetPasswordDialog *dialog, int mode);

    template <typename T>
    static T *child(const QWidget *dialog, const char *name)
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }

    DevsimProcess m_sim;
    std::unique_ptr<StoreFeeder> m_feeder;
    QString m_makerDir;
    QTemporaryDir m_dir;
    QVector<Message> m_messages;
    ScriptedFiles *m_files = nullptr;
};

void TstResetPasswordOnDevices::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    m_makerDir = m_sim.tempPath(QStringLiteral("maker"));
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(Fleet), "--maker-dir", m_makerDir}));

    TarnHandler *handler = TarnHandler::Instance();
    m_feeder = std::make_unique<StoreFeeder>(handler);
    QVERIFY(handler->start());
    QVERIFY(StoreFeeder::waitForDevices(FleetSize, 15000));

    TarnTool::setMessageHook([this](TarnTool::MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
    auto files = std::make_unique<ScriptedFiles>();
    m_files = files.get();
    TarnTool::setFileDialogProvider(std::move(files));
}

void TstResetPasswordOnDevices::cleanupTestCase()
{
    TarnTool::setMessageHook({});
    TarnTool::setFileDialogProvider(nullptr);
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void TstResetPasswordOnDevices::init()
{
    m_messages.clear();
    m_files->answer.clear();
}

std::unique_ptr<ResetPasswordDialog> TstResetPasswordOnDevices::dialogFor(const char *tag) const
{
    const TarnDeviceInfo record = StoreFeeder::stored(serialOf(tag));
    return std::make_unique<ResetPasswordDialog>(
        nullptr, serialOf(tag), record.recoveryFlags & 0x01, record.abilityFlags & 0x80,
        record.recoveryFlags & 0x04, record.recoveryFlags & 0x08, record.recoveryFlags & 0x02,
        record.extraAbilityFlags & 0x02, record.emailTipMode, record.userKind, latin1String(record.userName));
}

QString TstResetPasswordOnDevices::maker(const QStringList &arguments)
{
    const QString program = QFileInfo(qEnvironmentVariable("TARN_DEVSIM")).dir().filePath(QStringLiteral("tarn-maker"));
    QProcess process;
    process.start(program, QStringList{"--maker-dir", m_makerDir} + arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        qWarning("tarn-maker %s: %s", qPrintable(arguments.join(' ')), process.readAllStandardError().constData());
        return QString();
    }
    return QString::fromLatin1(process.readAllStandardOutput());
}

QString TstResetPasswordOnDevices::onlyFileIn(const QString &directory, const QString &suffix) const
{
    const QStringList names = QDir(directory).entryList({QStringLiteral("*") + suffix}, QDir::Files);
    return names.size() == 1 ? QDir(directory).filePath(names.constFirst()) : QString();
}

void TstResetPasswordOnDevices::typePasswords(ResetPasswordDialog *dialog, const char *newField,
                                              const char *confirmField, const QString &password)
{
    QTest::keyClicks(child<QLineEdit>(dialog, newField), password);
    QTest::keyClicks(child<QLineEdit>(dialog, confirmField), password);
}

void TstResetPasswordOnDevices::verifyNewPassword(const char *tag, const QString &password)
{
    const TarnDeviceInfo record = StoreFeeder::stored(serialOf(tag));
    TarnNetParam param = {};
    putText(param.ipv4Address, latin1String(record.ipv4Address).toLatin1());
    putText(param.ipv4SubnetMask, latin1String(record.ipv4SubnetMask).toLatin1());
    putText(param.ipv4Gateway, latin1String(record.ipv4Gateway).toLatin1());
    putText(param.ipv6Address, latin1String(record.ipv6Address).toLatin1());
    putText(param.ipv6Gateway, latin1String(record.ipv6Gateway).toLatin1());
    param.ipv6PrefixLength = record.ipv6PrefixLength;
    param.port = 8000;
    param.httpPort = 80;
    char reply[TarnHandler::ReplyLength] = {};
    TarnHandler *handler = TarnHandler::Instance();
    QVERIFY(!handler->modifyDeviceNetParamV40(latin1String(record.macAddress), AdminPassword, param, reply,
                                              TarnHandler::ReplyLength));
    QCOMPARE(handler->getLastError(), 2024);
    QVERIFY2(handler->modifyDeviceNetParamV40(latin1String(record.macAddress), password, param, reply,
                                              TarnHandler::ReplyLength),
             qPrintable(QString::number(handler->getLastError())));
}

QByteArray TstResetPasswordOnDevices::exportGuid(const char *tag)
{
    TarnGuidExportInput input;
    putText(input.adminPassword, AdminPassword.toLatin1());
    TarnGuidExportBlock block;
    block.length = TarnGuidExportBlockSize;
    if (!TarnHandler::Instance()->getDeviceConfig(serialOf(tag), DeviceConfigCommand::ExportGuid, &input,
                                                  sizeof(input), &block, sizeof(block)))
        return QByteArray();
    return QByteArray(block.data, TarnGuidFileSize);
}

void TstResetPasswordOnDevices::setQuestions(const char *tag)
{
    TarnQuestionList list;
    const struct { int id; const char *answer; } answers[] = {{3, "Ms Grey"}, {7, "  "}, {12, "Metropolis"}};
    for (const auto &[id, answer] : answers) {
        list.entries[id].questionId = quint32(id);
        putText(list.entries[id].answer, QByteArray(answer));
        list.entries[id].isSet = 1;
    }
    putText(list.adminPassword, AdminPassword.toLatin1());
    char output[256] = {};
    QVERIFY2(TarnHandler::Instance()->setDeviceConfig(serialOf(tag), DeviceConfigCommand::SetSecurityQuestions,
                                                      &list, sizeof(list), output, sizeof(output)),
             qPrintable(QString::number(TarnHandler::Instance()->getLastError())));
}

void TstResetPasswordOnDevices::setReservedEmail(const char *tag, const QString &address)
{
    TarnReservedEmailParam param;
    putText(param.adminPassword, AdminPassword.toLatin1());
    putText(param.email, address.toLatin1());
    char output[128] = {};
    QVERIFY2(TarnHandler::Instance()->setDeviceConfig(serialOf(tag), DeviceConfigCommand::SetReservedEmail,
                                                      &param, sizeof(param), output, sizeof(output)),
             qPrintable(QString::number(TarnHandler::Instance()->getLastError())));
}

void TstResetPasswordOnDevices::selectMode(ResetPasswordDialog *dialog, int mode)
{
    auto *box = child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode");
    const int index = box->findData(mode);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
}

void TstResetPasswordOnDevices::keyFileFromExportedRequest()
{
    auto dialog = dialogFor("KF1");
    // Without QR and typed-key support only the key file is offered.
    QVERIFY(child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnAutoInput")->isChecked());
    const QString exportDir = m_dir.filePath(QStringLiteral("kf1"));
    QVERIFY(QDir().mkpath(exportDir));
    m_files->answer = exportDir;
    QTest::mouseClick(child<QPushButton>(dialog.get(), "m_btnExport"), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Exported."));
    const QString request = onlyFileIn(exportDir, QStringLiteral(".xml"));
    QVERIFY(QFileInfo(request).fileName().startsWith(serialOf("KF1") + QLatin1Char('-')));
    QVERIFY(QFileInfo(request).size() > 0);
    QVERIFY(QFileInfo(request).size() <= 256);
    QCOMPARE(ResetPasswordDialog::lastKeyExportDirectory(), exportDir);

    // The maker's key file, with the CR LF line end of another system.
    const QString keyFile = m_dir.filePath(QStringLiteral("kf1-key.txt"));
    const QString key = maker({"key", request}).trimmed();
    QVERIFY(!key.isEmpty());
    {
        QFile file(keyFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(key.toLatin1() + "\r\n\r\n");
    }
    m_files->answer = keyFile;
    QTest::mouseClick(child<QWidget>(dialog.get(), "m_btnFilePath"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->text(), keyFile);
    typePasswords(dialog.get(), "m_lineEditNewPassword", "m_lineEditConfirmPassword");
    m_messages.clear();
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().kind, TarnTool::MessageKind::Ok);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password Succeed."));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    verifyNewPassword("KF1");
}

void TstResetPasswordOnDevices::typedKeyFromQrRequest()
{
    auto dialog = dialogFor("KT1");
    QVERIFY(child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnManualInput")->isChecked());
    QTest::mouseClick(child<QPushButton>(dialog.get(), "m_btnQRcode"), Qt::LeftButton);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(child<QLabel>(dialog.get(), "m_labelQcCode")->pixmap().size(), QSize(108, 108));

    const QString exportDir = m_dir.filePath(QStringLiteral("kt1"));
    QVERIFY(QDir().mkpath(exportDir));
    m_files->answer = exportDir;
    QTest::mouseClick(child<QPushButton>(dialog.get(), "m_btnExport"), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Exported."));
    const QString key = maker({"key", onlyFileIn(exportDir, QStringLiteral(".xml"))}).trimmed();
    QVERIFY(!key.isEmpty());
    QVERIFY(key.size() <= 128);
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_lineEditFilePath"), key);
    typePasswords(dialog.get(), "m_lineEditNewPassword", "m_lineEditConfirmPassword");
    m_messages.clear();
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password Succeed."));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    verifyNewPassword("KT1");
}

void TstResetPasswordOnDevices::wrongKeyIsDenied()
{
    auto dialog = dialogFor("KW1");
    const QString exportDir = m_dir.filePath(QStringLiteral("kw1"));
    QVERIFY(QDir().mkpath(exportDir));
    m_files->answer = exportDir;
    QTest::mouseClick(child<QPushButton>(dialog.get(), "m_btnExport"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_lineEditFilePath"), QStringLiteral("AAAAA-BBBBB-CCCCC"));
    typePasswords(dialog.get(), "m_lineEditNewPassword", "m_lineEditConfirmPassword");
    m_messages.clear();
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password failed,device deny."));
    QVERIFY(dialog->result() != QDialog::Accepted);
    // The input stays for another attempt.
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->text(), QStringLiteral("AAAAA-BBBBB-CCCCC"));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditNewPassword")->text(), NewPassword);
}

void TstResetPasswordOnDevices::guidFile()
{
    const QByteArray guid = exportGuid("GD1");
    QCOMPARE(guid.size(), 128);
    const QString path = m_dir.filePath(QStringLiteral("GD1.guid"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(guid);
    }
    auto dialog = dialogFor("GD1");
    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->currentIndex(), 1);
    m_files->answer = path;
    QTest::mouseClick(child<QWidget>(dialog.get(), "m_btnGuidFilePath"), Qt::LeftButton);
    typePasswords(dialog.get(), "m_lineEditNewPassword2", "m_lineEditConfirmPassword2");
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password Succeed."));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    verifyNewPassword("GD1");
}

void TstResetPasswordOnDevices::wrongGuidShowsAttemptsLeft()
{
    QCOMPARE(exportGuid("GW1").size(), 128);
    const QString path = m_dir.filePath(QStringLiteral("GW1.guid"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(64, 'f'));
    }
    auto dialog = dialogFor("GW1");
    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->setText(path);
    typePasswords(dialog.get(), "m_lineEditNewPassword2", "m_lineEditConfirmPassword2");
    dialog->onResetPassword();
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Reset password failed,invalid guid, retry times:4"));
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Reset password failed,invalid guid, retry times:3"));
    QVERIFY(dialog->result() != QDialog::Accepted);
}

void TstResetPasswordOnDevices::securityQuestions()
{
    setQuestions("QS1");
    auto dialog = dialogFor("QS1");
    selectMode(dialog.get(), ResetPasswordDialog::QuestionMode);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(dialog->questionState(), ResetPasswordDialog::QuestionsSet);
    const QStringList expected = {"Your senior class teacher's name.", "Your favorite celebrity.",
                                  "Your favorite movie."};
    for (int i = 0; i < 3; ++i) {
        auto *box = child<MirelGUIToolkit::CComboBox>(
            dialog.get(), qPrintable(QStringLiteral("m_cmbQuestion%1").arg(i + 1)));
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->currentText(), expected.at(i));
    }
    QVERIFY(child<QWidget>(dialog.get(), "m_pFrameSecurityQuestion")->isEnabled());

    // An answer left empty is refused before anything is sent.
    child<QLineEdit>(dialog.get(), "m_lineEditAnswer1")->setText(QStringLiteral("Ms Grey"));
    typePasswords(dialog.get(), "questionPwdEdit", "questionConfirmPasswordEdit");
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Answer cannot be empty."));
    m_messages.clear();

    // Spaces are an answer; the password is sent trimmed.
    child<QLineEdit>(dialog.get(), "m_lineEditAnswer2")->setText(QStringLiteral("  "));
    child<QLineEdit>(dialog.get(), "m_lineEditAnswer3")->setText(QStringLiteral("Metropolis"));
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password Succeed."));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    verifyNewPassword("QS1");
}

void TstResetPasswordOnDevices::wrongAnswersShowAttemptsLeft()
{
    setQuestions("QW1");
    auto dialog = dialogFor("QW1");
    selectMode(dialog.get(), ResetPasswordDialog::QuestionMode);
    for (int i = 1; i <= 3; ++i)
        child<QLineEdit>(dialog.get(), qPrintable(QStringLiteral("m_lineEditAnswer%1").arg(i)))
            ->setText(QStringLiteral("wrong"));
    typePasswords(dialog.get(), "questionPwdEdit", "questionConfirmPasswordEdit");
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password failed,answer error,retry times:4"));
    QVERIFY(dialog->result() != QDialog::Accepted);

    // Leaving and re-entering the mode does not read the device again.
    selectMode(dialog.get(), ResetPasswordDialog::KeyMode);
    selectMode(dialog.get(), ResetPasswordDialog::QuestionMode);
    QCOMPARE(dialog->questionState(), ResetPasswordDialog::QuestionsSet);
    QVERIFY(child<QLineEdit>(dialog.get(), "m_lineEditAnswer1")->text().isEmpty());
}

void TstResetPasswordOnDevices::emailVerificationCode()
{
    const QString address = QStringLiteral("owner-em1@example.com");
    setReservedEmail("EM1", address);
    auto dialog = dialogFor("EM1");
    bool noticeAccepted = false;
    QTimer::singleShot(0, this, [&noticeAccepted] {
        QWidget *notice = QApplication::activeModalWidget();
        if (notice && notice->objectName() == QLatin1String("Email_SecurityTip_Dialog")) {
            noticeAccepted = true;
            QTest::mouseClick(notice->findChild<QPushButton *>("nextBtn"), Qt::LeftButton);
        }
    });
    selectMode(dialog.get(), ResetPasswordDialog::EmailMode);
    QVERIFY(noticeAccepted);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->currentIndex(), 3);
    QCOMPARE(child<QStackedWidget>(dialog.get(), "emailStackWidget")->currentIndex(), 0);
    QCOMPARE(child<QLabel>(dialog.get(), "reservedEmailLabel")->text(), address);
    QCOMPARE(child<QLabel>(dialog.get(), "companyEmailLabel")->text(), QStringLiteral("recovery@tarn-maker.example"));
    QVERIFY(!dialog->emailQrText().isEmpty());
    QVERIFY(!child<QLabel>(dialog.get(), "qrPicLabel")->pixmap().isNull());

    const QString exportDir = m_dir.filePath(QStringLiteral("em1"));
    QVERIFY(QDir().mkpath(exportDir));
    m_files->answer = exportDir;
    QTest::mouseClick(child<QPushButton>(dialog.get(), "exportEmailCodeBtn"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "m_btnSaveEmailQrcode"), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(m_messages.at(0).text, QStringLiteral("Exported."));
    QCOMPARE(m_messages.at(1).text, QStringLiteral("Saved."));
    m_messages.clear();
    const QString textFile = onlyFileIn(exportDir, QStringLiteral(".xml"));
    const QString imageFile = onlyFileIn(exportDir, QStringLiteral(".BMP"));
    QCOMPARE(QFileInfo(imageFile).completeBaseName(), QFileInfo(textFile).completeBaseName());
    {
        QFile file(textFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), dialog->emailQrText().toLatin1());
    }
    const QImage image(imageFile, "BMP");
    QCOMPARE(image.size(), QSize(100, 100));

    QVERIFY(!maker({"email", textFile}).isEmpty());
    const QString mail = maker({"mailbox", address});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Your verification code: (\\S+)")).match(mail);
    QVERIFY2(match.hasMatch(), qPrintable(mail));

    // An empty code is refused; spaces around a code are not sent.
    typePasswords(dialog.get(), "emailNewPwdEdit", "emailConfirmPwdEdit");
    child<QLineEdit>(dialog.get(), "emailCodeEdit")->setText(QStringLiteral("   "));
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("The email code can not be empty."));
    m_messages.clear();
    child<QLineEdit>(dialog.get(), "emailCodeEdit")->setText(QStringLiteral("  ") + match.captured(1) + QStringLiteral(" "));
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text, QStringLiteral("Reset password Succeed."));
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    verifyNewPassword("EM1");
}

void TstResetPasswordOnDevices::wrongVerificationCodeShowsAttemptsLeft()
{
    setReservedEmail("EW1", QStringLiteral("owner-ew1@example.com"));
    auto dialog = dialogFor("EW1");
    QTimer::singleShot(0, this, [] {
        if (QWidget *notice = QApplication::activeModalWidget())
            QTest::mouseClick(notice->findChild<QPushButton *>("nextBtn"), Qt::LeftButton);
    });
    selectMode(dialog.get(), ResetPasswordDialog::EmailMode);
    QVERIFY(!dialog->emailQrText().isEmpty());
    child<QLineEdit>(dialog.get(), "emailCodeEdit")->setText(QStringLiteral("000000"));
    typePasswords(dialog.get(), "emailNewPwdEdit", "emailConfirmPwdEdit");
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().text,
             QStringLiteral("Reset password failed,invalid verification code, retry times:4"));
    QVERIFY(dialog->result() != QDialog::Accepted);
}

QTEST_MAIN(TstResetPasswordOnDevices)
#include "tst_resetpasswordondevices.moc"
