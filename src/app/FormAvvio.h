#pragma once
// The start screen: the program's name in very large letters, a date line, a shaded
// background and the button "Avvio" that leads to the main menu.

#include "ui/Form.h"

class QLabel;
class QPushButton;

class FormAvvioWindow : public Form {
    Q_OBJECT
public:
    FormAvvioWindow();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Command1_Click();

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QPushButton* Command1() const { return command1_; }

signals:
    // "Avvio": the main menu is to be shown; this window is then unloaded.
    void StartChosen();

private:
    QLabel* label2_;
    QLabel* label1_;
    QPushButton* command1_;
};
