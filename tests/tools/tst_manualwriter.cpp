#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include "manualwriter.h"

namespace {

// The laid-out size of the first picture of that name.
QSizeF pictureSize(const QTextDocument &document, const QString &name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat() && format.toImageFormat().name().endsWith(QLatin1Char('/') + name))
                return {format.toImageFormat().width(), format.toImageFormat().height()};
        }
    }
    return {};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QString &path)
{
    const QByteArray pdf = readAll(path);
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    }
    return pages;
}

} // namespace

// The manual's renderer: pictures, chapter pages and its failures.
class TestManualWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void picturesFitTheText_data();
    void picturesFitTheText();
    void picturesAreInThePdf();
    void missingPicturesAreReported();
    void chaptersStartOnANewPage();
    void failedWriteLeavesNoFile();
    void unreadableSource();

private:
    bool writeSource(const QString &text);
    QString sourcePath() const { return m_folder->filePath(QStringLiteral("manual.md")); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestManualWriter::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QImage wide(2000, 500, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    QVERIFY(wide.save(m_folder->filePath(QStringLiteral("wide.png"))));
    QImage narrow(200, 100, QImage::Format_RGB32);
    narrow.fill(Qt::darkGreen);
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("shots")));
    QVERIFY(narrow.save(m_folder->filePath(QStringLiteral("shots/narrow.png"))));
}

bool TestManualWriter::writeSource(const QString &text)
{
    QFile file(sourcePath());
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}

void TestManualWriter::picturesFitTheText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("natural");
    QTest::addColumn<bool>("scaled");
    QTest::newRow("wider than the text") << "wide.png" << QSize(2000, 500) << true;
    QTest::newRow("narrow, in a sub-folder") << "shots/narrow.png" << QSize(200, 100) << false;
}

void TestManualWriter::picturesFitTheText()
{
    QFETCH(QString, name);
    QFETCH(QSize, natural);
    QFETCH(bool, scaled);
    QVERIFY(writeSource(QStringLiteral("# Title\n\n![picture](%1)\n").arg(name)));
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY2(writer.load(sourcePath()), qPrintable(writer.errorString()));
    QVERIFY(writer.missingImages().isEmpty());
    QVERIFY(writer.textWidth() > 300 && writer.textWidth() < 1500);

    const QSizeF size = pictureSize(*writer.document(), name);
    if (scaled) {
        QCOMPARE(size.width(), writer.textWidth());
        QCOMPARE(size.height(), natural.height() * writer.textWidth() / natural.width());
    } else {
        QCOMPARE(size, QSizeF(natural));
    }
}

void TestManualWriter::picturesAreInThePdf()
{
    // Names relative to the source's folder, as the manual writes them.
    QVERIFY(writeSource(QStringLiteral("# Title\n\n![one](wide.png)\n\n![two](shots/narrow.png)\n")));
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY(writer.load(sourcePath()));
    const QString pdf = m_folder->filePath(QStringLiteral("out.pdf"));
    QVERIFY(writer.writePdf(pdf));
    QCOMPARE(readAll(pdf).count("/Subtype /Image"), 2);
}

void TestManualWriter::missingPicturesAreReported()
{
    QVERIFY(writeSource(QStringLiteral("# Title\n\n![there](wide.png)\n\n# Chapter\n\n![gone](renamed.png)\n")));
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY(writer.load(sourcePath()));
    QCOMPARE(writer.missingImages(), QStringList{QStringLiteral("renamed.png")});
}

void TestManualWriter::chaptersStartOnANewPage()
{
    QVERIFY(writeSource(QStringLiteral("# Title\n\nVersion 1\n\n## Contents\n\n1. One\n2. Two\n\n"
                                       "# One\n\nText.\n\n## Part of one\n\nMore text.\n\n"
                                       "# Two\n\n| a | b |\n|---|---|\n| 1 | 2 |\n")));
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY(writer.load(sourcePath()));
    const QString pdf = m_folder->filePath(QStringLiteral("out.pdf"));
    QVERIFY2(writer.writePdf(pdf), qPrintable(writer.errorString()));
    // Title page, then one page per chapter; the second-level heading stays
    // on its chapter's page.
    QCOMPARE(pdfPageCount(pdf), 3);
    QVERIFY(!QFile::exists(pdf + QStringLiteral(".part")));
}

void TestManualWriter::failedWriteLeavesNoFile()
{
    QVERIFY(writeSource(QStringLiteral("# Title\n")));
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY(writer.load(sourcePath()));
    const QString pdf = m_folder->filePath(QStringLiteral("no/such/folder/out.pdf"));
    QVERIFY(!writer.writePdf(pdf));
    QVERIFY(!writer.errorString().isEmpty());
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!QFile::exists(pdf + QStringLiteral(".part")));
}

void TestManualWriter::unreadableSource()
{
    ManualWriter writer({QStringLiteral("Test"), QString(), 10});
    QVERIFY(!writer.load(m_folder->filePath(QStringLiteral("absent.md"))));
    QVERIFY(writer.errorString().contains(QStringLiteral("absent.md")));
    QVERIFY(!writer.writePdf(m_folder->filePath(QStringLiteral("out.pdf"))));
}

QTEST_MAIN(TestManualWriter)
#include "tst_manualwriter.moc"
