#include "appsetup.h"
#include "platform.h"
#include "resources.h"

#include <QApplication>
#include <QDebug>
#include <QFontDatabase>

void setupApplication()
{
    kx500InitResources();
    // Either font file may be missing; the board has at least one.
    QFontDatabase::addApplicationFont(Platform::path(QStringLiteral("/usr/lib/fonts/ArialUnicode.ttf")));
    QFontDatabase::addApplicationFont(Platform::path(QStringLiteral("/home/root/fonts/ArialUnicode.ttf")));
    QFont font(QStringLiteral("Arial Unicode MS"));
    font.setPixelSize(20);
    font.setWeight(50);
    QApplication::setFont(font);
    qDebug() << "Font" << font.family();
}
