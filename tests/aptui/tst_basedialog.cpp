#include "basedialog.h"
#include "basetitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using aptui::BaseDialog;
using aptui::BaseTitle;

namespace {

QToolButton *titleButton(BaseDialog &dialog, const char *name)
{
    return dialog.findChild<QToolButton *>(QLatin1String(name));
}

QLabel *defaultLabel(BaseDialog &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("m_labelNULL"));
}

} // namespace

class TestBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void formHasTheStyledParts();
    void titleFlagsShowAndEnableButtons();
    void hiddenConfirmIsNeitherVisibleNorEnabled();
    void confirmAcceptsThenSignals();
    void disabledConfirmOnlySignals();
    void cancelClosesThenSignals();
    void titleButtonsAreForwarded();
    void defaultConnectionsAreMadeOnce();
    void defaultConnectionsCanBeDropped();
    void maximiseTogglesTheDialog();
    void setTitleSetsBarAndWindowTitle();
    void defaultText_data();
    void defaultText();
    void defaultTextKeepsPercentSigns();
    void contentWidgetReplacesTheDefaultText();
    void fixedSizeLeavesTheRestToTheContent();
    void fixedSizeFollowsTheBottomBar();
    void customButtonsAreReleasedWithTheDialog();
};

void TestBaseDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestBaseDialog::formHasTheStyledParts()
{
    BaseDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("BaseDialog"));
    QCOMPARE(dialog.size(), QSize(400, 475));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("BaseDialog"));
    // Exactly the frameless hint; Qt itself makes a parentless widget a window.
    QCOMPARE(dialog.windowFlags() & ~Qt::WindowType_Mask, Qt::WindowFlags(Qt::FramelessWindowHint));

    auto *outer = qobject_cast<QVBoxLayout *>(dialog.layout());
    QVERIFY(outer != nullptr);
    QCOMPARE(outer->objectName(), QStringLiteral("verticalLayout_3"));
    QCOMPARE(outer->spacing(), 0);
    QCOMPARE(outer->contentsMargins(), QMargins());
    QCOMPARE(outer->stretch(1), 1);
    QCOMPARE(outer->itemAt(0)->layout()->objectName(), QStringLiteral("titleLayout"));
    auto *mainBorder = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    QCOMPARE(outer->itemAt(1)->widget(), mainBorder);

    auto *title = dialog.findChild<BaseTitle *>(QStringLiteral("BaseTitle"));
    QVERIFY(title != nullptr);
    QCOMPARE(dialog.titleBar(), title);
    QCOMPARE(outer->itemAt(0)->layout()->itemAt(0)->widget(), title);
    QCOMPARE(title->minimumHeight(), 32);

    QLabel *label = defaultLabel(dialog);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("null content"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QVERIFY(label->wordWrap());
    auto *border = mainBorder->findChild<QVBoxLayout *>(QStringLiteral("BorderLayout"));
    QVERIFY(border != nullptr);
    QCOMPARE(border->itemAt(0)->widget(), label);
    QCOMPARE(border->contentsMargins(), QMargins());

    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    QVERIFY(bottom != nullptr);
    QCOMPARE(outer->itemAt(2)->widget(), bottom);
    QCOMPARE(bottom->minimumHeight(), 50);
    QCOMPARE(bottom->layout()->contentsMargins(), QMargins(11, 11, 11, 11));
    QVERIFY(bottom->findChild<QHBoxLayout *>(QStringLiteral("layoutMyBtns")) != nullptr);
    QCOMPARE(dialog.customButtonLayout()->objectName(), QStringLiteral("layoutMyBtns"));

    auto *confirm = dialog.findChild<QPushButton *>(QStringLiteral("btnConfirm"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"));
    QCOMPARE(dialog.confirmButton(), confirm);
    QCOMPARE(dialog.cancelButton(), cancel);
    QCOMPARE(confirm->text(), QStringLiteral("Confirm"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(confirm->minimumSize(), QSize(72, 30));
    QCOMPARE(cancel->minimumSize(), QSize(72, 30));
    // Confirm left of Cancel in their own layout.
    auto *buttons = bottom->findChild<QHBoxLayout *>(QStringLiteral("btnLayout"));
    QCOMPARE(buttons->itemAt(0)->widget(), confirm);
    QCOMPARE(buttons->itemAt(1)->widget(), cancel);

    for (const char *name : {"btnApp", "btnOption", "btnMin", "btnMax", "btnClose"}) {
        QToolButton *button = titleButton(dialog, name);
        QVERIFY2(button != nullptr, name);
        QCOMPARE(button->text(), QString());
        QCOMPARE(button->minimumSize(), QSize(24, 24));
    }
}

void TestBaseDialog::titleFlagsShowAndEnableButtons()
{
    BaseDialog dialog(false, true, false, true, false, true, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QList<QPair<const char *, bool>> expected = {
        {"btnApp", false}, {"btnOption", true}, {"btnMin", false}, {"btnMax", true}, {"btnClose", false}};
    for (const auto &entry : expected) {
        QToolButton *button = titleButton(dialog, entry.first);
        QCOMPARE(button->isVisible(), entry.second);
        QCOMPARE(button->isEnabled(), entry.second);
    }

    dialog.titleBar()->setAppButtonShow(true);
    QVERIFY(titleButton(dialog, "btnApp")->isVisible());
    QVERIFY(titleButton(dialog, "btnApp")->isEnabled());
    dialog.titleBar()->setMaxButtonShow(false);
    QVERIFY(!titleButton(dialog, "btnMax")->isVisible());
    QVERIFY(!titleButton(dialog, "btnMax")->isEnabled());
}

void TestBaseDialog::hiddenConfirmIsNeitherVisibleNorEnabled()
{
    BaseDialog dialog(false, false, false, false, true, false, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(!dialog.confirmButton()->isVisible());
    QVERIFY(!dialog.confirmButton()->isEnabled());
    QVERIFY(dialog.cancelButton()->isVisible());
    QVERIFY(dialog.cancelButton()->isEnabled());
}

void TestBaseDialog::confirmAcceptsThenSignals()
{
    BaseDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QList<bool> visibleWhenSignalled;
    connect(&dialog, &BaseDialog::signalConfirmButtonClicked, this,
            [&] { visibleWhenSignalled << dialog.isVisible(); });

    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);

    QCOMPARE(visibleWhenSignalled, QList<bool>{false});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestBaseDialog::disabledConfirmOnlySignals()
{
    BaseDialog dialog;
    dialog.setEnableConfirm(false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy confirmed(&dialog, &BaseDialog::signalConfirmButtonClicked);
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);

    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());

    // The same through the five-flag slot.
    dialog.setEnableDefaultConnections(true, true, true, false, true);
    QTest::mouseClick(dialog.confirmButton(), Qt::LeftButton);
    QCOMPARE(confirmed.count(), 2);
    QVERIFY(dialog.isVisible());
}

void TestBaseDialog::cancelClosesThenSignals()
{
    BaseDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy cancelled(&dialog, &BaseDialog::signalCancelButtonClicked);

    dialog.setEnableDefaultConnections(true, true, true, true, false);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(cancelled.count(), 1);

    dialog.setEnableDefaultConnections(true, true, true, true, true);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(cancelled.count(), 2);
}

void TestBaseDialog::titleButtonsAreForwarded()
{
    BaseDialog dialog;
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QList<QPair<const char *, void (BaseDialog::*)()>> buttons = {
        {"btnApp", &BaseDialog::signalAppButtonClicked},
        {"btnOption", &BaseDialog::signalOptionButtonClicked},
        {"btnMin", &BaseDialog::signalMinButtonClicked},
        {"btnMax", &BaseDialog::signalMaxButtonClicked},
        {"btnClose", &BaseDialog::signalCloseButtonClicked}};
    for (const auto &entry : buttons) {
        QSignalSpy spy(&dialog, entry.second);
        titleButton(dialog, entry.first)->click();
        QVERIFY2(spy.count() == 1, entry.first);
    }
    // No default action ran.
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.isMinimized());
    QVERIFY(!dialog.isMaximized());
}

void TestBaseDialog::defaultConnectionsAreMadeOnce()
{
    BaseDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // Enabled by the constructor and twice more; a single disable must then
    // leave no connection behind.
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setEnableDefaultConnections(false, false, false, true, true);

    titleButton(dialog, "btnMin")->click();
    QVERIFY(!dialog.isMinimized());
    titleButton(dialog, "btnMax")->click();
    QVERIFY(!dialog.isMaximized());
    titleButton(dialog, "btnClose")->click();
    QVERIFY(dialog.isVisible());

    // And enabling again connects again.
    dialog.setEnableDefaultConnections(true, false, false, true, true);
    titleButton(dialog, "btnMin")->click();
    QVERIFY(dialog.isMinimized());
}

void TestBaseDialog::defaultConnectionsCanBeDropped()
{
    BaseDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setEnableDefaultConnections(true, true, false, true, true);

    titleButton(dialog, "btnClose")->click();
    QVERIFY(dialog.isVisible());

    dialog.setEnableDefaultConnections(true, true, true, true, true);
    titleButton(dialog, "btnClose")->click();
    QVERIFY(!dialog.isVisible());
}

void TestBaseDialog::maximiseTogglesTheDialog()
{
    BaseDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    titleButton(dialog, "btnMax")->click();
    QVERIFY(dialog.isMaximized());
    titleButton(dialog, "btnMax")->click();
    QVERIFY(!dialog.isMaximized());
}

void TestBaseDialog::setTitleSetsBarAndWindowTitle()
{
    BaseDialog dialog;
    dialog.setTitle(QStringLiteral("Hint"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Hint"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("labelTitle"))->text(), QStringLiteral("Hint"));
    QCOMPARE(dialog.titleBar()->title(), QStringLiteral("Hint"));
}

void TestBaseDialog::defaultText_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("format");

    QTest::newRow("bold 12")
        << 0
        << "<html><head/><body><p align=\"center\"><span style=\" font-size:12pt; font-weight:600;\">"
           "TARN is already running.</span></p></body></html>"
        << int(Qt::RichText);
    QTest::newRow("regular 12")
        << 1
        << "<html><head/><body><p align=\"center\"><span style=\" font-size:12pt;\">"
           "TARN is already running.</span></p></body></html>"
        << int(Qt::RichText);
    QTest::newRow("two-argument form is regular")
        << 2
        << "<html><head/><body><p align=\"center\"><span style=\" font-size:12pt;\">"
           "TARN is already running.</span></p></body></html>"
        << int(Qt::RichText);
    QTest::newRow("plain") << 3 << "TARN is already running." << int(Qt::PlainText);
}

void TestBaseDialog::defaultText()
{
    QFETCH(int, variant);
    QFETCH(QString, expected);
    QFETCH(int, format);

    BaseDialog dialog;
    const QString text = QStringLiteral("TARN is already running.");
    switch (variant) {
    case 0:
        dialog.setDefaultText(text, 12, true);
        break;
    case 1:
        dialog.setDefaultText(text, 12, false);
        break;
    case 2:
        dialog.setDefaultText(text, 12);
        break;
    default:
        dialog.setDefaultText(text);
        break;
    }
    QCOMPARE(defaultLabel(dialog)->text(), expected);
    QCOMPARE(int(defaultLabel(dialog)->textFormat()), format);
}

void TestBaseDialog::defaultTextKeepsPercentSigns()
{
    BaseDialog dialog;
    dialog.setDefaultText(QStringLiteral("100% sure, %1 and %2"), 9);
    QCOMPARE(defaultLabel(dialog)->text(),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:9pt;\">"
                            "100% sure, %1 and %2</span></p></body></html>"));
}

void TestBaseDialog::contentWidgetReplacesTheDefaultText()
{
    BaseDialog dialog;
    auto form = std::make_unique<QWidget>();
    form->setObjectName(QStringLiteral("TipDialog"));
    QWidget *formPtr = form.get();

    dialog.setContentWidget(form.release());

    QCOMPARE(defaultLabel(dialog), nullptr);
    auto *border = dialog.findChild<QVBoxLayout *>(QStringLiteral("BorderLayout"));
    QCOMPARE(border->count(), 1);
    QCOMPARE(border->itemAt(0)->widget(), formPtr);
    QCOMPARE(formPtr->parentWidget(), dialog.findChild<QWidget *>(QStringLiteral("mainBorder")));

    // The default-text slots have no target any more.
    dialog.setDefaultText(QStringLiteral("ignored"), 12, true);
    dialog.setDefaultText(QStringLiteral("ignored"));
    QCOMPARE(dialog.findChildren<QLabel *>(QStringLiteral("m_labelNULL")).size(), 0);

    // Putting the same form in again keeps it.
    dialog.setContentWidget(formPtr);
    QCOMPARE(border->count(), 1);
    QCOMPARE(border->itemAt(0)->widget(), formPtr);
}

void TestBaseDialog::fixedSizeLeavesTheRestToTheContent()
{
    BaseDialog dialog(false, false, false, false, true, true, true);
    auto *mainBorder = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));

    dialog.setDialogFixedSize(400, 256);

    QCOMPARE(dialog.minimumSize(), QSize(400, 256));
    QCOMPARE(dialog.maximumSize(), QSize(400, 256));
    const int titleHeight = dialog.titleBar()->height();
    QCOMPARE(mainBorder->maximumSize(), QSize(400, 256 - titleHeight - bottom->height()));
    QCOMPARE(mainBorder->minimumSize(), mainBorder->maximumSize());

    // Once shown, the three parts fill the dialog exactly.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.titleBar()->height() + mainBorder->height() + bottom->height(), 256);
    QCOMPARE(bottom->geometry().bottom(), 255);

    dialog.setDialogFixedSize(QSize(350, 220));
    QCOMPARE(dialog.size(), QSize(350, 220));
    QCOMPARE(mainBorder->width(), 350);
    QCOMPARE(dialog.titleBar()->height() + mainBorder->height() + bottom->height(), 220);
}

void TestBaseDialog::fixedSizeFollowsTheBottomBar()
{
    // The order of the hint boxes: fixed size first, then the bottom hidden.
    BaseDialog dialog(false, false, false, false, true, false, false);
    auto *mainBorder = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    dialog.setDialogFixedSize(400, 256);
    dialog.setBottomVisible(false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QVERIFY(!bottom->isVisible());
    QCOMPARE(dialog.titleBar()->height() + mainBorder->height(), 256);
    // The room the hidden bar leaves goes to the content, not to the title.
    BaseDialog reference(false, false, false, false, true, false, false);
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    QCOMPARE(dialog.titleBar()->height(), reference.titleBar()->height());

    dialog.setBottomVisible(true);
    dialog.setBottomBarHeight(60);
    QTRY_COMPARE(bottom->height(), 60);
    QCOMPARE(dialog.titleBar()->height() + mainBorder->height() + 60, 256);
}

void TestBaseDialog::customButtonsAreReleasedWithTheDialog()
{
    QPointer<QPushButton> extra;
    QPointer<QToolButton> titleExtra;
    {
        BaseDialog dialog;
        extra = new QPushButton(QStringLiteral("Export"), &dialog);
        dialog.customButtonLayout()->addWidget(extra);
        auto button = std::make_unique<QToolButton>();
        titleExtra = button.get();
        dialog.titleBar()->addCustomButton(button.release());
        QCOMPARE(titleExtra->parentWidget(), dialog.titleBar());
    }
    QVERIFY(extra.isNull());
    QVERIFY(titleExtra.isNull());
}

QTEST_MAIN(TestBaseDialog)
#include "tst_basedialog.moc"
