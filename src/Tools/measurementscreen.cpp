#include "measurementscreen.h"

#include "analoginputworker.h"
#include "mainmenu.h"
#include "measurements.h"
#include "messagedialog.h"
#include "platform.h"
#include "recordingplayer.h"
#include "statusbar.h"
#include "systemsettings.h"
#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QDebug>
#include <QLabel>

#include <algorithm>
#include <iterator>

namespace {

struct Text
{
    const char *key;
    const char *english;
};

const Text Note = QT_TRANSLATE_NOOP3("MeasurementScreen", "Note", "Note");
const Text NeedsAcousticSensor = QT_TRANSLATE_NOOP3("MeasurementScreen",
                                                    "YouMustConnectAnAcousticalSensorToUseThisMeasurement.",
                                                    "You must connect an acoustical sensor\nto use this measurement.");
const Text NeedsH2Probe = QT_TRANSLATE_NOOP3("MeasurementScreen", "YouMustConnectAH2-SensorToUseThisMeasurement",
                                             "You must connect a H2-Sensor\nto use this measurement.");
const Text Damaged = QT_TRANSLATE_NOOP3("MeasurementScreen", "MeasurementDamaged",
                                        "This measurement is damaged. Its values cannot be shown.");
const Text Warning = QT_TRANSLATE_NOOP3("MeasurementScreen", "Warning", "Warning");
const Text NoLink = QT_TRANSLATE_NOOP3("MeasurementScreen", "NoBluetoothConnectionPleaseCheckYourRM3",
                                       "No bluetooth connection. Please check your RM-3.");

QString tr(const Text &text)
{
    return QCoreApplication::translate("MeasurementScreen", text.key, text.english);
}

} // namespace

namespace MeasurementScreen {

void noteIfH2Probe(QWidget *parent)
{
    if (StatusbarData().sensorType() != Statusbardata::SensorH2)
        return;
    const int answer = MessageDialog::inform(parent, 0, tr(Note), tr(NeedsAcousticSensor));
    qDebug() << (answer == MessageDialog::Ok ? "Message closed" : "Ende Button Unknown");
}

void noteIfNotH2Probe(QWidget *parent)
{
    if (StatusbarData().sensorType() == Statusbardata::SensorH2)
        return;
    const int answer = MessageDialog::inform(parent, 0, tr(Note), tr(NeedsH2Probe));
    qDebug() << (answer == MessageDialog::Ok ? "Message closed" : "Ende Button Unknown");
}

void noteDamaged(QWidget *parent, const QString &dirName)
{
    qWarning() << "Stored measurement damaged" << dirName;
    // The directory name from its 20th character on is the measurement's name.
    MessageDialog::inform(parent, 1, tr(Note), tr(Damaged) + QLatin1Char('\n') + dirName.mid(19));
}

QString barChunk(int frequency, const QString &plainColour, bool frequencyColour)
{
    if (!frequencyColour || frequency < 1)
        return QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(plainColour);
    QColor text;
    const QColor c = AnalogInputWorker::calcFrequencyColor(unsigned(frequency), 300, QColor("blue"), QColor("red"),
                                                           QColor("yellow"), &text);
    return QStringLiteral("QProgressBar::chunk {background-color: rgb(%1, %2, %3);}").arg(c.red()).arg(c.green()).arg(c.blue());
}

void styleBars(QWidget *screen)
{
    screen->setStyleSheet(
        QStringLiteral("QProgressBar {background-color: rgb(50, 50, 50); border: 1px solid rgb(120, 120, 120);}"));
}

bool playRecording(RecordingPlayer **player, QWidget *parent, const QString &dirName, const QString &fileName)
{
    const QString file = Platform::path(Measurements::rootPath()) + dirName + QLatin1Char('/') + fileName;
    if (!*player)
        *player = new RecordingPlayer(parent);
    if (!(*player)->canPlay(file))
        return false;
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(false, false);
    Analoginputworker().stopCapture();
    qDebug() << "Play file" << file;
    (*player)->play(file);
    return true;
}

void stopRecording(RecordingPlayer *player)
{
    Analoginputworker().stopCapture();
    if (player)
        player->stop();
}

void setStyle(QWidget *widget, const QString &style)
{
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

bool askName(QWidget *parent, QString *name)
{
    VirtualKeyboard keyboard(parent);
    keyboard.setText(QString());
    keyboard.useEnterAsAccept(true);
    if (keyboard.exec() != QDialog::Accepted)
        return false;
    *name = keyboard.getText();
    return true;
}

void showFilter(QLabel *symbol, QLabel *range, int *type, quint32 *low, quint32 *high)
{
    if (*type != 1 && *type != 2) {
        *type = 0;
        *low = 0;
        *high = 4000;
    }
    const QString picture = *type == 2 ? QStringLiteral("Bandstop") : QStringLiteral("Bandpass");
    symbol->setStyleSheet(
        QStringLiteral("background-image: url(:/Resources/Icons/Mainmenu/Pinpointing/Filtertype_%1_gr_40px.png);").arg(picture));
    range->setText(QStringLiteral("%1 Hz\n%2 Hz").arg(*low).arg(*high));
}

bool linkWarningAfterStart(int favouriteNumber)
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (!main)
        return true;
    const Systemsettings *settings = main->getInstanceSystemsettings();
    const bool booted = main->isBootedToFavouriteFunction() && settings
                        && settings->getFavouriteButton(nullptr) == favouriteNumber;
    main->resetBootedToFavouriteFunction();
    return !booted;
}

} // namespace MeasurementScreen

bool SensorLinkWatch::lost()
{
    Statusbardata &status = StatusbarData();
    if (status.isWiredSensor())
        return false;
    if (status.stateMicrophone()) {
        m_enabled = true;
        return false;
    }
    if (!m_enabled)
        return false;
    m_enabled = false;
    return true;
}

int SensorLinkWatch::warn(QWidget *parent)
{
    const int answer = MessageDialog::inform(parent, 1, tr(Warning), tr(NoLink));
    qDebug() << (answer == MessageDialog::Ok ? "Message BT-Connection closed" : "Ende Button Unknown");
    return answer;
}

float PeakHold::add(float level)
{
    m_readings[m_next] = level;
    m_next = (m_next + 1) % Readings;
    m_value = std::max(*std::max_element(std::begin(m_readings), std::end(m_readings)), 0.0f);
    return m_value;
}

void PeakHold::clear()
{
    *this = PeakHold();
}

bool MeasurementScreen::takeMuteKey(const QKeyEvent *event, bool muted, const std::function<void(bool mute)> &mute)
{
    if (event->key() != Qt::Key_F10)
        return false;
    const MainMenu *main = MainMenu::getInstanceMainMenu();
    const bool switchMode = main && main->isMuteKeySwitchmode();
    if (event->type() == QEvent::KeyPress)
        mute(MainMenu::muteKeyPressMutes(switchMode, muted));
    else if (MainMenu::muteKeyReleaseMutes(switchMode))
        mute(true);
    return true;
}

bool MeasurementScreen::takeScreenKey(const QKeyEvent *event, const ScreenKeys &keys)
{
    if (keys.mute && takeMuteKey(event, keys.muted, keys.mute))
        return true;
    if (event->key() != Qt::Key_Escape || !keys.leave)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        qDebug() << keys.name << "IO-Key released";
        keys.leave();
    }
    return true;
}

void SensorLinkWatch::check(QWidget *screen, const std::function<void()> &mute)
{
    if (!lost())
        return;
    mute();
    warn(screen);
}
