#ifndef RECORDINGPLAYER_H
#define RECORDINGPLAYER_H

#include <QObject>
#include <QString>
#include <QTimer>

class QMediaPlayer;
class QWidget;

// Plays a stored recording (a WAV file of the measurement store) through
// Qt's media player, and tells the operator with a message dialog when a
// measurement has no recording or the file cannot be played, instead of
// playing silence.
class RecordingPlayer : public QObject
{
    Q_OBJECT
public:
    static constexpr int Volume = 70;
    // A player that has not started by then never will.
    static constexpr int StartLimitMs = 5000;

    // Dialogs open over dialogParent.
    explicit RecordingPlayer(QWidget *dialogParent);

    // False, after telling the operator, when hostPath is no file.
    bool canPlay(const QString &hostPath);
    void play(const QString &hostPath);
    void stop();
    bool isPlaying() const;

signals:
    // The file could not be played; the operator has been told.
    void failed();

private:
    void playerFailed();
    void checkStarted();
    void tell(const QString &text);

    QWidget *m_dialogParent;
    QMediaPlayer *m_player = nullptr;
    QString m_file;
    QTimer m_startWatch;
    bool m_failureShown = false;
};

#endif // RECORDINGPLAYER_H
