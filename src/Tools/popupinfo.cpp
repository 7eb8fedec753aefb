#include "popupinfo.h"
#include "ui_popupinfo.h"

#include <QTimer>

namespace {

const int kShowMs = 1000;

QString pictureSheet(int picture)
{
    const char *name = picture == 2 ? "ScreenshotCamera" : picture == 3 ? "Bug" : "Favourite";
    return QStringLiteral("QLabel{background-image: url(:/Resources/Icons/Management/Systemsettings/%1_ws_40px.png)};")
        .arg(QLatin1String(name));
}

} // namespace

PopupInfo::PopupInfo(QWidget *parent) : QDialog(parent), ui(new Ui::PopupInfo), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    connect(m_timer, &QTimer::timeout, this, &PopupInfo::closeDlg);
}

PopupInfo::~PopupInfo()
{
    delete ui;
}

void PopupInfo::setPicture(int picture)
{
    ui->label->setStyleSheet(pictureSheet(picture));
    m_timer->start(kShowMs);
}

void PopupInfo::closeDlg()
{
    m_timer->stop();
    accept();
}
