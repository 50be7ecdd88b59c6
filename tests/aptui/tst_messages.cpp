// The message dialogs: field marking by message kind, the message position,
// the message box's form, its close button and close timer (driven without
// waiting the two seconds), the hint box and the yes/no question dialog.

#include "basedialog.h"
#include "hintbox.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "skinloader.h"
#include "tipdialog.h"
#include "warningdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using aptui::MultiStateLineEdit;
using TarnTool::HintBoxKind;
using TarnTool::MessageKind;
using TarnTool::TipDialog;
using TarnTool::WarningDialog;

Q_DECLARE_METATYPE(MessageKind)
Q_DECLARE_METATYPE(HintBoxKind)
Q_DECLARE_METATYPE(MultiStateLineEdit::State)

namespace {

const QString errorHintIcon =
    QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_error.png");
const QString infoHintIcon =
    QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_info.png");
const QString tipDialogIcons = QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/");

QImage normalised(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Runs `action` on the dialog that the next modal run shows, once it is up.
// Should the action fail to end the run, the dialog is ended with -1 so
// that the test fails instead of hanging.
void onNextModalDialog(const std::function<void(QDialog *)> &action)
{
    QTimer::singleShot(0, qApp, [action] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog is running");
        action(dialog);
        if (dialog->isVisible())
            dialog->done(-1);
    });
}

} // namespace

class MessagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void fieldMarking_data();
    void fieldMarking();
    void messagePosition_data();
    void messagePosition();
    void boxShowsTheKindsIconAndText_data();
    void boxShowsTheKindsIconAndText();
    void boxIsAFramelessTranslucentWindow();
    void showMessageRunsTheBoxAtThePosition_data();
    void showMessageRunsTheBoxAtThePosition();
    void closeButtonClosesAtOnce();
    void closeTimerClosesTheBox();
    void boxThatRanOutBeforeItShowsClosesAtOnce();
    void tipDialogAnswers_data();
    void tipDialogAnswers();
    void tipDialogIsAWindowWithCloseConfirmAndCancel();
    void hintBoxForm_data();
    void hintBoxForm();
    void hintBoxRunsModally_data();
    void hintBoxRunsModally();
    void hintBoxHookAnswersInstead();
};

void MessagesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(apt::loadSkin(QStringLiteral(TARN_SKIN_DIR), QStringLiteral("CommonSkin")));
}

void MessagesTest::cleanup()
{
    TarnTool::setMessageHook({});
    TarnTool::setHintBoxHook({});
}

void MessagesTest::fieldMarking_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("giveField");
    QTest::addColumn<bool>("giveLabel");
    QTest::addColumn<bool>("longBox");
    QTest::addColumn<MultiStateLineEdit::State>("initialState");
    QTest::addColumn<MultiStateLineEdit::State>("expectedState");
    QTest::addColumn<QString>("expectedIcon");

    const int error = int(MessageKind::Error);
    const int info = int(MessageKind::Info);
    const int ok = int(MessageKind::Ok);
    using S = MultiStateLineEdit;
    QTest::newRow("error marks the field") << error << true << true << false << S::NORMAL << S::ERROR << errorHintIcon;
    QTest::newRow("long error marks the field") << error << true << true << true << S::NORMAL << S::ERROR << errorHintIcon;
    QTest::newRow("info gives the tip look") << info << true << true << false << S::NORMAL << S::TIP << infoHintIcon;
    QTest::newRow("long info gives the tip look") << info << true << true << true << S::NORMAL << S::TIP << infoHintIcon;
    QTest::newRow("ok changes nothing") << ok << true << true << false << S::ERROR << S::ERROR << QString();
    QTest::newRow("error without label") << error << true << false << false << S::NORMAL << S::NORMAL << QString();
    QTest::newRow("error without field") << error << false << true << false << S::NORMAL << S::NORMAL << QString();
    QTest::newRow("unknown kind") << 7 << true << true << false << S::NORMAL << S::NORMAL << QString();
}

void MessagesTest::fieldMarking()
{
    QFETCH(int, kind);
    QFETCH(bool, giveField);
    QFETCH(bool, giveLabel);
    QFETCH(bool, longBox);
    QFETCH(MultiStateLineEdit::State, initialState);
    QFETCH(MultiStateLineEdit::State, expectedState);
    QFETCH(QString, expectedIcon);

    QList<QPair<MessageKind, QString>> shown;
    TarnTool::setMessageHook([&shown](MessageKind shownKind, const QString &text) {
        shown.append({shownKind, text});
    });

    QWidget page;
    MultiStateLineEdit field(&page);
    field.setLineEditState(initialState);
    QLabel hint(&page);
    const auto show = longBox ? &TarnTool::showLongMessage : &TarnTool::showMessage;
    show(QPoint(10, 20), MessageKind(kind), QStringLiteral("Please input file name."), &page,
         giveField ? &field : nullptr, giveLabel ? &hint : nullptr);

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().first, MessageKind(kind));
    QCOMPARE(shown.first().second, QStringLiteral("Please input file name."));
    QCOMPARE(field.lineEditState(), expectedState);
    QCOMPARE(field.state(), MultiStateLineEdit::stateName(expectedState));
    if (expectedIcon.isEmpty()) {
        QVERIFY(hint.pixmap().isNull());
    } else {
        QVERIFY(!hint.pixmap().isNull());
        QCOMPARE(normalised(hint.pixmap().toImage()), normalised(QImage(expectedIcon)));
    }
}

void MessagesTest::messagePosition_data()
{
    QTest::addColumn<bool>("child");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("top-level window") << false << QRect(100, 200, 800, 600) << QPoint(345, 440);
    QTest::newRow("odd size rounds down") << false << QRect(0, 0, 311, 121) << QPoint(0, 0);
    QTest::newRow("child page, relative to its parent")
        << true << QRect(30, 40, 600, 400) << QPoint(175, 180);
}

void MessagesTest::messagePosition()
{
    QFETCH(bool, child);
    QFETCH(QRect, geometry);
    QFETCH(QPoint, expected);

    QWidget window;
    window.setGeometry(500, 300, 1000, 700);
    QWidget page(&window);
    QWidget &widget = child ? page : window;
    widget.setGeometry(geometry);

    QCOMPARE(TarnTool::messagePosition(&widget), expected);
}

void MessagesTest::boxShowsTheKindsIconAndText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("icon");

    QTest::newRow("ok") << int(MessageKind::Ok) << tipDialogIcons + "icon_alert_ok_large.png";
    QTest::newRow("info") << int(MessageKind::Info) << tipDialogIcons + "icon_alert_info_large.png";
    QTest::newRow("error") << int(MessageKind::Error) << tipDialogIcons + "icon_alert_error_large.png";
    QTest::newRow("unknown kind") << 3 << QString();
}

void MessagesTest::boxShowsTheKindsIconAndText()
{
    QFETCH(int, kind);
    QFETCH(QString, icon);

    WarningDialog box(nullptr, MessageKind(kind), QStringLiteral("Saved."));
    const auto *picture = box.findChild<QLabel *>(QStringLiteral("m_labelWarnPicture"));
    const auto *text = box.findChild<QLabel *>(QStringLiteral("m_labelWarnText"));
    QVERIFY(picture);
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("Saved."));
    QVERIFY(text->wordWrap());
    if (icon.isEmpty()) {
        QVERIFY(picture->pixmap().isNull());
    } else {
        QCOMPARE(picture->pixmap().size(), QSize(32, 32));
        QCOMPARE(normalised(picture->pixmap().toImage()), normalised(QImage(icon)));
    }
}

void MessagesTest::boxIsAFramelessTranslucentWindow()
{
    QWidget page;
    WarningDialog box(&page, MessageKind::Info, QStringLiteral("text"));

    QCOMPARE(box.objectName(), QStringLiteral("WarningDialog"));
    QCOMPARE(box.size(), QSize(310, 120));
    QCOMPARE(box.minimumSize(), QSize(310, 120));
    QCOMPARE(box.maximumSize(), QSize(310, 180));
    // A window over its parent, not a child widget inside it.
    QVERIFY(box.isWindow());
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(box.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(box.findChild<QWidget *>(QStringLiteral("m_borderWidget")));
    const auto *close = box.findChild<QPushButton *>(QStringLiteral("m_btnClose"));
    QVERIFY(close);
    QCOMPARE(close->size(), QSize(32, 32));
    QVERIFY(close->text().isEmpty());
}

void MessagesTest::showMessageRunsTheBoxAtThePosition_data()
{
    QTest::addColumn<bool>("longBox");
    QTest::addColumn<QSize>("size");

    QTest::newRow("message") << false << QSize(310, 120);
    QTest::newRow("long message") << true << QSize(310, 160);
}

void MessagesTest::showMessageRunsTheBoxAtThePosition()
{
    QFETCH(bool, longBox);
    QFETCH(QSize, size);

    QWidget page;
    QPoint shownAt;
    QSize shownSize;
    QString shownText;
    onNextModalDialog([&](QDialog *dialog) {
        auto *box = qobject_cast<WarningDialog *>(dialog);
        QVERIFY(box);
        shownAt = box->pos();
        shownSize = box->size();
        shownText = box->findChild<QLabel *>(QStringLiteral("m_labelWarnText"))->text();
        box->findChild<QPushButton *>(QStringLiteral("m_btnClose"))->click();
    });
    const auto show = longBox ? &TarnTool::showLongMessage : &TarnTool::showMessage;
    show(QPoint(120, 90), MessageKind::Ok, QStringLiteral("Saved."), &page, nullptr, nullptr);

    QCOMPARE(shownAt, QPoint(120, 90));
    QCOMPARE(shownSize, size);
    QCOMPARE(shownText, QStringLiteral("Saved."));
}

void MessagesTest::closeButtonClosesAtOnce()
{
    WarningDialog box(nullptr, MessageKind::Error, QStringLiteral("Saving failed."));
    QSignalSpy closed(&box, &WarningDialog::signalWarnClose);
    auto *close = box.findChild<QPushButton *>(QStringLiteral("m_btnClose"));
    QVERIFY(close);
    QTimer::singleShot(0, close, [close] { QTest::mouseClick(close, Qt::LeftButton); });

    QElapsedTimer elapsed;
    elapsed.start();
    box.exec();

    QVERIFY2(elapsed.elapsed() < 1000, "the box waited for its timer");
    QVERIFY(!box.isVisible());
    QCOMPARE(closed.count(), 1);
}

void MessagesTest::closeTimerClosesTheBox()
{
    WarningDialog box(nullptr, MessageKind::Ok, QStringLiteral("Saved."));
    auto *timer = box.findChild<QTimer *>(QStringLiteral("m_closeTimer"));
    QVERIFY(timer);
    // Running from construction, once, for two seconds.
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 2000);

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    timer->start(0);
    QTRY_VERIFY(!box.isVisible());
}

void MessagesTest::boxThatRanOutBeforeItShowsClosesAtOnce()
{
    WarningDialog box(nullptr, MessageKind::Ok, QStringLiteral("Saved."));
    auto *timer = box.findChild<QTimer *>(QStringLiteral("m_closeTimer"));
    QVERIFY(timer);
    timer->start(0);
    QTRY_VERIFY(!timer->isActive());

    QElapsedTimer elapsed;
    elapsed.start();
    box.exec();
    QVERIFY2(elapsed.elapsed() < 1000, "a box shown after its time stays open");
}

void MessagesTest::tipDialogAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");

    QTest::newRow("confirm") << QStringLiteral("btnConfirm") << int(QDialog::Accepted);
    QTest::newRow("cancel") << QStringLiteral("btnCancel") << int(QDialog::Rejected);
    QTest::newRow("title close button") << QStringLiteral("btnClose") << int(QDialog::Rejected);
    QTest::newRow("escape") << QStringLiteral("escape") << int(QDialog::Rejected);
}

void MessagesTest::tipDialogAnswers()
{
    QFETCH(QString, action);
    QFETCH(int, result);

    QWidget window;
    TipDialog dialog(&window);
    dialog.setDialogFixedSize(350, 220);
    dialog.setTitle(QStringLiteral("Exit"));
    dialog.setText(QStringLiteral("Exit the TARN software?"));
    onNextModalDialog([action](QDialog *shown) {
        if (action == QLatin1String("escape")) {
            QTest::keyClick(shown, Qt::Key_Escape);
            return;
        }
        auto *button = shown->findChild<QAbstractButton *>(action);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });

    QCOMPARE(dialog.exec(), result);
}

void MessagesTest::tipDialogIsAWindowWithCloseConfirmAndCancel()
{
    QWidget window;
    TipDialog dialog(&window);
    dialog.setText(QStringLiteral("Exit the TARN software?"));

    QVERIFY(dialog.isWindow());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog.text(), QStringLiteral("Exit the TARN software?"));
    const auto *label = dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Exit the TARN software?"));
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(label->alignment().testFlag(Qt::AlignVCenter));
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("TipDialog")));
    for (const char *hidden : {"btnApp", "btnOption", "btnMin", "btnMax"})
        QVERIFY2(dialog.findChild<QToolButton *>(QLatin1String(hidden))->isHidden(), hidden);
    QVERIFY(!dialog.findChild<QToolButton *>(QStringLiteral("btnClose"))->isHidden());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("btnConfirm"))->isHidden());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->isHidden());
}

void MessagesTest::hintBoxForm_data()
{
    QTest::addColumn<HintBoxKind>("kind");
    QTest::addColumn<QSize>("size");

    QTest::newRow("start-up notice") << HintBoxKind::Notice << TarnTool::startupHintBoxSize;
    QTest::newRow("file notice") << HintBoxKind::Notice << TarnTool::fileHintBoxSize;
    QTest::newRow("start-up question") << HintBoxKind::Question << TarnTool::startupHintBoxSize;
}

void MessagesTest::hintBoxForm()
{
    QFETCH(HintBoxKind, kind);
    QFETCH(QSize, size);
    const bool question = kind == HintBoxKind::Question;

    const std::unique_ptr<aptui::BaseDialog> box =
        TarnTool::createHintBox(QStringLiteral("TARN is already running."), size, kind);

    QCOMPARE(box->objectName(), QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(box->windowTitle(), QStringLiteral("Hint"));
    QVERIFY(!box->parent());
    QCOMPARE(box->minimumSize(), size);
    QCOMPARE(box->maximumSize(), size);
    QCOMPARE(box->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text(),
             QStringLiteral("TARN is already running."));
    for (const char *hidden : {"btnApp", "btnOption", "btnMin", "btnMax"})
        QVERIFY2(box->findChild<QToolButton *>(QLatin1String(hidden))->isHidden(), hidden);
    QVERIFY(!box->findChild<QToolButton *>(QStringLiteral("btnClose"))->isHidden());
    QCOMPARE(!box->findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"))->isHidden(), question);
    QCOMPARE(!box->findChild<QPushButton *>(QStringLiteral("btnConfirm"))->isHidden(), question);
    QCOMPARE(!box->findChild<QPushButton *>(QStringLiteral("btnCancel"))->isHidden(), question);
}

void MessagesTest::hintBoxRunsModally_data()
{
    QTest::addColumn<HintBoxKind>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answer");

    QTest::newRow("question confirmed") << HintBoxKind::Question << QStringLiteral("btnConfirm") << true;
    QTest::newRow("question cancelled") << HintBoxKind::Question << QStringLiteral("btnCancel") << false;
    QTest::newRow("question closed") << HintBoxKind::Question << QStringLiteral("btnClose") << false;
    QTest::newRow("notice closed") << HintBoxKind::Notice << QStringLiteral("btnClose") << false;
}

void MessagesTest::hintBoxRunsModally()
{
    QFETCH(HintBoxKind, kind);
    QFETCH(QString, button);
    QFETCH(bool, answer);

    QString shownText;
    onNextModalDialog([&](QDialog *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("APP_WARNINGDLG"));
        shownText = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text();
        auto *target = dialog->findChild<QAbstractButton *>(button);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
    });

    QCOMPARE(TarnTool::showHintBox(QStringLiteral("Initialization failed."),
                                   TarnTool::startupHintBoxSize, kind),
             answer);
    QCOMPARE(shownText, QStringLiteral("Initialization failed."));
}

void MessagesTest::hintBoxHookAnswersInstead()
{
    QStringList messages;
    QList<HintBoxKind> kinds;
    TarnTool::setHintBoxHook([&](const QString &message, HintBoxKind kind) {
        messages << message;
        kinds << kind;
        return kind == HintBoxKind::Question;
    });

    QVERIFY(TarnTool::showHintBox(QStringLiteral("Display resolution less than 1024*768,are you sure to start the program?"),
                                  TarnTool::startupHintBoxSize, HintBoxKind::Question));
    QVERIFY(!TarnTool::showHintBox(QStringLiteral("No user manual found."),
                                   TarnTool::fileHintBoxSize, HintBoxKind::Notice));
    QCOMPARE(messages, QStringList({QStringLiteral("Display resolution less than 1024*768,are you sure to start the program?"),
                                    QStringLiteral("No user manual found.")}));
    QCOMPARE(kinds, QList<HintBoxKind>({HintBoxKind::Question, HintBoxKind::Notice}));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
