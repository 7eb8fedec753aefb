#ifndef FAVOURITEBUTTON_H
#define FAVOURITEBUTTON_H

#include <QString>
#include <QWidget>

// The favourite key: a short press starts the chosen function, a long
// press makes the measurement screen shown now the favourite.
class FavouriteButton : public QWidget
{
    Q_OBJECT
public:
    explicit FavouriteButton(QWidget *parent = nullptr);

    void init();
    int execFavouriteFunction();
    int storeFavouriteFunction();
    // Saves the whole screen as /media/kx500/screenshots/pic_NNN.png.
    bool generateScreenshot();

    int favouriteNumber() const { return m_butFavNum; }
    int screenshotCount() const { return m_screenshotCnt; }

private:
    int m_butFavNum = 2;
    QString m_butFavText;
    int m_timerCntStore = 0;
    int m_screenshotCnt = 0;
};

#endif // FAVOURITEBUTTON_H
