#ifndef MEASUREMENTSCREEN_H
#define MEASUREMENTSCREEN_H

#include <QString>

#include <functional>

class QKeyEvent;
class QLabel;
class QWidget;
class RecordingPlayer;

// What every acoustic measurement screen does alike: the notes and
// warnings it gives, the colour of its level bars, the name it asks for
// and the filter it shows.
namespace MeasurementScreen {

// Tells the operator that an H2 probe cannot serve an acoustic measurement;
// the screen goes on after the note.
void noteIfH2Probe(QWidget *parent);
// The opposite for the H2 screen: without an H2 probe it has nothing to read.
void noteIfNotH2Probe(QWidget *parent);

// The style of a level bar's chunk: the frequency's colour (blue at 0 Hz,
// red at 150 Hz, yellow from 300 Hz) when asked for and the frequency is
// known, else the plain colour.
QString barChunk(int frequency, const QString &plainColour, bool frequencyColour);

// Tells the operator that a stored measurement cannot be shown whole.
void noteDamaged(QWidget *parent, const QString &dirName);

// The dark groove of every level bar, so the coloured part stands out.
void styleBars(QWidget *screen);

// Plays a recording of a stored measurement (a file name in its directory)
// with the path open but the sensor's microphone left alone; the player is
// made on first use. False, after telling the operator, without the file.
bool playRecording(RecordingPlayer **player, QWidget *parent, const QString &dirName, const QString &fileName);
void stopRecording(RecordingPlayer *player);

// Sets a style sheet only when it differs: restyling re-polishes the
// widget, and the level updates mostly repeat the style a bar has.
void setStyle(QWidget *widget, const QString &style);

// The on-screen keyboard for a measurement's name, Enter accepting; false
// when the operator cancelled.
bool askName(QWidget *parent, QString *name);

// Shows a filter as its symbol and its corners; a type other than band-pass
// (1) or band-stop (2) is no filter, shown as band-pass over 0..4000 Hz.
// The normalised values go back through the pointers.
void showFilter(QLabel *symbol, QLabel *range, int *type, quint32 *low, quint32 *high);

// False when the device was booted straight into this favourite function:
// the sensor link is still coming up, so its loss is no news. Clears the
// boot flag either way.
bool linkWarningAfterStart(int favouriteNumber);

// The mute key (F10 after the key filter), pressed or released: a press
// opens the path, or toggles it in switch mode; a release closes it again
// unless in switch mode. mute is called with the state the path is to
// take. False, with nothing done, for any other key.
bool takeMuteKey(const QKeyEvent *event, bool muted, const std::function<void(bool mute)> &mute);

// The keys a measurement screen shares: the mute key while live (mute as
// above; none on a stored view) and Escape, the power key's short press,
// which is swallowed on the press and leaves on the release (none: Escape
// is not taken). False for any other key, left to the widget.
struct ScreenKeys
{
    bool muted = true;
    std::function<void(bool mute)> mute;
    std::function<void()> leave;
    const char *name = "";
};
bool takeScreenKey(const QKeyEvent *event, const ScreenKeys &keys);

} // namespace MeasurementScreen

// One warning per loss of the sensor link; a wired sensor has no link.
class SensorLinkWatch
{
public:
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    // True once when the link is found lost; the link coming back arms the
    // next warning.
    bool lost();
    // The warning dialog; returns the pressed button.
    static int warn(QWidget *parent);
    // The link check of a measurement screen: once per loss, mute the path
    // and warn.
    void check(QWidget *screen, const std::function<void()> &mute);

private:
    bool m_enabled = true;
};

// The peak a level screen holds: the largest of the last six readings,
// never below 0, so a short burst stays readable for a few updates.
class PeakHold
{
public:
    static constexpr int Readings = 6;
    // Takes a reading and returns the peak held now.
    float add(float level);
    float value() const { return m_value; }
    void clear();

private:
    float m_readings[Readings] = {};
    int m_next = 0;
    float m_value = 0;
};

#endif // MEASUREMENTSCREEN_H
