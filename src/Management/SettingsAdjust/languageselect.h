#ifndef LANGUAGESELECT_H
#define LANGUAGESELECT_H

#include "servicedialog.h"

namespace Ui {
class LanguageSelect;
}

// Picks the user interface language. Each button names its language in
// that language, so a technician finds his own whatever is shown now; a
// tap chooses and closes at once.
class LanguageSelect : public ServiceDialog
{
    Q_OBJECT
public:
    explicit LanguageSelect(QWidget *parent = nullptr);
    ~LanguageSelect() override;

    // The language number of the button pressed (1 until one is).
    int getSelectedLanguage() const { return m_selectedLanguage; }

    static constexpr int PageCount = 5;

private slots:
    void on_butEnglish_clicked() { select(1); }
    void on_butGerman_clicked() { select(2); }
    void on_butFrench_clicked() { select(3); }
    void on_butSpanish_clicked() { select(5); }
    void on_butItalian_clicked() { select(4); }
    void on_butCzech_clicked() { select(7); }
    void on_butSlovenian_clicked() { select(10); }
    void on_butHungarian_clicked() { select(8); }
    void on_butChinese_clicked() { select(6); }
    void on_butRussian_clicked() { select(9); }
    void on_butSlovakian_clicked() { select(15); }
    void on_butJapanese_clicked() { select(11); }
    void on_butPortuguese_clicked() { select(13); }
    void on_butRomanian_clicked() { select(14); }
    void on_butPolish_clicked() { select(12); }
    void on_butDanish_clicked() { select(18); }
    void on_butNorwegian_clicked() { select(19); }
    void on_butSwedish_clicked() { select(16); }
    void on_butBulgarian_clicked() { select(20); }
    void on_butSuomi_clicked() { select(17); }
    void on_butCroatian_clicked() { select(21); }
    void on_butSerbian_clicked() { select(23); }
    void on_butTurkish_clicked() { select(24); }
    void on_butKorean_clicked() { select(22); }
    void on_butMenuUp_clicked();
    void on_butMenuDown_clicked();
    void on_butMenuBack_clicked();

private:
    void select(int language);
    void showPage(int page);

    Ui::LanguageSelect *ui;
    int m_selectedLanguage = 1;
    int m_currentPage = 1;
};

#endif // LANGUAGESELECT_H
