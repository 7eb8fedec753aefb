#include "measmanagementedit.h"
#include "ui_measmanagementedit.h"

#include "buttonstyle.h"
#include "measurements.h"
#include "messagedialog.h"
#include "virtualkeyboard.h"

#include <QDebug>

namespace {
const char *const DateFormat = "yyyyMMdd";
const char *const TimeFormat = "hhmmss";
} // namespace

MeasManagementEdit::MeasManagementEdit(QWidget *parent) : ServiceDialog(parent), ui(new Ui::MeasManagementEdit)
{
    ui->setupUi(this);
    ui->butEdit->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Edit"), 44));
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    ui->labelTitle->setText(tr("EditMeasurement", "Edit measurement"));
    ui->labelTypeCaption->setText(tr("Type", "Type"));
    ui->labelDateCaption->setText(tr("DateTime", "Date"));
    ui->labelNameCaption->setText(tr("Name", "Name"));
    ui->butEdit->setToolTip(tr("ChangeName", "Change name"));
    ui->butAccept->setText(tr("Accept", "Save"));
    ui->butDelete->setText(tr("Delete", "Delete"));
    ui->butCancel->setText(tr("Cancel", "Cancel"));
}

MeasManagementEdit::~MeasManagementEdit()
{
    delete ui;
}

bool MeasManagementEdit::convertDirnameToString(const QString &dirName, QString *type, QDate *date, QTime *time,
                                                QString *name)
{
    *type = dirName.left(2);
    *date = QDate::fromString(dirName.mid(3, 8), QLatin1String(DateFormat));
    *time = QTime::fromString(dirName.mid(12, 6), QLatin1String(TimeFormat));
    *name = dirName.mid(19);
    return dirName.size() >= 19 && dirName.at(2) == QLatin1Char('_') && dirName.at(11) == QLatin1Char('_')
           && dirName.at(18) == QLatin1Char('_') && date->isValid() && time->isValid();
}

void MeasManagementEdit::convertStringToDirname(QString *result, const QString &type, const QDate &date,
                                                const QTime &time, const QString &name)
{
    *result = type + QLatin1Char('_') + date.toString(QLatin1String(DateFormat)) + QLatin1Char('_')
              + time.toString(QLatin1String(TimeFormat)) + QLatin1Char('_') + name;
}

QString MeasManagementEdit::typeText(const QString &type)
{
    if (type == QLatin1String("PP"))
        return tr("Histogram", "Pinpointing");
    if (type == QLatin1String("LE"))
        return tr("Levelmeasurement", "Level measurement");
    if (type == QLatin1String("PL"))
        return tr("Pipelocating", "Pipe locating");
    if (type == QLatin1String("H2"))
        return tr("H2-Measurement", "H2 measurement");
    if (type == QLatin1String("LT"))
        return tr("Longtermmeasurement", "Long-term measurement");
    return type;
}

void MeasManagementEdit::init(const QString &dirName)
{
    m_newDirName.clear();
    convertDirnameToString(dirName, &m_measType, &m_date, &m_time, &m_measurementName);
    m_newMeasurementName = m_measurementName;
    ui->editName->setText(m_measurementName);
    ui->labelDate->setText(m_date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
                           + m_time.toString(QStringLiteral("hh:mm:ss")));
    ui->labelType->setText(typeText(m_measType));
}

void MeasManagementEdit::on_butEdit_clicked()
{
    VirtualKeyboard keyboard(this);
    keyboard.setText(m_newMeasurementName);
    keyboard.useEnterAsAccept(true);
    // The name ends a directory name on the FAT partition; an empty one
    // would leave the measurement without a name, so it keeps the old one.
    const QString text = keyboard.exec() == QDialog::Accepted ? Measurements::safeName(keyboard.getText()) : QString();
    if (!text.isEmpty()) {
        m_newMeasurementName = text;
        qDebug() << "Text: " << m_newMeasurementName;
    } else {
        qDebug() << "Text: verworfen";
    }
    ui->editName->setText(m_newMeasurementName);
}

void MeasManagementEdit::on_butAccept_clicked()
{
    convertStringToDirname(&m_newDirName, m_measType, m_date, m_time, m_newMeasurementName);
    done(Accept);
}

void MeasManagementEdit::on_butDelete_clicked()
{
    // Deleting cannot be undone: one tap in the rain must not do it.
    MessageDialog question(this);
    question.setIcon(3);
    question.setHeadline(tr("Delete", "Delete"));
    question.setInfotext(tr("DeleteMeasurementQuestion", "Delete this measurement with its recordings?")
                         + QStringLiteral("\n") + m_measurementName);
    question.setDialogType(2);
    question.setFocusedButton(MessageDialog::No);
    question.exec();
    if (question.getPressedButton() != MessageDialog::Yes)
        return;
    m_newDirName.clear();
    done(Delete);
}

void MeasManagementEdit::on_butCancel_clicked()
{
    m_newDirName.clear();
    done(Cancel);
}
