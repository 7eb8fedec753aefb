#ifndef SCREENFONT_H
#define SCREENFONT_H

#include <initializer_list>

class QWidget;

// Gives widgets the application font at another pixel size, so the sizes
// of titles, figures and captions are set in one place per screen.
void setScreenFont(std::initializer_list<QWidget *> widgets, int pixelSize, bool bold = false);

#endif // SCREENFONT_H
