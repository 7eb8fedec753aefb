#include "hearingprotection.h"
#include "ui_hearingprotection.h"

#include "audiocodecsetup.h"
#include "bluetooth.h"
#include "mainmenu.h"
#include "screenfont.h"

#include <QDebug>
#include <QMediaPlayer>
#include <QMediaPlaylist>

namespace {

constexpr int kTitlePixelSize = 24;
constexpr int kTextPixelSize = 18;
constexpr int kValuePixelSize = 30;
constexpr int kMinOffset = -4;
constexpr int kMaxOffset = 10;
// The headphone gain is offset + 5, so 1..15.
constexpr int kGainAtOffsetZero = 5;
constexpr int kPlayerVolume = 70;
const char *const kTesttone = "qrc:/Resources/Files/Testtone_300HzFS.wav";

QString switchImage(bool top)
{
    return QStringLiteral("QPushButton { padding: 0px; image: url(:/Resources/Icons/Management/Systemsettings/"
                          "Radioswitch_%1_2x40px.png); }")
        .arg(QLatin1String(top ? "top" : "bottom"));
}

QString iconImage(const char *name)
{
    return QStringLiteral("QPushButton { image: url(:/Resources/Icons/Mainmenu/Pinpointing/%1_20px.png); }")
        .arg(QLatin1String(name));
}

} // namespace

HearingProtection::HearingProtection(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::HearingProtection), m_player(new QMediaPlayer(this)),
      m_playlist(new QMediaPlaylist(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->butEnabled, ui->butDisabled, ui->labelInfo, ui->labelVolume, ui->butAccept, ui->butClose},
                  kTextPixelSize);
    setScreenFont({ui->labelVolValue, ui->butVolDown, ui->butVolUp}, kValuePixelSize, true);
    ui->labelTitle->setText(tr("HearingProtection", "Hearing protection"));
    ui->butEnabled->setText(tr("Active", "Active"));
    ui->butDisabled->setText(tr("Inactive", "Inactive"));
    ui->butEnabled->setCheckable(true);
    ui->butDisabled->setCheckable(true);
    ui->labelVolume->setText(tr("DefaultHeadphoneVolume", "Adjust headphone volume"));
    ui->butVolDown->setText(QStringLiteral("\u2212"));
    ui->butVolUp->setText(QStringLiteral("+"));
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    m_player->setPlaylist(m_playlist);
    showPlayPause();
    updateStylesheetProtectionMode();
}

HearingProtection::~HearingProtection()
{
    delete ui;
}

void HearingProtection::init(bool mode, int offset)
{
    if (offset < kMinOffset || offset > kMaxOffset)
        offset = 0;
    m_modeHearingProtection = mode;
    m_headphoneVolumeOffset = offset;
    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_audioCodec = main->getAudioCodecInstance();
        m_btSource = main->getBtSourceInstance();
    }
    m_playlist->clear();
    m_playlist->addMedia(QUrl(QLatin1String(kTesttone)));
    m_playlist->setPlaybackMode(QMediaPlaylist::Loop);
    m_player->setVolume(kPlayerVolume);
    updateStylesheetProtectionMode();
    ui->labelVolValue->setText(QString::number(m_headphoneVolumeOffset));
}

void HearingProtection::setMode(bool on)
{
    m_modeHearingProtection = on;
    updateStylesheetProtectionMode();
}

void HearingProtection::updateStylesheetProtectionMode()
{
    const bool on = m_modeHearingProtection;
    ui->butSelect->setStyleSheet(switchImage(on));
    ui->butEnabled->setChecked(on);
    ui->butDisabled->setChecked(!on);
    ui->labelInfo->setText(on ? tr("MaximumVolumeWillBeLimited", "Maximum volume will be limited.")
                              : tr("WarningRiskOfAcousticShock", "Warning! Risk of an acoustic shock."));
    for (QWidget *w : {static_cast<QWidget *>(ui->labelVolume), static_cast<QWidget *>(ui->labelVolValue),
                       static_cast<QWidget *>(ui->butVolDown), static_cast<QWidget *>(ui->butVolUp),
                       static_cast<QWidget *>(ui->butPlayPause)})
        w->setVisible(!on);
    // The limited volume is not what the tone would judge.
    if (on)
        stopTesttone();
}

void HearingProtection::on_butEnabled_clicked() { setMode(true); }
void HearingProtection::on_butDisabled_clicked() { setMode(false); }
void HearingProtection::on_butSelect_clicked() { setMode(!m_modeHearingProtection); }

void HearingProtection::setOffset(int offset)
{
    m_headphoneVolumeOffset = qBound(kMinOffset, offset, kMaxOffset);
    ui->labelVolValue->setText(QString::number(m_headphoneVolumeOffset));
    // Heard at once while the tone plays.
    if (m_btSource)
        m_btSource->setBtAdcGain(m_headphoneVolumeOffset + kGainAtOffsetZero);
}

void HearingProtection::on_butVolDown_clicked() { setOffset(m_headphoneVolumeOffset - 1); }
void HearingProtection::on_butVolUp_clicked() { setOffset(m_headphoneVolumeOffset + 1); }

void HearingProtection::on_butPlayPause_clicked()
{
    if (m_playTesttone) {
        qDebug() << "Pause Testtone" << kTesttone;
        stopTesttone();
        return;
    }
    qDebug() << "Play Testtone" << kTesttone;
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(quint32(-1), quint32(-1), 0);
        // The tone alone: the sensor's listening path stays off.
        m_audioCodec->setRouting(1);
    }
    // The sensor stays as it is: only the headphone path is opened.
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(false, false);
    m_player->play();
    m_playTesttone = true;
    showPlayPause();
}

void HearingProtection::stopTesttone()
{
    m_player->stop();
    m_playTesttone = false;
    showPlayPause();
}

void HearingProtection::showPlayPause()
{
    ui->butPlayPause->setStyleSheet(iconImage(m_playTesttone ? "Stop_ws" : "Start_gn"));
}

void HearingProtection::leave()
{
    stopTesttone();
    if (m_audioCodec) {
        m_audioCodec->init();
        m_audioCodec->setFilter(quint32(-1), quint32(-1), 0);
        m_audioCodec->setRouting(0);
    }
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->muteAudioPath(true, false);
}

void HearingProtection::on_butAccept_clicked()
{
    leave();
    accept();
}

void HearingProtection::on_butClose_clicked()
{
    leave();
    reject();
}
