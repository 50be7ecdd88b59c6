// Loading skin plug-ins from a folder: the program's skin is found by its
// key and registers its resources; other names, empty or missing folders,
// and files that are no skin plug-in find nothing and break nothing.

#include "iskinplugin.h"
#include "skinloader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPluginLoader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char okIcon[] = ":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/icon_alert_ok_large.png";

// Puts `target` into `dir` under `name` as a symbolic link, as an installer
// that links versioned libraries would.
bool linkInto(const QTemporaryDir &dir, const QString &target, const QString &name)
{
    return QFile::link(target, dir.filePath(name));
}

bool writeTextFile(const QTemporaryDir &dir, const QString &name)
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write("not a library\n") > 0;
}

} // namespace

class SkinLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void skinFolderProvidesTheSkin();
    void pluginOffersTheSkinInterface();
    void otherSkinNamesAreNotFound_data();
    void otherSkinNamesAreNotFound();
    void emptyOrMissingFolderFindsNothing_data();
    void emptyOrMissingFolderFindsNothing();
    void filesThatAreNoSkinAreSkipped();
    void folderOfNoSkinsFindsNothing();
};

void SkinLoaderTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void SkinLoaderTest::skinFolderProvidesTheSkin()
{
    QVERIFY2(!QFile::exists(QString::fromLatin1(okIcon)), "resource present before the skin is loaded");

    QTest::ignoreMessage(QtDebugMsg, "[Tool]LoadSkin = CommonSkin Success");
    QVERIFY(apt::loadSkin(QStringLiteral(TARN_SKIN_DIR "/"), QStringLiteral("CommonSkin")));

    const QImage icon(QString::fromLatin1(okIcon));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(32, 32));
}

void SkinLoaderTest::pluginOffersTheSkinInterface()
{
    QPluginLoader loader(QStringLiteral(TARN_SKIN_FILE));
    QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
             QStringLiteral("com.ISkinPlugin/1.1"));
    const ISkinPlugin *skin = qobject_cast<ISkinPlugin *>(loader.instance());
    QVERIFY2(skin, qPrintable(loader.errorString()));
    QCOMPARE(skin->skinKeys(), QStringList{QStringLiteral("CommonSkin")});
}

void SkinLoaderTest::otherSkinNamesAreNotFound_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::newRow("another skin") << QStringLiteral("DarkSkin");
    QTest::newRow("different case") << QStringLiteral("commonskin");
    QTest::newRow("empty") << QString();
}

void SkinLoaderTest::otherSkinNamesAreNotFound()
{
    QFETCH(QString, skinName);
    const QByteArray expected = "[Tool]LoadSkin = " + skinName.toLocal8Bit() + " failed";
    QTest::ignoreMessage(QtDebugMsg, expected.constData());
    QVERIFY(!apt::loadSkin(QStringLiteral(TARN_SKIN_DIR), skinName));
}

void SkinLoaderTest::emptyOrMissingFolderFindsNothing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty folder") << true;
    QTest::newRow("missing folder") << false;
}

void SkinLoaderTest::emptyOrMissingFolderFindsNothing()
{
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = exists ? dir.path() : dir.filePath(QStringLiteral("skins"));

    QTest::ignoreMessage(QtDebugMsg, "[Tool]LoadSkin = CommonSkin failed");
    QVERIFY(!apt::loadSkin(folder, QStringLiteral("CommonSkin")));
}

void SkinLoaderTest::filesThatAreNoSkinAreSkipped()
{
    // The broken files sort before the skin, so the loop has to go on past
    // each of them to find it.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeTextFile(dir, QStringLiteral("libAText.so")));
    QVERIFY(linkInto(dir, QStringLiteral(TARN_PLAIN_LIBRARY), QStringLiteral("libBPlain.so")));
    QVERIFY(linkInto(dir, QStringLiteral(TARN_OTHER_PLUGIN), QStringLiteral("libCOther.so")));
    QVERIFY(linkInto(dir, QStringLiteral(TARN_SKIN_FILE), QStringLiteral("libDSkin.so")));

    QTest::ignoreMessage(QtDebugMsg, "[Tool]LoadSkin = CommonSkin Success");
    QVERIFY(apt::loadSkin(dir.path(), QStringLiteral("CommonSkin")));
    QVERIFY(QFile::exists(QString::fromLatin1(okIcon)));
}

void SkinLoaderTest::folderOfNoSkinsFindsNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeTextFile(dir, QStringLiteral("libCommonSkin.so")));
    QVERIFY(linkInto(dir, QStringLiteral(TARN_PLAIN_LIBRARY), QStringLiteral("libPlain.so")));
    QVERIFY(linkInto(dir, QStringLiteral(TARN_OTHER_PLUGIN), QStringLiteral("libOther.so")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("libFolder.so")));

    QTest::ignoreMessage(QtDebugMsg, "[Tool]LoadSkin = CommonSkin failed");
    QVERIFY(!apt::loadSkin(dir.path(), QStringLiteral("CommonSkin")));
}

QTEST_GUILESS_MAIN(SkinLoaderTest)
#include "tst_skinloader.moc"
