#include "game/GameForm.h"

#include "game/StandInCar.h"

#include "clues/Clues.h"
#include "clues/Hint.h"
#include "clues/Patterns.h"
#include "core/Score.h"
#include "text/ClueText.h"
#include "text/GameTexts.h"
#include "text/LanguageCache.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"
#include "ui/Announcer.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/LanguageMenu.h"
#include "ui/MLSTranslateForm.h"
#include "ui/MsgBox.h"
#include "ui/Properties.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

QPushButton* NewButton(const QString& caption)
{
    return DesignButton(caption, DesignFont(QStringLiteral("Arial"), 14.25, true));
}

QLabel* NewMarker(const QString& caption)
{
    auto* l = new QLabel(caption);
    l->setTextFormat(Qt::PlainText);
    l->hide();
    return l;
}

// How the places are counted, for screen readers, when the language file does not say it.
const char* const kCountedFromTheLeft = "Posti contati da sinistra: il posto 1 è quello più a sinistra.";
const char* const kCountedFromTheRight = "Posti contati da destra: il posto 1 è quello più a destra.";

// A picture's tool tip: the language's own text for it with "%1" where the colour's name goes;
// in a file of old, without "%1", the colour's name, a dash and the text, as far as there are.
QString ToolTip(const QString& colour, const QString& own)
{
    if (own.contains(QLatin1String("%1"))) return colour.isEmpty() ? QString() : QString(own).arg(colour);
    if (colour.isEmpty()) return own;
    return own.isEmpty() ? colour : colour + QStringLiteral(" — ") + own;
}

// What screen readers hear as things happen, by key, with the program's Italian for files of old.
struct Saying {
    const char* key;
    const char* builtIn;
};
constexpr Saying kRight{"0243", "Risposta esatta. Esatti: %1, errati: %2."};
constexpr Saying kWrong{"0244", "Risposta errata. Esatti: %1, errati: %2."};
constexpr Saying kNewTurn{"0245", "Nuovo turno. %1 %2"};
constexpr Saying kPicked{"0246", "Hai preso l'auto %1 dal posto %2."};
constexpr Saying kPutBack{"0247", "L'auto %1 è tornata al posto %2."};
constexpr Saying kSwapped{"0248", "L'auto %1 ora è al posto %2, l'auto %3 al posto %4."};
constexpr Saying kHinted{"0249", "L'auto %1 non può stare al posto %2. %3"};

QString Text(const Saying& saying)
{
    return MLSGetStringOr(QString::fromLatin1(saying.key), QString::fromUtf8(saying.builtIn));
}

// The hint's bubble: the sentences quoted. A language that has its own way (key 0218) gets them
// without the last full stop, to put its punctuation where its quotes want it; a file of old
// frames them whole (key 0214), or gives them bare.
QString Quoted(const QString& sentences)
{
    const QString own = MLSGetString(QStringLiteral("0218"));
    if (own.contains(QLatin1String("%1"))) {
        QString bare = sentences.trimmed();
        if (bare.endsWith(u'.')) bare.chop(1);
        return QString(own).arg(bare);
    }
    const QString frame = MLSGetString(QStringLiteral("0214"));
    return frame.contains(QLatin1String("%1")) ? QString(frame).arg(sentences) : sentences;
}

}  // namespace

GameForm::GameForm(const GameTable& table)
    : Form(QString::fromLatin1(table.formName), table.clientWidth, table.clientHeight),
      table_(table),
      board_(table.n)
{
    setWindowTitle(QString::fromUtf8(table.title));
    for (const ControlRow& row : table.controls) AddControls(row);

    // The markers are controls of the window (translated, placed every turn) that are never
    // shown. Off the canvas, on a sheet of their own that is never shown either, no screen
    // reader lists them among the window's contents; their places stay the canvas's.
    auto* markers = new QWidget(this, Qt::Window);
    markers->setObjectName(QStringLiteral("markers"));
    for (QLabel* marker : label2_) marker->setParent(markers);
    for (QLabel* marker : label3_) marker->setParent(markers);

    // The hint's bubble: a card beside the crossed-out picture, not a control of the design.
    bubble_ = new QLabel(centralWidget());
    bubble_->setObjectName(QStringLiteral("Suggerimento"));
    bubble_->setTextFormat(Qt::PlainText);
    bubble_->setWordWrap(true);
    bubble_->setMargin(8);
    bubble_->setFrameShape(QFrame::Box);
    bubble_->setAutoFillBackground(true);
    QPalette note = bubble_->palette();
    note.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xC8));
    note.setColor(QPalette::WindowText, Qt::black);
    bubble_->setPalette(note);
    bubble_->setFont(DesignFont(QStringLiteral("Verdana"), 11, false));
    bubble_->hide();
    announcer_ = new Announcer(centralWidget());

    const int n = N();
    pictures_ = new QButtonGroup(this);
    pictures_->setExclusive(false);
    for (int i = 0; i < n; ++i) {
        pictures_->addButton(cars_[size_t(i)]);
        connect(cars_[size_t(i)], &ImageControl::dropped, this,
                [this, i](ImageControl* source) { RunAction([&] { Image1_DragDrop(i, source); }); });
        connect(cars_[size_t(i)], &ImageControl::clicked, this, Action([this, i] { Image1_Click(i); }));
    }
    for (int column = 2; column <= n + 1; ++column)
        for (int j = 0; j < n; ++j) {
            pictures_->addButton(Grid(column, j));
            connect(Grid(column, j), &ImageControl::clicked, this, Action([this, column, j] {
                const bool hadFocus = Grid(column, j)->hasFocus();
                Image_Click(column, j);
                if (hadFocus) FocusAfterHide(column, j);
            }));
        }
    connect(command1_, &QPushButton::clicked, this, Action(&GameForm::Command1_Click));
    connect(conferma_, &QPushButton::clicked, this, Action(&GameForm::BottoneConferma_Click));
    connect(avanti_, &QPushButton::clicked, this, Action(&GameForm::BottoneAvanti_Click));
    connect(menuAzzera_, &QAction::triggered, this, Action(&GameForm::MenuAzzera_Click));
    connect(mnuEsci_, &QAction::triggered, this, Action(&GameForm::mnuEsci_Click));
    connect(mnuSuggerimento_, &QAction::triggered, this, Action(&GameForm::mnuSuggerimento_Click));

    // Keys of the whole window: undo, and putting a picked car back.
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, Action(&GameForm::UndoSwap));
    auto* putBack = new QAction(this);
    putBack->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(putBack, &QAction::triggered, this, Action([this] { Pick(-1); }));
    addActions({undo, putBack});
}

void GameForm::AddControls(const ControlRow& row)
{
    const QString name = QString::fromLatin1(row.name);
    const QString caption = QString::fromUtf8(row.caption);
    const QRectF design(row.design.left, row.design.top, row.design.width, row.design.height);
    // The board's pieces start in the design layout: car i in slot i.
    const auto piece = [this](Piece p, int slot, int j = 0) { return PieceRect(table_, p, slot, j, WindowScale{}); };
    const int n = N();
    switch (row.role) {
    case Role::Cars:
        for (int i = 0; i < n; ++i) {
            auto* car = Place(new ImageControl, name, i, piece(Piece::Car, i), Placement::ByTheWindow);
            car->SetDraggable(true);
            car->SetDropTarget(true);
            car->setCursor(HandPointer());
            cars_.push_back(car);
        }
        return;
    case Role::NotePad:
        for (int slot = 0; slot < n; ++slot) {
            std::vector<ImageControl*> column;
            for (int j = 0; j < n; ++j) {
                auto* p = Place(new ImageControl, name + QString::number(slot + 2), j, piece(Piece::NotePad, slot, j),
                                Placement::ByTheWindow);
                p->setCursor(HandPointer());
                p->hide();
                column.push_back(p);
            }
            grid_.push_back(column);
        }
        return;
    case Role::Clue: {
        // The property first: it is the style sheet's selector for the clue's card (ui/Design.cpp),
        // and it makes the card's account for screen readers (ui/AccessibleNames.h), which is
        // made as soon as anything about the label changes.
        auto* clue = new QLabel;
        clue->setProperty("clue", true);
        label1_ = Place(clue, name, -1, design);
        label1_->setText(caption);
        label1_->setTextFormat(Qt::PlainText);
        label1_->setWordWrap(true);
        label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label1_->setMargin(6);
        // Reached with Tab after the note pad, and read as text by screen readers.
        label1_->setFocusPolicy(Qt::TabFocus);
        label1_->setFont(DesignFont(QStringLiteral("Verdana"), 14.25, false));
        label1_->setAutoFillBackground(true);
        QPalette white = label1_->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, Qt::black);
        label1_->setPalette(white);
        return;
    }
    case Role::MarkersFromLeft:
        for (int k = 0; k < n; ++k)
            label2_.push_back(Place(NewMarker(caption), name, k, piece(Piece::Label2, k), Placement::ByTheWindow));
        return;
    case Role::MarkersFromRight:
        for (int k = 0; k < n; ++k)
            label3_.push_back(Place(NewMarker(caption), name, k, piece(Piece::Label3, n - 1 - k), Placement::ByTheWindow));
        return;
    case Role::Possibilities:
        command1_ = Place(NewButton(caption), name, -1, design);
        command1_->setCursor(HandPointer());
        return;
    case Role::Confirm:
        conferma_ = Place(NewButton(caption), name, -1, design);
        conferma_->setCursor(HandPointer());
        return;
    case Role::Next:
        avanti_ = Place(NewButton(caption), name, -1, design);
        avanti_->setEnabled(false);
        return;
    case Role::StatusBar:
        // The panels' words are written when the window loads (ShowCounts).
        statusBar_ = Add(new StatusBarControl(this, {table_.statusPanels.begin(), table_.statusPanels.end()}), name);
        setStatusBar(statusBar_);
        return;
    case Role::ResetCounts:
        // Screen readers hear the words only, without the blanks after them.
        menuAzzera_ = Add(menuBar()->addAction(caption), name);
        return;
    case Role::Leave:
        mnuEsci_ = Add(menuBar()->addAction(caption), name);
        return;
    case Role::Hint:
        mnuSuggerimento_ = Add(menuBar()->addAction(caption), name);
        mnuSuggerimento_->setShortcut(QKeySequence(Qt::Key_F1));
        return;
    case Role::Languages:
        languages_ = new LanguageMenu(this, Add(menuBar()->addMenu(caption), name));
        return;
    }
}

QString GameForm::ColourKey(int colour) const { return GameTextsFor(N())->ColourKey(colour); }

void GameForm::Form_Load()
{
    languages_->Fill();
    MLSTranslateForm(this);
    AcceleratoriBottoni();
    LeggiTestiImmagini();
    BindResizer(this);
    NumEsatti = 0;
    NumErrati = 0;
    ShowCounts();
}

void GameForm::Form_Activate()
{
    FillScreen();
    statusBar_->setFixedHeight(qRound(table_.statusBarHeight / kTwipsPerPixel));
    PaintBands(Bands({table_.bandStart, table_.bandFalls}));
    if (turnStarted_) {
        // A return to the window: the turn in play goes on.
        Mostra();
        return;
    }
    LeggiColoriAuto();
    NuovoTurno();
}

WindowScale GameForm::Scale() const
{
    return {ScaleWidth() / table_.clientWidth, ScaleHeight() / table_.clientHeight};
}

void GameForm::Form_Resize()
{
    ResizeForm(this);
    PlaceBoard();
}

void GameForm::Form_LanguageChanged(const QString&)
{
    AcceleratoriBottoni();
    LeggiTestiImmagini();
    LeggiColoriAuto();
    ShowCounts();
    bubble_->hide();
    if (!turnStarted_) return;
    GeneraFrase();  // the same pattern and the same cars, in the new words
    // A car drawn by the program where its picture is missing bears its colour's name.
    CaricaImmagini();
    for (int j = 0; j < N(); ++j)
        if (board_.RigaAuto(j) >= 0)
            for (int column = 2; column <= N() + 1; ++column) Grid(column, j)->SetPicture(Image1(board_.RigaAuto(j))->Picture());
    Mostra();
}

void GameForm::LeggiTestiImmagini()
{
    carName_ = MLSGetString(QStringLiteral("0212"));
    gridName_ = MLSGetString(QStringLiteral("0213"));
    fromLeft_ = MLSGetStringOr(QStringLiteral("0216"), QString::fromUtf8(kCountedFromTheLeft));
    fromRight_ = MLSGetStringOr(QStringLiteral("0217"), QString::fromUtf8(kCountedFromTheRight));
    // The pictures' own tool tips as the file gives them: the translation has just put them on
    // the pictures, where the colour names are then put in front of them. One reading of the
    // file for all of them.
    const auto doc = CachedDocument(MLSLanguageFile());
    ownToolTips_.clear();
    if (!doc) return;
    for (const QAbstractButton* picture : pictures_->buttons()) {
        const QString key = picture->objectName() + QStringLiteral("(%1).ToolTipText").arg(*GetIndex(picture));
        if (const auto own = doc->Value(objectName(), key); own && !own->isEmpty()) ownToolTips_.insert(picture, *own);
    }
}

void GameForm::LeggiColoriAuto()
{
    for (int c = 1; c <= 10; ++c) NomeColore[size_t(c)] = MLSGetString(ColourKey(c));
}

void GameForm::NuovoTurno()
{
    Pick(-1);
    bubble_->hide();
    board_.NuovoTurno(int(clues::PatternsFor(N()).size()));
    turnStarted_ = true;
    for (int i = 0; i < N(); ++i) {
        Image1(i)->ClearPicture();
        for (int column = 2; column <= N() + 1; ++column) Grid(column, i)->ClearPicture();
    }
    CaricaImmagini();
    GeneraFrase();
    conferma_->setEnabled(true);
    Mostra();
    // The focus frame starts on the first place in the turn's reading direction.
    CarInSlot(board_.SlotOfPosition(0))->setFocus();
    announcer_->Announce(Text(kNewTurn).arg(board_.DaSinistra ? fromLeft_ : fromRight_, label1_->accessibleName()));
}

void GameForm::CaricaImmagini()
{
    const QString folder = InProgramFolder(QStringLiteral("immagini")) + QDir::separator();
    for (int i = 0; i < N(); ++i) {
        const QString file = folder + QString::number(board_.ColoreAuto[size_t(i)]) +
                             (board_.DaSinistra ? QStringLiteral("s") : QStringLiteral("d")) + QStringLiteral(".gif");
        // The file, or its "@2x" variant where the screen shows more pixels; for a picture that
        // is missing or broken, a plain car in the car's colour with its name.
        if (Image1(i)->LoadPicture(file)) continue;
        const int colour = board_.ColoreAuto[size_t(i)];
        Image1(i)->SetPicture(StandInCar(colour, NomeColore[size_t(colour)], board_.DaSinistra));
        if (missingPicture_.isEmpty()) missingPicture_ = QDir::toNativeSeparators(file);
    }
    // The player is told once in a run, when the window stands: not in the middle of its set-up.
    if (!missingPicture_.isEmpty() && !MissingPictureTold())
        QMetaObject::invokeMethod(this, &GameForm::TellMissingPicture, Qt::QueuedConnection);
}

bool& GameForm::MissingPictureTold()
{
    static bool told = false;
    return told;
}

void GameForm::TellMissingPicture()
{
    if (MissingPictureTold()) return;
    RunAction([this] {
        MissingPictureTold() = true;
        const QString text = MLSGetStringOr(QStringLiteral("0240"),
                                            QString::fromUtf8("Manca l'immagine %1: al suo posto il gioco disegna un'auto semplice."));
        MsgBox(this, QString(text).replace(QLatin1String("%1"), missingPicture_), MsgButtons::Ok, MsgIcon::None,
               QStringLiteral("Parcolo"));
    });
}

void GameForm::GeneraFrase()
{
    SetCaption(label1_, ClueText(N(), board_.Schema, board_.ColoreAuto, NomeColore));
    label1_->setAccessibleName(label1_->text().replace(QLatin1String("\r\n"), QLatin1String(" ")).trimmed());
}

void GameForm::PlaceBoard()
{
    if (IsMinimised()) return;
    const WindowScale scale = Scale();
    for (int i = 0; i < N(); ++i) PlaceAt(Image1(i), PieceRect(table_, Piece::Car, board_.SlotOfCar(i), 0, scale));
    for (int k = 0; k < N(); ++k) {
        PlaceAt(Label2(k), PieceRect(table_, Piece::Label2, k, 0, scale));
        PlaceAt(Label3(k), PieceRect(table_, Piece::Label3, N() - 1 - k, 0, scale));
    }
    for (int slot = 0; slot < N(); ++slot)
        for (int j = 0; j < N(); ++j) PlaceAt(Grid(slot + 2, j), PieceRect(table_, Piece::NotePad, slot, j, scale));
}

void GameForm::Mostra()
{
    PlaceBoard();
    for (int j = 0; j < N(); ++j) {
        SetTag(Grid(2, j), board_.Segno(j));
        for (int column = 2; column <= N() + 1; ++column) Grid(column, j)->setVisible(board_.Visibile(column - 2, j));
    }
    FollowTheRow();
}

void GameForm::Image1_DragDrop(int Index, QObject* Source)
{
    const auto source = std::find(cars_.begin(), cars_.end(), Source);
    if (source == cars_.end()) return;  // only cars are dropped on cars
    const int moved = int(source - cars_.begin());
    board_.Scambia(Index, moved);
    bubble_->hide();
    Mostra();
    if (moved != Index) SaySwapped(moved, Index);
}

void GameForm::UndoSwap()
{
    const std::optional<std::pair<int, int>> undone = board_.Annulla();
    if (!undone) return;
    Mostra();
    SaySwapped(undone->first, undone->second);
}

QString GameForm::ColourOf(int car) const { return NomeColore[size_t(board_.ColoreAuto[size_t(car)])]; }

int GameForm::PlaceOf(int car) const { return board_.PositionOfSlot(board_.SlotOfCar(car)) + 1; }

void GameForm::SaySwapped(int a, int b)
{
    announcer_->Announce(Text(kSwapped).arg(ColourOf(a), QString::number(PlaceOf(a)), ColourOf(b), QString::number(PlaceOf(b))));
}

void GameForm::Pick(int car)
{
    if (picked_ >= 0) Image1(picked_)->SetPicked(false);
    picked_ = car;
    if (car >= 0) Image1(car)->SetPicked(true);
}

void GameForm::Image1_Click(int car)
{
    if (picked_ < 0) {
        Pick(car);
        return announcer_->Announce(Text(kPicked).arg(ColourOf(car), QString::number(PlaceOf(car))));
    }
    if (picked_ == car) {
        Pick(-1);
        return announcer_->Announce(Text(kPutBack).arg(ColourOf(car), QString::number(PlaceOf(car))));
    }
    // The picked car is dropped on this one, exactly as with the mouse; the focus stays on the slot.
    const int slot = board_.SlotOfCar(car);
    const int source = picked_;
    Pick(-1);
    Image1_DragDrop(car, Image1(source));
    CarInSlot(slot)->setFocus(Qt::TabFocusReason);
}

void GameForm::FocusAfterHide(int column, int row)
{
    for (const int step : {1, -1})
        for (int r = row + step; r >= 0 && r < N(); r += step)
            if (Grid(column, r)->isVisibleTo(this)) return Grid(column, r)->setFocus(Qt::TabFocusReason);
    CarInSlot(column - 2)->setFocus(Qt::TabFocusReason);
}

void GameForm::AcceleratoriBottoni()
{
    // A caption with "&" brings its own accelerator; then ours steps aside, also from the check
    // at the moment the key comes, so that a caption changed meanwhile is respected too.
    const std::pair<QPushButton*, Qt::Key> keys[] = {{command1_, Qt::Key_P}, {conferma_, Qt::Key_C}, {avanti_, Qt::Key_A}};
    for (size_t b = 0; b < std::size(keys); ++b) {
        QPushButton* button = keys[b].first;
        if (!accelerators_[b]) {
            accelerators_[b] = new QShortcut(QKeySequence(Qt::ALT | keys[b].second), this);
            connect(accelerators_[b], &QShortcut::activated, this, [button] {
                if (button->isEnabled() && !button->text().contains(u'&')) button->click();
            });
        }
        accelerators_[b]->setEnabled(!button->text().contains(u'&'));
    }
}

void GameForm::FollowTheRow()
{
    // The cars and the note pad in the turn's reading order: place 1 first, the note pad row by row.
    std::vector<QWidget*> read;
    for (int p = 0; p < N(); ++p) read.push_back(CarInSlot(board_.SlotOfPosition(p)));
    for (int j = 0; j < N(); ++j)
        for (int p = 0; p < N(); ++p) read.push_back(Grid(board_.SlotOfPosition(p) + 2, j));

    // Tab walks them so, then the buttons.
    QWidget* previous = nullptr;
    for (QWidget* w : read) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    for (QWidget* next : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(command1_), static_cast<QWidget*>(conferma_),
                          static_cast<QWidget*>(avanti_)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    // Screen readers list a window's contents in the order of its stack of widgets: the same
    // order there. None of these pictures overlaps another, or anything else, on the screen.
    const QObjectList& stack = centralWidget()->children();
    const bool stacked = std::is_sorted(read.begin(), read.end(),
                                        [&](QWidget* a, QWidget* b) { return stack.indexOf(a) < stack.indexOf(b); });
    if (!stacked) {
        for (size_t k = read.size() - 1; k-- > 0;) read[k]->stackUnder(read[k + 1]);
        QAccessibleEvent reordered(centralWidget(), QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }

    NameThePictures();
    for (QPushButton* button : {command1_, conferma_, avanti_}) button->setAccessibleName(QString(button->text()).remove(u'&'));
}

void GameForm::NameThePictures()
{
    // A place is numbered as the clue counts it: place 1 is the first in the turn's direction.
    // A language without the texts still names every picture: colour and place.
    const auto named = [](const QString& pattern, const QString& colour, int place) {
        return pattern.isEmpty() ? colour + QStringLiteral(", %1").arg(place) : QString(pattern).arg(colour).arg(place);
    };
    const auto colour = [this](int car) { return car < 0 ? QString() : NomeColore[size_t(board_.ColoreAuto[size_t(car)])]; };
    const QString& direction = board_.DaSinistra ? fromLeft_ : fromRight_;
    label1_->setAccessibleDescription(direction);
    for (int i = 0; i < N(); ++i) {
        Image1(i)->setAccessibleName(named(carName_, colour(i), board_.PositionOfSlot(board_.SlotOfCar(i)) + 1));
        Image1(i)->setAccessibleDescription(direction);
        Image1(i)->setToolTip(ToolTip(colour(i), ownToolTips_.value(Image1(i))));
    }
    for (int column = 2; column <= N() + 1; ++column)
        for (int j = 0; j < N(); ++j) {
            const int car = board_.RigaAuto(j);
            const int place = board_.PositionOfSlot(column - 2) + 1;
            Grid(column, j)->setAccessibleName(car < 0 ? QString() : named(gridName_, colour(car), place));
            Grid(column, j)->setToolTip(ToolTip(colour(car), ownToolTips_.value(Grid(column, j))));
        }
}

void GameForm::Image_Click(int column, int Index)
{
    board_.Nascondi(column - 2, Index);
    Grid(column, Index)->hide();
}

void GameForm::Command1_Click()
{
    bubble_->hide();
    const char* marker = GameTextsFor(N())->rowMarkerKey;
    board_.RiempiGriglia(marker ? MLSGetString(QString::fromLatin1(marker)) : QString());
    for (int j = 0; j < N(); ++j)
        for (int column = 2; column <= N() + 1; ++column) Grid(column, j)->SetPicture(Image1(board_.RigaAuto(j))->Picture());
    Mostra();
}

void GameForm::mnuSuggerimento_Click()
{
    if (board_.RigaAuto(0) < 0) Command1_Click();  // the note pad is filled and shown first
    clues::Pairs shown;
    for (int j = 0; j < N(); ++j)
        for (int slot = 0; slot < N(); ++slot)
            // slot and position map onto each other the same way in both directions
            if (board_.Visibile(slot, j)) shown.set(clues::PairBit(board_.RigaAuto(j), board_.SlotOfPosition(slot)));
    const clues::Hint hint = clues::NextHint(N(), size_t(board_.Schema), shown);
    if (!hint.found()) {
        ShowBubble(MLSGetString(QStringLiteral("0215")), Grid((N() + 3) / 2, 0));
        return announcer_->Announce(bubble_->text());
    }

    int row = 0;
    while (board_.RigaAuto(row) != hint.car) ++row;
    const int column = board_.SlotOfPosition(hint.position) + 2;
    Image_Click(column, row);
    QStringList sentences;
    for (const size_t line : hint.lines)
        sentences << ClueLineText(N(), board_.Schema, int(line), board_.ColoreAuto, NomeColore);
    ShowBubble(Quoted(sentences.join(u' ')), Grid(column, row));
    announcer_->Announce(Text(kHinted).arg(ColourOf(hint.car), QString::number(hint.position + 1), bubble_->text()));
}

QString GameForm::LastAnnouncement() const { return announcer_->LastAnnouncement(); }

QString GameForm::Suggerimento() const { return bubble_->isVisibleTo(this) ? bubble_->text() : QString(); }

void GameForm::ShowBubble(const QString& text, const QWidget* column)
{
    QWidget* canvas = centralWidget();
    bubble_->setText(text);
    // In the lower part of the clue's card, below its text and under the column as far as the
    // card reaches: it covers no car, no arrow on the ground and no picture still to be judged.
    const QRect card = label1_->geometry();
    bubble_->setFixedWidth(qBound(120, canvas->width() / 3, qMax(120, card.width() - 16)));
    bubble_->adjustSize();
    const int x = column->mapTo(canvas, QPoint(column->width() / 2, 0)).x() - bubble_->width() / 2;
    bubble_->move(qBound(card.left() + 8, x, qMax(card.left() + 8, card.right() - 8 - bubble_->width())),
                  qMax(card.top(), card.bottom() - 8 - bubble_->height()));
    bubble_->show();
    bubble_->raise();
    bubble_->setAccessibleName(text);
}

void GameForm::BottoneConferma_Click()
{
    const bool right = board_.Giudica();
    CountOne(right ? NumEsatti : NumErrati);
    ShowCounts();
    if (right) {
        emit RispostaEsatta();
        conferma_->setEnabled(false);
        avanti_->setEnabled(true);
    } else {
        emit RispostaErrata();
    }
    announcer_->Announce(Text(right ? kRight : kWrong).arg(NumEsatti).arg(NumErrati));
}

void GameForm::BottoneAvanti_Click()
{
    avanti_->setEnabled(false);
    NuovoTurno();
}

void GameForm::MenuAzzera_Click()
{
    NumEsatti = 0;
    NumErrati = 0;
    ShowCounts();
}

void GameForm::mnuEsci_Click()
{
    bubble_->hide();
    if (MsgBox(this, MLSGetString(QString::fromLatin1(GameTextsFor(N())->leavingKey)), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    emit Uscita();
    Unload();
}

void GameForm::ShowCounts()
{
    statusBar_->SetPanelText(1, Parole[0] + QString::number(NumEsatti));
    statusBar_->SetPanelText(2, Parole[1] + QString::number(NumErrati));
    // Panel 3 says nothing the program changes, but says it in the player's language.
    statusBar_->SetPanelText(3, QStringLiteral("<img src=\":/avanti.png\" height=\"16\"> ") +
                                    MLSGetStringOr(QStringLiteral("0230"), QStringLiteral("Avanti")).toHtmlEscaped(),
                             Qt::RichText);
}
