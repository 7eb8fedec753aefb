// Build-time tool: renders the SVG pictograms listed in icons.txt into the
// named PNG variants (one per colour code and size) and writes icons.qrc.
//
// Usage: kx500-iconrender <manifest> <svg folder> <output folder>
//
// Any problem stops the build: a silently skipped icon would only show up
// as an empty button on the device.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

// Every SVG draws in this colour; each variant replaces it.
const QByteArray kPlaceholder = "#C0C0C0";

const QMap<QString, QByteArray> kColours = {
    {QStringLiteral("ws"), "#FFFFFF"}, {QStringLiteral("sw"), "#000000"},
    {QStringLiteral("gr"), "#808080"}, {QStringLiteral("gn"), "#00C000"},
    {QStringLiteral("rt"), "#FF0000"}, {QStringLiteral("bl"), "#3399FF"},
    {QStringLiteral("ge"), "#FFD000"},
};

const int kMaxSide = 1024;

struct Entry {
    QString resourcePattern; // {c} stands for the colour code; a fixed name has one colour
    QString svg;
    QStringList colours;
    QSize size;
    int line = 0;
};

QString g_svgWarning;

void fail(const QString &message)
{
    std::fprintf(stderr, "kx500-iconrender: %s\n", qPrintable(message));
    std::exit(1);
}

// Qt SVG only warns about elements it cannot draw; for us that is an error.
// Platform chatter of the offscreen plugin would only clutter the build log.
void catchSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && context.category
        && QByteArray(context.category).startsWith("qt.svg"))
        g_svgWarning = message;
    else if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool isPlainRelativePath(const QString &path)
{
    return !path.isEmpty() && !path.startsWith(QLatin1Char('/')) && !path.contains(QLatin1Char('\\'))
           && !path.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

Entry parseLine(const QString &text, int line, const QString &where)
{
    const QStringList f = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    auto bad = [&](const QString &why) {
        fail(QStringLiteral("%1:%2: %3 (expected: <resource path, {c} for the colour> <file.svg> "
                            "<colour codes, comma separated> <width> <height>)")
                 .arg(where).arg(line).arg(why));
    };
    if (f.size() != 5)
        bad(QStringLiteral("%1 fields instead of 5").arg(f.size()));

    Entry e;
    e.line = line;
    e.resourcePattern = f[0];
    e.svg = f[1];
    const int placeholders = e.resourcePattern.count(QStringLiteral("{c}"));
    if (!isPlainRelativePath(e.resourcePattern) || !e.resourcePattern.endsWith(QLatin1String(".png"))
        || placeholders > 1)
        bad(QStringLiteral("resource path '%1' must be relative, end in .png and contain {c} at most once")
                .arg(e.resourcePattern));
    if (!e.svg.endsWith(QLatin1String(".svg")) || e.svg.contains(QLatin1Char('/')))
        bad(QStringLiteral("'%1' is not an SVG file name").arg(e.svg));

    e.colours = f[2].split(QLatin1Char(','));
    // Without {c} every colour would write the same file.
    if (placeholders == 0 && e.colours.size() != 1)
        bad(QStringLiteral("resource path '%1' has no {c}, so it takes exactly one colour code").arg(e.resourcePattern));
    if (e.colours.contains(QString()) || QSet<QString>(e.colours.begin(), e.colours.end()).size() != e.colours.size())
        bad(QStringLiteral("colour list '%1' has empty or repeated entries").arg(f[2]));
    for (const QString &c : qAsConst(e.colours))
        if (!kColours.contains(c))
            bad(QStringLiteral("unknown colour code '%1' (known: %2)").arg(c, kColours.keys().join(QLatin1Char(' '))));

    bool okW = false, okH = false;
    e.size = QSize(f[3].toInt(&okW), f[4].toInt(&okH));
    if (!okW || !okH || e.size.width() < 1 || e.size.height() < 1 || e.size.width() > kMaxSide
        || e.size.height() > kMaxSide)
        bad(QStringLiteral("size '%1 %2' is not two whole numbers from 1 to %3").arg(f[3], f[4]).arg(kMaxSide));
    return e;
}

QList<Entry> readManifest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read manifest %1: %2").arg(path, file.errorString()));

    QList<Entry> entries;
    QTextStream in(&file);
    for (int line = 1; !in.atEnd(); ++line) {
        QString text = in.readLine();
        const int hash = text.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            text.truncate(hash);
        if (!text.trimmed().isEmpty())
            entries.append(parseLine(text, line, path));
    }
    if (entries.isEmpty())
        fail(QStringLiteral("%1 lists no icons").arg(path));
    return entries;
}

// Keeps the drawing's proportions and centres it on the canvas, so one
// square pictogram serves both the wide menu buttons and the square bar icons.
QRectF fittedRect(const QRectF &viewBox, const QSize &canvas)
{
    QSizeF s = viewBox.size();
    s.scale(QSizeF(canvas), Qt::KeepAspectRatio);
    return QRectF(QPointF((canvas.width() - s.width()) / 2, (canvas.height() - s.height()) / 2), s);
}

QImage render(const QByteArray &svg, const QByteArray &colour, const QSize &size, const QString &source)
{
    QByteArray coloured = svg;
    coloured.replace(kPlaceholder, colour);
    coloured.replace(kPlaceholder.toLower(), colour);

    g_svgWarning.clear();
    QSvgRenderer renderer(coloured);
    if (!renderer.isValid() || !g_svgWarning.isEmpty())
        fail(QStringLiteral("%1 cannot be drawn: %2").arg(source, g_svgWarning.isEmpty() ? QStringLiteral("invalid SVG") : g_svgWarning));

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, fittedRect(renderer.viewBoxF(), size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(catchSvgWarnings);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: kx500-iconrender <manifest> <svg folder> <output folder>"));

    const QList<Entry> entries = readManifest(args[1]);
    const QDir svgDir(args[2]);
    const QDir outDir(args[3]);

    QStringList resources;
    QMap<QString, int> seen; // resource path -> manifest line
    for (const Entry &e : entries) {
        const QString svgPath = svgDir.filePath(e.svg);
        QFile svgFile(svgPath);
        if (!svgFile.open(QIODevice::ReadOnly))
            fail(QStringLiteral("%1:%2: missing SVG %3").arg(args[1]).arg(e.line).arg(svgPath));
        const QByteArray svg = svgFile.readAll();
        if (!svg.contains(kPlaceholder) && !svg.contains(kPlaceholder.toLower()))
            fail(QStringLiteral("%1 does not use the colour placeholder %2").arg(svgPath, QString::fromLatin1(kPlaceholder)));

        for (const QString &code : e.colours) {
            const QString resource = QString(e.resourcePattern).replace(QStringLiteral("{c}"), code);
            if (seen.contains(resource))
                fail(QStringLiteral("%1:%2: %3 already produced by line %4")
                         .arg(args[1]).arg(e.line).arg(resource).arg(seen.value(resource)));
            seen.insert(resource, e.line);

            const QString rel = QStringLiteral("Resources/Icons/") + resource;
            const QString out = outDir.filePath(rel);
            if (!QDir().mkpath(QFileInfo(out).absolutePath()))
                fail(QStringLiteral("cannot create folder for %1").arg(out));
            if (!render(svg, kColours.value(code), e.size, svgPath).save(out, "PNG"))
                fail(QStringLiteral("cannot write %1").arg(out));
            resources.append(rel);
        }
    }

    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    for (const QString &rel : qAsConst(resources))
        qrc += "    <file>" + rel.toUtf8() + "</file>\n";
    qrc += "  </qresource>\n</RCC>\n";
    writeFile(outDir.filePath(QStringLiteral("icons.qrc")), qrc);
    return 0;
}
