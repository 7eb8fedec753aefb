#ifndef VIRTUALKEYBOARD_H
#define VIRTUALKEYBOARD_H

#include "servicedialog.h"

#include <QString>
#include <QTextCursor>
#include <QVector>

class QPushButton;

namespace Ui {
class VirtualKeyboard;
}

// On-screen keyboard: the operator names a measurement with it. A caller
// pre-fills a proposal with setText(), runs exec() and, when accepted,
// takes getText().
class VirtualKeyboard : public ServiceDialog
{
    Q_OBJECT
public:
    explicit VirtualKeyboard(QWidget *parent = nullptr);
    ~VirtualKeyboard() override;

    void setText(const QString &text);
    QString getText() const;
    void enableSpecialChar(bool enable);
    void useEnterAsAccept(bool enable);
    void updateButtonText();

private slots:
    void on_but_0_clicked();
    void on_but_1_clicked();
    void on_but_2_clicked();
    void on_but_3_clicked();
    void on_but_4_clicked();
    void on_but_5_clicked();
    void on_but_6_clicked();
    void on_but_7_clicked();
    void on_but_8_clicked();
    void on_but_9_clicked();
    void on_but_A_clicked();
    void on_but_B_clicked();
    void on_but_C_clicked();
    void on_but_D_clicked();
    void on_but_E_clicked();
    void on_but_F_clicked();
    void on_but_G_clicked();
    void on_but_H_clicked();
    void on_but_I_clicked();
    void on_but_J_clicked();
    void on_but_K_clicked();
    void on_but_L_clicked();
    void on_but_M_clicked();
    void on_but_N_clicked();
    void on_but_O_clicked();
    void on_but_P_clicked();
    void on_but_Q_clicked();
    void on_but_R_clicked();
    void on_but_S_clicked();
    void on_but_T_clicked();
    void on_but_U_clicked();
    void on_but_V_clicked();
    void on_but_W_clicked();
    void on_but_X_clicked();
    void on_but_Y_clicked();
    void on_but_Z_clicked();
    void on_but_Minus_clicked();
    void on_but_Underline_clicked();
    void on_but_Space_clicked();
    void on_but_Shift_clicked();
    void on_but_Enter_clicked();
    void on_but_Del_clicked();
    void on_but_Close_clicked();
    void on_but_Accept_clicked();

private:
    void addText(const QPushButton *key);
    // Mirrors m_enteredText in the text area and puts the caret at caret.
    void showText(int caret);
    int caretPosition() const;

    Ui::VirtualKeyboard *ui;
    QString m_enteredText;
    bool m_shift = false;
    bool m_specialChar = false;
    bool m_enterAsAccept = false;
    QTextCursor m_textCursor;
    // The keys whose label depends on the layer, in the order of the label table.
    QVector<QPushButton *> m_layerKeys;
};

#endif // VIRTUALKEYBOARD_H
