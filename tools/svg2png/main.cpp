// svg2png: renders one SVG drawing into a PNG of a given pixel size.
//
//   svg2png in.svg out.png WIDTHxHEIGHT
//
// The skin keeps its images as SVG sources and turns them into the PNG files
// that its resources carry at build time, so that every size (and the doubled
// size for high-density screens) comes from one drawing.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "svg2png: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering paths into a QImage needs no window system, so no GUI
    // application object (and no platform plug-in) is created.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: svg2png in.svg out.png WIDTHxHEIGHT"));

    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^([1-9][0-9]{0,3})x([1-9][0-9]{0,3})$")).match(args.at(3));
    if (!size.hasMatch())
        return fail(QStringLiteral("bad size '%1', expected WIDTHxHEIGHT").arg(args.at(3)));
    const int width = size.captured(1).toInt();
    const int height = size.captured(2).toInt();

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read the drawing %1").arg(args.at(1)));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }

    const QFileInfo out(args.at(2));
    if (!QDir().mkpath(out.absolutePath()))
        return fail(QStringLiteral("cannot create the folder %1").arg(out.absolutePath()));
    if (!image.convertToFormat(QImage::Format_ARGB32).save(out.absoluteFilePath(), "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(out.absoluteFilePath()));
    return 0;
}
