#ifndef HEARINGPROTECTION_H
#define HEARINGPROTECTION_H

#include "servicedialog.h"

class AudioCodecSetup;
class Bluetooth;
class QMediaPlayer;
class QMediaPlaylist;

namespace Ui {
class HearingProtection;
}

// Whether the headphone volume is limited and, when it is not, the
// headphone gain offset, judged with a looping test tone. The gain follows
// each step at once; the settings screen stores the result.
class HearingProtection : public ServiceDialog
{
    Q_OBJECT
public:
    explicit HearingProtection(QWidget *parent = nullptr);
    ~HearingProtection() override;

    void init(bool mode, int offset);
    bool getModeHearingProtection() const { return m_modeHearingProtection; }
    int getHeadphoneVolumeOffset() const { return m_headphoneVolumeOffset; }
    bool isTesttonePlaying() const { return m_playTesttone; }

private slots:
    void on_butEnabled_clicked();
    void on_butDisabled_clicked();
    void on_butSelect_clicked();
    void updateStylesheetProtectionMode();
    void on_butVolDown_clicked();
    void on_butVolUp_clicked();
    void on_butPlayPause_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void setMode(bool on);
    void setOffset(int offset);
    void stopTesttone();
    void showPlayPause();
    void leave();

    Ui::HearingProtection *ui;
    QMediaPlayer *m_player;
    QMediaPlaylist *m_playlist;
    AudioCodecSetup *m_audioCodec = nullptr;
    Bluetooth *m_btSource = nullptr;
    bool m_modeHearingProtection = true;
    int m_headphoneVolumeOffset = 0;
    bool m_playTesttone = false;
};

#endif // HEARINGPROTECTION_H
