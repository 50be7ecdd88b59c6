#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;
class QTextFrame;

// Turns the Markdown source of the user manual into a printed PDF: chapters
// (first-level headings) start on a new page, screenshots are scaled down to
// the text width, and every picture the text names must exist, so that a
// renamed screenshot breaks the build instead of leaving a gap in the manual.
class ManualWriter
{
public:
    struct Options {
        QString title;        // the PDF's document title
        QString fontFamily;   // body font; empty keeps the application's
        qreal pointSize = 10; // body font size
    };

    explicit ManualWriter(Options options);
    ~ManualWriter();

    // Reads the Markdown file; pictures are found relative to its folder.
    bool load(const QString &markdownPath);
    // Lays out and writes the PDF; false with errorString() on failure.
    bool writePdf(const QString &pdfPath);

    // The pictures named by the text that do not exist, as written there.
    QStringList missingImages() const { return m_missingImages; }
    QString errorString() const { return m_error; }

    // The laid-out document, for inspection.
    const QTextDocument *document() const { return m_document.get(); }
    // Width of the printed text, in the document's units.
    qreal textWidth() const;

private:
    void prepareImages();
    void breakBeforeChapters();
    void styleBlocks();
    void styleTables(QTextFrame *frame);

    Options m_options;
    std::unique_ptr<QTextDocument> m_document;
    QString m_folder;
    QStringList m_missingImages;
    QString m_error;
};
