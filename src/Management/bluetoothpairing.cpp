#include "bluetoothpairing.h"
#include "ui_bluetoothpairing.h"

#include "bluetooth.h"
#include "globals.h"
#include "mainmenu.h"
#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QIcon>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int TickMs = 500;
constexpr int MaxResults = 10;
constexpr int MaxOutputLines = 400;
constexpr int MaxOutputLineLength = 300;
constexpr int LabelPixelSize = 20;
constexpr int ButtonPixelSize = 18;
constexpr int OutputPixelSize = 14;
constexpr quint32 HeadphoneClassMask = 0x2404;
constexpr quint32 MicrophoneClassMask = 0x2804;

const char *const PicturePath = ":/Resources/Icons/Management/Bluetooth/";

// Dark background: the colours tell the sink, the source and our commands apart.
const char *const SinkColour = "#ffffff";
const char *const SourceColour = "#80c0ff";
const char *const CommandColour = "#ff6060";
const char *const PairColour = "#60ff60";

QIcon deviceIcon(int device)
{
    const QString name = device == 1 ? QStringLiteral("Microphone") : QStringLiteral("Headphone");
    QIcon icon;
    icon.addFile(QStringLiteral(":/Resources/Icons/Allgemein/%1_ws_44px.png").arg(name), QSize(), QIcon::Normal);
    icon.addFile(QStringLiteral(":/Resources/Icons/Allgemein/%1_sw_44px.png").arg(name), QSize(), QIcon::Selected);
    return icon;
}

bool passesMask(const QString &deviceClass, int device)
{
    const quint32 mask = device == 0 ? HeadphoneClassMask : device == 1 ? MicrophoneClassMask : 0;
    bool ok = false;
    const quint32 value = deviceClass.left(4).toUInt(&ok, 16);
    return (ok || mask == 0) && (value & mask) == mask;
}

} // namespace

BluetoothPairing::BluetoothPairing(QWidget *parent)
    : ServiceDialog(parent, false),
      ui(new Ui::BluetoothPairing),
      m_timer(new QTimer(this)),
      m_timerPairing(new QTimer(this))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    if (MainMenu *main = MainMenu::getInstanceMainMenu()) {
        m_btSource = main->getBtSourceInstance();
        m_btSink = main->getBtSinkInstance();
    }
    for (Bluetooth *module : {m_btSource, m_btSink}) {
        if (module)
            connect(module, &Bluetooth::btPairingOk, this, &BluetoothPairing::pairingOkReceived);
    }
    setScreenFont({ui->label}, LabelPixelSize);
    setScreenFont({ui->butSearch, ui->butInfo, ui->butCancel}, ButtonPixelSize);
    setScreenFont({ui->textBluetoothRcv}, OutputPixelSize);
    ui->textBluetoothRcv->setMaximumBlockCount(MaxOutputLines);
    ui->butSearch->setText(tr("Search", "Search"));
    ui->butInfo->setText(tr("Info", "Info"));
    ui->butCancel->setText(tr("Cancel", "Cancel"));

    const QString prompt = tr("EnablePairingModeAndPressSearchButton", "Enable pairing mode\nand press Search-Button ...");
    ui->mainArea->setCurrentWidget(ui->mainPage);
    ui->label->setText(prompt);
    for (SettingsButton *button : {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3}) {
        button->hide();
        button->setIconSize(QSize(36, 36));
    }
    ui->labelPairingInfo->hide();
    ui->prgbSearching->reset();
    ui->prgbSearching->hide();
    clearModuleData();

    connect(m_timer, &QTimer::timeout, this, &BluetoothPairing::updateProgbar);
    connect(m_timerPairing, &QTimer::timeout, this, &BluetoothPairing::waitForPairing);

    QString current = prompt + QLatin1Char('\n');
    if (Systemsettings *settings = MainMenu::settings()) {
        current += QStringLiteral("\nCurrent microphone:\n%1 %2\n")
                       .arg(settings->getBtNameMicrophone(), settings->getBtIdMicrophone());
        current += QStringLiteral("\nCurrent headphone:\n%1 %2\n")
                       .arg(settings->getBtNameHeadphone(), settings->getBtIdHeadphone());
    }
    appendOutput(current, SinkColour);
    ui->butSearch->setFocus();
}

BluetoothPairing::~BluetoothPairing()
{
    delete ui;
}

void BluetoothPairing::setPairingDevice(int device)
{
    m_pairingDevice = device == 1 ? 1 : 0;
    ui->labelPairingInfo->setStyleSheet(QStringLiteral("image: url(%1%2);")
                                            .arg(QLatin1String(PicturePath),
                                                 m_pairingDevice == 1 ? QStringLiteral("PairingInfo_RM-3.png")
                                                                      : QStringLiteral("PairingInfo_HP.png")));
    ui->labelPairingInfo->setVisible(g_debugFeatures == 0);
    // Its automatic call would take the device away from the inquiry.
    if (Bluetooth *module = pairingModule())
        module->disconnectBtDevice();
}

QString BluetoothPairing::getBluetoothId() const
{
    return m_bluetoothIdButton[m_selBtDevice];
}

QString BluetoothPairing::getBluetoothName() const
{
    return m_bluetoothNameButton[m_selBtDevice];
}

void BluetoothPairing::clearModuleData()
{
    for (Bluetooth *module : {m_btSource, m_btSink}) {
        if (module)
            module->clearData();
    }
}

void BluetoothPairing::appendOutput(const QString &text, const char *colour)
{
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        line.truncate(MaxOutputLineLength);
        ui->textBluetoothRcv->appendHtml(QStringLiteral("<span style=\"color:%1\">%2</span>")
                                             .arg(QLatin1String(colour), line.toHtmlEscaped()));
    }
}

void BluetoothPairing::on_butSearch_clicked()
{
    m_timerPairing->stop();
    ui->labelPairingInfo->hide();
    clearModuleData();
    ui->textBluetoothRcv->clear();
    for (int i = 0; i < MaxOffered; ++i) {
        m_bluetoothIdButton[i].clear();
        m_bluetoothNameButton[i].clear();
    }
    ui->label->setText(tr("Searching", "Searching") + QStringLiteral(" ..."));
    ui->prgbSearching->show();
    for (SettingsButton *button : {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3})
        button->hide();

    const QString command = QStringLiteral("INQUIRY 4 NAME");
    appendOutput(command, CommandColour);
    if (Bluetooth *module = pairingModule())
        module->sendData(command);
    m_milliseconds = 0;
    ui->prgbSearching->setMaximum(SearchMs);
    ui->prgbSearching->setValue(0);
    m_timer->start(TickMs);
}

void BluetoothPairing::updateProgbar()
{
    m_milliseconds += TickMs;
    ui->prgbSearching->setValue(qMin(m_milliseconds, SearchMs));
    updateBtInfo();
    if (m_milliseconds >= SearchMs) {
        m_timer->stop();
        analyseReceivedData();
    }
}

void BluetoothPairing::updateBtInfo()
{
    if (m_btSink) {
        const QString text = m_btSink->getData().trimmed();
        if (!text.isEmpty())
            appendOutput(text, SinkColour);
    }
    if (m_btSource) {
        const QString text = m_btSource->getData().trimmed();
        if (!text.isEmpty())
            appendOutput(text, SourceColour);
    }
}

QVector<BluetoothPairing::Device> BluetoothPairing::parseInquiry(const QString &moduleOutput, int device)
{
    static const QRegularExpression nameLine(
        QStringLiteral("([a-z]+)\\s+([a-z0-9:]+)\\s+\"([a-z0-9-+:_()/*%!$#=.,\\s]+)\""),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression address(QStringLiteral("^([0-9a-f]{2}:){5}[0-9a-f]{2}$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QVector<Device> found;
    QStringList names, nameIds;
    for (const QString &line : moduleOutput.split(QLatin1Char('\n'))) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        const int at = fields.indexOf(QStringLiteral("INQUIRY_PARTIAL"));
        if (at >= 0 && found.size() < MaxResults && fields.size() > at + 2) {
            const QString id = fields[at + 1].toLower();
            const bool known = std::any_of(found.cbegin(), found.cend(), [&](const Device &d) { return d.address == id; });
            if (address.match(id).hasMatch() && !known)
                found.append({id, QString(), fields[at + 2]});
        } else if (line.contains(QLatin1String("NAME ")) && names.size() < MaxResults) {
            const QRegularExpressionMatch m = nameLine.match(line);
            if (m.hasMatch()) {
                nameIds << m.captured(2).trimmed().toLower();
                names << m.captured(3).trimmed();
            }
        }
    }
    qDebug() << "InquiryList:"
             << [&] {
                    QStringList ids;
                    for (const Device &d : found)
                        ids << d.address;
                    return ids.join(QStringLiteral(", "));
                }();
    QVector<Device> offered;
    for (Device &d : found) {
        if (!passesMask(d.deviceClass, device))
            continue;
        const int n = nameIds.indexOf(d.address);
        d.name = n >= 0 ? names[n] : tr("unknown", "unknown");
        offered.append(d);
        if (offered.size() == MaxOffered)
            break;
    }
    return offered;
}

void BluetoothPairing::analyseReceivedData()
{
    const QVector<Device> offered = parseInquiry(ui->textBluetoothRcv->toPlainText(), m_pairingDevice);
    SettingsButton *const buttons[MaxOffered] = {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3};
    const QIcon icon = deviceIcon(m_pairingDevice);
    for (int i = 0; i < offered.size(); ++i) {
        m_bluetoothIdButton[i] = offered[i].address;
        m_bluetoothNameButton[i] = offered[i].name;
        buttons[i]->setText(offered[i].name);
        buttons[i]->setText2(g_debugFeatures ? offered[i].address + QStringLiteral("   ") + offered[i].deviceClass
                                             : offered[i].address);
        buttons[i]->setIcon(icon);
        buttons[i]->show();
    }
    if (!offered.isEmpty())
        buttons[0]->setFocus();
    ui->label->setText(offered.isEmpty() ? tr("NoDevicesFoundTryAgain", "No devices found. Try again.")
                                         : tr("SelectDeviceForPairing", "Select device for pairing"));
}

void BluetoothPairing::pairBtDevice(int button)
{
    if (button < 0 || button >= MaxOffered || m_bluetoothIdButton[button].isEmpty())
        return;
    m_timer->stop();
    ui->label->setText(tr("PairingDevice", "Pairing device") + QStringLiteral(" ..."));
    m_selBtDevice = button;
    const QString command = QStringLiteral("PAIR ") + m_bluetoothIdButton[button];
    appendOutput(QString(), PairColour);
    appendOutput(command, PairColour);
    if (Bluetooth *module = pairingModule())
        module->sendData(command);
    m_milliseconds = 0;
    ui->prgbSearching->setMaximum(PairingMs);
    ui->prgbSearching->setValue(0);
    ui->prgbSearching->show();
    m_timerPairing->start(TickMs);
}

void BluetoothPairing::pairingOkReceived()
{
    // A late confirmation of an attempt already given up must not accept.
    if (!m_timerPairing->isActive())
        return;
    m_timerPairing->stop();
    updateBtInfo();
    ui->prgbSearching->setValue(ui->prgbSearching->maximum());
    accept();
}

void BluetoothPairing::waitForPairing()
{
    m_milliseconds += TickMs;
    ui->prgbSearching->setValue(qMin(m_milliseconds, PairingMs));
    updateBtInfo();
    if (m_milliseconds < PairingMs)
        return;
    m_timerPairing->stop();
    const QString confirmation = QStringLiteral("PAIR ") + m_bluetoothIdButton[m_selBtDevice] + QStringLiteral(" OK");
    if (ui->textBluetoothRcv->toPlainText().contains(confirmation, Qt::CaseInsensitive)) {
        accept();
        return;
    }
    ui->label->setText(tr("PairingNotSuccessfulPleaseTryAgain", "Pairing not successful.\nPlease try again."));
}

void BluetoothPairing::on_butInfo_clicked()
{
    m_currentPage = m_currentPage == 1 ? 2 : 1;
    ui->mainArea->setCurrentWidget(m_currentPage == 1 ? ui->mainPage : ui->infoPage);
    if (m_currentPage == 2)
        ui->textBluetoothRcv->ensureCursorVisible();
}

void BluetoothPairing::on_butCancel_clicked()
{
    reject();
}

void BluetoothPairing::reject()
{
    m_timer->stop();
    m_timerPairing->stop();
    ui->labelPairingInfo->hide();
    clearModuleData();
    ServiceDialog::reject();
}
