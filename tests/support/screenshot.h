#ifndef SCREENSHOT_H
#define SCREENSHOT_H

#include <QImage>
#include <QString>
#include <QWidget>

// With KX500_SCREENSHOT_DIR set, tests save pictures of what they show
// there under the given file name (docs/screenshots/ is made this way).
inline QString screenshotDir()
{
    return qEnvironmentVariable("KX500_SCREENSHOT_DIR");
}

inline void saveScreenshot(const QImage &image, const QString &file)
{
    if (!screenshotDir().isEmpty())
        image.save(screenshotDir() + QLatin1Char('/') + file);
}

inline void saveScreenshot(QWidget *widget, const QString &file)
{
    if (!screenshotDir().isEmpty())
        widget->grab().save(screenshotDir() + QLatin1Char('/') + file);
}

#endif // SCREENSHOT_H
