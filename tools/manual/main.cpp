// tarn-manual: renders the Markdown source of the user manual into a PDF.
//
//   tarn-manual INPUT.md OUTPUT.pdf [--title TITLE] [--font FAMILY]
//
// A build tool: it runs on the offscreen platform and needs no display.

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

#include "manualwriter.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("input"), QStringLiteral("Markdown source"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PDF to write"));
    QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Document title"), QStringLiteral("title"));
    QCommandLineOption font(QStringLiteral("font"), QStringLiteral("Body font family"), QStringLiteral("family"));
    parser.addOption(title);
    parser.addOption(font);
    parser.addHelpOption();
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tarn-manual INPUT.md OUTPUT.pdf [--title TITLE] [--font FAMILY]\n");
        return 2;
    }

    ManualWriter writer({parser.value(title), parser.value(font), 10});
    if (!writer.load(args.at(0))) {
        std::fprintf(stderr, "tarn-manual: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    if (!writer.missingImages().isEmpty()) {
        for (const QString &name : writer.missingImages())
            std::fprintf(stderr, "tarn-manual: %s: picture not found: %s\n", qPrintable(args.at(0)),
                         qPrintable(name));
        return 1;
    }
    if (!writer.writePdf(args.at(1))) {
        std::fprintf(stderr, "tarn-manual: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
