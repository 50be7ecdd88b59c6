#include "cabstractitemviewdelegate.h"
#include "ccombobox.h"
#include "cheaderview.h"
#include "cfancytitle.h"
#include "chboxlayout.h"
#include "cintvalidator.h"
#include "cregexpvalidator.h"
#include "ctabledelegate.h"
#include "ctableview.h"
#include "cwidgetitem.h"
#include "cwidgetsizefactory.h"
#include "independentwindow.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

using namespace MirelGUIToolkit;

namespace {

// A top-level frameless window with a toolkit title on top.
struct TitledWindow
{
    QWidget window;
    CFancyTitle *title;

    TitledWindow()
        : title(new CFancyTitle(&window))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(&window);
        title->setFixedHeight(30);
        layout->addWidget(title);
        layout->addStretch();
        window.setGeometry(100, 100, 300, 200);
    }
};

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF globalPos = target->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), QPointF(local), globalPos, button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Move events carry the global position given, as the pointer really is.
void sendMoveTo(QWidget *target, const QPoint &globalPos)
{
    const QPointF local = target->mapFromGlobal(QPointF(globalPos));
    QMouseEvent event(QEvent::MouseMove, local, local, QPointF(globalPos), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QImage renderView(QWidget *view)
{
    QImage image(view->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    view->render(&image);
    return image;
}

} // namespace

class TestGuiToolkit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void dragWithLeftButtonMovesTheWindow();
    void dragNeedsTheLeftButtonAndTheDragDistance();
    void maximisedWindowIsNotDragged();
    void doubleClickMaximisesAndRestores();
    void doubleClickCanBeSwitchedOff();

    void sizeFactoryAcceptsNullWindows();
    void normalRestoreAppliesAGivenSize();

    void independentWindowIsTheTopLevel();

    void widgetItemGetsItsStretchAndParent();

    void tableViewIsAFlatTable();
    void gridLinesAreSwitchable();
    void delegateDrawsThePixmapOfItsRole();
    void headerCheckBoxChecksTheColumn();

    void comboBoxItemsCarryTipAndData();

    void intValidatorRange_data();
    void intValidatorRange();
    void regExpValidatorKinds_data();
    void regExpValidatorKinds();
};

void TestGuiToolkit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestGuiToolkit::dragWithLeftButtonMovesTheWindow()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();

    const QPoint pressLocal(40, 10);
    const QPoint pressGlobal = w.title->mapToGlobal(pressLocal);
    sendMouse(w.title, QEvent::MouseButtonPress, pressLocal, Qt::LeftButton, Qt::LeftButton);
    sendMoveTo(w.title, pressGlobal + QPoint(30, 15));
    QTRY_COMPARE(w.window.pos(), start + QPoint(30, 15));
    // The offset counts from the press, not from the previous move.
    sendMoveTo(w.title, pressGlobal + QPoint(50, -5));
    QTRY_COMPARE(w.window.pos(), start + QPoint(50, -5));
    sendMouse(w.title, QEvent::MouseButtonRelease, w.title->mapFromGlobal(pressGlobal + QPoint(50, -5)),
              Qt::LeftButton, Qt::NoButton);

    // After the release the pointer no longer drags.
    sendMoveTo(w.title, pressGlobal + QPoint(200, 200));
    QTest::qWait(20);
    QCOMPARE(w.window.pos(), start + QPoint(50, -5));
}

void TestGuiToolkit::dragNeedsTheLeftButtonAndTheDragDistance()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();
    const QPoint pressLocal(40, 10);
    const QPoint pressGlobal = w.title->mapToGlobal(pressLocal);

    sendMouse(w.title, QEvent::MouseButtonPress, pressLocal, Qt::RightButton, Qt::RightButton);
    sendMoveTo(w.title, pressGlobal + QPoint(40, 40));
    QCOMPARE(w.window.pos(), start);
    sendMouse(w.title, QEvent::MouseButtonRelease, pressLocal, Qt::RightButton, Qt::NoButton);

    // A tremor below the drag distance is still a click.
    const int small = qMax(0, QApplication::startDragDistance() / 2 - 1);
    sendMouse(w.title, QEvent::MouseButtonPress, pressLocal, Qt::LeftButton, Qt::LeftButton);
    sendMoveTo(w.title, pressGlobal + QPoint(small, 0));
    QCOMPARE(w.window.pos(), start);
}

void TestGuiToolkit::maximisedWindowIsNotDragged()
{
    TitledWindow w;
    w.window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QVERIFY(CWidgetSizeFactory::IsMaximized(&w.window));
    const QPoint start = w.window.pos();
    const QPoint pressLocal(40, 10);
    const QPoint pressGlobal = w.title->mapToGlobal(pressLocal);

    sendMouse(w.title, QEvent::MouseButtonPress, pressLocal, Qt::LeftButton, Qt::LeftButton);
    sendMoveTo(w.title, pressGlobal + QPoint(60, 60));
    QTest::qWait(20);
    QCOMPARE(w.window.pos(), start);
    QVERIFY(w.window.isMaximized());
}

void TestGuiToolkit::doubleClickMaximisesAndRestores()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy changed(w.title, &CFancyTitle::SignalWndSizeStatusChanged);

    QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(w.window.isMaximized());
    QCOMPARE(changed.count(), 1);

    QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(!w.window.isMaximized());
    QCOMPARE(changed.count(), 2);

    QTest::mouseDClick(w.title, Qt::RightButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(!w.window.isMaximized());
    QCOMPARE(changed.count(), 2);
}

void TestGuiToolkit::doubleClickCanBeSwitchedOff()
{
    TitledWindow w;
    QVERIFY(w.title->IsOpenDoubleClickEnable());
    w.title->SetOpenDoubleClickEnable(false);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy changed(w.title, &CFancyTitle::SignalWndSizeStatusChanged);

    QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QVERIFY(!w.window.isMaximized());
    QCOMPARE(changed.count(), 0);
}

void TestGuiToolkit::sizeFactoryAcceptsNullWindows()
{
    QVERIFY(!CWidgetSizeFactory::IsMaximized(nullptr));
    QVERIFY(!CWidgetSizeFactory::IsFullScreen(nullptr));
    CWidgetSizeFactory::ShowNormal(nullptr, QSize(10, 10));
    CWidgetSizeFactory::ShowMaximized(nullptr);
}

void TestGuiToolkit::normalRestoreAppliesAGivenSize()
{
    QWidget window;
    window.resize(200, 150);
    CWidgetSizeFactory::ShowMaximized(&window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(CWidgetSizeFactory::IsMaximized(&window));
    QVERIFY(!CWidgetSizeFactory::IsFullScreen(&window));

    CWidgetSizeFactory::ShowNormal(&window, QSize(320, 240));
    QVERIFY(!CWidgetSizeFactory::IsMaximized(&window));
    QTRY_COMPARE(window.size(), QSize(320, 240));

    window.showFullScreen();
    QVERIFY(CWidgetSizeFactory::IsFullScreen(&window));
}

void TestGuiToolkit::independentWindowIsTheTopLevel()
{
    QWidget window;
    window.setObjectName(QStringLiteral("main"));
    auto *panel = new QWidget(&window);
    auto *label = new QLabel(panel);

    QCOMPARE(GetIndependentWindow(label), &window);
    QCOMPARE(GetIndependentWindow(label, nullptr), &window);
    QCOMPARE(GetIndependentWindow(&window), &window);
    QCOMPARE(GetIndependentWindow(nullptr), nullptr);
    QCOMPARE(GetIndependentWindow(label, "main"), &window);
    QCOMPARE(GetIndependentWindow(label, "other"), nullptr);
}

void TestGuiToolkit::widgetItemGetsItsStretchAndParent()
{
    QWidget host;
    auto *layout = new CHBoxLayout(&host);
    layout->SetLayoutContentsMargins(4, 0, 4, 0);
    layout->SetLayoutSpacing(10);
    auto *icon = new QLabel(&host);
    icon->setFixedSize(24, 24);
    auto label = std::make_unique<QLabel>();
    QLabel *title = label.get();
    layout->AddWidget(icon);
    layout->AddItem(new CWidgetItem(label.release(), 1));
    layout->AddItem(new QSpacerItem(5, 1, QSizePolicy::Fixed, QSizePolicy::Fixed));

    QCOMPARE(layout->contentsMargins(), QMargins(4, 0, 4, 0));
    QCOMPARE(layout->spacing(), 10);
    QCOMPARE(layout->count(), 3);
    QCOMPARE(layout->stretch(1), 1);
    QCOMPARE(layout->stretch(0), 0);
    QCOMPARE(title->parentWidget(), &host);

    host.resize(400, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    // The stretched title takes what the icon, one spacing and the spacer
    // leave (a box layout puts no spacing before a spacer item).
    QCOMPARE(title->width(), 400 - 4 - 24 - 10 - 5 - 4);
}

void TestGuiToolkit::tableViewIsAFlatTable()
{
    CTableView view;
    QVERIFY(!view.rootIsDecorated());
    QVERIFY(view.uniformRowHeights());
    QVERIFY(!view.itemsExpandable());
    QCOMPARE(view.indentation(), 0);
    QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(view.IsGridLineShown());
}

void TestGuiToolkit::gridLinesAreSwitchable()
{
    QStandardItemModel model(3, 2);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    CTableView view;
    view.setModel(&model);
    view.SetGridLineColor(QColor(255, 0, 0));
    view.resize(200, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const auto redPixels = [&view] {
        const QImage image = renderView(&view);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        }
        return count;
    };
    QVERIFY(redPixels() > 0);
    view.ShowGridLine(false);
    QVERIFY(!view.IsGridLineShown());
    QCOMPARE(redPixels(), 0);
}

class RolePixmapDelegate : public CTableDelegate
{
public:
    using CTableDelegate::CTableDelegate;
    int pixmapRole() const override { return 8192; }
    Qt::Alignment pixmapAlignment() const override { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    QStyleOptionViewItem optionFor(const QModelIndex &index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option;
    }

private:
    Qt::Alignment m_alignment = Qt::AlignLeft;
};

void TestGuiToolkit::delegateDrawsThePixmapOfItsRole()
{
    QStandardItemModel model(3, 1);
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::blue);
    model.setData(model.index(0, 0), QStringLiteral("with pixmap"));
    model.setData(model.index(0, 0), pixmap, 8192);
    model.setData(model.index(1, 0), QStringLiteral("plain"));
    model.setData(model.index(2, 0), QImage(8, 8, QImage::Format_ARGB32), 8192);

    CTableView view;
    view.setModel(&model);
    RolePixmapDelegate delegate(&view);
    QCOMPARE(delegate.view(), &view);

    QStyleOptionViewItem option = delegate.optionFor(model.index(0, 0));
    QVERIFY(option.features & QStyleOptionViewItem::HasDecoration);
    QCOMPARE(option.decorationSize, QSize(12, 12));
    QCOMPARE(option.decorationPosition, QStyleOptionViewItem::Left);
    QCOMPARE(option.icon.pixmap(12, 12).toImage().pixelColor(6, 6), QColor(Qt::blue));

    QVERIFY(!(delegate.optionFor(model.index(1, 0)).features & QStyleOptionViewItem::HasDecoration));
    QVERIFY(delegate.optionFor(model.index(2, 0)).features & QStyleOptionViewItem::HasDecoration);

    delegate.setAlignment(Qt::AlignRight);
    QCOMPARE(delegate.optionFor(model.index(0, 0)).decorationPosition, QStyleOptionViewItem::Right);

    // The plain toolkit delegate leaves role 8192 alone.
    CTableDelegate plain(&view);
    QCOMPARE(plain.pixmapRole(), int(Qt::DecorationRole));
}

void TestGuiToolkit::headerCheckBoxChecksTheColumn()
{
    QStandardItemModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setColumnCount(2);
    for (int row = 0; row < 3; ++row) {
        auto *check = new QStandardItem;
        check->setCheckable(true);
        check->setCheckState(Qt::Unchecked);
        model.appendRow({check, new QStandardItem(QStringLiteral("device %1").arg(row))});
    }
    model.setHeaderData(0, Qt::Horizontal, QString(), Qt::CheckStateRole);
    model.setHeaderData(0, Qt::Horizontal, true, CHeaderView::CheckableRole);
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("ID"));

    CTableView view;
    view.setModel(&model);
    view.header()->resizeSection(0, 40);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto *header = qobject_cast<CHeaderView *>(view.header());
    QVERIFY(header != nullptr);
    QVERIFY(header->isSectionCheckable(0));
    QVERIFY(!header->isSectionCheckable(1));
    QCOMPARE(header->sectionCheckState(0), Qt::Unchecked);

    const QPoint boxCentre(header->sectionViewportPosition(0) + header->sectionSize(0) / 2,
                           header->height() / 2);
    const auto states = [&model] {
        QList<int> result;
        for (int row = 0; row < model.rowCount(); ++row)
            result << model.item(row, 0)->checkState();
        return result;
    };

    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, boxCentre);
    QCOMPARE(states(), (QList<int>{Qt::Checked, Qt::Checked, Qt::Checked}));
    QCOMPARE(header->sectionCheckState(0), Qt::Checked);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, boxCentre);
    QCOMPARE(states(), (QList<int>{Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));

    // One checked row: partly checked, and a click checks the rest.
    model.item(1, 0)->setCheckState(Qt::Checked);
    QCOMPARE(header->sectionCheckState(0), Qt::PartiallyChecked);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, boxCentre);
    QCOMPARE(states(), (QList<int>{Qt::Checked, Qt::Checked, Qt::Checked}));

    // A click beside the box or on another section is an ordinary click.
    header->setSectionsClickable(true);
    QSignalSpy clicked(header, &QHeaderView::sectionClicked);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(0) + 1, header->height() / 2));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(states(), (QList<int>{Qt::Checked, Qt::Checked, Qt::Checked}));
}

void TestGuiToolkit::comboBoxItemsCarryTipAndData()
{
    CComboBox combo;
    combo.AddItem(QStringLiteral("Key authentication"), QStringLiteral("Key file or QR code"), 0);
    combo.AddItem(QStringLiteral("email"), QString(), 3);
    combo.AddItem(QStringLiteral("none"), QString());

    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(0), QStringLiteral("Key authentication"));
    QCOMPARE(combo.itemData(0).toInt(), 0);
    QCOMPARE(combo.itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("Key file or QR code"));
    QCOMPARE(combo.itemData(1).toInt(), 3);
    QVERIFY(!combo.itemData(1, Qt::ToolTipRole).isValid());
    QVERIFY(!combo.itemData(2).isValid());
    combo.setCurrentIndex(1);
    QCOMPARE(combo.currentData().toInt(), 3);
    QCOMPARE(combo.findData(3), 1);
}

void TestGuiToolkit::intValidatorRange_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("state");

    QTest::newRow("port 0") << 0 << 65535 << "0" << int(QValidator::Acceptable);
    QTest::newRow("port max") << 0 << 65535 << "65535" << int(QValidator::Acceptable);
    QTest::newRow("port too large") << 0 << 65535 << "65536" << int(QValidator::Invalid);
    QTest::newRow("port far too large") << 0 << 65535 << "70000" << int(QValidator::Invalid);
    QTest::newRow("empty") << 0 << 65535 << "" << int(QValidator::Intermediate);
    QTest::newRow("letters") << 0 << 65535 << "8a" << int(QValidator::Invalid);
    QTest::newRow("group separator") << 0 << 65535 << "8,000" << int(QValidator::Invalid);
    QTest::newRow("negative") << 0 << 127 << "-1" << int(QValidator::Invalid);
    QTest::newRow("prefix 127") << 0 << 127 << "127" << int(QValidator::Acceptable);
    QTest::newRow("prefix 128") << 0 << 127 << "128" << int(QValidator::Invalid);
    QTest::newRow("below a positive minimum") << 10 << 99 << "5" << int(QValidator::Intermediate);
    QTest::newRow("signed range") << -10 << 10 << "-5" << int(QValidator::Acceptable);
}

void TestGuiToolkit::intValidatorRange()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, input);
    QFETCH(int, state);

    CIntValidator validator(minimum, maximum);
    QCOMPARE(validator.bottom(), minimum);
    QCOMPARE(validator.top(), maximum);
    int pos = input.size();
    QCOMPARE(int(validator.validate(input, pos)), state);
}

void TestGuiToolkit::regExpValidatorKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("printable ascii") << 128 << "My first pet: Rex (2009)!" << true;
    QTest::newRow("printable Chinese") << 128 << QStringLiteral(u"我的小学 名称") << true;
    QTest::newRow("printable empty") << 128 << "" << true;
    QTest::newRow("printable tab") << 128 << "a\tb" << false;
    QTest::newRow("printable newline") << 128 << "a\nb" << false;
    QTest::newRow("printable nul") << 128 << QString(QChar(0)) << false;
    QTest::newRow("printable zero-width") << 128 << QStringLiteral(u"a\u200Bb") << false;
    QTest::newRow("digits") << 1 << "0123" << true;
    QTest::newRow("digits letter") << 1 << "12a" << false;
    QTest::newRow("ipv4 chars") << 8 << "192.168.1.64" << true;
    QTest::newRow("ipv4 colon") << 8 << "fe80::1" << false;
    QTest::newRow("ipv6 chars") << 16 << "fe80::1" << true;
    QTest::newRow("ascii printable") << 64 << "Abc 123 ~!" << true;
    QTest::newRow("ascii printable umlaut") << 64 << QStringLiteral(u"ä") << false;
    QTest::newRow("no space") << 32 << "a b" << false;
    QTest::newRow("digits or letters") << (1 | 2) << "abc123" << true;
    QTest::newRow("digits or letters dot") << (1 | 2) << "abc.123" << false;
    QTest::newRow("no known kind") << 0 << "anything\tgoes" << true;
}

void TestGuiToolkit::regExpValidatorKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, input);
    QFETCH(bool, accepted);

    CRegExpValidator validator(kind);
    QCOMPARE(validator.Kind(), kind);
    int pos = 0;
    const QValidator::State state = validator.validate(input, pos);
    QCOMPARE(state == QValidator::Acceptable, accepted);
    if (!accepted)
        QCOMPARE(state, QValidator::Invalid);
}

QTEST_MAIN(TestGuiToolkit)
#include "tst_guitoolkit.moc"
