#include "micsettings.h"
#include "ui_micsettings.h"

#include "audiocodecsetup.h"
#include "bluetooth.h"
#include "buttonstyle.h"
#include "screenfont.h"
#include "mainmenu.h"
#include "statusbar.h"

#include <QDebug>
#include <QKeyEvent>
#include <QPixmap>

namespace {

const int kTitlePixelSize = 22;
const int kGainPixelSize = 44;
const int kStepPixelSize = 30;
const int kSourcePixelSize = 17;

// Steps up to the chosen one are lit, so the row of buttons reads as a bar.
// A button's own sheet beats the global one, so focus and pressed are
// repeated here.
QString stepStyle(const char *background)
{
    return QStringLiteral("QPushButton { background-color: %1; }"
                          " QPushButton:focus { background-color: rgb(105,146,239); }"
                          " QPushButton:pressed { background-color: rgb(200,200,200); color: black; }")
        .arg(QLatin1String(background));
}

} // namespace

Micsettings::Micsettings(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::Micsettings)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->labelGain}, kGainPixelSize, true);
    for (int step = 1; step <= MainMenu::MicGainSteps; ++step)
        setScreenFont({stepButton(step)}, kStepPixelSize, true);
    setScreenFont({ui->labelSource}, kSourcePixelSize);
    ui->labelIcon->setPixmap(QPixmap(QStringLiteral(":/Resources/Icons/Audio/Microphone_ws_36px.png")));
    ui->butClose->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    ui->labelTitle->setText(tr("MicrophoneGain", "Microphone gain"));
    ui->labelSource->setText(isWired() ? tr("GainOfWiredInput", "Gain of the wired input")
                                       : tr("GainOfSensor", "Gain of the sensor"));
    ui->butClose->setToolTip(tr("Close", "Close"));

    m_mainMenu = MainMenu::getInstanceMainMenu();
    if (m_mainMenu) {
        m_btSink = m_mainMenu->getBtSinkInstance();
        m_micGainStep = m_mainMenu->getMicGainStep();
        m_audioCodec = m_mainMenu->getAudioCodecInstance();
    }
    // What the codec holds now; the main window knows it only after a step
    // has been set.
    if (m_audioCodec)
        m_micPgaGain_dB = float(m_audioCodec->micPgaGain()) / 100.0f;
    showStep();
    if (QPushButton *button = stepButton(m_micGainStep))
        button->setFocus();
}

Micsettings::~Micsettings()
{
    delete ui;
}

QString Micsettings::gainText(int step, double decibels)
{
    return QString::number(step) + QStringLiteral("(%1 dB)").arg(QString::number(decibels));
}

bool Micsettings::isWired() const
{
    return StatusbarData().isWiredSensor();
}

QPushButton *Micsettings::stepButton(int step) const
{
    QPushButton *const buttons[] = {ui->butGain1, ui->butGain2, ui->butGain3,
                                    ui->butGain4, ui->butGain5, ui->butGain6};
    return step >= 1 && step <= MainMenu::MicGainSteps ? buttons[step - 1] : nullptr;
}

void Micsettings::selectStep(int step)
{
    m_micGainStep = step;
    if (m_mainMenu) {
        m_mainMenu->setMicGainStep(step);
        // The measurement screens re-apply this step each time they start.
        m_mainMenu->setCurrentMicGainStep(step);
        m_micPgaGain_dB = m_mainMenu->getMicPgaGain();
    }
    qDebug() << "Micsettings: gain step" << step;
    showStep();
}

void Micsettings::showStep()
{
    if (isWired()) {
        ui->labelGain->setText(gainText(m_micGainStep, double(m_micPgaGain_dB)));
    } else {
        // The gain the sensor was last given, which is what it works with.
        m_groundMicGain = m_btSink ? m_btSink->getBtExtMicGain() : 0;
        m_groundMicGain_dB = sensorGainToDb(m_groundMicGain);
        ui->labelGain->setText(gainText(m_micGainStep, m_groundMicGain_dB));
    }
    for (int step = 1; step <= MainMenu::MicGainSteps; ++step) {
        const char *background = step < m_micGainStep    ? "rgb(0,110,0)"
                                 : step == m_micGainStep ? "rgb(0,170,0)"
                                                         : "rgb(70,70,70)";
        stepButton(step)->setStyleSheet(stepStyle(background));
    }
}

void Micsettings::keyPressEvent(QKeyEvent *event)
{
    // The hardware arrow keys walk through the buttons.
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    ServiceDialog::keyPressEvent(event);
}

void Micsettings::on_butGain1_clicked()
{
    selectStep(1);
}

void Micsettings::on_butGain2_clicked()
{
    selectStep(2);
}

void Micsettings::on_butGain3_clicked()
{
    selectStep(3);
}

void Micsettings::on_butGain4_clicked()
{
    selectStep(4);
}

void Micsettings::on_butGain5_clicked()
{
    selectStep(5);
}

void Micsettings::on_butGain6_clicked()
{
    selectStep(6);
}

void Micsettings::on_butClose_clicked()
{
    close();
}
