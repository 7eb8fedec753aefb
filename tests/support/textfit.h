#ifndef TEXTFIT_H
#define TEXTFIT_H

#include "settingsbutton.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTextDocument>

// The labels and buttons under root whose text is wider than the place the
// widget gives it: each line of a one-line or hand-broken text must fit, and
// a label that wraps must not need more lines than its height holds.
inline QStringList textsThatDoNotFit(QWidget *root)
{
    QStringList tooWide;
    auto check = [&](QWidget *w, const QString &text, const QFont &font, int room) {
        const QFontMetrics metrics(font);
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (metrics.horizontalAdvance(line) > room)
                tooWide << QStringLiteral("%1 %2: \"%3\" (%4 > %5 px)")
                               .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), line)
                               .arg(metrics.horizontalAdvance(line))
                               .arg(room);
        }
    };
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(root) || w->width() <= 0)
            continue;
        if (auto *button = qobject_cast<SettingsButton *>(w)) {
            QFont title = button->font(), value = button->font();
            title.setPixelSize(14);
            value.setPixelSize(20);
            value.setBold(true);
            int room = button->width() - 24;
            if (!button->icon().isNull())
                room -= button->iconSize().width() + 12;
            check(button, button->text(), title, room);
            check(button, button->text2(), value, room);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            if (!button->text().isEmpty())
                check(button, button->text(), button->font(), button->width() - 8);
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text))
                continue;
            const int room = label->contentsRect().width() - 2 * label->margin();
            if (!label->wordWrap()) {
                check(label, text, label->font(), room);
                continue;
            }
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
            if (needed.height() > label->contentsRect().height() + 2 || needed.width() > room)
                tooWide << QStringLiteral("%1 %2: \"%3\" needs %4 x %5 px")
                               .arg(QString::fromLatin1(label->metaObject()->className()), label->objectName(), text)
                               .arg(needed.width())
                               .arg(needed.height());
        }
    }
    return tooWide;
}

#endif // TEXTFIT_H
