// The privacy notice before the e-mail reset: "NEXT" accepts, "CLOSE"
// rejects, and a press on the address opens it without closing the notice.

#include "desktopservices.h"
#include "emailsecuritytipdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using TarnTool::EmailSecurityTipDialog;

class TstEmailSecurityTipDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void form();
    void buttons_data();
    void buttons();
    void addressOpensAndNoticeStays();
};

void TstEmailSecurityTipDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TstEmailSecurityTipDialog::cleanupTestCase()
{
    aptui::setUrlOpener({});
}

void TstEmailSecurityTipDialog::form()
{
    EmailSecurityTipDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("Email_SecurityTip_Dialog"));
    QCOMPARE(dialog.size(), QSize(568, 300));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.findChild<QPushButton *>("nextBtn")->text(), QStringLiteral("NEXT"));
    QCOMPARE(dialog.findChild<QPushButton *>("closeBtn")->text(), QStringLiteral("CLOSE"));
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QStringLiteral("Privacy policy"));
    auto *tip = dialog.findChild<QLabel *>("tipLabel");
    QVERIFY(tip->wordWrap());
    QVERIFY(tip->text().startsWith(QStringLiteral("To reset the password by Reserved Email")));
    QVERIFY(tip->text().contains(QStringLiteral("<Privacy Policy>")));
    auto *url = dialog.findChild<QLabel *>("urlLabel");
    QVERIFY(!url->wordWrap());
    QVERIFY(QUrl(url->text().trimmed()).isValid());
    QCOMPARE(QUrl(url->text().trimmed()).scheme(), QStringLiteral("https"));
    QCOMPARE(url->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(url->styleSheet().contains(QStringLiteral("#059af8")));
}

void TstEmailSecurityTipDialog::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("NEXT accepts") << "nextBtn" << int(QDialog::Accepted);
    QTest::newRow("CLOSE rejects") << "closeBtn" << int(QDialog::Rejected);
}

void TstEmailSecurityTipDialog::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    EmailSecurityTipDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
}

void TstEmailSecurityTipDialog::addressOpensAndNoticeStays()
{
    QList<QUrl> opened;
    aptui::setUrlOpener([&opened](const QUrl &url) {
        opened.append(url);
        return true;
    });
    EmailSecurityTipDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *url = dialog.findChild<QLabel *>("urlLabel");
    QTest::mouseClick(url, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.constFirst(), QUrl(url->text().trimmed()));
    QVERIFY(dialog.isVisible());
    // A press elsewhere opens nothing.
    QTest::mouseClick(dialog.findChild<QLabel *>("tipLabel"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
}

QTEST_MAIN(TstEmailSecurityTipDialog)
#include "tst_emailsecuritytipdialog.moc"
