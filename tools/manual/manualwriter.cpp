#include "manualwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

namespace {

// QTextDocument::print() lays the text out at the screen's resolution with
// margins of 2 cm on each side; picture sizes are given in the same units.
constexpr qreal printMarginCm = 2.0;

qreal sourceDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

ManualWriter::ManualWriter(Options options)
    : m_options(std::move(options))
{
}

ManualWriter::~ManualWriter() = default;

qreal ManualWriter::textWidth() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch);
    return (a4.width() - 2 * printMarginCm / 2.54) * sourceDpi();
}

bool ManualWriter::load(const QString &markdownPath)
{
    QFile file(markdownPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(markdownPath, file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    m_folder = QFileInfo(markdownPath).absolutePath();
    m_document = std::make_unique<QTextDocument>();
    QFont font = m_document->defaultFont();
    if (!m_options.fontFamily.isEmpty())
        font.setFamilies({m_options.fontFamily});
    font.setPointSizeF(m_options.pointSize);
    m_document->setDefaultFont(font);
    m_document->setBaseUrl(QUrl::fromLocalFile(m_folder + QLatin1Char('/')));
    m_document->setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    m_document->setMetaInformation(QTextDocument::DocumentTitle, m_options.title);
    prepareImages();
    breakBeforeChapters();
    styleBlocks();
    styleTables(m_document->rootFrame());
    return true;
}

void ManualWriter::prepareImages()
{
    m_missingImages.clear();
    const qreal maxWidth = textWidth();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QString path = QDir(m_folder).filePath(QUrl(image.name()).toLocalFile().isEmpty()
                                                             ? image.name()
                                                             : QUrl(image.name()).toLocalFile());
            const QSize natural = QImageReader(path).size();
            if (!natural.isValid()) {
                m_missingImages.append(image.name());
                continue;
            }
            // Screenshots are pixel for pixel at screen size; wider ones are
            // scaled down to the text width, keeping their proportions.
            // The document resolves relative names against its base address
            // only for some resource kinds; the picture gets its full path.
            image.setName(QFileInfo(path).absoluteFilePath());
            const qreal width = qMin<qreal>(natural.width(), maxWidth);
            image.setWidth(width);
            image.setHeight(natural.height() * width / natural.width());
            QTextCursor cursor(m_document.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

void ManualWriter::breakBeforeChapters()
{
    bool first = true;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (first) {
            first = false; // the title opens the first page
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

void ManualWriter::styleBlocks()
{
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        bool changed = false;
        if (format.hasProperty(QTextFormat::BlockCodeFence)) {
            // Commands stand out from the text around them.
            format.setBackground(QColor(0xf0, 0xf0, 0xf0));
            format.setLeftMargin(8);
            changed = true;
        }
        bool picture = false;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            picture = picture || it.fragment().charFormat().isImageFormat();
        if (picture) {
            format.setAlignment(Qt::AlignHCenter);
            format.setTopMargin(6);
            format.setBottomMargin(10);
            changed = true;
        }
        if (changed)
            QTextCursor(block).setBlockFormat(format);
    }
}

void ManualWriter::styleTables(QTextFrame *frame)
{
    const QList<QTextFrame *> children = frame->childFrames();
    for (QTextFrame *child : children) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(0.5);
            format.setBorderBrush(QColor(0x99, 0x99, 0x99));
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellSpacing(0);
            format.setCellPadding(4);
            format.setTopMargin(6);
            format.setBottomMargin(10);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            table->setFormat(format);
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(0, column);
                QTextCharFormat header = cell.format();
                header.setBackground(QColor(0xe8, 0xe8, 0xe8));
                cell.setFormat(header);
            }
        }
        styleTables(child);
    }
}

bool ManualWriter::writePdf(const QString &pdfPath)
{
    if (!m_document) {
        m_error = QStringLiteral("no manual loaded");
        return false;
    }
    // Written beside the target and renamed, so that an interrupted build
    // never leaves a truncated manual behind.
    const QString partial = pdfPath + QStringLiteral(".part");
    {
        QPdfWriter pdf(partial);
        pdf.setTitle(m_options.title);
        pdf.setCreator(QStringLiteral("TARN Tool"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        m_document->print(&pdf);
    }
    if (QFileInfo(partial).size() == 0) {
        QFile::remove(partial);
        m_error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    QFile::remove(pdfPath);
    if (!QFile::rename(partial, pdfPath)) {
        QFile::remove(partial);
        m_error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    return true;
}
