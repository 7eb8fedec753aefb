#include "recordingplayer.h"

#include "messagedialog.h"

#include <QDebug>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

RecordingPlayer::RecordingPlayer(QWidget *dialogParent) : QObject(dialogParent), m_dialogParent(dialogParent)
{
    m_startWatch.setSingleShot(true);
    m_startWatch.setInterval(StartLimitMs);
    connect(&m_startWatch, &QTimer::timeout, this, &RecordingPlayer::checkStarted);
}

bool RecordingPlayer::canPlay(const QString &hostPath)
{
    if (QFileInfo(hostPath).isFile())
        return true;
    qDebug() << "RecordingPlayer: no recording" << hostPath;
    tell(tr("NoRecordingStored", "This measurement has no recording."));
    return false;
}

void RecordingPlayer::play(const QString &hostPath)
{
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
                &RecordingPlayer::playerFailed);
        connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::InvalidMedia)
                playerFailed();
        });
    }
    m_file = hostPath;
    m_failureShown = false;
    // Without a media back end nothing would ever report an error.
    if (!m_player->isAvailable()) {
        playerFailed();
        return;
    }
    m_player->setMedia(QUrl::fromLocalFile(hostPath));
    m_player->setVolume(Volume);
    m_player->play();
    m_startWatch.start();
}

// A media back end without its decoders or its audio output reports no
// error: it just never gets the file loaded.
void RecordingPlayer::checkStarted()
{
    switch (m_player->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
        break;
    default:
        playerFailed();
    }
}

void RecordingPlayer::stop()
{
    m_startWatch.stop();
    if (m_player)
        m_player->stop();
}

bool RecordingPlayer::isPlaying() const
{
    return m_player && m_player->state() == QMediaPlayer::PlayingState;
}

void RecordingPlayer::playerFailed()
{
    // An error and the invalid-media status come together: one message.
    if (m_failureShown)
        return;
    m_failureShown = true;
    m_startWatch.stop();
    qWarning() << "RecordingPlayer: cannot play" << m_file << (m_player ? m_player->errorString() : QString())
               << (m_player && !m_player->isAvailable() ? "(no media service)" : "");
    if (m_player)
        m_player->stop();
    emit failed();
    // Not inside the player's own notification.
    QMetaObject::invokeMethod(this, [this] {
        tell(tr("RecordingCannotBePlayed", "The recording cannot be played."));
    }, Qt::QueuedConnection);
}

void RecordingPlayer::tell(const QString &text)
{
    MessageDialog::inform(m_dialogParent, 1, tr("Note", "Note"), text);
}
