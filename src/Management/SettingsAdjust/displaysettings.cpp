#include "displaysettings.h"
#include "ui_displaysettings.h"

#include "platform.h"
#include "screenfont.h"

#include <QDebug>

namespace {

constexpr int kTitlePixelSize = 24;
constexpr int kButtonPixelSize = 18;
constexpr int kLow = 5;
constexpr int kMedium = 6;
constexpr int kHigh = 7;

} // namespace

Displaysettings::Displaysettings(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::Displaysettings),
      fileBrightness(Platform::path(QStringLiteral("/sys/class/backlight/backlight/brightness")))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->butBrightnessHigh, ui->butBrightnessMedium, ui->butBrightnessLow, ui->butAccept,
                   ui->butClose},
                  kButtonPixelSize);
    ui->labelTitle->setText(tr("Brightness", "Brightness"));
    ui->butBrightnessHigh->setText(brightness2text(kHigh));
    ui->butBrightnessMedium->setText(brightness2text(kMedium));
    ui->butBrightnessLow->setText(brightness2text(kLow));
    for (QPushButton *b : {ui->butBrightnessHigh, ui->butBrightnessMedium, ui->butBrightnessLow})
        b->setCheckable(true);
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    showBrightness();
}

Displaysettings::~Displaysettings()
{
    delete ui;
}

QString Displaysettings::brightness2text(int brightness)
{
    switch (brightness) {
    case kLow:
        return tr("low", "low");
    case kMedium:
        return tr("medium", "medium");
    case kHigh:
        return tr("high", "high");
    default:
        return QString::number(brightness);
    }
}

void Displaysettings::init()
{
    if (fileBrightness.open(QIODevice::ReadOnly)) {
        const QByteArray raw = fileBrightness.read(10);
        fileBrightness.close();
        bool ok = false;
        const int value = raw.trimmed().toInt(&ok);
        qDebug() << "Current Brightness Value from file:" << raw << value;
        if (ok)
            m_brightness = value;
    } else {
        qWarning().noquote() << "Displaysettings: cannot read" << fileBrightness.fileName() << fileBrightness.errorString();
    }
    qDebug() << "Current Brightness:" << m_brightness;
    showBrightness();
}

int Displaysettings::getBrightness(QString *text)
{
    if (text)
        *text = brightness2text(m_brightness);
    return m_brightness;
}

void Displaysettings::setBrightness(int brightness)
{
    qDebug() << "Displaysettings: brightness" << brightness;
    m_brightness = brightness;
    showBrightness();
    // A preview only: the stored level comes back at the next start and
    // after power saving, so a failed write changes nothing for good.
    if (!fileBrightness.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "Displaysettings: cannot open" << fileBrightness.fileName() << fileBrightness.errorString();
        return;
    }
    const QByteArray text = QByteArray::number(brightness);
    if (fileBrightness.write(text) != text.size())
        qWarning().noquote() << "Displaysettings: cannot write" << fileBrightness.fileName() << fileBrightness.errorString();
    fileBrightness.close();
}

void Displaysettings::showBrightness()
{
    const int shown = (m_brightness == kLow || m_brightness == kHigh) ? m_brightness : kMedium;
    const char *image = shown == kHigh ? "top" : shown == kLow ? "bottom" : "middle";
    ui->butBrightnessSelect->setStyleSheet(
        QStringLiteral("QPushButton { padding: 0px; image: url(:/Resources/Icons/Management/Systemsettings/"
                       "Radioswitch_%1_3x40px.png); }")
            .arg(QLatin1String(image)));
    ui->butBrightnessHigh->setChecked(shown == kHigh);
    ui->butBrightnessMedium->setChecked(shown == kMedium);
    ui->butBrightnessLow->setChecked(shown == kLow);
}

void Displaysettings::on_butBrightnessHigh_clicked() { setBrightness(kHigh); }
void Displaysettings::on_butBrightnessMedium_clicked() { setBrightness(kMedium); }
void Displaysettings::on_butBrightnessLow_clicked() { setBrightness(kLow); }

void Displaysettings::on_butBrightnessSelect_clicked()
{
    // Down from the top, and round again: 6 -> 5 -> 7 -> 6.
    setBrightness(m_brightness == kMedium ? kLow : m_brightness == kLow ? kHigh : kMedium);
}

void Displaysettings::on_butAccept_clicked()
{
    accept();
}

void Displaysettings::on_butClose_clicked()
{
    // The previewed level stays until the stored one is applied again.
    reject();
}
