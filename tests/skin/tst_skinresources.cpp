// What the loaded skin provides: every image the program's pages name, at
// the size they are shown in (and twice that for high-density screens), the
// style sheets the start-up joins, no style sheet rule that points at a
// missing resource, and style sheets that Qt parses without complaint.

#include "skinloader.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const QString toolkitStyleFolder = QStringLiteral(":/Mirelpro/Qss/Qss/MirelGUIToolkit/");
const QString programStyleSheet = QStringLiteral(":/Mirelpro/Qss/Qss/TARNTool/TARNTool.qss");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList styleSheetFiles()
{
    QStringList paths;
    const QStringList names = QDir(toolkitStyleFolder).entryList(QDir::Files);
    for (const QString &name : names)
        paths << toolkitStyleFolder + name;
    paths << programStyleSheet;
    return paths;
}

// The application style sheet as the start-up builds it.
QString applicationStyleSheet()
{
    QString styleSheet;
    const QStringList names = QDir(toolkitStyleFolder).entryList(QDir::Files);
    for (const QString &name : names) {
        if (name != QLatin1String("MacSpecial.qss"))
            styleSheet += readText(toolkitStyleFolder + name);
    }
    return styleSheet + readText(programStyleSheet);
}

QStringList collectedWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Other warnings (of the platform plug-in, say) are none of the skin's.
    if (type != QtDebugMsg && message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive))
        collectedWarnings << message;
}

} // namespace

class SkinResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void imagesHaveTheirSizes_data();
    void imagesHaveTheirSizes();
    void styleSheetFoldersHoldTheProgramsFiles();
    void styleSheetUrlsExist_data();
    void styleSheetUrlsExist();
    void applicationStyleSheetParses();
};

void SkinResourcesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(apt::loadSkin(QStringLiteral(TARN_SKIN_DIR), QStringLiteral("CommonSkin")));
}

void SkinResourcesTest::imagesHaveTheirSizes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const QString tt = QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/");
    const QString pw = QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/");
    const QString complex = QStringLiteral(":/aptui/complex/Images/System/Complex/");
    const struct {
        QString path;
        QSize size;
    } images[] = {
        // Message box icons and field hints.
        {tt + "TipDialog/icon_alert_ok_large.png", {32, 32}},
        {tt + "TipDialog/icon_alert_info_large.png", {32, 32}},
        {tt + "TipDialog/icon_alert_error_large.png", {32, 32}},
        {tt + "TipDialog/warn.png", {48, 48}},
        {tt + "BaseControl/Inputs/icon_alert_ok.png", {16, 16}},
        {tt + "BaseControl/Inputs/icon_alert_info.png", {16, 16}},
        {tt + "BaseControl/Inputs/icon_alert_error.png", {16, 16}},
        {":/BatchConfigFunc/Public/Image/Public/warn.png", {36, 36}},
        // Logo and window icons.
        {tt + "TitleBar/logo.png", {24, 24}},
        {tt + "SystemInfo/logo_large.png", {128, 128}},
        {complex + "calculate.png", {64, 64}},
        // Folder button.
        {tt + "Dialog/icon_floder_open.png", {16, 16}},
        {tt + "Dialog/icon_floder_open_hover.png", {16, 16}},
        {tt + "Dialog/icon_floder_open_dis.png", {16, 16}},
        // Configuration panel notices.
        {tt + "ParamModify/icon_not_activated.png", {100, 100}},
        {tt + "ParamModify/icon_abnormal.png", {100, 100}},
        // Strength meter bars.
        {pw + "grey.png", {48, 6}},
        {pw + "red.png", {48, 6}},
        {pw + "yellow.png", {48, 6}},
        {pw + "green.png", {48, 6}},
        // Pin tab of the side panel.
        {complex + "left.png", {14, 69}},
        {complex + "leftSel.png", {14, 69}},
        {complex + "right.png", {14, 69}},
        {complex + "RightSel.png", {14, 69}},
    };
    for (const auto &image : images) {
        QTest::newRow(qPrintable(image.path)) << image.path << image.size;
        QString doubled = image.path;
        doubled.insert(doubled.size() - 4, QStringLiteral("@2x"));
        QTest::newRow(qPrintable(doubled)) << doubled << image.size * 2;
    }
}

void SkinResourcesTest::imagesHaveTheirSizes()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
}

void SkinResourcesTest::styleSheetFoldersHoldTheProgramsFiles()
{
    const QStringList names = QDir(toolkitStyleFolder).entryList(QDir::Files);
    QVERIFY(names.contains(QStringLiteral("MacSpecial.qss")));
    QVERIFY2(names.size() >= 3, "the toolkit style sheets come as several files");
    for (const QString &name : names)
        QVERIFY2(name.endsWith(QLatin1String(".qss")), qPrintable(name));
    QVERIFY(!readText(programStyleSheet).isEmpty());
}

void SkinResourcesTest::styleSheetUrlsExist_data()
{
    QTest::addColumn<QString>("url");

    const QRegularExpression urlPattern(QStringLiteral("url\\(\\s*\"?([^)\"]*)\"?\\s*\\)"));
    int count = 0;
    const QStringList files = styleSheetFiles();
    for (const QString &file : files) {
        const QString text = readText(file);
        QVERIFY2(!text.isEmpty(), qPrintable(file));
        for (const QRegularExpressionMatch &match : urlPattern.globalMatch(text)) {
            const QString url = match.captured(1).trimmed();
            QTest::addRow("%s %s", qPrintable(QFileInfo(file).fileName()), qPrintable(url))
                << url;
            ++count;
        }
    }
    QVERIFY2(count > 20, "the style sheets name the skin's icons");
}

void SkinResourcesTest::styleSheetUrlsExist()
{
    QFETCH(QString, url);
    QVERIFY2(url.startsWith(QLatin1String(":/")), "style sheets name resources only");
    QVERIFY(QFile::exists(url));
    QVERIFY(!QImage(url).isNull());
}

void SkinResourcesTest::applicationStyleSheetParses()
{
    // Qt parses the application style sheet when it polishes a widget and
    // only warns when a rule cannot be parsed; the warning is the failure.
    collectedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    qApp->setStyleSheet(applicationStyleSheet());
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(new QLineEdit(&window));
        layout->addWidget(new QComboBox(&window));
        layout->addWidget(new QCheckBox(&window));
        layout->addWidget(new QTreeView(&window));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.grab();
    }
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    QVERIFY2(collectedWarnings.isEmpty(), qPrintable(collectedWarnings.join(QLatin1Char('\n'))));
}

QTEST_MAIN(SkinResourcesTest)
#include "tst_skinresources.moc"
