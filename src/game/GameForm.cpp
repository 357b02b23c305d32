#include "game/GameForm.h"

#include "clues/Clues.h"
#include "forms/Controls.h"
#include "forms/Design.h"
#include "forms/Properties.h"
#include "language/modLanguageSupport.h"
#include "forms/MsgBox.h"
#include "language/MLSTranslateForm.h"
#include "shell/Instances.h"
#include "shell/Modulo1.h"
#include "shell/Rnd.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMarkerHeight = 495;
constexpr int kGridWidth = 1215;
constexpr int kGridHeight = 375;
constexpr int kButtonWidth = 1665;
constexpr int kStatusBarHeight = 500;

int Nearest(double v) { return int(std::nearbyint(v)); }

// A count stops at the largest 16-bit value instead of overflowing.
void CountOne(qint16& count)
{
    if (count < std::numeric_limits<qint16>::max()) ++count;
}

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

}  // namespace

GameForm::GameForm(const GameTable& table)
    : Form(QString::fromLatin1(table.formName), table.layout.clientWidth, table.layout.clientHeight), table_(table)
{
    const GameLayout& L = table.layout;
    const int n = table.n;
    setWindowTitle(QString::fromUtf8(table.title));

    for (int i = 0; i < n; ++i) {
        auto* car = Place(new ImageControl, QStringLiteral("Image1"), i, L.carLeft[size_t(i)], L.carTop,
                          L.carWidth, L.carHeight);
        car->SetDraggable(true, HandPointerPixmap());
        car->SetDropTarget(true);
        car->setCursor(HandPointer());
        car->setFocusPolicy(Qt::StrongFocus);
        cars_.push_back(car);
    }
    for (int column = 2; column <= n + 1; ++column) {
        std::vector<ImageControl*> pictures;
        for (int j = 0; j < n; ++j) {
            auto* p = Place(new ImageControl, QStringLiteral("Image%1").arg(column), j,
                            L.gridLeft[size_t(column - 2)], L.gridTop[size_t(j)], kGridWidth, kGridHeight);
            p->setCursor(HandPointer());
            p->setFocusPolicy(Qt::StrongFocus);
            p->hide();
            pictures.push_back(p);
        }
        grid_.push_back(pictures);
    }

    label1_ = Place(new QLabel(QStringLiteral(" ")), QStringLiteral("Label1"), -1, L.label1Left, L.label1Top,
                    L.label1Width, L.label1Height);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setMargin(6);
    label1_->setProperty("clue", true);
    label1_->setFont(DesignFont(QStringLiteral("Verdana"), 14.25, false));
    label1_->setAutoFillBackground(true);
    QPalette white = label1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    label1_->setPalette(white);

    for (int k = 0; k < n; ++k)
        label2_.push_back(Place(NewMarker(QStringLiteral("Label2")), QStringLiteral("Label2"), k,
                                L.carLeft[size_t(k)], L.label2Top, L.carWidth, kMarkerHeight));
    for (int k = 0; k < n; ++k)
        label3_.push_back(Place(NewMarker(QStringLiteral("Label3")), QStringLiteral("Label3"), k,
                                L.carLeft[size_t(n - 1 - k)], L.label3Top, L.carWidth, kMarkerHeight));

    command1_ = Place(NewButton(QStringLiteral("Possibilità")), QStringLiteral("Command1"), -1, L.command1Left,
                      L.command1Top, kButtonWidth, 870);
    command1_->setCursor(HandPointer());
    conferma_ = Place(NewButton(QStringLiteral("Conferma")), QStringLiteral("BottoneConferma"), -1, L.confermaLeft,
                      L.confermaTop, kButtonWidth, 870);
    conferma_->setCursor(HandPointer());
    avanti_ = Place(NewButton(QStringLiteral("avanti")), QStringLiteral("BottoneAvanti"), -1, L.avantiLeft,
                    L.avantiTop, kButtonWidth, 855);
    avanti_->setEnabled(false);

    statusBar_ = Add(new StatusBarControl(this, {5292, 5292, 0}), QStringLiteral("StatusBar1"));
    statusBar_->Panel(1)->setText(QStringLiteral("Esatti"));
    statusBar_->Panel(2)->setText(QStringLiteral("Errati"));
    statusBar_->Panel(3)->setTextFormat(Qt::RichText);
    statusBar_->Panel(3)->setText(QStringLiteral("<img src=\":/avanti.png\" height=\"16\"> Avanti"));
    setStatusBar(statusBar_);

    menuAzzera_ = Add(menuBar()->addAction(QStringLiteral("Azzera conteggio") + QString(10, u' ')),
                      QStringLiteral("MenuAzzera"));
    mnuEsci_ = Add(menuBar()->addAction(QStringLiteral("Esci")), QStringLiteral("mnuEsci"));

    for (int i = 0; i < n; ++i) {
        connect(cars_[size_t(i)], &ImageControl::dropped, this, [this, i](ImageControl* source) { Image1_DragDrop(i, source); });
        connect(cars_[size_t(i)], &ImageControl::keyPressed, this, [this, i](QKeyEvent* e) { CarKey(i, e); });
    }
    for (int column = 2; column <= n + 1; ++column)
        for (int j = 0; j < n; ++j) {
            connect(Grid(column, j), &ImageControl::clicked, this, [this, column, j] { Image_Click(column, j); });
            connect(Grid(column, j), &ImageControl::keyPressed, this, [this, column, j](QKeyEvent* e) { GridKey(column, j, e); });
        }
    connect(command1_, &QPushButton::clicked, this, &GameForm::Command1_Click);
    connect(conferma_, &QPushButton::clicked, this, &GameForm::BottoneConferma_Click);
    connect(avanti_, &QPushButton::clicked, this, &GameForm::BottoneAvanti_Click);
    connect(menuAzzera_, &QAction::triggered, this, &GameForm::MenuAzzera_Click);
    connect(mnuEsci_, &QAction::triggered, this, &GameForm::mnuEsci_Click);
}

QString GameForm::ColourKey(int colour) const { return clues::KeyName(table_.firstColourKey + colour - 1); }

void GameForm::Form_Load()
{
    MLSTranslateForm(this);
    BindResizer(this);
    NumEsatti = 0;
    NumErrati = 0;
    ShowCounts();
}

void GameForm::Form_Activate()
{
    FillScreen();
    statusBar_->setFixedHeight(qRound(kStatusBarHeight / kTwipsPerPixel));
    PaintBands(Bands({table_.bandStart, table_.bandFalls}));
    XPrimoPosto = Nearest(Left(Image1(0)));
    DistanzaPosti = Nearest(Left(Image1(1)) - Left(Image1(0)));
    LeggiColoriAuto();
    NuovoTurno();
}

void GameForm::Form_Resize()
{
    // The resizer puts every control back on its design place, scaled. The player's row must
    // survive that: remember the slot of every car, and put the cars back on those slots of the
    // scaled row, whose coordinates the slot markers Label2 now give.
    std::array<int, 5> slotOf{};
    for (int i = 0; i < N(); ++i) slotOf[size_t(i)] = SlotOfCar(i);
    ResizeForm(this);
    if (!turnStarted_ || DistanzaPosti == 0 || IsMinimised()) return;
    XPrimoPosto = Nearest(Left(Label2(0)));
    DistanzaPosti = Nearest(Left(Label2(1)) - Left(Label2(0)));
    for (int k = 0; k < N(); ++k) {
        SetLeft(Label2(k), SlotX(k));
        SetLeft(Label3(N() - 1 - k), SlotX(k));
    }
    for (int i = 0; i < N(); ++i) SetLeft(Image1(i), SlotX(slotOf[size_t(i)]));
    FollowTheRow();
}

void GameForm::LeggiColoriAuto()
{
    for (int c = 1; c <= 10; ++c) NomeColore[size_t(c)] = MLSGetString(ColourKey(c));
}

void GameForm::NuovoTurno()
{
    swaps_.clear();
    Pick(-1);
    Caso = qint16(RndInt(2));
    DaSinistra = Caso == 0;
    for (int i = 0; i < N(); ++i) {
        Image1(i)->ClearPicture();
        for (int column = 2; column <= N() + 1; ++column) Grid(column, i)->ClearPicture();
        SetTag(Grid(2, i), QString());
        for (int column = 2; column <= N() + 1; ++column) Grid(column, i)->hide();
    }
    ScombiccheraPosti();
    turnStarted_ = true;
    ColoreAuto[0] = qint16(RndInt(10) + 1);
    for (int i = 1; i < N(); ++i) {
        bool repeated = true;
        while (repeated) {
            ColoreAuto[size_t(i)] = qint16(RndInt(10) + 1);
            repeated = std::find(ColoreAuto.begin(), ColoreAuto.begin() + i, ColoreAuto[size_t(i)]) !=
                       ColoreAuto.begin() + i;
        }
    }
    CaricaImmagini();
    GeneraFrase();
    conferma_->setEnabled(true);
    FollowTheRow();
    CarInSlot(0)->setFocus();
}

void GameForm::ScombiccheraPosti()
{
    // Linear probing from a random car to the next one not yet placed. Placement is tracked
    // apart from the coordinates, so a row squeezed to coordinate 0 cannot make the probe spin.
    std::array<bool, 5> placed{};
    for (int i = 0; i < N(); ++i) SetLeft(Image1(i), 0);
    for (int k = 0; k < N(); ++k) {
        int r = RndInt(N());
        while (placed[size_t(r)]) {
            r = r + 1;
            if (r == N()) r = 0;
        }
        placed[size_t(r)] = true;
        SetLeft(Image1(r), SlotX(k));
        SetLeft(Label2(k), Left(Image1(r)));
        SetLeft(Label3(N() - 1 - k), Left(Image1(r)));
    }
}

void GameForm::CaricaImmagini()
{
    const QString folder = InProgramFolder(QStringLiteral("immagini")) + QDir::separator();
    for (int i = 0; i < N(); ++i) {
        const QString file = folder + QString::number(ColoreAuto[size_t(i)]) +
                             (DaSinistra ? QStringLiteral("s") : QStringLiteral("d")) + QStringLiteral(".gif");
        Image1(i)->SetPicture(QPixmap(file));  // a missing picture leaves the car empty
    }
}

QString ClueText(int n, int pattern, const std::function<QString(int car)>& colour)
{
    const std::vector<clues::Pattern>& patterns = clues::PatternsFor(n);
    if (pattern < 0 || pattern >= int(patterns.size())) return QString();
    const clues::Sources sources{
        colour,
        [](int entry) { return Parole[size_t(entry)]; },
        [](const QString& key) { return MLSGetString(key); },
    };
    return clues::Assemble(patterns[size_t(pattern)], sources);
}

void GameForm::GeneraFrase()
{
    Caso = qint16(RndInt(int(clues::PatternsFor(N()).size())));
    SetCaption(label1_, ClueText(N(), Caso, [this](int car) { return NomeColore[size_t(ColoreAuto[size_t(car)])]; }));
    label1_->setAccessibleName(label1_->text().replace(QLatin1String("\r\n"), QLatin1String(" ")).trimmed());
}

void GameForm::Image1_DragDrop(int Index, QObject* Source)
{
    const int t = Nearest(Left(Image1(Index)));
    SetLeft(Image1(Index), Left(Source));
    SetLeft(Source, t);
    const auto source = std::find(cars_.begin(), cars_.end(), Source);
    if (!undoing_ && source != cars_.end() && *source != Image1(Index))
        swaps_.emplace_back(Index, int(source - cars_.begin()));
    FollowTheRow();
}

void GameForm::UndoSwap()
{
    if (swaps_.empty()) return;
    const auto [index, source] = swaps_.back();
    swaps_.pop_back();
    undoing_ = true;
    Image1_DragDrop(index, Image1(source));
    undoing_ = false;
}

int GameForm::SlotOfCar(int car) const
{
    if (DistanzaPosti == 0) return 0;
    return qBound(0, Nearest((Left(Image1(car)) - XPrimoPosto) / DistanzaPosti), N() - 1);
}

ImageControl* GameForm::CarInSlot(int k) const
{
    for (int i = 0; i < N(); ++i)
        if (SlotOfCar(i) == k) return Image1(i);
    return Image1(0);
}

void GameForm::Pick(int car)
{
    if (picked_ >= 0) Image1(picked_)->SetPicked(false);
    picked_ = car;
    if (car >= 0) Image1(car)->SetPicked(true);
}

ImageControl* GameForm::GridNeighbour(int column, int row, int dc, int dr) const
{
    for (int c = column + dc, r = row + dr; c >= 2 && c <= N() + 1 && r >= 0 && r < N(); c += dc, r += dr)
        if (Grid(c, r)->isVisibleTo(this)) return Grid(c, r);
    return nullptr;
}

void GameForm::CarKey(int car, QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier) return;
    const int slot = SlotOfCar(car);
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int target = slot + (e->key() == Qt::Key_Left ? -1 : 1);
        if (target >= 0 && target < N()) CarInSlot(target)->setFocus(Qt::TabFocusReason);
        break;
    }
    case Qt::Key_Down:
        if (ImageControl* below = GridNeighbour(slot + 2, -1, 0, 1)) below->setFocus(Qt::TabFocusReason);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (picked_ < 0) {
            Pick(car);
        } else if (picked_ == car) {
            Pick(-1);
        } else {
            // The picked car is dropped on this one, exactly as with the mouse.
            const int source = picked_;
            Pick(-1);
            Image1_DragDrop(car, Image1(source));
            CarInSlot(slot)->setFocus(Qt::TabFocusReason);
        }
        break;
    case Qt::Key_Escape:
        if (picked_ < 0) return;
        Pick(-1);
        break;
    default:
        return;
    }
    e->accept();
}

void GameForm::GridKey(int column, int row, QKeyEvent* e)
{
    if (e->modifiers() & ~Qt::KeypadModifier) return;
    ImageControl* next = nullptr;
    switch (e->key()) {
    case Qt::Key_Left: next = GridNeighbour(column, row, -1, 0); break;
    case Qt::Key_Right: next = GridNeighbour(column, row, 1, 0); break;
    case Qt::Key_Down: next = GridNeighbour(column, row, 0, 1); break;
    case Qt::Key_Up:
        next = GridNeighbour(column, row, 0, -1);
        if (!next) next = CarInSlot(column - 2);
        break;
    case Qt::Key_Space:
        Image_Click(column, row);
        next = GridNeighbour(column, row, 0, 1);
        if (!next) next = GridNeighbour(column, row, 0, -1);
        if (!next) next = CarInSlot(column - 2);
        break;
    default:
        return;
    }
    if (next) next->setFocus(Qt::TabFocusReason);
    e->accept();
}

void GameForm::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Undo)) {
        UndoSwap();
        return;
    }
    // Alt+P, Alt+C, Alt+A for the buttons, unless the language gives them accelerators of
    // their own with "&".
    if (e->modifiers() == Qt::AltModifier) {
        QPushButton* button = e->key() == Qt::Key_P ? command1_ : e->key() == Qt::Key_C ? conferma_
                              : e->key() == Qt::Key_A ? avanti_ : nullptr;
        if (button && !button->text().contains(u'&')) {
            if (button->isEnabled()) button->click();
            return;
        }
    }
    Form::keyPressEvent(e);
}

void GameForm::FollowTheRow()
{
    QWidget* previous = nullptr;
    const auto chain = [&](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int k = 0; k < N(); ++k) chain(CarInSlot(k));
    for (int j = 0; j < N(); ++j)
        for (int column = 2; column <= N() + 1; ++column) chain(Grid(column, j));
    for (QWidget* button : {static_cast<QWidget*>(command1_), static_cast<QWidget*>(conferma_), static_cast<QWidget*>(avanti_)})
        chain(button);

    const auto colour = [this](int car) { return NomeColore[size_t(ColoreAuto[size_t(car)])]; };
    for (int i = 0; i < N(); ++i)
        Image1(i)->setAccessibleName(colour(i) + QStringLiteral(", posto %1").arg(SlotOfCar(i) + 1));
    for (int column = 2; column <= N() + 1; ++column)
        for (int j = 0; j < N(); ++j)
            Grid(column, j)->setAccessibleName(
                Grid(column, j)->Picture().isNull()
                    ? QString()
                    : colour(rowCar_[size_t(j)]) + QStringLiteral(", sotto il posto %1").arg(column - 1));
    for (QPushButton* button : {command1_, conferma_, avanti_}) button->setAccessibleName(QString(button->text()).remove(u'&'));
}

void GameForm::Image_Click(int column, int Index) { Grid(column, Index)->hide(); }

QString GameForm::RowMarker() const
{
    const QString marker = table_.rowMarkerKey ? MLSGetString(QString::fromLatin1(table_.rowMarkerKey)) : QString();
    return marker.isEmpty() ? QString::fromLatin1(kFixedRowMarker) : marker;
}

void GameForm::Command1_Click()
{
    const int n = N();
    for (int j = 0; j < n; ++j) {
        for (int column = 2; column <= n + 1; ++column) Grid(column, j)->ClearPicture();
        SetTag(Grid(2, j), QString());
    }
    const QString marker = RowMarker();
    for (int k = 0; k < n; ++k) {
        do {
            Caso = qint16(RndInt(n));
        } while (!Tag(Grid(2, Caso)).isEmpty());
        SetTag(Grid(2, Caso), marker);
        for (int column = 2; column <= n + 1; ++column) Grid(column, Caso)->SetPicture(Image1(k)->Picture());
        rowCar_[size_t(Caso)] = k;
    }
    for (int j = 0; j < n; ++j)
        for (int column = 2; column <= n + 1; ++column) Grid(column, j)->show();
    FollowTheRow();
}

void GameForm::BottoneConferma_Click()
{
    bool ok = true;
    for (int i = 0; i < N(); ++i) {
        const QLabel* marker = DaSinistra ? Label2(i) : Label3(i);
        if (Left(Image1(i)) != Left(marker)) ok = false;
    }
    if (ok) {
        CountOne(NumEsatti);
        ShowCounts();
        SuonoEsatto();
        conferma_->setEnabled(false);
        avanti_->setEnabled(true);
    } else {
        CountOne(NumErrati);
        ShowCounts();
        SuonoErrato();
    }
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
    if (MsgBox(MLSGetString(QString::fromLatin1(table_.leavingKey)), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Parcolo")) != MsgResult::Yes)
        return;
    FormMenu.Show();
    Unload();
}

void GameForm::ShowCounts()
{
    statusBar_->Panel(1)->setText(Parole[0] + QString::number(NumEsatti));
    statusBar_->Panel(2)->setText(Parole[1] + QString::number(NumErrati));
    for (int p = 1; p <= 2; ++p) statusBar_->Panel(p)->setAccessibleName(statusBar_->Panel(p)->text());
}
