#include "app/FormInfo.h"

#include "text/TextLookup.h"
#include "ui/clsResize.h"
#include "ui/Design.h"
#include "ui/MLSTranslateForm.h"
#include "ui/Properties.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* NewLabel(const QString& caption)
{
    auto* l = new QLabel(caption);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(DesignFont(QStringLiteral("Arial"), 14.25, false));
    return l;
}

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

FormInfoWindow::FormInfoWindow() : Form(QStringLiteral("FormInfo"), 8535, 6420)
{
    setWindowTitle(QStringLiteral("Informazioni su Parcolo"));
    label1_ = Place(NewLabel(QStringLiteral("Label1")), QStringLiteral("Label1"), -1, 240, 1080, 4455, 1215);
    label2_ = Place(NewLabel(QStringLiteral("Label2")), QStringLiteral("Label2"), -1, 240, 2640, 4335, 1575);
    label3_ = Place(NewLabel(QStringLiteral("Label3")), QStringLiteral("Label3"), -1, 240, 4800, 4335, 1335);
    label4_ = Place(NewLabel(QStringLiteral("Label1")), QStringLiteral("Label4"), -1, 5040, 1320, 3375, 2535);
    command1_ = Place(DesignButton(QStringLiteral("Chiudi"), DesignFont(QStringLiteral("Arial"), 14.25, false)),
                      QStringLiteral("Command1"), -1, 5640, 5280, 2655, 975);
    connect(command1_, &QPushButton::clicked, this, Action(&FormInfoWindow::Command1_Click));
}

QString FormInfoWindow::Credit()
{
    return MLSGetStringOr(QStringLiteral("0231"), QStringLiteral("Software di")) + kCrLf +
           MLSGetStringOr(QStringLiteral("0232"), QStringLiteral("volontari del progetto Parcolo - https://parcolo.example.org - "
                                                                 "autori@parcolo.example.org")) +
           kCrLf + kCrLf;
}

QString FormInfoWindow::TermsOfUse()
{
    return MLSGetStringOr(QStringLiteral("0233"), QString::fromUtf8("Parcolo è libero: puoi usarlo e darlo a chi vuoi.")) + kCrLf +
           MLSGetStringOr(QStringLiteral("0234"), QString::fromUtf8("È gratuito: nessuno può chiederti di pagarlo.")) + kCrLf +
           MLSGetStringOr(QStringLiteral("0235"), QString::fromUtf8("Viene dato così com'è, senza alcuna garanzia."));
}

void FormInfoWindow::Form_Load()
{
    MLSTranslateForm(this);
    BindResizer(this);
}

void FormInfoWindow::Form_Activate()
{
    FillScreen();
    WriteTexts();
}

void FormInfoWindow::Form_LanguageChanged(const QString&) { WriteTexts(); }

void FormInfoWindow::WriteTexts()
{
    SetCaption(label1_, Credit());
    SetCaption(label2_, QString());
    SetCaption(label3_, TermsOfUse());
    QString lines;
    for (const char* key : {"9996", "9997", "9998", "9999"}) {
        const QString text = MLSGetString(QString::fromLatin1(key));
        if (!text.isEmpty()) lines += text + kCrLf;
    }
    SetCaption(label4_, lines);
}

void FormInfoWindow::Form_Resize() { ResizeForm(this); }

void FormInfoWindow::Command1_Click() { Unload(); }
