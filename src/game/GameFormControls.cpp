// The controls of the game window, made from its per-N record (game/GameTable.h) in the window's
// control order: the board's pieces where the design layout puts slot k, every other control at
// its design rectangle for the resizer to scale.

#include "game/GameForm.h"

#include "ui/Announcer.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/LanguageMenu.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

void GameForm::AddControls(const ControlRow& row)
{
    const QString name = QString::fromLatin1(row.name);
    const QString caption = QString::fromUtf8(row.caption);
    const QRectF design(row.design.left, row.design.top, row.design.width, row.design.height);
    const BoardDesign& b = table_.board;
    const int n = N();
    const auto button = [&](bool hand) {
        auto* pushButton = Place(DesignButton(caption, DesignFont(QStringLiteral("Arial"), 14.25, true)), name, -1, design);
        if (hand) pushButton->setCursor(HandPointer());
        return pushButton;
    };
    // A slot marker stands where it was designed, at its slot, and never moves: nothing reads it.
    const auto marker = [&](int index, int slot, int top) {
        auto* l = new QLabel(caption);
        l->setTextFormat(Qt::PlainText);
        l->hide();
        return Place(l, name, index, QRectF(b.slotLeft[size_t(slot)], top, b.carWidth, b.markerHeight), Placement::ByTheWindow);
    };
    switch (row.role) {
    case Role::Cars:
        // The board's pieces start in the design layout: car i in slot i.
        for (int i = 0; i < n; ++i) {
            auto* car = Place(new ImageControl, name, i, PieceRect(table_, Piece::Car, i, 0, {}), Placement::ByTheWindow);
            car->SetDraggable(true);
            car->SetDropTarget(true);
            car->setCursor(HandPointer());
            w_.cars.push_back(car);
        }
        return;
    case Role::NotePad:
        for (int slot = 0; slot < n; ++slot) {
            std::vector<ImageControl*> column;
            for (int j = 0; j < n; ++j) {
                auto* p = Place(new ImageControl, name + QString::number(slot + 2), j,
                                PieceRect(table_, Piece::NotePad, slot, j, {}), Placement::ByTheWindow);
                p->setCursor(HandPointer());
                p->hide();
                column.push_back(p);
            }
            w_.grid.push_back(column);
        }
        return;
    case Role::Clue: {
        // The property first: it is the style sheet's selector for the clue's card (ui/Design.cpp),
        // and it makes the card's account for screen readers (ui/AccessibleNames.h), which is
        // made as soon as anything about the label changes.
        auto* clue = new QLabel;
        clue->setProperty("clue", true);
        w_.clue = Place(clue, name, -1, design);
        clue->setText(caption);
        clue->setTextFormat(Qt::PlainText);
        clue->setWordWrap(true);
        clue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        clue->setMargin(6);
        clue->setFocusPolicy(Qt::TabFocus);  // reached with Tab after the note pad, read as text
        clue->setFont(DesignFont(QStringLiteral("Verdana"), 14.25, false));
        clue->setAutoFillBackground(true);
        QPalette white = clue->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        clue->setPalette(white);
        return;
    }
    case Role::MarkersFromLeft:
        for (int k = 0; k < n; ++k) label2_.push_back(marker(k, k, b.label2Top));
        return;
    case Role::MarkersFromRight:
        for (int k = 0; k < n; ++k) label3_.push_back(marker(k, n - 1 - k, b.label3Top));
        return;
    case Role::Possibilities: command1_ = button(true); return;
    case Role::Confirm: conferma_ = button(true); return;
    case Role::Next:
        avanti_ = button(false);
        avanti_->setEnabled(false);
        return;
    case Role::StatusBar:
        // The panels' words are written when the window loads (ShowCounts).
        statusBar_ = Add(new StatusBarControl(this, {table_.statusPanels.begin(), table_.statusPanels.end()}), name);
        setStatusBar(statusBar_);
        return;
    case Role::ResetCounts: menuAzzera_ = Add(menuBar()->addAction(caption), name); return;
    case Role::Leave: mnuEsci_ = Add(menuBar()->addAction(caption), name); return;
    case Role::Hint:
        mnuSuggerimento_ = Add(menuBar()->addAction(caption), name);
        mnuSuggerimento_->setShortcut(QKeySequence(Qt::Key_F1));
        return;
    case Role::Code: mnuCode_ = Add(menuBar()->addAction(caption), name); return;
    case Role::Languages: languages_ = new LanguageMenu(this, Add(menuBar()->addMenu(caption), name)); return;
    }
}

void GameForm::ButtonAccessKeys()
{
    // A caption with "&" brings its own accelerator; then ours steps aside, also from the check
    // at the moment the key comes, so that a caption changed meanwhile is respected too.
    const std::pair<QPushButton*, Qt::Key> keys[] = {{command1_, Qt::Key_P}, {conferma_, Qt::Key_C}, {avanti_, Qt::Key_A}};
    for (size_t b = 0; b < std::size(keys); ++b) {
        QPushButton* button = keys[b].first;
        if (!accessKeys_[b]) {
            accessKeys_[b] = new QShortcut(QKeySequence(Qt::ALT | keys[b].second), this);
            connect(accessKeys_[b], &QShortcut::activated, this, [button] {
                if (button->isEnabled() && !button->text().contains(u'&')) button->click();
            });
        }
        accessKeys_[b]->setEnabled(!button->text().contains(u'&'));
    }
}

void GameForm::WireInput()
{
    const int n = N();
    for (int i = 0; i < n; ++i) {
        connect(Image1(i), &ImageControl::dropped, this,
                [this, i](ImageControl* source) { RunAction([&] { Image1_DragDrop(i, source); }); });
        connect(Image1(i), &ImageControl::clicked, this, Action([this, i] { Image1_Click(i); }));
    }
    for (int column = 2; column <= n + 1; ++column)
        for (int j = 0; j < n; ++j)
            connect(Grid(column, j), &ImageControl::clicked, this, Action([this, column, j] {
                const bool hadFocus = Grid(column, j)->hasFocus();
                Image_Click(column, j);
                if (hadFocus) FocusAfterHide(column, j);
            }));
    connect(command1_, &QPushButton::clicked, this, Action(&GameForm::Command1_Click));
    connect(conferma_, &QPushButton::clicked, this, Action(&GameForm::BottoneConferma_Click));
    connect(avanti_, &QPushButton::clicked, this, Action(&GameForm::BottoneAvanti_Click));
    connect(menuAzzera_, &QAction::triggered, this, Action(&GameForm::MenuAzzera_Click));
    connect(mnuEsci_, &QAction::triggered, this, Action(&GameForm::mnuEsci_Click));
    connect(mnuSuggerimento_, &QAction::triggered, this, Action(&GameForm::mnuSuggerimento_Click));
    connect(mnuCode_, &QAction::triggered, this, Action(&GameForm::mnuCode_Click));

    // Keys of the whole window: undo, redo, and putting a picked car back.
    const auto key = [this](const QList<QKeySequence>& keys, const std::function<void()>& handler) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, Action(handler));
        addAction(action);
    };
    key({QKeySequence::Undo}, [this] { Undo(); });
    key({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, [this] { Redo(); });
    key({QKeySequence(Qt::Key_Escape)}, [this] { Pick(-1); });
}
