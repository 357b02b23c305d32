#include "app/FormAvvio.h"

#include "ui/clsResize.h"
#include "ui/Design.h"
#include "ui/MLSTranslateForm.h"

#include <QLabel>
#include <QPushButton>

namespace {
// From RGB(255, 236, 255) at the top to RGB(255, 236, 0) at the bottom.
constexpr BandRule kBackground{{255, 236, 255}, {false, false, true}};
}

FormAvvioWindow::FormAvvioWindow() : Form(QStringLiteral("FormAvvio"), 8745, 6705)
{
    setWindowTitle(QStringLiteral("Parcolo"));

    label2_ = Place(new QLabel(QStringLiteral("Parcolo")), QStringLiteral("Label2"), -1, 720, 840, 7515, 2775);
    label2_->setFont(DesignFont(QStringLiteral("Comic Sans MS"), 99, true));
    label2_->setAlignment(Qt::AlignCenter);

    label1_ = Place(new QLabel(QStringLiteral("02/10/2005")), QStringLiteral("Label1"), -1, 6360, 5040, 2175, 375);
    label1_->setFont(DesignFont(QStringLiteral("Comic Sans MS"), 14.25, true));

    command1_ = Place(DesignButton(QStringLiteral("Avvio"), DesignFont(QStringLiteral("Arial"), 24, true)),
                      QStringLiteral("Command1"), -1, 2280, 4560, 4065, 1305);
    command1_->setIcon(BuiltInIcon(QStringLiteral(":/avvio.png")));
    command1_->setIconSize(QSize(72, 48));
    command1_->setCursor(HandPointer());
    connect(command1_, &QPushButton::clicked, this, Action(&FormAvvioWindow::Command1_Click));

    for (QLabel* l : {label1_, label2_}) l->setTextFormat(Qt::PlainText);
}

void FormAvvioWindow::Form_Load()
{
    MLSTranslateForm(this);
    BindResizer(this);
}

void FormAvvioWindow::Form_Activate()
{
    FillScreen();
    PaintBands(Bands(kBackground));
}

void FormAvvioWindow::Form_Resize() { ResizeForm(this); }

void FormAvvioWindow::Command1_Click()
{
    emit StartChosen();
}
