#include "buttonstyle.h"

namespace {

// %1 normal icon, %2 pressed icon, %3 image position, %4 text alignment.
// The background colours match the focus and pressed colours of default.qss.
const char *const kTemplate =
    "QPushButton { background-color: black; color: white; border: none;"
    " background-image: url(%1); background-repeat: no-repeat;"
    " background-position: %3; text-align: %4; }\n"
    "QPushButton:focus { background-color: rgb(105,146,239); color: white; }\n"
    "QPushButton:hover { background-image: url(%1); }\n"
    "QPushButton:pressed { background-color: rgb(200,200,200); color: black;"
    " background-image: url(%2); }\n";

// %1 normal icon, %2 pressed icon; everything else comes from default.qss.
const char *const kKeyTemplate =
    "QPushButton { background-image: url(%1); background-repeat: no-repeat;"
    " background-position: center; }\n"
    "QPushButton:pressed { background-image: url(%2); }\n";

QString iconPath(const QString &folder, const QString &file)
{
    return QStringLiteral(":/Resources/Icons/%1/%2").arg(folder, file);
}

} // namespace

namespace ButtonStyle {

QString menuButton(const QString &folder, const QString &name)
{
    return QString::fromLatin1(kTemplate)
        .arg(iconPath(folder, name + QStringLiteral("_ws.png")),
             iconPath(folder, name + QStringLiteral("_sw.png")),
             QStringLiteral("top center"), QStringLiteral("bottom"));
}

QString iconButton(const QString &folder, const QString &name, int px)
{
    const QString size = QStringLiteral("_%1px.png").arg(px);
    return QString::fromLatin1(kTemplate)
        .arg(iconPath(folder, name + QStringLiteral("_ws") + size),
             iconPath(folder, name + QStringLiteral("_sw") + size),
             QStringLiteral("center"), QStringLiteral("center"));
}

QString pictureKey(const QString &folder, const QString &name, const QString &colour, int px)
{
    const QString size = QStringLiteral("_%1px.png").arg(px);
    return QString::fromLatin1(kKeyTemplate)
        .arg(iconPath(folder, name + QLatin1Char('_') + colour + size),
             iconPath(folder, name + QStringLiteral("_sw") + size));
}

} // namespace ButtonStyle
