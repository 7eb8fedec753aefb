#include "screenfont.h"

#include <QFontMetrics>
#include <QString>
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

QString fitToWidth(const QWidget *widget, const QString &text, int width)
{
    if (QFontMetrics(widget->font()).horizontalAdvance(text) <= width)
        return text;
    int best = -1;
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        if (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2))
            best = i;
    }
    if (best < 0)
        return text;
    QString broken = text;
    broken[best] = QLatin1Char('\n');
    return broken;
}
