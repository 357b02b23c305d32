#pragma once
// The main menu: a game window for three, four or five cars, sounds on and off, quit; the menu
// bar opens the information box and the manual and chooses the language.
//
// The buttons keep their design names, which do not follow the number of cars: Command4 "Tre
// automobili" opens FormAuto3, Command2 "Quattro automobili" FormAuto4, Command3 "Cinque
// automobili" FormAuto5, and Command1 "Esci" asks whether to quit. The radio buttons optKind(0..3)
// under them choose the kind of turn the game windows play.

#include "clues/TurnCode.h"
#include "ui/Form.h"

class QAction;
class LanguageMenu;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QMenu;
class QPushButton;

class FormMenuWindow : public Form {
    Q_OBJECT
public:
    FormMenuWindow();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Check1_Click();
    // The kind of turn the game windows play (text/TurnKindSetting.h): 0 Classico, 1 Facile,
    // 2 Medio, 3 Difficile; the player's choice, kept for the next start.
    void optKind_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void mnuabout_Click();
    void mnudoc_Click();
    // "Partita": a turn's code played (asked for in a small box), a worksheet printed.
    void mnuPlayCode_Click();
    void mnuPrint_Click();
    void mnuStatistics_Click();  // the statistics window

    // The language menu: one item per language file beside the program, the current one
    // checked; picking one switches every loaded window at once and stores the choice
    // (ui/LanguageMenu.h).
    void MLSFillMenuLanguages();
    void mnuLanguage_Click(int Index);

    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }
    QPushButton* Command4() const { return command4_; }
    QCheckBox* Check1() const { return check1_; }
    QRadioButton* optKind(int k) const;
    QMenu* Mnuinfo() const { return mnuinfo_; }
    QAction* mnudoc() const { return mnudoc_; }
    QMenu* mnuGame() const { return mnuGame_; }
    QAction* mnuPlayCode() const { return mnuPlayCode_; }
    QAction* mnuPrint() const { return mnuPrint_; }
    QAction* mnuStatistics() const { return mnuStatistics_; }
    QMenu* mnuLanguages() const { return mnuLanguages_; }
    // Element k of the language item array; nullptr past its end.
    QAction* mnuLanguage(int k) const;
    int mnuLanguageCount() const;

signals:
    // The windows this one opens; they are wired where the windows' default instances are made.
    void GameChosen(int cars);  // the game window for that many cars
    void InformationChosen();       // the information box
    void TurnChosen(const clues::Turn& turn);  // the game window for that turn, from its code
    void PrintChosen();             // the worksheet's questions, then the print dialog
    void StatisticsChosen();        // the statistics window

private:
    void OpenGame(int cars);
    // Checks the item of the current language.
    void CheckCurrentLanguage();
    QAction* NewLanguageItem(const QString& caption, int index);

    QPushButton* command4_;
    QPushButton* command2_;
    QPushButton* command3_;
    QLabel* lblKind_;  // the heading of the kinds of turn
    QButtonGroup* kinds_;
    QCheckBox* check1_;
    QPushButton* command1_;
    QMenu* mnuGame_;
    QAction* mnuPlayCode_;
    QAction* mnuPrint_;
    QAction* mnuStatistics_;
    QMenu* mnuinfo_;
    QAction* mnudoc_;
    QAction* mnuabout_;
    QMenu* mnuLanguages_;
    LanguageMenu* languages_;
};
