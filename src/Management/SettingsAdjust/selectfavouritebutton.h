#ifndef SELECTFAVOURITEBUTTON_H
#define SELECTFAVOURITEBUTTON_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class SelectFavouriteButton;
}
class QPushButton;

// Chooses what the favourite key starts. Six buttons name the functions;
// the selector beside them steps through the same six in button order, so
// the key alone is enough to choose.
class SelectFavouriteButton : public ServiceDialog
{
    Q_OBJECT
public:
    explicit SelectFavouriteButton(QWidget *parent = nullptr);
    ~SelectFavouriteButton() override;

    void init(int favourite);
    // The chosen favourite number; its display name goes to *text when given.
    int getFavouriteButton(QString *text) const;

private slots:
    void on_butFav_1_clicked();
    void on_butFav_2_clicked();
    void on_butFav_3_clicked();
    void on_butFav_4_clicked();
    void on_butFav_5_clicked();
    void on_butFav_6_clicked();
    void on_butSwitchFavourite_clicked();
    void on_butAccept_clicked();
    void on_butClose_clicked();

private:
    void select(int favourite);
    QPushButton *favButton(int position) const;

    Ui::SelectFavouriteButton *ui;
    int m_numSelFav = 2;
};

#endif // SELECTFAVOURITEBUTTON_H
