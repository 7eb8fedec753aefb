#include "systeminformation.h"
#include "ui_systeminformation.h"

#include "bluetooth.h"
#include "buttonstyle.h"
#include "driverhelper.h"
#include "globals.h"
#include "mainmenu.h"
#include "platform.h"
#include "screenfont.h"
#include "systemsettings.h"
#include "virtualkeyboard.h"

#include <QDebug>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

namespace {

// Lower case; the keyboard's entry is lower-cased before the comparison.
const char *const kDebugAccessCode = "dbg";
// Presses before the code is asked while the debug features are off.
constexpr int kPressesToAsk = 3;

const char *const kIio = "/sys/bus/iio/devices/iio:device0/";
const char *const kFuelGauge = "/sys/class/power_supply/bq27426-0/";
// Both coding inputs of a version 1 board read inside this range.
constexpr int kHwV1Min = 1001;
constexpr int kHwV1Max = 1399;
// df waits for the start and then for the end.
constexpr int kDfTimeoutMs = 30000 + 10000;
constexpr int kBtPollMs = 1000;

constexpr int kTitlePixelSize = 18;
constexpr int kMinPixelSize = 13;
constexpr int kLabelPixelSize = 17;
constexpr int kValuePixelSize = 17;
constexpr int kButtonPixelSize = 17;
constexpr int kTextMargin = 10;

QString unknown()
{
    return Systeminformation::tr("unknown", "unknown");
}

// A device file's text without its line end; empty when missing.
QString readText(const QString &devicePath)
{
    QFile file(Platform::path(devicePath));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString orUnknown(const QString &text)
{
    return text.isEmpty() ? unknown() : text;
}

void showText(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    // A long value keeps its beginning in sight.
    edit->setCursorPosition(0);
}

} // namespace

Systeminformation::Systeminformation(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Systeminformation), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    for (QLabel *label : ui->formArea->findChildren<QLabel *>())
        setScreenFont({label}, kLabelPixelSize);
    for (QLineEdit *edit : ui->formArea->findChildren<QLineEdit *>())
        setScreenFont({edit}, kValuePixelSize, true);
    setScreenFont({ui->butDebugFeatures}, kButtonPixelSize, true);
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));

    ui->labelTitle->setText(
        fitToWidth(ui->labelTitle, tr("SystemInformation", "System information"), ui->labelTitle->width()));
    shrinkToFit(ui->labelTitle, kTitlePixelSize, kMinPixelSize);
    ui->labelFirmwareVersion->setText(tr("Firmwareversion", "Firmware"));
    ui->labelSerialNumber->setText(tr("Serialnumber", "Serial number"));
    ui->labelProductionDate->setText(tr("Productiondate", "Production date"));
    ui->labelBtIdTx->setText(tr("BluetoothIdTx", "Bluetooth ID Tx"));
    ui->labelBtIdRx->setText(tr("BluetoothIdRx", "Bluetooth ID Rx"));
    ui->labelHardwareVersion->setText(tr("Hardwareversion", "Hardware"));
    ui->labelOperatingSystem->setText(tr("OperatingSystem", "Operating system"));
    ui->labelBattery->setText(tr("Battery", "Battery"));

    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    connect(m_timer, &QTimer::timeout, this, &Systeminformation::updateInfo);
    init();
    ui->butMenuBack->setFocus();
}

Systeminformation::~Systeminformation()
{
    delete ui;
}

void Systeminformation::showDebugState()
{
    ui->butDebugFeatures->setText(g_debugFeatures == 1 ? fitToWidth(ui->butDebugFeatures, tr("DebugEnabled", "Debug Enabled"),
                                                                    ui->butDebugFeatures->width() - kTextMargin)
                                                       : QString());
}

void Systeminformation::init()
{
    m_pressedCnt = 0;
    showDebugState();

    m_btIdSource.clear();
    m_btIdSink.clear();
    showText(ui->editBtIdTx, QString());
    showText(ui->editBtIdRx, QString());
    for (Bluetooth *bt : {m_btSource, m_btSink}) {
        if (bt)
            bt->sendData(QStringLiteral("SET BT BDADDR"));
    }
    m_timer->start(kBtPollMs);

    readBootMedium();
    const QString version = QStringLiteral("V %1").arg(QStringLiteral(KX500_VERSION));
    showText(ui->editFirmwareVersion,
             m_bootMedium.isEmpty() ? version : version + QStringLiteral(" (%1)").arg(m_bootMedium));
    showText(ui->editSerialNumber, orUnknown(readText(QStringLiteral("/home/root/serialNumber"))));
    showText(ui->editProductionDate, orUnknown(readText(QStringLiteral("/home/root/productionDate"))));

    const QRegularExpressionMatch bsp = QRegularExpression(QStringLiteral("(BSP) (V)(\\d+.\\d+.\\d+|)"))
                                            .match(readText(QStringLiteral("/home/root/bspinfo")));
    showText(ui->editOperatingSystem, bsp.hasMatch() && !bsp.captured(3).isEmpty()
                                          ? QStringLiteral("V ") + bsp.captured(3)
                                          : unknown());

    showText(ui->editHardwareVersion, QStringLiteral("V 0"));
    showText(ui->editHardwareVersion, readHardwareVersion());

    bool voltageOk = false;
    bool capacityOk = false;
    const double microvolts = readText(QLatin1String(kFuelGauge) + QStringLiteral("voltage_now")).toDouble(&voltageOk);
    const int percent = readText(QLatin1String(kFuelGauge) + QStringLiteral("capacity")).toInt(&capacityOk);
    showText(ui->editBattery, voltageOk && capacityOk
                                  ? QStringLiteral("%1 V (%2 %)").arg(microvolts / 1e6, 0, 'f', 2).arg(percent)
                                  : unknown());
    updateInfo();
}

void Systeminformation::updateInfo()
{
    const QString source = m_btSource ? m_btSource->getBtIdModul() : QString();
    const QString sink = m_btSink ? m_btSink->getBtIdModul() : QString();
    if (source != m_btIdSource) {
        m_btIdSource = source;
        qDebug() << "BT-ID Source" << source;
        showText(ui->editBtIdTx, source);
    }
    if (sink != m_btIdSink) {
        m_btIdSink = sink;
        qDebug() << "BT-ID Sink" << sink;
        showText(ui->editBtIdRx, sink);
    }
    if (!m_btIdSource.isEmpty() && !m_btIdSink.isEmpty())
        m_timer->stop();
}

void Systeminformation::readBootMedium()
{
    m_bootMedium.clear();
    QByteArray output;
    if (Platform::execute(QStringLiteral("df -Th"), &output, kDfTimeoutMs) == Platform::CommandNotRun) {
        qWarning() << "Prozess konnte nicht gestartet werden.";
        return;
    }
    if (output.contains("/dev/root")) {
        qDebug() << "Filesystem: SD-Karte";
        m_bootMedium = QStringLiteral("S");
    } else if (output.contains("ubi0:root")) {
        qDebug() << "Filesystem: Flash";
        m_bootMedium = QStringLiteral("F");
    } else {
        qDebug() << "Filesystem: Unknown";
    }
}

QString Systeminformation::readHardwareVersion()
{
    // The single-value files answer only while the buffered capture is off.
    if (!DriverHelper::writeFile(QLatin1String(kIio) + QStringLiteral("buffer/enable"), QByteArrayLiteral("0")))
        qWarning() << "Error: Could not open buffer/enable";
    int ain4 = -1;
    int ain5 = -1;
    if (DriverHelper::readFile(QLatin1String(kIio) + QStringLiteral("in_voltage4_raw"), ain4))
        qDebug() << "AD-Value AIN4" << ain4;
    else
        qWarning() << "Cannot read analog input AIN4";
    if (DriverHelper::readFile(QLatin1String(kIio) + QStringLiteral("in_voltage5_raw"), ain5))
        qDebug() << "AD-Value AIN5" << ain5;
    else
        qWarning() << "Cannot read analog input AIN5";

    auto inV1 = [](int value) { return value >= kHwV1Min && value <= kHwV1Max; };
    if (inV1(ain4) && inV1(ain5))
        return QStringLiteral("V 1");
    qWarning() << "Unknown HardwareVersion";
    return unknown();
}

void Systeminformation::on_butDebugFeatures_clicked()
{
    ++m_pressedCnt;
    if (g_debugFeatures != 1 && m_pressedCnt < kPressesToAsk)
        return;
    m_pressedCnt = 0;

    VirtualKeyboard keyboard(this);
    keyboard.setText(QString());
    keyboard.useEnterAsAccept(true);
    if (keyboard.exec() != QDialog::Accepted) {
        // Left without an entry: nothing was decided.
        qDebug() << "Debug features: code entry cancelled";
        return;
    }
    g_debugFeatures = keyboard.getText().toLower() == QLatin1String(kDebugAccessCode) ? 1 : 0;
    qDebug() << "Debug features" << g_debugFeatures;
    showDebugState();
    if (Systemsettings *settings = MainMenu::settings())
        settings->storeSystemsettings();
}

void Systeminformation::on_butMenuBack_clicked()
{
    reject();
}
