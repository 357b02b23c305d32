#include "game/GameForm.h"

#include "clues/Generator.h"
#include "clues/Patterns.h"
#include "clues/TurnCode.h"
#include "core/Rnd.h"
#include "core/Score.h"
#include "game/HintBubble.h"
#include "game/Sayings.h"
#include "game/StandInCar.h"
#include "text/ClueText.h"
#include "text/GameTexts.h"
#include "text/Parole.h"
#include "text/ProgramFolder.h"
#include "text/TextLookup.h"
#include "text/TurnKindSetting.h"
#include "ui/Announcer.h"
#include "ui/clsResize.h"
#include "ui/Controls.h"
#include "ui/LanguageMenu.h"
#include "ui/MLSTranslateForm.h"
#include "ui/MsgBox.h"
#include "ui/Properties.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

GameForm::GameForm(const GameTable& table)
    : Form(QString::fromLatin1(table.formName), table.clientWidth, table.clientHeight),
      table_(table),
      board_(table.n),
      clue_(table.n)
{
    setWindowTitle(QString::fromUtf8(table.title));
    w_.window = this;
    w_.table = &table_;
    for (const ControlRow& row : table.controls) AddControls(row);
    w_.buttons = {command1_, conferma_, avanti_};
    view_ = std::make_unique<BoardView>(w_);

    // The markers are controls of the window (translated with it) that are never shown. Off the
    // canvas, on a sheet of their own that is never shown either, no screen reader lists them.
    auto* markers = new QWidget(this, Qt::Window);
    markers->setObjectName(QStringLiteral("markers"));
    for (QLabel* marker : label2_) marker->setParent(markers);
    for (QLabel* marker : label3_) marker->setParent(markers);

    bubble_ = std::make_unique<HintBubble>(centralWidget());
    announcer_ = new Announcer(centralWidget());
    pictures_ = new QButtonGroup(this);
    pictures_->setExclusive(false);
    for (ImageControl* car : w_.cars) pictures_->addButton(car);
    for (const auto& column : w_.grid)
        for (ImageControl* picture : column) pictures_->addButton(picture);
    WireInput();
    board_.OnChange([this] { Redraw(); });
}

GameForm::~GameForm() = default;

void GameForm::Form_Load()
{
    kind_ = ChosenTurnKind();
    languages_->Fill();
    MLSTranslateForm(this);
    ButtonAccessKeys();
    ReadTexts();
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
    if (ui_.turnStarted) return Redraw();  // a return to the window: the turn in play goes on
    LeggiColoriAuto();
    NuovoTurno();
}

void GameForm::Form_Resize()
{
    ResizeForm(this);
    view_->Place(board_);
}

void GameForm::Form_LanguageChanged(const QString&)
{
    ButtonAccessKeys();
    ReadTexts();
    LeggiColoriAuto();
    ShowCounts();
    bubble_->Hide();
    if (!ui_.turnStarted) return;
    GeneraFrase();     // the same pattern and the same cars, in the new words
    CaricaImmagini();  // a car drawn where its picture is missing bears its colour's name
    Redraw();
}

void GameForm::Redraw() { view_->Draw(board_, NomeColore); }

void GameForm::ReadTexts()
{
    const char* marker = GameTextsFor(N())->rowMarkerKey;
    view_->ReadTexts(marker ? MLSGetString(QString::fromLatin1(marker)) : QString());
}

void GameForm::LeggiColoriAuto()
{
    for (int c = 1; c <= 10; ++c) NomeColore[size_t(c)] = MLSGetString(GameTextsFor(N())->ColourKey(c));
}

void GameForm::NuovoTurno()
{
    Pick(-1);
    bubble_->Hide();
    for (ImageControl* car : w_.cars) car->ClearPicture();
    const std::optional<clues::Level> level = LevelOf(kind_);
    board_.NuovoTurno(level ? 0 : int(clues::PatternsFor(N()).size()));
    if (level) {
        // In place of the pattern's draw, the generated clue's seed.
        const quint32 seed = quint32(Rnd() * 4294967296.0);
        Caso = qint16(seed & 0x7FFF);
        clue_.SetFacts(clues::GenerateClue(N(), *level, seed));
    } else {
        Caso = qint16(board_.Pattern);  // the last draw of the set-up
        clue_.SetPattern(board_.Pattern);
    }
    StartTurn();
}

void GameForm::PlayTurn(const clues::Turn& turn)
{
    Pick(-1);
    bubble_->Hide();
    for (ImageControl* car : w_.cars) car->ClearPicture();
    std::array<qint16, Board::kMaxCars> colours{};
    for (int k = 0; k < N(); ++k) colours[size_t(k)] = qint16(turn.colours[size_t(k)]);
    board_.SetTurn(turn.fromLeft, colours, turn.level ? -1 : turn.pattern);
    if (turn.level) clue_.SetFacts(turn.facts);
    else clue_.SetPattern(turn.pattern);
    // "avanti" goes on with new turns of the same kind.
    kind_ = turn.level ? TurnKind(int(*turn.level) + 1) : TurnKind::Classico;
    avanti_->setEnabled(false);
    LeggiColoriAuto();
    StartTurn();
}

clues::Turn GameForm::CurrentTurn() const
{
    clues::Turn turn;
    turn.cars = N();
    turn.fromLeft = board_.DaSinistra;
    for (int k = 0; k < N(); ++k) turn.colours[size_t(k)] = board_.ColoreAuto[size_t(k)];
    if (clue_.Generated()) {
        turn.level = LevelOf(kind_).value_or(clues::Level::Medio);
        turn.facts = clue_.Facts();
    } else {
        turn.pattern = clue_.Pattern();
    }
    return turn;
}

void GameForm::mnuCode_Click()
{
    const QString code = clues::EncodeTurn(CurrentTurn());
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(code);
    MsgBox(this,
           MLSGetStringOr(QStringLiteral("0257"), QString::fromUtf8("Il codice di questo turno è %1 ed è già stato copiato "
                                                                    "negli appunti. Chi lo inserisce nel menu, in «Partita > "
                                                                    "Gioca un codice…», gioca questo stesso turno."))
               .replace(QLatin1String("%1"), code),
           MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
}

void GameForm::StartTurn()
{
    ui_.turnStarted = true;
    record_.Start(N(), int(kind_), isActiveWindow() && !isMinimized());
    CaricaImmagini();
    GeneraFrase();
    conferma_->setEnabled(true);
    Redraw();
    // The focus frame starts on the first place in the turn's reading direction.
    CarInSlot(board_.SlotOfPosition(0))->setFocus();
    announcer_->Announce(sayings::NewTurn(view_->Direction(board_), w_.clue->accessibleName()));
}

void GameForm::CaricaImmagini()
{
    const QString folder = InProgramFolder(QStringLiteral("immagini")) + QDir::separator();
    for (int i = 0; i < N(); ++i) {
        const int colour = board_.ColoreAuto[size_t(i)];
        const QString file = folder + QString::number(colour) + (board_.DaSinistra ? QStringLiteral("s") : QStringLiteral("d")) +
                             QStringLiteral(".gif");
        // The file, or its "@2x" variant where the screen shows more pixels; for a picture that
        // is missing or broken, a plain car in the car's colour with its name.
        if (Image1(i)->LoadPicture(file)) continue;
        Image1(i)->SetPicture(StandInCar(colour, NomeColore[size_t(colour)], board_.DaSinistra));
        if (ui_.missingPicture.isEmpty()) ui_.missingPicture = QDir::toNativeSeparators(file);
    }
    if (!ui_.missingPicture.isEmpty()) TellMissingPictureOnce(this, ui_.missingPicture);
}

void GameForm::GeneraFrase()
{
    SetCaption(w_.clue, clue_.Text(board_.ColoreAuto, NomeColore));
    w_.clue->setAccessibleName(w_.clue->text().replace(QLatin1String("\r\n"), QLatin1String(" ")).trimmed());
}

QString GameForm::ColourOf(int car) const { return NomeColore[size_t(board_.ColoreAuto[size_t(car)])]; }

int GameForm::PlaceOf(int car) const { return board_.PositionOfSlot(board_.SlotOfCar(car)) + 1; }

void GameForm::SayMove(const Board::Move& move, bool undone)
{
    announcer_->Announce(sayings::Move(board_, move, undone, NomeColore));
}

void GameForm::Image1_DragDrop(int Index, QObject* Source)
{
    const auto source = std::find(w_.cars.begin(), w_.cars.end(), Source);
    if (source == w_.cars.end()) return;  // only cars are dropped on cars
    bubble_->Hide();
    const Board::Move swap = Board::Move::Swap(int(source - w_.cars.begin()), Index);
    if (board_.Apply(swap)) SayMove(swap, false);
}

void GameForm::Undo()
{
    bubble_->Hide();
    if (const auto undone = board_.Undo()) SayMove(*undone, true);
}

void GameForm::Redo()
{
    bubble_->Hide();
    if (const auto redone = board_.Redo()) SayMove(*redone, false);
}

void GameForm::Pick(int car)
{
    if (ui_.picked >= 0) Image1(ui_.picked)->SetPicked(false);
    ui_.picked = car;
    if (car >= 0) Image1(car)->SetPicked(true);
}

void GameForm::Image1_Click(int car)
{
    if (ui_.picked < 0) {
        Pick(car);
        return announcer_->Announce(sayings::Picked(ColourOf(car), PlaceOf(car)));
    }
    if (ui_.picked == car) {
        Pick(-1);
        return announcer_->Announce(sayings::PutBack(ColourOf(car), PlaceOf(car)));
    }
    // The picked car is dropped on this one, exactly as with the mouse; the focus stays on the slot.
    const int slot = board_.SlotOfCar(car);
    const int source = ui_.picked;
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

void GameForm::Image_Click(int column, int Index)
{
    const Board::Move crossOut = Board::Move::CrossOut(column - 2, Index);
    if (board_.Apply(crossOut)) SayMove(crossOut, false);
}

void GameForm::Command1_Click()
{
    bubble_->Hide();
    int lastDraw = 0;
    const Board::Move open = Board::Move::OpenNotePad(board_.DrawNotePadRows(&lastDraw));
    Caso = qint16(lastDraw);
    if (board_.Apply(open)) SayMove(open, false);
}

void GameForm::mnuSuggerimento_Click()
{
    if (!board_.NotePadOpen()) Command1_Click();  // the note pad is opened first
    clues::Pairs shown;
    for (int j = 0; j < N(); ++j)
        for (int slot = 0; slot < N(); ++slot)
            // slot and position map onto each other the same way in both directions
            if (board_.Shown(slot, j)) shown.set(clues::PairBit(board_.CarInRow(j), board_.SlotOfPosition(slot)));
    const clues::Hint hint = clue_.Logic().NextHint(shown);
    if (!hint.found()) {
        bubble_->Show(MLSGetString(QStringLiteral("0215")), Grid((N() + 3) / 2, 0), w_.clue->geometry());
        return announcer_->Announce(bubble_->Text());
    }
    int row = 0;
    while (board_.CarInRow(row) != hint.car) ++row;
    const int column = board_.SlotOfPosition(hint.position) + 2;
    board_.Apply(Board::Move::CrossOut(column - 2, row));
    record_.Hint(this);
    QStringList sentences;
    for (const size_t line : hint.lines)
        sentences << clue_.Sentence(int(line), board_.ColoreAuto, NomeColore);
    bubble_->Show(HintBubble::Quoted(sentences.join(u' ')), Grid(column, row), w_.clue->geometry());
    announcer_->Announce(sayings::Hinted(ColourOf(hint.car), hint.position + 1, bubble_->Text()));
}

QString GameForm::HintText() const { return bubble_->Text(); }

QString GameForm::LastAnnouncement() const { return announcer_->LastAnnouncement(); }

void GameForm::BottoneConferma_Click()
{
    const bool right = board_.IsSolved();
    CountOne(right ? NumEsatti : NumErrati);
    ShowCounts();
    QString records;
    if (right) {
        records = record_.Solved(this);
        emit RightAnswer();
        conferma_->setEnabled(false);
        avanti_->setEnabled(true);
    } else {
        record_.Wrong(this);
        emit WrongAnswer();
    }
    // A new best time or run: said in the bubble, under the middle of the row, and heard after
    // the judgement.
    if (!records.isEmpty()) bubble_->Show(records, Image1(board_.CarInSlot(N() / 2)), w_.clue->geometry());
    announcer_->Announce(right ? (sayings::Right(NumEsatti, NumErrati) + u' ' + records).trimmed() : sayings::Wrong(NumEsatti, NumErrati));
}

void GameForm::changeEvent(QEvent* e)
{
    Form::changeEvent(e);
    if (e->type() == QEvent::ActivationChange || e->type() == QEvent::WindowStateChange)
        record_.SetActive(isActiveWindow() && !isMinimized());
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
    bubble_->Hide();
    if (MsgBox(this, MLSGetString(QString::fromLatin1(GameTextsFor(N())->leavingKey)), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    emit BackToMenu();
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
