#ifndef SCREENFONT_H
#define SCREENFONT_H

#include <initializer_list>

class QString;
class QWidget;

// Gives widgets the application font at another pixel size, so the sizes
// of titles, figures and captions are set in one place per screen.
void setScreenFont(std::initializer_list<QWidget *> widgets, int pixelSize, bool bold = false);

// A text for the widget's font and the given width: one line when it fits,
// else broken at the space nearest its middle, so a long translation keeps
// its letters on a button instead of losing them at both ends.
QString fitToWidth(const QWidget *widget, const QString &text, int width);

#endif // SCREENFONT_H

// Sets the widget's font to pixelSize and makes it smaller, down to
// minPixelSize, until its text fits: every line of a button inside its
// padding, a one-line label in its width, a wrapping label in its box. A
// translation longer than the English then stays whole on the screen.
void shrinkToFit(QWidget *widget, int pixelSize, int minPixelSize);
