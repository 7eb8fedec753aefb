#include "headphonesettings.h"
#include "ui_headphonesettings.h"

#include "bluetooth.h"
#include "buttonstyle.h"
#include "screenfont.h"
#include "mainmenu.h"
#include "systemsettings.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPixmap>

namespace {

const int kTitlePixelSize = 22;
const int kVolumePixelSize = 44;
const int kWarningPixelSize = 18;

// A framed bar on a dark track, so that an empty or full bar still shows
// its extent in sunlight.
const char *const kBarFrame = "QProgressBar { border: 2px solid white; border-radius: 4px;"
                              " background-color: rgb(40,40,40); }\n";

} // namespace

Headphonesettings::Headphonesettings(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Headphonesettings)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->labelVolume}, kVolumePixelSize, true);
    setScreenFont({ui->labelWarning}, kWarningPixelSize, true);
    ui->labelWarning->setStyleSheet(QStringLiteral("QLabel { color: rgb(255,70,70); }"));
    ui->labelIcon->setPixmap(QPixmap(QStringLiteral(":/Resources/Icons/Audio/Headphone_ws_36px.png")));
    ui->barVolume->setRange(0, MaxVolumeStep);
    const QString folder = QStringLiteral("Audio");
    ui->butVolDown->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("VolumeDown"), QStringLiteral("ws"), 64));
    ui->butVolUp->setStyleSheet(ButtonStyle::pictureKey(folder, QStringLiteral("VolumeUp"), QStringLiteral("ws"), 64));
    ui->butClose->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    ui->labelTitle->setText(tr("HeadphoneVolume", "Headphone volume"));
    ui->butVolDown->setToolTip(tr("VolumeDown", "Quieter"));
    ui->butVolUp->setToolTip(tr("VolumeUp", "Louder"));
    ui->butClose->setToolTip(tr("Close", "Close"));

    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        m_btSource = main->getBtSourceInstance();
    if (m_btSource) {
        // The headphones then report changes made with their own keys.
        m_btSource->sendData(QStringLiteral("AVRCP PDU 31 D"));
        connect(m_btSource, &Bluetooth::btHeadphoneVolumeChanged, this, &Headphonesettings::headphoneVolumeChanged);
    }
    readVolume();
    ui->butVolUp->setFocus();
}

Headphonesettings::~Headphonesettings()
{
    delete ui;
}

void Headphonesettings::readVolume()
{
    if (m_btSource)
        m_headphoneVolStep = m_btSource->getBtExtHeadphoneGain();
    ui->labelVolume->setText(QString::number(m_headphoneVolStep));
    ui->barVolume->setValue(m_headphoneVolStep);
    updateColors();
}

void Headphonesettings::headphoneVolumeChanged(int volume)
{
    // The driver has already turned the reported percentage into a step.
    qDebug() << "Headphonesettings: headphones report volume" << volume;
    readVolume();
}

void Headphonesettings::updateColors()
{
    const MainMenu *main = MainMenu::getInstanceMainMenu();
    const Systemsettings *settings = main ? main->getInstanceSystemsettings() : nullptr;
    const bool warn = settings && settings->isHearingProtectionEnabled() && m_headphoneVolStep >= LoudVolumeStep;
    ui->labelWarning->setText(warn ? tr("WarningHighVolumesCanLeadToHearingDamage",
                                        "Warning! High volumes can lead\nto hearing damage.")
                                   : QString());
    ui->labelWarning->setVisible(warn);
    ui->barVolume->setStyleSheet(QLatin1String(kBarFrame)
                                 + (warn ? QStringLiteral("QProgressBar::chunk {background-color: red;}")
                                         : QStringLiteral("QProgressBar::chunk {background-color: yellow;}")));
}

void Headphonesettings::keyPressEvent(QKeyEvent *event)
{
    // The hardware arrow keys walk through the buttons.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    ServiceDialog::keyPressEvent(event);
}

void Headphonesettings::on_butVolUp_clicked()
{
    if (m_btSource)
        m_btSource->setBtExtHeadphoneVolUp();
    readVolume();
}

void Headphonesettings::on_butVolDown_clicked()
{
    if (m_btSource)
        m_btSource->setBtExtHeadphoneVolDown();
    readVolume();
}

void Headphonesettings::on_butClose_clicked()
{
    close();
}
