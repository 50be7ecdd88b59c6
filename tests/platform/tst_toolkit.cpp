#include "cfile.h"
#include "cgenericds.h"
#include "cuisingleton.h"
#include "guilocale.h"
#include "targetpath.h"
#include "textcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

using MirelGUIToolkit::CFile;
using MirelGUIToolkit::CGenericDS;

namespace {

class CountedService : public CUiSingleton<CountedService>
{
    friend CUiSingleton<CountedService>;

public:
    static int constructions;

private:
    CountedService() { ++constructions; }
};

int CountedService::constructions = 0;

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestToolkit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void convertUsesTheCodecSetAtStartUp_data();
    void convertUsesTheCodecSetAtStartUp();
    void explicitCodecWinsOverTheDefault();
    void nullCodecReturnsToTheLocaleCodec();

    void localeIsKeptAsSet();

    void targetPathIsTheProgramFolderWithSlash();

    void readAllReadsOneFile();
    void readAllJoinsListedFilesInListOrder();

    void xmlTreeLoadsChildrenInDocumentOrder();
    void xmlTreeRoundTripsThroughSave();
    void xmlTreeDecodesDeclaredCodePage();
    void xmlTreeRejectsBrokenFiles_data();
    void xmlTreeRejectsBrokenFiles();
    void xmlTreeSaveFailsWithoutNames();

    void singletonIsMadeOnce();

private:
    QTemporaryDir m_dir;
};

void TestToolkit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestToolkit::cleanup()
{
    InitGuiTextCodec(nullptr);
}

void TestToolkit::convertUsesTheCodecSetAtStartUp_data()
{
    QTest::addColumn<QByteArray>("codecName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("GB2312 Chinese") << QByteArray("GB2312") << QStringLiteral(u"中文")
                                    << QByteArray("\xD6\xD0\xCE\xC4");
    QTest::newRow("GB2312 ASCII") << QByteArray("GB2312") << QStringLiteral("Abc12345!")
                                  << QByteArray("Abc12345!");
    QTest::newRow("UTF-8 Chinese") << QByteArray("UTF-8") << QStringLiteral(u"中文")
                                   << QByteArray("\xE4\xB8\xAD\xE6\x96\x87");
    QTest::newRow("Latin-1 umlaut") << QByteArray("ISO-8859-1") << QStringLiteral(u"Grüße")
                                    << QByteArray("Gr\xFC\xDF" "e");
}

void TestToolkit::convertUsesTheCodecSetAtStartUp()
{
    QFETCH(QByteArray, codecName);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QTextCodec *codec = QTextCodec::codecForName(codecName);
    QVERIFY2(codec != nullptr, codecName.constData());
    InitGuiTextCodec(codec);

    QCOMPARE(GuiTextCodec(), codec);
    QCOMPARE(ConvertFromUnicode(text), bytes);
    QCOMPARE(ConvertFromUnicode(text, nullptr), bytes);
    QCOMPARE(ConvertToUnicode(bytes), text);
}

void TestToolkit::explicitCodecWinsOverTheDefault()
{
    InitGuiTextCodec(QTextCodec::codecForName("UTF-8"));
    QTextCodec *gb = QTextCodec::codecForName("GB2312");
    QVERIFY(gb != nullptr);

    QCOMPARE(ConvertFromUnicode(QStringLiteral(u"中"), gb), QByteArray("\xD6\xD0"));
    QCOMPARE(ConvertToUnicode(QByteArray("\xD6\xD0"), gb), QStringLiteral(u"中"));
}

void TestToolkit::nullCodecReturnsToTheLocaleCodec()
{
    InitGuiTextCodec(QTextCodec::codecForName("GB2312"));
    InitGuiTextCodec(nullptr);

    QCOMPARE(GuiTextCodec(), QTextCodec::codecForLocale());
    const QString text = QStringLiteral(u"pässwörd");
    QCOMPARE(ConvertFromUnicode(text), QTextCodec::codecForLocale()->fromUnicode(text));
}

void TestToolkit::localeIsKeptAsSet()
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    InitGuiLocale(chinese);
    QCOMPARE(GuiLocale(), chinese);

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    InitGuiLocale(english);
    QCOMPARE(GuiLocale(), english);
}

void TestToolkit::targetPathIsTheProgramFolderWithSlash()
{
    const QString folder = QCoreApplication::applicationDirPath();
    QCOMPARE(GetTargetPath(), folder + QLatin1Char('/'));
    QCOMPARE(GetTargetPathFile(QStringLiteral("Setup.xml")), folder + QStringLiteral("/Setup.xml"));
    QCOMPARE(GetTargetPathFile(QStringLiteral("/copy.xml")), folder + QStringLiteral("/copy.xml"));
}

void TestToolkit::readAllReadsOneFile()
{
    const QString path = m_dir.filePath(QStringLiteral("single.qss"));
    QVERIFY(writeFile(path, QStringLiteral(u"QLabel { color: red; } /* 标签 */").toUtf8()));

    QCOMPARE(CFile::ReadAll(path), QStringLiteral(u"QLabel { color: red; } /* 标签 */"));
    QCOMPARE(CFile::ReadAll(m_dir.filePath(QStringLiteral("missing.qss"))), QString());
}

void TestToolkit::readAllJoinsListedFilesInListOrder()
{
    const QString folder = m_dir.filePath(QStringLiteral("qss"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/a.qss"), "A{}"));
    QVERIFY(writeFile(folder + QStringLiteral("/b.qss"), "B{}\n"));
    QVERIFY(writeFile(folder + QStringLiteral("/c.qss"), "C{}"));

    const QStringList names = {QStringLiteral("c.qss"), QStringLiteral("missing.qss"),
                               QStringLiteral("a.qss"), QStringLiteral("b.qss")};
    QCOMPARE(CFile::ReadAll(names, folder), QStringLiteral("C{}\nA{}\nB{}\n\n"));
    QCOMPARE(CFile::ReadAll(names, folder + QLatin1Char('/')), QStringLiteral("C{}\nA{}\nB{}\n\n"));
    QCOMPARE(CFile::ReadAll(QStringList(), folder), QString());
}

void TestToolkit::xmlTreeLoadsChildrenInDocumentOrder()
{
    const QString path = m_dir.filePath(QStringLiteral("Setup.xml"));
    QVERIFY(writeFile(path,
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<Config>\n"
                      "  <Translator><Value>1</Value></Translator>\n"
                      "  <!-- comment -->\n"
                      "  <Skin kind=\"plugin\"><Value>CommonSkin</Value></Skin>\n"
                      "  <Translator><Value>0</Value></Translator>\n"
                      "  <Empty/>\n"
                      "</Config>\n"));

    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    QCOMPARE(root.GetName(), QStringLiteral("Config"));
    QCOMPARE(root.GetValue(), QString());
    QCOMPARE(root.GetChildrenCount(), 4);
    QCOMPARE(root.GetChild(0)->GetName(), QStringLiteral("Translator"));
    QCOMPARE(root.GetChild(1)->GetName(), QStringLiteral("Skin"));
    QCOMPARE(root.GetChild(2)->GetName(), QStringLiteral("Translator"));
    QCOMPARE(root.GetChild(3)->GetName(), QStringLiteral("Empty"));
    QCOMPARE(root.GetChild(4), nullptr);
    QCOMPARE(root.GetChild(-1), nullptr);

    // The first element of a name counts.
    CGenericDS *translator = root.GetChildByName(QStringLiteral("Translator"));
    QCOMPARE(translator, root.GetChild(0));
    QCOMPARE(translator->GetChildByName(QStringLiteral("Value"))->GetValue(), QStringLiteral("1"));
    QCOMPARE(root.GetChild(1)->GetAttribute(QStringLiteral("kind")), QStringLiteral("plugin"));
    QCOMPARE(root.GetChild(3)->GetValue(), QString());
    QCOMPARE(root.GetChild(3)->GetChildByName(QStringLiteral("Value")), nullptr);
    QCOMPARE(root.GetChildByName(QStringLiteral("Missing")), nullptr);
}

void TestToolkit::xmlTreeRoundTripsThroughSave()
{
    CGenericDS root(QStringLiteral("ColumnConfig"));
    root.SetAttribute(QStringLiteral("version"), QStringLiteral("2"));
    CGenericDS *column = root.AddChild(QStringLiteral("Column"));
    column->AddChild(QStringLiteral("Value"), QStringLiteral("a < b & \"c\""));
    root.AddChild(QStringLiteral("Name"), QStringLiteral(u"设备"));

    const QString path = m_dir.filePath(QStringLiteral("roundtrip.xml"));
    QVERIFY(root.SaveXML(path));

    CGenericDS loaded;
    QVERIFY(loaded.LoadXML(path));
    QCOMPARE(loaded.GetName(), QStringLiteral("ColumnConfig"));
    QCOMPARE(loaded.GetAttribute(QStringLiteral("version")), QStringLiteral("2"));
    QCOMPARE(loaded.GetChildrenCount(), 2);
    QCOMPARE(loaded.GetChild(0)->GetChild(0)->GetValue(), QStringLiteral("a < b & \"c\""));
    QCOMPARE(loaded.GetChild(1)->GetValue(), QStringLiteral(u"设备"));

    // Loading again replaces the tree rather than adding to it.
    loaded.GetChild(1)->SetValue(QStringLiteral("changed"));
    QVERIFY(loaded.LoadXML(path));
    QCOMPARE(loaded.GetChildrenCount(), 2);
    QCOMPARE(loaded.GetChild(1)->GetValue(), QStringLiteral(u"设备"));
}

void TestToolkit::xmlTreeDecodesDeclaredCodePage()
{
    QTextCodec *gb = QTextCodec::codecForName("GB2312");
    QVERIFY(gb != nullptr);
    const QString text = QStringLiteral(u"<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                                        u"<Config><Name><Value>网络摄像机</Value></Name></Config>\n");
    const QString path = m_dir.filePath(QStringLiteral("gb2312.xml"));
    QVERIFY(writeFile(path, gb->fromUnicode(text)));

    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    QCOMPARE(root.GetChild(0)->GetChild(0)->GetValue(), QStringLiteral(u"网络摄像机"));
}

void TestToolkit::xmlTreeRejectsBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("unclosed") << QByteArray("<Config><Skin></Config>");
    QTest::newRow("text only") << QByteArray("just text");
    QTest::newRow("two roots") << QByteArray("<A/><B/>");
}

void TestToolkit::xmlTreeRejectsBrokenFiles()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("broken.xml"));
    QVERIFY(writeFile(path, content));

    CGenericDS root(QStringLiteral("Old"));
    root.AddChild(QStringLiteral("Child"));
    QVERIFY(!root.LoadXML(path));
    QCOMPARE(root.GetChildrenCount(), 0);
    QCOMPARE(root.GetName(), QString());

    QVERIFY(!root.LoadXML(m_dir.filePath(QStringLiteral("does-not-exist.xml"))));
}

void TestToolkit::xmlTreeSaveFailsWithoutNames()
{
    const QString path = m_dir.filePath(QStringLiteral("kept.xml"));
    CGenericDS good(QStringLiteral("Good"));
    QVERIFY(good.SaveXML(path));

    CGenericDS bad(QStringLiteral("Root"));
    bad.AddChild(QString());
    QVERIFY(!bad.SaveXML(path));
    // The earlier file is left whole.
    CGenericDS reread;
    QVERIFY(reread.LoadXML(path));
    QCOMPARE(reread.GetName(), QStringLiteral("Good"));

    QVERIFY(!good.SaveXML(m_dir.filePath(QStringLiteral("no/such/folder/x.xml"))));
}

void TestToolkit::singletonIsMadeOnce()
{
    CountedService *first = CountedService::Instance();
    CountedService *second = CountedService::Instance();
    QVERIFY(first != nullptr);
    QCOMPARE(first, second);
    QCOMPARE(CountedService::constructions, 1);
}

QTEST_GUILESS_MAIN(TestToolkit)
#include "tst_toolkit.moc"
