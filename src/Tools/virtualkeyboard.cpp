#include "virtualkeyboard.h"
#include "ui_virtualkeyboard.h"

#include "buttonstyle.h"

#include <QPushButton>

namespace {

// Labels of m_layerKeys (digits, underline, A to Z) per layer: upper case,
// lower case, lower case with the special characters on the digit row.
const char *const kLayerLabels[] = {
    "0123456789_ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789_abcdefghijklmnopqrstuvwxyz",
    "?!:.,+/\"*@=abcdefghijklmnopqrstuvwxyz",
};

const int kTextPixelSize = 22;
const int kKeyPixelSize = 20;

} // namespace

VirtualKeyboard::VirtualKeyboard(QWidget *parent)
    : ServiceDialog(parent, false), ui(new Ui::VirtualKeyboard)
{
    ui->setupUi(this);
    m_layerKeys = {ui->but_0, ui->but_1, ui->but_2, ui->but_3, ui->but_4, ui->but_5, ui->but_6,
                   ui->but_7, ui->but_8, ui->but_9, ui->but_Underline,
                   ui->but_A, ui->but_B, ui->but_C, ui->but_D, ui->but_E, ui->but_F, ui->but_G,
                   ui->but_H, ui->but_I, ui->but_J, ui->but_K, ui->but_L, ui->but_M, ui->but_N,
                   ui->but_O, ui->but_P, ui->but_Q, ui->but_R, ui->but_S, ui->but_T, ui->but_U,
                   ui->but_V, ui->but_W, ui->but_X, ui->but_Y, ui->but_Z};

    QFont textFont = font();
    textFont.setPixelSize(kTextPixelSize);
    ui->textEdit->setFont(textFont);
    // A thin inner margin leaves room for two full lines of text.
    ui->textEdit->document()->setDocumentMargin(2);
    ui->textEdit->setPlaceholderText(tr("EnterName", "Enter a name"));
    // Text colours through the palette: a style sheet colour would paint the
    // hint white too, and it must never be taken for a name already entered.
    QPalette colours = ui->textEdit->palette();
    colours.setColor(QPalette::Text, Qt::white);
    colours.setColor(QPalette::PlaceholderText, QColor(128, 128, 128));
    ui->textEdit->setPalette(colours);

    QFont keyFont = font();
    keyFont.setPixelSize(kKeyPixelSize);
    keyFont.setBold(true);
    const QString folder = QStringLiteral("Tools/Keyboard");
    const struct {
        QPushButton *key;
        const char *icon;
        const char *colour;
        int px;
    } pictureKeys[] = {
        {ui->but_Shift, "Shift", "ws", 25}, {ui->but_Space, "Space", "ws", 25},
        {ui->but_Del, "Del", "ws", 25},     {ui->but_Enter, "Enter", "ws", 25},
        {ui->but_Close, "Cancel", "rt", 25}, {ui->but_Accept, "Accept", "gn", 40},
    };
    for (const auto &p : pictureKeys)
        p.key->setStyleSheet(ButtonStyle::pictureKey(folder, QLatin1String(p.icon), QLatin1String(p.colour), p.px));
    ui->but_Shift->setToolTip(tr("SHIFT", "Shift"));
    ui->but_Enter->setToolTip(tr("ENTER", "Enter"));
    ui->but_Del->setToolTip(tr("DEL", "Delete"));
    ui->but_Space->setToolTip(tr("SPACE", "Space"));
    ui->but_Close->setToolTip(tr("Cancel", "Cancel"));
    ui->but_Accept->setToolTip(tr("Accept", "Accept"));

    // Keys never keep the focus: it stays in the text area, so the caret
    // stays visible and Return cannot trigger a key that was tapped before.
    for (QPushButton *key : findChildren<QPushButton *>()) {
        key->setFont(keyFont);
        key->setFocusPolicy(Qt::NoFocus);
        key->setAutoDefault(false);
    }

    updateButtonText();
    ui->textEdit->setFocus();
}

VirtualKeyboard::~VirtualKeyboard()
{
    delete ui;
}

void VirtualKeyboard::setText(const QString &text)
{
    m_enteredText = text;
    showText(m_enteredText.size());
}

QString VirtualKeyboard::getText() const
{
    return m_enteredText.trimmed();
}

void VirtualKeyboard::enableSpecialChar(bool enable)
{
    m_specialChar = enable;
    updateButtonText();
}

void VirtualKeyboard::useEnterAsAccept(bool enable)
{
    m_enterAsAccept = enable;
}

void VirtualKeyboard::updateButtonText()
{
    const int layer = !m_shift ? 0 : (m_specialChar ? 2 : 1);
    const QString labels = QString::fromLatin1(kLayerLabels[layer]);
    for (int i = 0; i < m_layerKeys.size(); ++i)
        m_layerKeys[i]->setText(labels.at(i));
    ui->but_Minus->setText(QStringLiteral("-"));
    ui->but_Space->setText(QStringLiteral(" "));
}

int VirtualKeyboard::caretPosition() const
{
    // The text area only mirrors m_enteredText; clamp in case they ever differ.
    return qBound(0, ui->textEdit->textCursor().position(), m_enteredText.size());
}

void VirtualKeyboard::showText(int caret)
{
    ui->textEdit->setPlainText(m_enteredText);
    m_textCursor = ui->textEdit->textCursor();
    m_textCursor.setPosition(qBound(0, caret, m_enteredText.size()));
    ui->textEdit->setTextCursor(m_textCursor);
    ui->textEdit->setFocus();
}

void VirtualKeyboard::addText(const QPushButton *key)
{
    const int caret = caretPosition();
    const QString character = key->text().left(1);
    m_enteredText.insert(caret, character);
    showText(caret + character.size());
    // Automatic capitalisation: a name starts upper case, then goes on lower case.
    if (m_enteredText.size() == 1)
        m_shift = true;
    else if (m_enteredText.isEmpty())
        m_shift = false;
    updateButtonText();
}

void VirtualKeyboard::on_but_0_clicked() { addText(ui->but_0); }
void VirtualKeyboard::on_but_1_clicked() { addText(ui->but_1); }
void VirtualKeyboard::on_but_2_clicked() { addText(ui->but_2); }
void VirtualKeyboard::on_but_3_clicked() { addText(ui->but_3); }
void VirtualKeyboard::on_but_4_clicked() { addText(ui->but_4); }
void VirtualKeyboard::on_but_5_clicked() { addText(ui->but_5); }
void VirtualKeyboard::on_but_6_clicked() { addText(ui->but_6); }
void VirtualKeyboard::on_but_7_clicked() { addText(ui->but_7); }
void VirtualKeyboard::on_but_8_clicked() { addText(ui->but_8); }
void VirtualKeyboard::on_but_9_clicked() { addText(ui->but_9); }
void VirtualKeyboard::on_but_A_clicked() { addText(ui->but_A); }
void VirtualKeyboard::on_but_B_clicked() { addText(ui->but_B); }
void VirtualKeyboard::on_but_C_clicked() { addText(ui->but_C); }
void VirtualKeyboard::on_but_D_clicked() { addText(ui->but_D); }
void VirtualKeyboard::on_but_E_clicked() { addText(ui->but_E); }
void VirtualKeyboard::on_but_F_clicked() { addText(ui->but_F); }
void VirtualKeyboard::on_but_G_clicked() { addText(ui->but_G); }
void VirtualKeyboard::on_but_H_clicked() { addText(ui->but_H); }
void VirtualKeyboard::on_but_I_clicked() { addText(ui->but_I); }
void VirtualKeyboard::on_but_J_clicked() { addText(ui->but_J); }
void VirtualKeyboard::on_but_K_clicked() { addText(ui->but_K); }
void VirtualKeyboard::on_but_L_clicked() { addText(ui->but_L); }
void VirtualKeyboard::on_but_M_clicked() { addText(ui->but_M); }
void VirtualKeyboard::on_but_N_clicked() { addText(ui->but_N); }
void VirtualKeyboard::on_but_O_clicked() { addText(ui->but_O); }
void VirtualKeyboard::on_but_P_clicked() { addText(ui->but_P); }
void VirtualKeyboard::on_but_Q_clicked() { addText(ui->but_Q); }
void VirtualKeyboard::on_but_R_clicked() { addText(ui->but_R); }
void VirtualKeyboard::on_but_S_clicked() { addText(ui->but_S); }
void VirtualKeyboard::on_but_T_clicked() { addText(ui->but_T); }
void VirtualKeyboard::on_but_U_clicked() { addText(ui->but_U); }
void VirtualKeyboard::on_but_V_clicked() { addText(ui->but_V); }
void VirtualKeyboard::on_but_W_clicked() { addText(ui->but_W); }
void VirtualKeyboard::on_but_X_clicked() { addText(ui->but_X); }
void VirtualKeyboard::on_but_Y_clicked() { addText(ui->but_Y); }
void VirtualKeyboard::on_but_Z_clicked() { addText(ui->but_Z); }
void VirtualKeyboard::on_but_Minus_clicked() { addText(ui->but_Minus); }
void VirtualKeyboard::on_but_Underline_clicked() { addText(ui->but_Underline); }
void VirtualKeyboard::on_but_Space_clicked() { addText(ui->but_Space); }

void VirtualKeyboard::on_but_Shift_clicked()
{
    m_shift = !m_shift;
    updateButtonText();
}

void VirtualKeyboard::on_but_Enter_clicked()
{
    if (m_enterAsAccept) {
        on_but_Accept_clicked();
        return;
    }
    m_enteredText.append(QLatin1Char('\n'));
    showText(m_enteredText.size());
}

void VirtualKeyboard::on_but_Del_clicked()
{
    const int caret = caretPosition();
    if (caret > 0)
        m_enteredText.remove(caret - 1, 1);
    showText(qMax(0, caret - 1));
}

void VirtualKeyboard::on_but_Close_clicked()
{
    reject();
}

void VirtualKeyboard::on_but_Accept_clicked()
{
    accept();
}
