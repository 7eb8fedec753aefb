#ifndef TESTMENU_H
#define TESTMENU_H

#include "servicedialog.h"

namespace Ui {
class TestMenu;
}

// The service menu opened with the argument "test". Its functions are not
// in this build: it says so and closes.
class TestMenu : public ServiceDialog
{
    Q_OBJECT
public:
    explicit TestMenu(QWidget *parent = nullptr);
    ~TestMenu() override;

private slots:
    void on_butClose_clicked();

private:
    Ui::TestMenu *ui;
};

#endif // TESTMENU_H
