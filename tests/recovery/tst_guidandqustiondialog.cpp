// The recovery set-up dialog without a device: the tasks it offers, its
// question boxes and limits, the folder choice, the input it refuses before
// any device call (with the field marking that a click clears), and the
// devices it skips because they cannot export a GUID.

#include "ccombobox.h"
#include "cregexpvalidator.h"
#include "filedialogprovider.h"
#include "guidandqustiondialog.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "recoverysetupstatetext.h"
#include "securityquestiontexts.h"
#include "tarndeviceinfomanager.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstring>
#include <memory>

using TarnTool::GuidAndQustionDialog;
using TarnTool::MessageKind;
using TarnTool::RecoverySetupStateText;

namespace {

class ScriptedFolders : public TarnTool::FileDialogProvider
{
public:
    explicit ScriptedFolders(QStringList *startingPoints) : m_startingPoints(startingPoints) {}
    QString answer;

    QString getExistingDirectory(QWidget *, const QString &, const QString &directory,
                                 QFileDialog::Options) override
    {
        m_startingPoints->append(directory);
        return answer;
    }

private:
    QStringList *m_startingPoints;
};

DeviceInfo device(const QString &serial, const QString &mac)
{
    DeviceInfo info;
    info.strSerialNumber = serial;
    info.strMac = mac;
    info.strGuidState = QStringLiteral("Not Exported");
    info.strEmailState = QStringLiteral("Not Set");
    return info;
}

TarnDeviceInfo record(const QString &serial, const QString &mac, quint8 recoveryFlags)
{
    TarnDeviceInfo r;
    std::memcpy(r.serialNumber, serial.toLatin1().constData(), size_t(serial.size()));
    std::memcpy(r.macAddress, mac.toLatin1().constData(), size_t(mac.size()));
    r.recoveryFlags = recoveryFlags;
    return r;
}

template<typename T>
T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

} // namespace

class TstGuidAndQustionDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offeredTasks_data();
    void offeredTasks();
    void questionBoxes();
    void limitsAndFrame();
    void taskSwitchShowsItsPage();
    void folderChoice();
    void refusedInput_data();
    void refusedInput();
    void devicesWithoutGuidExport_data();
    void devicesWithoutGuidExport();

private:
    QList<QPair<MessageKind, QString>> m_messages;
    QStringList m_startingPoints;
    ScriptedFolders *m_folders = nullptr;
};

void TstGuidAndQustionDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TstGuidAndQustionDialog::init()
{
    m_messages.clear();
    m_startingPoints.clear();
    TarnTool::setMessageHook([this](MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
    auto folders = std::make_unique<ScriptedFolders>(&m_startingPoints);
    m_folders = folders.get();
    TarnTool::setFileDialogProvider(std::move(folders));
    GuidAndQustionDialog::clearLastGuidExportDirectory();
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
}

void TstGuidAndQustionDialog::cleanup()
{
    TarnTool::setMessageHook({});
    TarnTool::setFileDialogProvider(nullptr);
    m_folders = nullptr;
}

void TstGuidAndQustionDialog::offeredTasks_data()
{
    QTest::addColumn<bool>("guid");
    QTest::addColumn<bool>("questions");
    QTest::addColumn<bool>("email");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QVariantList>("data");
    QTest::addColumn<QString>("page");

    QTest::newRow("all three") << true << true << true << QStringList{"guid", "question", "email"}
                               << QVariantList{0, 1, 2} << "page";
    QTest::newRow("questions and e-mail") << false << true << true << QStringList{"question", "email"}
                                          << QVariantList{1, 2} << "page_2";
    QTest::newRow("GUID and e-mail") << true << false << true << QStringList{"guid", "email"}
                                     << QVariantList{0, 2} << "page";
    QTest::newRow("questions only") << false << true << false << QStringList{"question"}
                                    << QVariantList{1} << "page_2";
    QTest::newRow("e-mail only") << false << false << true << QStringList{"email"} << QVariantList{2}
                                 << "page_3";
    QTest::newRow("GUID only") << true << false << false << QStringList{"guid"} << QVariantList{0}
                               << "page";
}

void TstGuidAndQustionDialog::offeredTasks()
{
    QFETCH(bool, guid);
    QFETCH(bool, questions);
    QFETCH(bool, email);
    QFETCH(QStringList, items);
    QFETCH(QVariantList, data);
    QFETCH(QString, page);

    GuidAndQustionDialog dialog(nullptr, guid, questions, email);
    auto *mode = child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode");
    QCOMPARE(mode->count(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(mode->itemText(i), items.at(i));
        QCOMPARE(mode->itemData(i), data.at(i));
    }
    QCOMPARE(mode->currentIndex(), 0);
    QCOMPARE(mode->isEnabled(), items.size() > 1);
    QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentWidget()->objectName(), page);
    QVERIFY(!dialog.questionsDone());
    QVERIFY(!dialog.emailDone());
}

void TstGuidAndQustionDialog::questionBoxes()
{
    GuidAndQustionDialog dialog(nullptr, true, true, true);
    for (const char *name : {"m_cmbQuestion1", "m_cmbQuestion2", "m_cmbQuestion3"}) {
        auto *box = child<MirelGUIToolkit::CComboBox>(dialog, name);
        QCOMPARE(box->count(), 15);
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(box->itemData(i).toInt(), i + 1);
            QCOMPARE(box->itemText(i), TarnTool::SecurityQuestionTexts::text(i + 1));
        }
        QCOMPARE(box->currentIndex(), 0);
    }
    QCOMPARE(child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbQuestion1")->itemText(0),
             QStringLiteral("You father's name."));
    QCOMPARE(child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbQuestion3")->itemText(14),
             QStringLiteral("The destination of your first flight."));
}

void TstGuidAndQustionDialog::limitsAndFrame()
{
    GuidAndQustionDialog dialog(nullptr, true, true, true);
    QCOMPARE(dialog.size(), QSize(460, 400));
    QCOMPARE(dialog.minimumSize(), QSize(460, 400));
    QCOMPARE(dialog.maximumSize(), QSize(460, 400));
    QCOMPARE(child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->maxLength(), 128);
    QCOMPARE(child<QLineEdit>(dialog, "emailEdit")->maxLength(), 128);
    for (const char *name : {"m_lineEditAnswer1", "m_lineEditAnswer2", "m_lineEditAnswer3"}) {
        auto *validator = qobject_cast<const MirelGUIToolkit::CRegExpValidator *>(
            child<aptui::MultiStateLineEdit>(dialog, name)->validator());
        QVERIFY(validator);
        QCOMPARE(validator->Kind(), 128);
    }
    QCOMPARE(child<QLabel>(dialog, "label_8")->text(), QStringLiteral("Set Reserved Email\uFF1A"));
    QVERIFY(child<QLabel>(dialog, "emailLabel")->wordWrap());
    QCOMPARE(child<QLabel>(dialog, "label_7")->text(), QStringLiteral("Export GUID File:"));
}

void TstGuidAndQustionDialog::taskSwitchShowsItsPage()
{
    GuidAndQustionDialog dialog(nullptr, false, true, true);
    auto *mode = child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode");
    auto *stack = child<QStackedWidget>(dialog, "stackedWidget");
    mode->setCurrentIndex(1);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_3"));
    mode->setCurrentIndex(0);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_2"));
}

void TstGuidAndQustionDialog::folderChoice()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    {
        GuidAndQustionDialog dialog(nullptr, true, false, false);
        auto *path = child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath");
        m_folders->answer = folder.path();
        QTest::mouseClick(child<QToolButton>(dialog, "m_btnFilePath"), Qt::LeftButton);
        QCOMPARE(path->text(), folder.path());
        QCOMPARE(path->cursorPosition(), 0);
        QCOMPARE(GuidAndQustionDialog::lastGuidExportDirectory(), folder.path());

        // Cancelling keeps the chosen folder.
        m_folders->answer.clear();
        QTest::mouseClick(child<QToolButton>(dialog, "m_btnFilePath"), Qt::LeftButton);
        QCOMPARE(path->text(), folder.path());
    }
    // A later dialog starts where the last choice was made.
    GuidAndQustionDialog later(nullptr, true, true, false);
    QTest::mouseClick(child<QToolButton>(later, "m_btnFilePath"), Qt::LeftButton);
    QCOMPARE(m_startingPoints, (QStringList{QString(), folder.path(), folder.path()}));
    QVERIFY(child<aptui::MultiStateLineEdit>(later, "m_lineEditFilePath")->text().isEmpty());
}

void TstGuidAndQustionDialog::refusedInput_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QVector<int>>("questions");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");  // the marked field, or empty
    QTest::addColumn<QString>("hint");

    const QStringList good{"red", "Anna", "Go"};
    const QVector<int> distinct{1, 4, 8};
    QTest::newRow("empty folder") << 0 << "" << good << distinct << "" << "File path cannot be empty."
                                  << "m_lineEditFilePath" << "m_labelHintGuidFile";
    QTest::newRow("first answer empty")
        << 1 << "" << QStringList{"", "b", "c"} << distinct << "" << "Answer cannot be empty."
        << "m_lineEditAnswer1" << "m_labelHintAnswer1";
    QTest::newRow("second answer of spaces")
        << 1 << "" << QStringList{"a", "   ", ""} << distinct << "" << "Answer cannot be empty."
        << "m_lineEditAnswer2" << "m_labelHintAnswer2";
    QTest::newRow("third answer empty")
        << 1 << "" << QStringList{"a", "b", ""} << distinct << "" << "Answer cannot be empty."
        << "m_lineEditAnswer3" << "m_labelHintAnswer3";
    QTest::newRow("answer longer than the device keeps")
        << 1 << "" << QStringList{"a", QString(300, 'b'), "c"} << distinct << ""
        << "Answer is too long." << "m_lineEditAnswer2" << "m_labelHintAnswer2";
    QTest::newRow("all questions on the first item")
        << 1 << "" << good << QVector<int>{0, 0, 0} << "" << "The security questions cannot be same."
        << "" << "";
    QTest::newRow("second and third the same")
        << 1 << "" << good << QVector<int>{2, 9, 9} << "" << "The security questions cannot be same."
        << "" << "";
    QTest::newRow("empty e-mail") << 2 << "" << good << distinct << "" << "The Email cannot be empty."
                                  << "" << "";
    QTest::newRow("e-mail of spaces") << 2 << "" << good << distinct << "  \t "
                                      << "The Email cannot be empty." << "" << "";
}

void TstGuidAndQustionDialog::refusedInput()
{
    QFETCH(int, task);
    QFETCH(QString, path);
    QFETCH(QStringList, answers);
    QFETCH(QVector<int>, questions);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, field);
    QFETCH(QString, hint);

    GuidAndQustionDialog dialog(nullptr, true, true, true);
    const QVector<DeviceInfo> devices{device("SN-REFUSED-1", "02-54-41-00-99-01")};
    dialog.setDeviceList(devices);
    dialog.setAdminPassword(QStringLiteral("Admin12345"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    child<MirelGUIToolkit::CComboBox>(dialog, "m_cmbSecurityMode")->setCurrentIndex(task);
    child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->setText(path);
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "m_lineEditAnswer" + QByteArray::number(i + 1);
        child<aptui::MultiStateLineEdit>(dialog, name.constData())->setText(answers.at(i));
        const QByteArray box = "m_cmbQuestion" + QByteArray::number(i + 1);
        child<MirelGUIToolkit::CComboBox>(dialog, box.constData())->setCurrentIndex(questions.at(i));
    }
    child<QLineEdit>(dialog, "emailEdit")->setText(email);

    dialog.onOkClicked();

    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().first, MessageKind::Error);
    QCOMPARE(m_messages.first().second, message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(dialog.deviceList().first().strGuidState, QStringLiteral("Not Exported"));
    QCOMPARE(dialog.deviceList().first().strEmailState, QStringLiteral("Not Set"));
    QVERIFY(!dialog.questionsDone());
    QVERIFY(!dialog.emailDone());

    const auto edits = dialog.findChildren<aptui::MultiStateLineEdit *>();
    for (aptui::MultiStateLineEdit *edit : edits) {
        const bool marked = edit->objectName() == field;
        QCOMPARE(edit->lineEditState(),
                 marked ? aptui::MultiStateLineEdit::ERROR : aptui::MultiStateLineEdit::NORMAL);
    }
    if (field.isEmpty())
        return;
    auto *hintLabel = child<QLabel>(dialog, hint.toLatin1().constData());
    // Something to clear even where the skin's icons are not loaded.
    hintLabel->setText(QStringLiteral("!"));

    // A click into the marked field clears its marking.
    auto *edit = child<aptui::MultiStateLineEdit>(dialog, field.toLatin1().constData());
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->lineEditState(), aptui::MultiStateLineEdit::NORMAL);
    QVERIFY(hintLabel->pixmap().isNull());
    QVERIFY(hintLabel->text().isEmpty());
}

void TstGuidAndQustionDialog::devicesWithoutGuidExport_data()
{
    QTest::addColumn<int>("deviceCount");
    QTest::addColumn<bool>("closes");

    QTest::newRow("one device stays open") << 1 << false;
    QTest::newRow("a batch closes") << 3 << true;
}

void TstGuidAndQustionDialog::devicesWithoutGuidExport()
{
    QFETCH(int, deviceCount);
    QFETCH(bool, closes);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVector<DeviceInfo> devices;
    for (int i = 0; i < deviceCount; ++i) {
        const QString serial = QStringLiteral("SN-NOGUID-%1").arg(i);
        const QString mac = QStringLiteral("02-54-41-00-98-%1").arg(i, 2, 10, QLatin1Char('0'));
        devices.append(device(serial, mac));
        // Every other device is not in the store at all; the rest lack bit 2.
        if (i % 2 == 0)
            TarnDeviceInfoManager::Instance()->addDeviceInfo(record(serial, mac, 0x0B));
    }

    GuidAndQustionDialog dialog(nullptr, true, false, false);
    dialog.setDeviceList(devices);
    dialog.setAdminPassword(QStringLiteral("Admin12345"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<aptui::MultiStateLineEdit>(dialog, "m_lineEditFilePath")->setText(folder.path());
    dialog.onOkClicked();

    QVERIFY(m_messages.isEmpty());
    const QVector<DeviceInfo> after = dialog.deviceList();
    QCOMPARE(after.size(), deviceCount);
    for (const DeviceInfo &info : after) {
        QCOMPARE(info.strGuidState, RecoverySetupStateText::notSupported());
        QCOMPARE(info.strGuidState, QStringLiteral("Not Suport"));
        QCOMPARE(info.strEmailState, QStringLiteral("Not Set"));
    }
    QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(dialog.isVisible(), !closes);
    QCOMPARE(dialog.result(), closes ? int(QDialog::Accepted) : 0);
}

QTEST_MAIN(TstGuidAndQustionDialog)
#include "tst_guidandqustiondialog.moc"
