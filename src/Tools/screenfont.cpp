#include "screenfont.h"

#include <QWidget>

void setScreenFont(std::initializer_list<QWidget *> widgets, int pixelSize, bool bold)
{
    for (QWidget *widget : widgets) {
        QFont font = widget->font();
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        widget->setFont(font);
    }
}
