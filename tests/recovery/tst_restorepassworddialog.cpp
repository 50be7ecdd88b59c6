// The restore dialog of the default password without a device: its form,
// the 32-character code field that has the focus, the empty code refused
// with the field marked until a click into it, and Cancel and close ending
// it without a call.

#include "basetitle.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "restorepassworddialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using TarnTool::MessageKind;
using TarnTool::RestorePasswordDialog;

namespace {

template<typename T>
T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

} // namespace

class TstRestorePasswordDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { TarnTool::setMessageHook({}); }
    void form();
    void codeFieldLimit_data();
    void codeFieldLimit();
    void emptyCodeIsRefused();
    void endsWithoutCall_data();
    void endsWithoutCall();

private:
    QList<QPair<MessageKind, QString>> m_messages;
};

void TstRestorePasswordDialog::init()
{
    m_messages.clear();
    TarnTool::setMessageHook([this](MessageKind kind, const QString &text) {
        m_messages.append({kind, text});
    });
}

void TstRestorePasswordDialog::form()
{
    RestorePasswordDialog dialog(nullptr, QStringLiteral("TC112020240101RPDFORM"));
    QCOMPARE(dialog.deviceKey(), QStringLiteral("TC112020240101RPDFORM"));
    QCOMPARE(dialog.size(), QSize(500, 280));
    // Resizable: no fixed size.
    QVERIFY(dialog.minimumSize() != dialog.maximumSize());
    QCOMPARE(child<QLabel>(dialog, "m_labelRestorePassword")->text(),
             QStringLiteral("Reset Default Password"));
    QCOMPARE(child<QLabel>(dialog, "m_labelSecurityCode")->text(), QStringLiteral("Security Code:"));
    auto *code = child<aptui::MultiStateLineEdit>(dialog, "m_lineEditSecurityCode");
    QCOMPARE(code->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(code->text().isEmpty());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), code);
}

void TstRestorePasswordDialog::codeFieldLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("short") << "A1B2C3" << "A1B2C3";
    QTest::newRow("exactly 32") << QString(32, 'x') << QString(32, 'x');
    QTest::newRow("a 33rd character is not taken") << QString(32, 'y') + "Z" << QString(32, 'y');
    QTest::newRow("spaces are typed as they are") << "  A B  " << "  A B  ";
}

void TstRestorePasswordDialog::codeFieldLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    RestorePasswordDialog dialog(nullptr, QStringLiteral("TC112020240101RPDLIMIT"));
    auto *code = child<aptui::MultiStateLineEdit>(dialog, "m_lineEditSecurityCode");
    QTest::keyClicks(code, typed);
    QCOMPARE(code->text(), kept);
}

void TstRestorePasswordDialog::emptyCodeIsRefused()
{
    RestorePasswordDialog dialog(nullptr, QStringLiteral("TC112020240101RPDEMPTY"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *code = child<aptui::MultiStateLineEdit>(dialog, "m_lineEditSecurityCode");
    auto *hint = child<QLabel>(dialog, "m_labelHintSecurityCode");

    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().first, MessageKind::Error);
    QCOMPARE(m_messages.first().second, QStringLiteral("Please input security code."));
    QCOMPARE(code->lineEditState(), aptui::MultiStateLineEdit::ERROR);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);

    // Something to clear even where the skin's icons are not loaded.
    hint->setText(QStringLiteral("!"));
    QTest::mouseClick(code, Qt::LeftButton);
    QCOMPARE(code->lineEditState(), aptui::MultiStateLineEdit::NORMAL);
    QVERIFY(hint->text().isEmpty());
    QVERIFY(hint->pixmap().isNull());
}

void TstRestorePasswordDialog::endsWithoutCall_data()
{
    QTest::addColumn<bool>("cancel");

    QTest::newRow("Cancel") << true;
    QTest::newRow("close button") << false;
}

void TstRestorePasswordDialog::endsWithoutCall()
{
    QFETCH(bool, cancel);
    RestorePasswordDialog dialog(nullptr, QStringLiteral("TC112020240101RPDCANCEL"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<aptui::MultiStateLineEdit>(dialog, "m_lineEditSecurityCode")->setText("CODE");
    if (cancel) {
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    } else {
        emit dialog.titleBar()->signalCloseButtonClicked();
    }
    QVERIFY(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(TstRestorePasswordDialog)
#include "tst_restorepassworddialog.moc"
