// The reset dialog's form without a device: the modes offered for each set
// of abilities, the key page with and without QR and typed-key support, the
// "Reset IPC" boxes, the account rows, the field marking and its reset by a
// mouse press, the swallowed clipboard shortcuts, the checks that stop a
// reset before anything is sent, and the way back from a declined privacy
// notice.

#include "ccheckbox.h"
#include "ccombobox.h"
#include "cradiobutton.h"
#include "filedialogprovider.h"
#include "filepathbutton.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "passwordstrengthmeter.h"
#include "resetpassworddialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using TarnTool::ResetPasswordDialog;

namespace {

struct Message
{
    TarnTool::MessageKind kind;
    QString text;
};

// No simulator runs in this suite: a request that went out would end in the
// library's time-out and show a second message.
const QString NoDevice = QStringLiteral("RPD-NO-SUCH-DEVICE");

struct Abilities
{
    bool qr = true;
    bool channel = true;
    bool guid = true;
    bool questions = true;
    bool email = true;
    int tipMode = 0;
    int userKind = 0;
    QString userName;
};

std::unique_ptr<ResetPasswordDialog> makeDialog(const Abilities &a)
{
    return std::make_unique<ResetPasswordDialog>(nullptr, NoDevice, a.qr, a.channel, a.guid, a.questions,
                                                 false, a.email, a.tipMode, a.userKind, a.userName);
}

class ScriptedFiles : public TarnTool::FileDialogProvider
{
public:
    QString answer;
    QStringList startingPoints;

    QString getOpenFileName(QWidget *, const QString &, const QString &directory, const QString &) override
    {
        startingPoints.append(directory);
        return answer;
    }
    QString getExistingDirectory(QWidget *, const QString &, const QString &directory,
                                 QFileDialog::Options) override
    {
        startingPoints.append(directory);
        return answer;
    }
};

} // namespace

class TstResetPasswordDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void frame();
    void modes_data();
    void modes();
    void keyPageFollowsKeySupport_data();
    void keyPageFollowsKeySupport();
    void resetIpcBoxes_data();
    void resetIpcBoxes();
    void accountRows_data();
    void accountRows();
    void keyChecks_data();
    void keyChecks();
    void guidChecks_data();
    void guidChecks();
    void mousePressClearsMarking_data();
    void mousePressClearsMarking();
    void clipboardShortcuts_data();
    void clipboardShortcuts();
    void switchingModesStartsAfresh();
    void importRemembersLocations();
    void declinedNoticeReturnsToKeyMode();

private:
    template <typename T>
    static T *child(const QWidget *dialog, const QString &name)
    {
        T *widget = dialog->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    static void selectMode(ResetPasswordDialog *dialog, int mode);

    QVector<Message> m_messages;
    ScriptedFiles *m_files = nullptr;
    QTemporaryDir m_dir;
};

void TstResetPasswordDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    TarnTool::setMessageHook([this](TarnTool::MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
    auto files = std::make_unique<ScriptedFiles>();
    m_files = files.get();
    TarnTool::setFileDialogProvider(std::move(files));
}

void TstResetPasswordDialog::cleanupTestCase()
{
    TarnTool::setMessageHook({});
    TarnTool::setFileDialogProvider(nullptr);
}

void TstResetPasswordDialog::init()
{
    m_messages.clear();
    m_files->answer.clear();
    m_files->startingPoints.clear();
    ResetPasswordDialog::clearRememberedLocations();
}

void TstResetPasswordDialog::selectMode(ResetPasswordDialog *dialog, int mode)
{
    auto *box = child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode");
    const int index = box->findData(mode);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
}

void TstResetPasswordDialog::frame()
{
    auto dialog = makeDialog({});
    QCOMPARE(dialog->size(), QSize(540, 560));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(dialog->findChild<QWidget *>("ResetPasswordDialog_centerWidget"));
    QCOMPARE(child<QLabel>(dialog.get(), "label_4")->text(), QStringLiteral("Security Mode:"));
    QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->count(), 4);
    QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->currentIndex(), 0);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->maxLength(), 128);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->maxLength(), 128);
    for (const char *name : {"m_lineEditNewPassword", "m_lineEditConfirmPassword", "m_lineEditNewPassword2",
                             "m_lineEditConfirmPassword2", "questionPwdEdit", "questionConfirmPasswordEdit",
                             "emailNewPwdEdit", "emailConfirmPwdEdit"}) {
        auto *edit = child<QLineEdit>(dialog.get(), QLatin1String(name));
        QCOMPARE(edit->maxLength(), 16);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
    }
    for (const char *name : {"m_lineEditNewPassword", "m_lineEditConfirmPassword", "m_lineEditNewPassword2",
                             "m_lineEditConfirmPassword2"})
        QCOMPARE(child<QLineEdit>(dialog.get(), QLatin1String(name))->contextMenuPolicy(), Qt::NoContextMenu);
    // All four meters start grey and silent.
    for (const char *bar : {"m_labelLevel1", "m_labelLevel4", "m_labelLevel4_question", "m_labelLevelEmail1"})
        QCOMPARE(TarnTool::PasswordStrengthMeter::barImage(child<QLabel>(dialog.get(), QLatin1String(bar))),
                 TarnTool::PasswordStrengthMeter::greyBar());
    for (const char *text : {"m_labelLevel", "m_labelLevel_2", "m_labelLevel_question", "m_labelLevelEmail"})
        QVERIFY(child<QLabel>(dialog.get(), QLatin1String(text))->text().isEmpty());
    // Confirm alone does not close the dialog: with nothing typed it only
    // reports what is missing.
    dialog->show();
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(m_messages.size(), 1);
}

void TstResetPasswordDialog::modes_data()
{
    QTest::addColumn<bool>("guid");
    QTest::addColumn<bool>("questions");
    QTest::addColumn<bool>("email");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<int>>("data");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("key only") << false << false << false << QStringList{"Key authentication"} << QList<int>{0}
                              << false;
    QTest::newRow("key and email") << false << false << true << QStringList{"Key authentication", "email"}
                                   << QList<int>{0, 3} << true;
    QTest::newRow("key and guid") << true << false << false << QStringList{"Key authentication", "guid"}
                                  << QList<int>{0, 1} << true;
    QTest::newRow("questions and email") << false << true << true
                                         << QStringList{"Key authentication", "question", "email"}
                                         << QList<int>{0, 2, 3} << true;
    QTest::newRow("all four") << true << true << true
                              << QStringList{"Key authentication", "guid", "question", "email"}
                              << QList<int>{0, 1, 2, 3} << true;
}

void TstResetPasswordDialog::modes()
{
    QFETCH(bool, guid);
    QFETCH(bool, questions);
    QFETCH(bool, email);
    QFETCH(QStringList, items);
    QFETCH(QList<int>, data);
    QFETCH(bool, enabled);
    Abilities a;
    a.guid = guid;
    a.questions = questions;
    a.email = email;
    auto dialog = makeDialog(a);
    auto *box = child<MirelGUIToolkit::CComboBox>(dialog.get(), "m_cmbSecurityMode");
    QStringList texts;
    QList<int> values;
    for (int i = 0; i < box->count(); ++i) {
        texts.append(box->itemText(i));
        values.append(box->itemData(i).toInt());
    }
    QCOMPARE(texts, items);
    QCOMPARE(values, data);
    QCOMPARE(box->isEnabled(), enabled);
    QCOMPARE(box->currentIndex(), 0);
    // The page follows the item data, not the position.
    if (box->count() > 1) {
        box->setCurrentIndex(1);
        if (data.at(1) != ResetPasswordDialog::QuestionMode && data.at(1) != ResetPasswordDialog::EmailMode)
            QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->currentIndex(), data.at(1));
    }
}

void TstResetPasswordDialog::keyPageFollowsKeySupport_data()
{
    QTest::addColumn<bool>("qr");
    QTest::newRow("QR and typed key supported") << true;
    QTest::newRow("key file only") << false;
}

void TstResetPasswordDialog::keyPageFollowsKeySupport()
{
    QFETCH(bool, qr);
    Abilities a;
    a.qr = qr;
    auto dialog = makeDialog(a);
    dialog->show();
    auto *manual = child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnManualInput");
    auto *automatic = child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnAutoInput");
    QCOMPARE(manual->isVisible(), qr);
    QCOMPARE(manual->isChecked(), qr);
    QCOMPARE(automatic->isChecked(), !qr);
    QCOMPARE(child<QPushButton>(dialog.get(), "m_btnQRcode")->isVisible(), qr);
    QCOMPARE(child<aptui::FilePathButton>(dialog.get(), "m_btnFilePath")->isVisible(), !qr);
    QVERIFY(child<QPushButton>(dialog.get(), "m_btnExport")->isVisible());
    if (qr) {
        // Choosing the key file shows the browse button, typing hides it.
        automatic->setChecked(true);
        QVERIFY(child<aptui::FilePathButton>(dialog.get(), "m_btnFilePath")->isVisible());
        manual->setChecked(true);
        QVERIFY(!child<aptui::FilePathButton>(dialog.get(), "m_btnFilePath")->isVisible());
    }
}

void TstResetPasswordDialog::resetIpcBoxes_data()
{
    QTest::addColumn<bool>("channel");
    QTest::newRow("channel reset supported") << true;
    QTest::newRow("no channel reset") << false;
}

void TstResetPasswordDialog::resetIpcBoxes()
{
    QFETCH(bool, channel);
    Abilities a;
    a.channel = channel;
    auto dialog = makeDialog(a);
    dialog->show();
    QCOMPARE(child<QWidget>(dialog.get(), "m_checkBoxIPC")->isVisible(), channel);
    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    QCOMPARE(child<QWidget>(dialog.get(), "m_pSynchronizeCheckBox")->isVisible(), channel);
    // The question and e-mail boxes do not depend on the ability.
    QVERIFY(!child<QWidget>(dialog.get(), "m_pSynchronizeCheckBox_2")->isHidden());
    QVERIFY(!child<QWidget>(dialog.get(), "emailIsSetIPCCheckBox")->isHidden());
}

void TstResetPasswordDialog::accountRows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("admin");
    QTest::newRow("administrator") << 0 << "" << true;
    QTest::newRow("kind 1") << 1 << "operator" << false;
    QTest::newRow("kind 3") << 3 << "viewer" << false;
    QTest::newRow("unknown kind counts as administrator") << 4 << "ghost" << true;
}

void TstResetPasswordDialog::accountRows()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(bool, admin);
    Abilities a;
    a.userKind = kind;
    a.userName = name;
    auto dialog = makeDialog(a);
    QCOMPARE(dialog->isAdminAccount(), admin);
    for (const char *row : {"keyUSLabel", "keyUsernameLabel", "guidUSLabel", "guidUsernameLabel",
                            "qusetionUSLabel", "questionUsernameLabel", "emailUsernmaeFrame"})
        QCOMPARE(child<QWidget>(dialog.get(), QLatin1String(row))->isHidden(), admin);
    if (!admin) {
        for (const char *label : {"keyUsernameLabel", "guidUsernameLabel", "questionUsernameLabel",
                                  "emailUsernameLabel"})
            QCOMPARE(child<QLabel>(dialog.get(), QLatin1String(label))->text(), name);
    }
}

void TstResetPasswordDialog::keyChecks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("marked");

    QTest::newRow("no key") << 0 << "" << "Abcd1234" << "Abcd1234" << "Please input the secret key."
                            << "m_lineEditFilePath";
    QTest::newRow("no password") << 0 << "K" << "" << "" << "The password can not be empty."
                                 << "m_lineEditNewPassword";
    QTest::newRow("no confirmation") << 0 << "K" << "Abcd1234" << "" << "The password can not be empty."
                                     << "m_lineEditConfirmPassword";
    QTest::newRow("mismatch") << 0 << "K" << "Abcd1234" << "Abcd12345" << "The password you typed do not match."
                              << "";
    QTest::newRow("admin in any case") << 0 << "K" << "myADMIN12" << "myADMIN12"
                                       << "The password can not contain userName." << "m_lineEditNewPassword";
    QTest::newRow("named account needs three kinds")
        << 2 << "K" << "abcd1234" << "abcd1234"
        << "Valid password range [8-16]. You can use a combination of numbers, lowercase, uppercase and "
           "special character for your password with at least three kinds of them contained."
        << "m_lineEditNewPassword";
}

void TstResetPasswordDialog::keyChecks()
{
    QFETCH(int, kind);
    QFETCH(QString, key);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(QString, message);
    QFETCH(QString, marked);
    Abilities a;
    a.userKind = kind;
    a.userName = QStringLiteral("operator");
    auto dialog = makeDialog(a);
    child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->setText(key);
    child<QLineEdit>(dialog.get(), "m_lineEditNewPassword")->setText(password);
    child<QLineEdit>(dialog.get(), "m_lineEditConfirmPassword")->setText(confirm);
    dialog->onResetPassword();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.constFirst().text, message);
    for (const char *name : {"m_lineEditFilePath", "m_lineEditNewPassword", "m_lineEditConfirmPassword"}) {
        const bool shouldMark = marked == QLatin1String(name);
        QCOMPARE(child<aptui::MultiStateLineEdit>(dialog.get(), QLatin1String(name))->lineEditState(),
                 shouldMark ? aptui::MultiStateLineEdit::ERROR : aptui::MultiStateLineEdit::NORMAL);
    }
}

void TstResetPasswordDialog::guidChecks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");

    QTest::newRow("content longer than the GUID field")
        << QByteArray(129, 'G') << true << "Abcd1234"
        << "The GUID file is not valid: its content is longer than 128 bytes.";
    QTest::newRow("unreadable file") << QByteArray() << false << "Abcd1234" << "Open file failed.";
    QTest::newRow("accented letter") << QByteArray(128, 'G') << true << QStringLiteral("Abcd1234\u00e9")
                                     << "8 to 16 digits. The combination should contain at least two of the "
                                        "following types: numbers, upper case letters, lower case letters, "
                                        "special characters (!\"#$%&'()*+,-./:;<=>?@[]^_`{|}~ and space.";
}

void TstResetPasswordDialog::guidChecks()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, fileExists);
    QFETCH(QString, password);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("guid-%1.bin").arg(QTest::currentDataTag()));
    if (fileExists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    auto dialog = makeDialog({});
    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
    child<QLineEdit>(dialog.get(), "m_lineEditNewPassword2")->setText(password);
    child<QLineEdit>(dialog.get(), "m_lineEditConfirmPassword2")->setText(password);
    dialog->onResetPassword();
    // One message and nothing sent: a request would have timed out with a
    // second one.
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.constFirst().kind, TarnTool::MessageKind::Error);
    QCOMPARE(m_messages.constFirst().text, message);
    QVERIFY(dialog->result() != QDialog::Accepted);
}

void TstResetPasswordDialog::mousePressClearsMarking_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("hint");
    QTest::newRow("key field") << 0 << "m_lineEditFilePath" << "m_labelHintFilePath";
    QTest::newRow("key page password") << 0 << "m_lineEditNewPassword" << "m_labelHintNewPassword";
    QTest::newRow("key page confirmation") << 0 << "m_lineEditConfirmPassword" << "m_labelHintConfirmPassword";
    QTest::newRow("GUID path") << 1 << "m_lineEditGuidFilePath" << "m_labelHintAnswerGuidFilePath";
    QTest::newRow("GUID password") << 1 << "m_lineEditNewPassword2" << "m_labelHintNewPassword2";
    QTest::newRow("GUID confirmation") << 1 << "m_lineEditConfirmPassword2" << "m_labelHintConfirmPassword2";
}

void TstResetPasswordDialog::mousePressClearsMarking()
{
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(QString, hint);
    auto dialog = makeDialog({});
    if (mode != 0)
        selectMode(dialog.get(), mode);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    // Confirm with every field empty marks the first field of the page; the
    // other fields are marked by hand as the message box would.
    auto *edit = child<aptui::MultiStateLineEdit>(dialog.get(), field);
    auto *label = child<QLabel>(dialog.get(), hint);
    edit->setLineEditState(aptui::MultiStateLineEdit::ERROR);
    label->setPixmap(QPixmap(16, 16));
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->lineEditState(), aptui::MultiStateLineEdit::NORMAL);
    QVERIFY(label->pixmap().isNull());
}

void TstResetPasswordDialog::clipboardShortcuts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("pastes");
    QTest::newRow("key page password") << 0 << "m_lineEditNewPassword" << false;
    QTest::newRow("key page confirmation") << 0 << "m_lineEditConfirmPassword" << false;
    QTest::newRow("GUID password") << 1 << "m_lineEditNewPassword2" << false;
    QTest::newRow("GUID confirmation") << 1 << "m_lineEditConfirmPassword2" << false;
    QTest::newRow("answer field") << 2 << "m_lineEditAnswer1" << true;
    QTest::newRow("question page password") << 2 << "questionPwdEdit" << true;
    QTest::newRow("e-mail password") << 3 << "emailNewPwdEdit" << true;
    QTest::newRow("key field") << 0 << "m_lineEditFilePath" << true;
}

void TstResetPasswordDialog::clipboardShortcuts()
{
    QFETCH(int, mode);
    QFETCH(QString, field);
    QFETCH(bool, pastes);
    auto dialog = makeDialog({});
    if (mode == 1)
        selectMode(dialog.get(), mode);
    QApplication::clipboard()->setText(QStringLiteral("Pasted123"));
    QLineEdit plain;
    QTest::keySequence(&plain, QKeySequence::Paste);
    QCOMPARE(plain.text(), QStringLiteral("Pasted123"));

    auto *edit = child<QLineEdit>(dialog.get(), field);
    edit->setEnabled(true);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), pastes ? QStringLiteral("Pasted123") : QString());
}

void TstResetPasswordDialog::switchingModesStartsAfresh()
{
    auto dialog = makeDialog({});
    auto *key = child<aptui::MultiStateLineEdit>(dialog.get(), "m_lineEditFilePath");
    auto *password = child<QLineEdit>(dialog.get(), "m_lineEditNewPassword");
    auto *ipc = child<MirelGUIToolkit::CCheckBox>(dialog.get(), "m_checkBoxIPC");
    key->setText(QStringLiteral("typed key"));
    key->setLineEditState(aptui::MultiStateLineEdit::ERROR);
    password->setText(QStringLiteral("Abcd1234"));
    QVERIFY(!child<QLabel>(dialog.get(), "m_labelLevel")->text().isEmpty());
    ipc->setChecked(true);
    child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnAutoInput")->setChecked(true);

    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->setText(QStringLiteral("/tmp/g"));
    child<QLineEdit>(dialog.get(), "m_lineEditNewPassword2")->setText(QStringLiteral("Abcd1234"));
    selectMode(dialog.get(), ResetPasswordDialog::KeyMode);

    QVERIFY(key->text().isEmpty());
    QCOMPARE(key->lineEditState(), aptui::MultiStateLineEdit::NORMAL);
    QVERIFY(password->text().isEmpty());
    QVERIFY(!ipc->isChecked());
    QVERIFY(child<MirelGUIToolkit::CRadioButton>(dialog.get(), "m_radioBtnManualInput")->isChecked());
    QVERIFY(child<QLabel>(dialog.get(), "m_labelLevel")->text().isEmpty());
    QCOMPARE(TarnTool::PasswordStrengthMeter::barImage(child<QLabel>(dialog.get(), "m_labelLevel1")),
             TarnTool::PasswordStrengthMeter::greyBar());

    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    QVERIFY(child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->text().isEmpty());
    QVERIFY(child<QLineEdit>(dialog.get(), "m_lineEditNewPassword2")->text().isEmpty());
    QVERIFY(m_messages.isEmpty());
}

void TstResetPasswordDialog::importRemembersLocations()
{
    Abilities a;
    a.qr = false;
    auto dialog = makeDialog(a);
    m_files->answer = QStringLiteral("/keys/from-maker.xml");
    QTest::mouseClick(child<aptui::FilePathButton>(dialog.get(), "m_btnFilePath"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->text(), m_files->answer);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->cursorPosition(), 0);
    QCOMPARE(ResetPasswordDialog::lastKeyImportPath(), m_files->answer);

    selectMode(dialog.get(), ResetPasswordDialog::GuidMode);
    m_files->answer = QStringLiteral("/guid/device.guid");
    QTest::mouseClick(child<aptui::FilePathButton>(dialog.get(), "m_btnGuidFilePath"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_lineEditGuidFilePath")->text(), m_files->answer);
    QCOMPARE(ResetPasswordDialog::lastGuidImportPath(), m_files->answer);

    // Cancel changes nothing; a later dialog starts where the last choice was.
    m_files->answer.clear();
    auto second = makeDialog(a);
    QTest::mouseClick(child<aptui::FilePathButton>(second.get(), "m_btnFilePath"), Qt::LeftButton);
    QVERIFY(child<QLineEdit>(second.get(), "m_lineEditFilePath")->text().isEmpty());
    QCOMPARE(m_files->startingPoints,
             (QStringList{QString(), QString(), QStringLiteral("/keys/from-maker.xml")}));
    QCOMPARE(ResetPasswordDialog::lastKeyImportPath(), QStringLiteral("/keys/from-maker.xml"));
}

void TstResetPasswordDialog::declinedNoticeReturnsToKeyMode()
{
    Abilities a;
    a.tipMode = 2;
    auto dialog = makeDialog(a);
    child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->setText(QStringLiteral("typed"));
    bool noticeSeen = false;
    QTimer::singleShot(0, this, [&noticeSeen] {
        QWidget *notice = QApplication::activeModalWidget();
        if (notice && notice->objectName() == QLatin1String("Email_SecurityTip_Dialog")) {
            noticeSeen = true;
            QTest::mouseClick(notice->findChild<QPushButton *>("closeBtn"), Qt::LeftButton);
        }
    });
    selectMode(dialog.get(), ResetPasswordDialog::EmailMode);
    QVERIFY(noticeSeen);
    QCOMPARE(child<MirelGUIToolkit::CComboBox>(dialog.get(), "m_cmbSecurityMode")->currentIndex(), 0);
    QCOMPARE(child<QStackedWidget>(dialog.get(), "stackedWidget")->currentIndex(), 0);
    QVERIFY(child<QLineEdit>(dialog.get(), "m_lineEditFilePath")->text().isEmpty());
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TstResetPasswordDialog)
#include "tst_resetpassworddialog.moc"
