#ifndef RESETSETTINGS_H
#define RESETSETTINGS_H

#include "servicedialog.h"

namespace Ui {
class ResetSettings;
}

// Asks before the settings go back to the delivery state. Accepted only
// after a second "Yes"; the caller then carries out the reset.
class ResetSettings : public ServiceDialog
{
    Q_OBJECT
public:
    explicit ResetSettings(QWidget *parent = nullptr);
    ~ResetSettings() override;

private slots:
    void on_butReset_clicked();
    void on_butMenuBack_clicked();

private:
    Ui::ResetSettings *ui;
};

#endif // RESETSETTINGS_H
