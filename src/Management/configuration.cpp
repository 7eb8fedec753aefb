#include "configuration.h"
#include "ui_configuration.h"

#include "bluetooth.h"
#include "buttonstyle.h"
#include "screenfont.h"
#include "mainmenu.h"
#include "statusbar.h"
#include "systemsettings.h"

#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>


namespace {

const int kTitlePixelSize = 24;
const int kRowPixelSize = 19;
const int kButtonPixelSize = 18;
const int kMinButtonPixelSize = 14;

// Capture 3 is the value; the first match in the whole answer counts.
QString firstValue(const QString &answer, const char *pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(QLatin1String(pattern)).match(answer);
    return match.hasMatch() ? match.captured(3).trimmed() : QString();
}

void showText(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    // setText leaves the cursor at the end, which would scroll a long value
    // out of sight to the left.
    edit->setCursorPosition(0);
}

} // namespace

Configuration::Configuration(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Configuration), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    for (QLabel *label : ui->formArea->findChildren<QLabel *>())
        setScreenFont({label}, kRowPixelSize);
    // Values in bold: they are what the operator looks for.
    for (QLineEdit *edit : ui->formArea->findChildren<QLineEdit *>())
        setScreenFont({edit}, kRowPixelSize, true);
    setScreenFont({ui->butReadAgain}, kButtonPixelSize);
    setScreenFont({ui->labelNote}, kRowPixelSize, true);
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    if (m_btSink)
        connect(m_btSink, &Bluetooth::terminationStringDetected, this, &Configuration::readBtAnswer);
    connect(m_timer, &QTimer::timeout, this, &Configuration::readBtAnswer);
    init();
}

Configuration::~Configuration()
{
    delete ui;
}

QString Configuration::sensorTypeText(int code)
{
    switch (code) {
    case 0:
        return tr("noSensor", "No sensor");
    case 1:
        return QStringLiteral("GX-2");
    case 2:
        return QStringLiteral("NX-2");
    case 3:
        return QStringLiteral("H2");
    case 5:
        return tr("PressureTransducer", "Pressure transducer");
    default:
        return tr("unknown", "unknown");
    }
}

QString Configuration::gainLabel(int value)
{
    // The sensor's gain in dB at steps 1..6.
    static const int decibels[MainMenu::MicGainSteps] = {3, 12, 18, 24, 30, 36};
    for (int step = 1; step <= MainMenu::MicGainSteps; ++step) {
        if (MainMenu::sensorGainOfStep(step) == value)
            return QStringLiteral("(%1 / %2dB)").arg(step).arg(decibels[step - 1]);
    }
    return QStringLiteral("(?)");
}

void Configuration::init()
{
    updateTexts();
    m_micFirmwareVersion.clear();
    m_micBatteryState.clear();
    m_micGain.clear();
    m_micSensorType.clear();
    m_micButtonMode.clear();
    m_micHardwareVersion.clear();
    m_micBtName.clear();
    m_micBtId.clear();
    MainMenu *main = MainMenu::getInstanceMainMenu();
    if (Systemsettings *settings = main ? main->getInstanceSystemsettings() : nullptr) {
        m_micBtId = settings->getBtIdMicrophone();
        m_micBtName = settings->getBtNameMicrophone();
    }
    if (m_btSink)
        m_btSink->clearData();
    if (m_btSource)
        m_btSource->clearData();
    showFields();
    // Without the channel the request would be dropped: say so at once
    // rather than after the time-out.
    if (!m_btSink || !m_btSink->isConnectedRFCOMM()) {
        m_timer->stop();
        showNote(tr("NoBluetoothConnectionPleaseCheckYourRM3", "No bluetooth connection. Please check your RM-3."));
        return;
    }
    m_btSink->sendData(QStringLiteral("BT_TX P\n"));
    m_timer->start(AnswerTimeoutMs);
    showNote(tr("AskingTheRM3", "Asking the RM-3 ..."));
}

void Configuration::showNote(const QString &text)
{
    ui->labelNote->setText(text);
    ui->labelNote->setVisible(!text.isEmpty());
}

void Configuration::readBtAnswer()
{
    const QString answer = m_btSink ? m_btSink->getData() : QString();
    if (!answer.isEmpty()) {
        const QString sensor = firstValue(answer, R"((BT_RX)\s+(SENSOR)\s+([0-9]+))");
        if (!sensor.isEmpty())
            m_micSensorType = sensorTypeText(sensor.toInt());
        const QString gain = firstValue(answer, R"((BT_RX)\s+(MIC-GAIN)\s+([0-9a-fA-FxX]+))");
        if (!gain.isEmpty())
            m_micGain = gain;
        const QString battery = firstValue(answer, R"((BT_RX)\s+(BATT_VOLTAGE)\s+([0-9]+))");
        if (!battery.isEmpty()) {
            const int percent = StatusbarData().batteryMicrophone();
            qDebug() << "value" << battery << percent;
            m_micBatteryState = battery + QStringLiteral(" mV") + QStringLiteral(" (%1 %)").arg(percent);
        }
        const QString firmware = firstValue(answer, R"((BT_RX)\s+(FW-VERSION)\s+([0-9.]+))");
        if (!firmware.isEmpty())
            m_micFirmwareVersion = QStringLiteral("V ") + firmware;
        const QString hardware = firstValue(answer, R"((BT_RX)\s+(HW-VERSION)\s+([0-9.]+))");
        if (!hardware.isEmpty())
            m_micHardwareVersion = QStringLiteral("V ") + hardware;
        const QString button = firstValue(answer, R"((BT_RX)\s+(BUTTON)\s+([a-zA-Z0-9]+))");
        if (!button.isEmpty())
            m_micButtonMode = button;
        const QString mute = firstValue(answer, R"((BT_RX)\s+(MUTE_STATE)\s+([a-zA-Z0-9]+))");
        if (!mute.isEmpty())
            m_micButtonMode += QStringLiteral(" (") + mute + QLatin1Char(')');
        showFields();
        qDebug() << "Received Config:" << answer;
    }
    // Lines of an earlier request may fill the fields later; until then an
    // empty screen says why.
    const bool nothing = m_micFirmwareVersion.isEmpty() && m_micBatteryState.isEmpty() && m_micGain.isEmpty()
                         && m_micSensorType.isEmpty() && m_micButtonMode.isEmpty() && m_micHardwareVersion.isEmpty();
    showNote(nothing ? tr("NoAnswerFromTheRM3", "No answer from the RM-3. Check that it is switched on and near.")
                     : QString());
    if (m_btSource)
        m_btSource->getData();
    m_timer->stop();
}

void Configuration::on_butReadAgain_clicked()
{
    init();
}

void Configuration::on_butMenuBack_clicked()
{
    reject();
}

void Configuration::updateTexts()
{
    ui->labelTitle->setText(tr("Configuration", "RM-3"));
    ui->labelFirmwareVersion->setText(tr("FirmwareVersion", "Firmware"));
    ui->labelBatteryState->setText(tr("BatteryState", "Battery"));
    ui->labelGain->setText(tr("Gain", "Gain"));
    ui->labelSensorType->setText(tr("SensorType", "Sensor"));
    ui->labelButtonMode->setText(tr("ButtonMode", "Key mode"));
    ui->labelHardwareVersion->setText(tr("HardwareVersion", "Hardware"));
    ui->labelBtName->setText(tr("BluetoothName", "BT name"));
    ui->labelBtId->setText(tr("BluetoothId", "BT address"));
    ui->butReadAgain->setText(tr("ReadAgain", "Read again"));
    shrinkToFit(ui->butReadAgain, kButtonPixelSize, kMinButtonPixelSize);
    ui->butMenuBack->setToolTip(tr("Back", "Back"));
}

void Configuration::showFields()
{
    showText(ui->editFirmwareVersion, m_micFirmwareVersion);
    showText(ui->editBatteryState, m_micBatteryState);
    showText(ui->editGain, m_micGain.isEmpty() ? QString()
                                               : m_micGain + QLatin1Char(' ') + gainLabel(m_micGain.toInt(nullptr, 16)));
    showText(ui->editSensorType, m_micSensorType);
    showText(ui->editButtonMode, m_micButtonMode);
    showText(ui->editHardwareVersion, m_micHardwareVersion);
    showText(ui->editBtName, m_micBtName);
    showText(ui->editBtId, m_micBtId);
}
