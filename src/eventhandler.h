#ifndef EVENTHANDLER_H
#define EVENTHANDLER_H

#include <QObject>

#include <memory>

class FavouriteButton;
class QKeyEvent;

// Turns the six hardware keys (F1..F6 from the keyboard driver) into the
// keys the screens understand, tells short from long presses by counting
// auto-repeats, and wakes the device from power saving.
class EventHandler : public QObject
{
    Q_OBJECT
public:
    explicit EventHandler(QObject *parent = nullptr);
    ~EventHandler() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Auto-repeat counts after which a held key acts.
    static constexpr int PowerOffRepeats = 7;   // more than this switches off
    static constexpr int FavouriteStoreRepeats = 8;
    static constexpr int ServiceModeRepeats = 3;

private:
    bool keyPress(QObject *receiver, QKeyEvent *event);
    bool keyRelease(QObject *receiver, QKeyEvent *event);
    FavouriteButton *favouriteButton();

    std::unique_ptr<FavouriteButton> m_ownFavBut;
    FavouriteButton *m_favBut = nullptr;
    int m_cnt = 0;
    int m_cntFavKey = 0;
    int m_muteKeyCnt = 0;
    bool m_shutdown = false;
    int m_cntUpKey = 0;
    int m_cntDownKey = 0;
};

#endif // EVENTHANDLER_H
