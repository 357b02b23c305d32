#pragma once
// The information box: who made the program, the terms of use, and up to four lines from the
// language file.

#include "ui/Form.h"

class QLabel;
class QPushButton;

class FormInfoWindow : public Form {
    Q_OBJECT
public:
    FormInfoWindow();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_LanguageChanged(const QString& language) override;
    void Command1_Click();

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QPushButton* Command1() const { return command1_; }

    // The credit and the terms of use in the current language; the program's own Italian where
    // the language file lacks them.
    static QString Credit();
    static QString TermsOfUse();

private:
    // The credit, the terms of use and the language file's lines, in the current language.
    void WriteTexts();

    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    QPushButton* command1_;
};
