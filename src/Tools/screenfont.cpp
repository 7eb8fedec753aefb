#include "screenfont.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
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

namespace {

// The global style sheet's padding, left and right.
constexpr int ButtonPadding = 8;

bool textFits(const QWidget *widget, const QFont &font)
{
    const QFontMetrics metrics(font);
    auto linesFit = [&](const QString &text, int room) {
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (metrics.horizontalAdvance(line) > room)
                return false;
        }
        return true;
    };
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return linesFit(button->text(), button->width() - ButtonPadding);
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        const QRect box = label->contentsRect();
        if (!label->wordWrap())
            return linesFit(label->text(), box.width());
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, label->text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    }
    return true;
}

} // namespace

void shrinkToFit(QWidget *widget, int pixelSize, int minPixelSize)
{
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    while (font.pixelSize() > minPixelSize && !textFits(widget, font))
        font.setPixelSize(font.pixelSize() - 1);
    widget->setFont(font);
}
