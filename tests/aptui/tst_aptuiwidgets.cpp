#include "coverwidget.h"
#include "ctableview.h"
#include "ctabledelegate.h"
#include "filepathbutton.h"
#include "menu.h"
#include "treeviewwithleftpixmapdelegate.h"
#include "widget.h"

#include <QAbstractItemModelTester>
#include <QEnterEvent>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTest>

using aptui::CoverWidget;
using aptui::Menu;
using aptui::TreeViewWithLeftPixmapDelegate;
using aptui::Widget;

namespace {

QImage paintCell(const QStyledItemDelegate &delegate, const QAbstractItemView &view,
                 const QModelIndex &index, QStyle::State state)
{
    QImage image(120, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = image.rect();
    option.state = state;
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    painter.end();
    return image;
}

} // namespace

class TestAptuiWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void widgetReportsMouseEvents();
    void widgetPaintsItsStyleSheetBackground();
    void coverFillsTheWidget();
    void menuIsAFramelessTranslucentPopup();
    void filePathButtonIsSelectableByClass();
    void selectedCellsArePaintedAsHovered();
    void delegateTakesPixmapsFromItsRole();
};

void TestAptuiWidgets::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAptuiWidgets::widgetReportsMouseEvents()
{
    Widget widget;
    widget.resize(100, 50);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy clicked(&widget, &Widget::signalMouseClicked);
    QSignalSpy doubleClicked(&widget, &Widget::signalDoubleClicked);
    QSignalSpy entered(&widget, &Widget::signalMouseEnter);
    QSignalSpy left(&widget, &Widget::signalMouseLeave);

    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(doubleClicked.count(), 1);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&widget, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void TestAptuiWidgets::widgetPaintsItsStyleSheetBackground()
{
    Widget widget;
    widget.setStyleSheet(QStringLiteral("aptui--Widget { background: rgb(0, 200, 0); }"));
    widget.resize(40, 30);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));

    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget.render(&image);
    QCOMPARE(image.pixelColor(20, 15), QColor(0, 200, 0));
}

void TestAptuiWidgets::coverFillsTheWidget()
{
    CoverWidget cover;
    QWidget *veil = cover.findChild<QWidget *>(QStringLiteral("m_cover"));
    QVERIFY(veil != nullptr);
    QCOMPARE(cover.cover(), veil);
    QVERIFY(cover.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(cover.layout()->contentsMargins(), QMargins());

    cover.resize(300, 200);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QCOMPARE(veil->geometry(), cover.rect());
}

void TestAptuiWidgets::menuIsAFramelessTranslucentPopup()
{
    Menu first;
    QCOMPARE(first.objectName(), QStringLiteral("Menu"));
    QVERIFY(first.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(first.windowType(), Qt::Popup);
    QVERIFY(first.testAttribute(Qt::WA_TranslucentBackground));

    // The shadow is dealt with once, when the first native menu window exists.
    QVERIFY(!Menu::systemShadowRemoved());
    first.addAction(QStringLiteral("About"));
    first.winId();
    QVERIFY(Menu::systemShadowRemoved());
    Menu second;
    second.winId();
    QVERIFY(Menu::systemShadowRemoved());
}

void TestAptuiWidgets::filePathButtonIsSelectableByClass()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("aptui--FilePathButton { color: rgb(1, 2, 3); }"));
    auto *button = new aptui::FilePathButton(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(1, 2, 3));
}

void TestAptuiWidgets::selectedCellsArePaintedAsHovered()
{
    QStandardItemModel model(2, 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setData(model.index(0, 0), QStringLiteral("192.168.1.64"));
    MirelGUIToolkit::CTableView view;
    view.setModel(&model);
    view.setStyleSheet(QStringLiteral("QTreeView::item:hover { background: rgb(0, 200, 0); }"
                                      "QTreeView::item:selected { background: rgb(200, 0, 0); }"));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    TreeViewWithLeftPixmapDelegate delegate(&view);
    MirelGUIToolkit::CTableDelegate plain(&view);
    const QModelIndex index = model.index(0, 0);
    const QStyle::State base = QStyle::State_Enabled | QStyle::State_Active;

    const QImage selected = paintCell(delegate, view, index, base | QStyle::State_Selected);
    const QImage hovered = paintCell(delegate, view, index, base | QStyle::State_MouseOver);
    const QImage plainSelected = paintCell(plain, view, index, base | QStyle::State_Selected);

    QCOMPARE(selected, hovered);
    QCOMPARE(selected.pixelColor(110, 12), QColor(0, 200, 0));
    QCOMPARE(plainSelected.pixelColor(110, 12), QColor(200, 0, 0));
    // Unselected cells are painted as they come.
    QCOMPARE(paintCell(delegate, view, index, base), paintCell(plain, view, index, base));
}

void TestAptuiWidgets::delegateTakesPixmapsFromItsRole()
{
    MirelGUIToolkit::CTableView view;
    TreeViewWithLeftPixmapDelegate delegate(&view);
    QCOMPARE(delegate.pixmapRole(), 8192);
    QCOMPARE(delegate.pixmapRole(), TreeViewWithLeftPixmapDelegate::LeftPixmapRole);
    QCOMPARE(delegate.pixmapAlignment(), Qt::Alignment(Qt::AlignLeft));

    QStandardItemModel model(1, 1);
    QPixmap pixmap(10, 10);
    pixmap.fill(Qt::blue);
    model.setData(model.index(0, 0), QStringLiteral("Succeed"));
    model.setData(model.index(0, 0), pixmap, TreeViewWithLeftPixmapDelegate::LeftPixmapRole);
    view.setModel(&model);

    // The pixmap shows at the left of the cell.
    const QImage image = paintCell(delegate, view, model.index(0, 0), QStyle::State_Enabled);
    int bluePixels = 0;
    int leftmostBlue = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(Qt::blue)) {
                ++bluePixels;
                leftmostBlue = qMin(leftmostBlue, x);
            }
        }
    }
    QCOMPARE(bluePixels, 100);
    QVERIFY(leftmostBlue < 10);
}

QTEST_MAIN(TestAptuiWidgets)
#include "tst_aptuiwidgets.moc"
