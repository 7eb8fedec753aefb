#include "selectfavouritebutton.h"
#include "ui_selectfavouritebutton.h"

#include "screenfont.h"
#include "systemsettings.h"

#include <QDebug>
#include <QIcon>

namespace {

// Favourite number behind butFav_1 .. butFav_6; the selector steps in this order.
const int kButtonFavourite[] = {2, 1, 3, 4, 5, 0};
constexpr int kPositions = int(sizeof kButtonFavourite / sizeof kButtonFavourite[0]);

constexpr int kTitlePixelSize = 22;
constexpr int kButtonPixelSize = 17;
constexpr int kMinButtonPixelSize = 13;
constexpr int kSwitchIconPx = 100;
constexpr int kTextMargin = 10;

// Position 0..5 of a favourite number, -1 for none.
int positionOf(int favourite)
{
    for (int i = 0; i < kPositions; ++i) {
        if (kButtonFavourite[i] == favourite)
            return i;
    }
    return -1;
}

} // namespace

SelectFavouriteButton::SelectFavouriteButton(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::SelectFavouriteButton)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    for (int i = 0; i < kPositions; ++i) {
        QPushButton *button = favButton(i);
        setScreenFont({button}, kButtonPixelSize, true);
        button->setCheckable(true);
        button->setText(fitToWidth(button, Systemsettings::getFavButTextFromNum(kButtonFavourite[i]),
                                   button->width() - kTextMargin));
        shrinkToFit(button, kButtonPixelSize, kMinButtonPixelSize);
    }
    setScreenFont({ui->butAccept, ui->butClose}, kButtonPixelSize);
    ui->butSwitchFavourite->setIconSize(QSize(kSwitchIconPx, kSwitchIconPx));

    ui->labelTitle->setText(tr("FavouriteButton", "Favourite key"));
    ui->butAccept->setText(tr("Accept", "Accept"));
    ui->butClose->setText(tr("Cancel", "Cancel"));
    init(m_numSelFav);
}

SelectFavouriteButton::~SelectFavouriteButton()
{
    delete ui;
}

QPushButton *SelectFavouriteButton::favButton(int position) const
{
    QPushButton *const buttons[] = {ui->butFav_1, ui->butFav_2, ui->butFav_3,
                                    ui->butFav_4, ui->butFav_5, ui->butFav_6};
    return buttons[position];
}

void SelectFavouriteButton::init(int favourite)
{
    select(favourite);
    const int position = positionOf(m_numSelFav);
    if (position >= 0)
        favButton(position)->setFocus();
}

int SelectFavouriteButton::getFavouriteButton(QString *text) const
{
    if (text)
        *text = Systemsettings::getFavButTextFromNum(m_numSelFav);
    return m_numSelFav;
}

void SelectFavouriteButton::select(int favourite)
{
    m_numSelFav = favourite;
    const int position = positionOf(favourite);
    for (int i = 0; i < kPositions; ++i)
        favButton(i)->setChecked(i == position);
    // An unknown number shows the knob at the level measurement, where the next step starts.
    ui->butSwitchFavourite->setIcon(
        QIcon(QStringLiteral(":/Resources/Icons/Management/Systemsettings/FavSwitch%1_ws_100px.png")
                  .arg(qMax(position, 0) + 1)));
}

void SelectFavouriteButton::on_butFav_1_clicked() { select(kButtonFavourite[0]); }
void SelectFavouriteButton::on_butFav_2_clicked() { select(kButtonFavourite[1]); }
void SelectFavouriteButton::on_butFav_3_clicked() { select(kButtonFavourite[2]); }
void SelectFavouriteButton::on_butFav_4_clicked() { select(kButtonFavourite[3]); }
void SelectFavouriteButton::on_butFav_5_clicked() { select(kButtonFavourite[4]); }
void SelectFavouriteButton::on_butFav_6_clicked() { select(kButtonFavourite[5]); }

void SelectFavouriteButton::on_butSwitchFavourite_clicked()
{
    const int position = positionOf(m_numSelFav);
    // Anything unknown starts again at the first button.
    select(position < 0 ? kButtonFavourite[0] : kButtonFavourite[(position + 1) % kPositions]);
}

void SelectFavouriteButton::on_butAccept_clicked()
{
    qDebug() << "SelectFavouriteButton: accepted" << m_numSelFav;
    accept();
}

void SelectFavouriteButton::on_butClose_clicked()
{
    reject();
}
