#include "gps.h"
#include "gpio.h"

#include <QDebug>

namespace {
constexpr unsigned GpsPowerLine = 16;
}

Gps::Gps(QObject *parent) : QObject(parent) {}

void Gps::initGps()
{
    qDebug() << "Gps: init";
}

void Gps::switchOnGpsModul()
{
    Gpio::setValue(GpsPowerLine, 1);
    m_switchedOn = true;
}

void Gps::switchOffGpsModul()
{
    Gpio::setValue(GpsPowerLine, 0);
    m_switchedOn = false;
}
