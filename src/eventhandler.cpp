#include "eventhandler.h"

#include "driverhelper.h"
#include "favouritebutton.h"
#include "globals.h"
#include "mainmenu.h"
#include "statusbar.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>

namespace {

void postKey(QObject *receiver, QEvent::Type type, int key)
{
    QCoreApplication::postEvent(receiver, new QKeyEvent(type, key, Qt::NoModifier, QString(), false, 1));
}

void sendKey(QObject *receiver, QEvent::Type type, int key)
{
    if (!receiver)
        return;
    QKeyEvent event(type, key, Qt::NoModifier, QString(), false, 1);
    QCoreApplication::sendEvent(receiver, &event);
}

} // namespace

EventHandler::EventHandler(QObject *parent)
    : QObject(parent), m_ownFavBut(std::make_unique<FavouriteButton>()), m_favBut(m_ownFavBut.get())
{
}

EventHandler::~EventHandler() = default;

FavouriteButton *EventHandler::favouriteButton()
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (main && main->getFavouriteButtonInsance())
        m_favBut = main->getFavouriteButtonInsance();
    else
        m_favBut = m_ownFavBut.get();
    return m_favBut;
}

bool EventHandler::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(watched, static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        return keyRelease(watched, static_cast<QKeyEvent *>(event));
    case QEvent::TouchEnd: {
        // The touch that wakes the display does nothing else.
        const bool wasSaving = StatusbarData().isPowerSavingActive();
        StatusbarData().resetPowerSavingCnt();
        return wasSaving;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool EventHandler::keyPress(QObject *receiver, QKeyEvent *event)
{
    if (StatusbarData().isPowerSavingActive()) {
        StatusbarData().resetPowerSavingCnt();
        return true;
    }
    StatusbarData().resetPowerSavingCnt();
    if (g_hardwareTestActive)
        return false;

    const bool repeat = event->isAutoRepeat();
    switch (event->key()) {
    case Qt::Key_F1:
        if (repeat) {
            if (++m_cnt > PowerOffRepeats) {
                qDebug() << "Power down";
                m_cnt = 0;
                m_shutdown = true;
                // Dark at once, so the operator sees the key was taken.
                DriverHelper::writeFile(QStringLiteral("/sys/class/backlight/backlight/brightness"),
                                        QByteArrayLiteral("0"));
            }
        } else {
            m_cnt = 0;
            m_shutdown = false;
        }
        postKey(receiver, QEvent::KeyPress, Qt::Key_F11);
        return true;
    case Qt::Key_F2:
        if (!repeat) {
            m_cntFavKey = 0;
        } else if (++m_cntFavKey == FavouriteStoreRepeats) {
            qDebug() << "Neue Funktion speichern";
            favouriteButton()->storeFavouriteFunction();
        }
        return true;
    case Qt::Key_F3:
        m_cntUpKey = repeat ? m_cntUpKey + 1 : 0;
        postKey(receiver, QEvent::KeyPress, Qt::Key_Up);
        return true;
    case Qt::Key_F4:
        postKey(receiver, QEvent::KeyPress, Qt::Key_Space);
        return true;
    case Qt::Key_F5:
        m_cntDownKey = repeat ? m_cntDownKey + 1 : 0;
        postKey(receiver, QEvent::KeyPress, Qt::Key_Down);
        return true;
    case Qt::Key_F6:
        qDebug() << "Key MUTE pressed";
        if (repeat) {
            ++m_muteKeyCnt;
        } else {
            m_muteKeyCnt = 0;
            postKey(receiver, QEvent::KeyPress, Qt::Key_F10);
        }
        return true;
    default:
        return false;
    }
}

bool EventHandler::keyRelease(QObject *receiver, QKeyEvent *event)
{
    if (g_hardwareTestActive)
        return false;
    // A held key is one long press: a desktop's window system reports each
    // repeat as a release and a press, the board only the presses. Only the
    // real release at the end acts.
    if (event->isAutoRepeat() && event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F6)
        return true;

    MainMenu *main = MainMenu::getInstanceMainMenu();
    switch (event->key()) {
    case Qt::Key_F1:
        if (m_shutdown) {
            qDebug() << "Send Event for shutdown";
            sendKey(main, QEvent::KeyRelease, Qt::Key_F12);
        } else {
            qDebug() << "Eventhandler IO-Key released";
            sendKey(receiver, QEvent::KeyRelease, Qt::Key_Escape);
            if (main)
                main->displayFavouriteDialog(0);
        }
        return true;
    case Qt::Key_F2:
        if (m_cntFavKey < FavouriteStoreRepeats)
            favouriteButton()->execFavouriteFunction();
        return true;
    case Qt::Key_F3:
    case Qt::Key_F5:
        if (m_cntUpKey >= ServiceModeRepeats && m_cntDownKey >= ServiceModeRepeats) {
            qDebug() << "m_cntUpKey" << m_cntUpKey << "m_cntDownKey" << m_cntDownKey;
            sendKey(main, QEvent::KeyRelease, Qt::Key_F13);
            m_cntUpKey = 0;
            m_cntDownKey = 0;
        } else {
            postKey(receiver, QEvent::KeyRelease, event->key() == Qt::Key_F3 ? Qt::Key_Up : Qt::Key_Down);
        }
        return true;
    case Qt::Key_F4:
        postKey(receiver, QEvent::KeyRelease, Qt::Key_Space);
        return true;
    case Qt::Key_F6:
        qDebug() << "Key MUTE released";
        postKey(receiver, QEvent::KeyRelease, Qt::Key_F10);
        return true;
    default:
        return false;
    }
}
