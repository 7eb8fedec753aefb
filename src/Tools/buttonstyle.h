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

// Picture key among text keys (on-screen keyboard): only the picture is
// set, centred, so the key keeps the grey face and the focus and pressed
// colours of the global style sheet like its neighbours. Icons
// "<name>_<colour>_<px>px.png" and, pressed, "<name>_sw_<px>px.png".
QString pictureKey(const QString &folder, const QString &name, const QString &colour, int px);

} // namespace ButtonStyle

#endif // BUTTONSTYLE_H
