#include "settingsbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

SettingsButton::SettingsButton(QWidget *parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SettingsButton::setText2(const QString &value)
{
    if (value == m_text2)
        return;
    m_text2 = value;
    update();
}

void SettingsButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon(); // drawn below, left of the texts
    painter.drawControl(QStyle::CE_PushButton, option);

    // Pressed buttons turn light grey: their text turns black to stay readable.
    const QColor ink = isDown() ? Qt::black : Qt::white;
    QRect area = rect().adjusted(12, 1, -12, -1);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QRect picture(QPoint(area.left(), rect().center().y() - size.height() / 2), size);
        icon().paint(&painter, picture, Qt::AlignCenter, isDown() ? QIcon::Selected : QIcon::Normal);
        area.setLeft(picture.right() + 12);
    }
    QFont titleFont = font();
    titleFont.setPixelSize(14);
    QFont valueFont = font();
    valueFont.setPixelSize(20);
    valueFont.setBold(true);

    // The title takes the upper two fifths, the value the rest.
    const int split = area.height() * 2 / 5;
    painter.setPen(isDown() ? QColor(Qt::black) : QColor(220, 220, 220));
    painter.setFont(titleFont);
    painter.drawText(area.adjusted(0, 0, 0, split - area.height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    painter.setPen(ink);
    painter.setFont(valueFont);
    const QRect valueArea = area.adjusted(0, split, 0, 0);
    painter.drawText(valueArea, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(valueFont).elidedText(m_text2, Qt::ElideRight, valueArea.width()));
}
