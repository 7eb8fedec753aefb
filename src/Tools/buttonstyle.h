#ifndef BUTTONSTYLE_H
#define BUTTONSTYLE_H

#include <QString>

// Per-button style sheets for buttons that show a picture. The normal,
// focus and hover states use the white icon, pressed the black one, so
// every picture button looks and reacts the same.
namespace ButtonStyle {

// Big main-menu or management button: picture at the top, text at the
// bottom; icons ":/Resources/Icons/<folder>/<name>_ws.png" and "_sw.png".
QString menuButton(const QString &folder, const QString &name);

// Small picture-only button (sub-menu bar); icons "<name>_ws_<px>px.png"
// and "<name>_sw_<px>px.png".
QString iconButton(const QString &folder, const QString &name, int px);

} // namespace ButtonStyle

#endif // BUTTONSTYLE_H
