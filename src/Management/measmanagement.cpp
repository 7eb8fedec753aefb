#include "measmanagement.h"
#include "ui_measmanagement.h"

#include "buttonstyle.h"
#include "measmanagementedit.h"
#include "measurements.h"
#include "messagedialog.h"
#include "settingsbutton.h"

#include <QDebug>
#include <QIcon>

namespace {

struct TypeScreen
{
    const char *type;
    const char *icon;
    int dialog;
};

const TypeScreen typeScreens[] = {
    {"LE", "Levelmeasurement", 1}, {"PP", "Pinpointing", 3},          {"H2", "H2_Sensor", 6},
    {"PL", "Pipelocating", 8},     {"LT", "Longtermmeasurement", 9},
};

const TypeScreen *typeScreen(const QString &type)
{
    for (const TypeScreen &entry : typeScreens) {
        if (type == QLatin1String(entry.type))
            return &entry;
    }
    return nullptr;
}

QIcon listIcon(const char *name)
{
    const QString base = QStringLiteral(":/Resources/Icons/Management/Measurements/") + QLatin1String(name);
    QIcon icon;
    icon.addFile(base + QStringLiteral("_ws_40px.png"), QSize(), QIcon::Normal);
    icon.addFile(base + QStringLiteral("_sw_40px.png"), QSize(), QIcon::Selected);
    return icon;
}

constexpr int ButtonStep = 50;
constexpr int ButtonHeight = 46;

} // namespace

MeasManagement::MeasManagement(QWidget *parent) : QWidget(parent), ui(new Ui::MeasManagement)
{
    ui->setupUi(this);
    ui->butMenuPageUp->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageUp"), 44));
    ui->butMenuPageDown->setStyleSheet(
        ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageDown"), 44));
    ui->butMenuFilter->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Filter"), 44));
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44));
    // Filtering the list is not offered yet; a button that does nothing would only confuse.
    ui->butMenuFilter->hide();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
}

MeasManagement::~MeasManagement()
{
    delete ui;
}

SettingsButton *MeasManagement::button(int i)
{
    const int page = i / ButtonsPerPage;
    if (!m_measPage[page]) {
        m_measPage[page] = new QWidget(ui->mainArea);
        ui->mainArea->addWidget(m_measPage[page]);
    }
    if (!m_butMeas[i]) {
        auto *button = new SettingsButton(m_measPage[page]);
        button->setGeometry(4, ButtonStep * (i % ButtonsPerPage) + 2, ui->mainArea->width() - 8, ButtonHeight);
        button->setIconSize(QSize(40, 40));
        connect(button, &QPushButton::clicked, this, &MeasManagement::on_butMeasurement_clicked);
        m_butMeas[i] = button;
    }
    return m_butMeas[i];
}

void MeasManagement::init(int page, bool editDeleteMode)
{
    ui->butMenuPageUp->setToolTip(tr("PreviousPage", "Previous page"));
    ui->butMenuEdit->setToolTip(tr("EditMeasurement", "Edit measurement"));
    ui->butMenuFilter->setToolTip(tr("FilterMeasurements", "Filter measurements"));
    ui->butMenuPageDown->setToolTip(tr("NextPage", "Next page"));
    ui->butMenuBack->setToolTip(tr("Mainmenu", "Main menu"));
    qDebug() << "MeasManagement Init";

    Measurements *store = MeasurementData();
    m_measurements = store->getMeasurementList();
    m_numMeasurements = qBound(0, int(m_measurements.size()), int(MaxButtons));
    m_selectedMeasurementDir.clear();
    m_editDeleteMode = editDeleteMode;

    for (int i = 0; i < m_numMeasurements; ++i) {
        SettingsButton *b = button(i);
        updateButtonData(b, m_measurements.at(i), m_editDeleteMode);
        b->setAdditionalInfo(m_measurements.at(i));
        b->show();
    }
    for (int i = m_numMeasurements; i < MaxButtons; ++i) {
        if (m_butMeas[i])
            m_butMeas[i]->hide();
    }
    m_numPages = (m_numMeasurements + ButtonsPerPage - 1) / ButtonsPerPage;
    ui->labelEmpty->setText(tr("NoMeasurementsStored", "No measurements stored"));
    ui->labelEmpty->setVisible(m_numMeasurements == 0);
    ui->mainArea->setVisible(m_numMeasurements > 0);
    ui->butMenuEdit->setEnabled(m_numMeasurements > 0);
    // Framed while edit mode is on: a tap then edits instead of opening.
    const QString editStyle = ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Edit"), 44);
    ui->butMenuEdit->setStyleSheet(m_editDeleteMode ? editStyle + QStringLiteral("QPushButton { border: 3px solid rgb(105,146,239); border-radius: 4px; }")
                                                    : editStyle);
    showPage(page);
}

void MeasManagement::showPage(int page)
{
    m_currentPageNum = m_numPages > 0 ? qBound(0, page, m_numPages - 1) : 0;
    if (m_numPages > 0)
        ui->mainArea->setCurrentWidget(m_measPage[m_currentPageNum]);
    const bool paging = m_numPages > 1;
    ui->butMenuPageUp->setEnabled(paging);
    ui->butMenuPageDown->setEnabled(paging);
    ui->labelPage->setText(m_numPages > 0 ? QStringLiteral("%1/%2").arg(m_currentPageNum + 1).arg(m_numPages)
                                          : QString());
    // The hardware keys start on the page's first measurement.
    if (m_numPages > 0 && isVisible())
        m_butMeas[m_currentPageNum * ButtonsPerPage]->setFocus();
}

void MeasManagement::updateButtonData(SettingsButton *button, const QString &dirName, bool editMode)
{
    QString type;
    QDate date;
    QTime time;
    QString name;
    MeasManagementEdit::convertDirnameToString(dirName, &type, &date, &time, &name);
    const TypeScreen *entry = typeScreen(type);
    button->setIcon(editMode ? listIcon("Edit") : entry ? listIcon(entry->icon) : QIcon());
    button->setText(date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
                    + time.toString(QStringLiteral("hh:mm:ss")));
    button->setText2(name);
}

void MeasManagement::on_butMeasurement_clicked()
{
    auto *button = qobject_cast<SettingsButton *>(sender());
    if (!button)
        return;
    m_selectedMeasurementDir = button->additionalInfo();
    if (m_editDeleteMode) {
        editMeasurement(m_selectedMeasurementDir);
        return;
    }
    if (const TypeScreen *entry = typeScreen(m_selectedMeasurementDir.left(2)))
        emit gotoWidget(entry->dialog, -1, 1);
}

void MeasManagement::editMeasurement(const QString &dirName)
{
    MeasManagementEdit edit(this);
    edit.init(dirName);
    const int result = edit.exec();
    Measurements *store = MeasurementData();
    bool ok = true;
    if (result == MeasManagementEdit::Accept)
        ok = store->renameMeasurement(dirName, edit.getNewDirName());
    else if (result == MeasManagementEdit::Delete)
        ok = store->deleteMeasurement(dirName);
    else
        qDebug() << "MeasManagementEdit: Cancel";
    if (!ok)
        showChangeFailed(result == MeasManagementEdit::Delete);
    init(m_currentPageNum, m_editDeleteMode);
}

void MeasManagement::showChangeFailed(bool deleting)
{
    MessageDialog::inform(this, 2, tr("Error", "Error"),
                          deleting ? tr("MeasurementNotDeleted", "The measurement could not be deleted.")
                                   : tr("MeasurementNotRenamed", "The measurement could not be renamed. Another "
                                                                 "measurement may have this name."));
}

void MeasManagement::on_butMenuPageUp_clicked()
{
    if (m_numPages > 0)
        showPage(m_currentPageNum > 0 ? m_currentPageNum - 1 : m_numPages - 1);
}

void MeasManagement::on_butMenuPageDown_clicked()
{
    if (m_numPages > 0)
        showPage(m_currentPageNum + 1 < m_numPages ? m_currentPageNum + 1 : 0);
}

void MeasManagement::on_butMenuEdit_clicked()
{
    init(m_currentPageNum, !m_editDeleteMode);
}

void MeasManagement::on_butMenuFilter_clicked() {}

void MeasManagement::on_butMenuBack_clicked()
{
    m_editDeleteMode = false;
    emit exit();
}
