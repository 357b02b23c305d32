#include "app/Worksheet.h"

#include "clues/Patterns.h"
#include "text/Captions.h"
#include "text/ClueText.h"
#include "text/FactText.h"
#include "text/GameTexts.h"
#include "text/Parole.h"
#include "text/TextLookup.h"
#include "text/TurnKindSetting.h"
#include "ui/Design.h"
#include "ui/MsgBox.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

#include <algorithm>
#include <functional>

namespace {

constexpr int kMostPuzzles = 12;
constexpr int kPuzzlesPerPage = 3;


ColourNames NamesFor(int cars)
{
    ColourNames names;
    for (int c = 1; c <= 10; ++c) names[size_t(c)] = MLSGetString(GameTextsFor(cars)->ColourKey(c));
    return names;
}

QString ClueOf(const clues::Turn& turn, const ColourNames& names)
{
    CarColours colours{};
    for (int k = 0; k < turn.cars; ++k) colours[size_t(k)] = qint16(turn.colours[size_t(k)]);
    const QString text = turn.level ? FactClueText(turn.cars, turn.facts, colours, names)
                                    : ClueText(turn.cars, turn.pattern, colours, names);
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).trimmed();
}

// Draws on the printer's pages in millimetres.
class Sheet {
public:
    explicit Sheet(QPrinter& printer) : printer_(printer) {}

    bool Begin()
    {
        if (!painter_.begin(&printer_)) return false;
        const double dotsPerMm = printer_.resolution() / 25.4;
        painter_.scale(dotsPerMm, dotsPerMm);
        // A font's points are the device's: under the scale they would grow with it.
        pointsPerPoint_ = 1 / dotsPerMm;
        const QRectF page = printer_.pageLayout().paintRectPixels(printer_.resolution());
        width_ = page.width() / dotsPerMm;
        height_ = page.height() / dotsPerMm;
        painter_.setPen(Qt::black);
        return true;
    }
    void End() { painter_.end(); }
    void NewPage()
    {
        printer_.newPage();
        y_ = 0;
    }
    double Left() const { return height_ - y_; }
    void Space(double mm) { y_ += mm; }

    // The height that `draw` takes, drawing nothing.
    double Measure(const std::function<void()>& draw)
    {
        const double from = y_;
        measuring_ = true;
        draw();
        measuring_ = false;
        const double used = y_ - from;
        y_ = from;
        return used;
    }

    // A text at the current height, wrapped to the page's width; the height moves below it.
    void Write(const QString& text, double points, bool bold, double indent = 0)
    {
        painter_.setFont(Font(points, bold));
        const QRectF room(indent, y_, width_ - indent, height_ - y_);
        const QRectF used = painter_.boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        if (!measuring_) painter_.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        y_ += used.height() + 1.5;
    }

    // An empty row of parking places, numbered in the reading direction, with an arrow that
    // points the way the places are counted, and the sentence that says it.
    void Places(int cars, bool fromLeft, const QString& direction)
    {
        constexpr double kPlace = 30, kHigh = 16, kGap = 3;
        const double yArrow = y_ + kHigh + 8;
        if (measuring_) {
            y_ = yArrow + 2.5;
            return Write(direction, 9, false);
        }
        painter_.setFont(Font(10, true));
        painter_.setPen(QPen(Qt::black, 0.4));
        for (int slot = 0; slot < cars; ++slot) {
            const QRectF place(slot * (kPlace + kGap), y_, kPlace, kHigh);
            painter_.drawRect(place);
            const int number = fromLeft ? slot + 1 : cars - slot;
            painter_.drawText(QRectF(place.left(), place.bottom() + 0.5, kPlace, 5), Qt::AlignHCenter | Qt::AlignTop,
                              QString::number(number));
        }
        // The arrow under the numbers: from place 1 on.
        const double rowWidth = cars * (kPlace + kGap) - kGap;
        const double from = fromLeft ? 2 : rowWidth - 2, to = fromLeft ? rowWidth - 2 : 2;
        painter_.drawLine(QPointF(from, yArrow), QPointF(to, yArrow));
        const double head = fromLeft ? -3 : 3;
        QPainterPath arrow;
        arrow.moveTo(to, yArrow);
        arrow.lineTo(to + head, yArrow - 1.6);
        arrow.lineTo(to + head, yArrow + 1.6);
        arrow.closeSubpath();
        painter_.fillPath(arrow, Qt::black);
        y_ = yArrow + 2.5;
        Write(direction, 9, false);
    }

    void Rule()
    {
        if (measuring_) return void(y_ += 6);
        painter_.setPen(QPen(Qt::black, 0.2, Qt::DashLine));
        painter_.drawLine(QPointF(0, y_ + 2), QPointF(width_, y_ + 2));
        painter_.setPen(Qt::black);
        y_ += 6;
    }

private:
    QFont Font(double points, bool bold) const
    {
        QFont font = DesignFont(QStringLiteral("DejaVu Sans"), points * pointsPerPoint_, bold);
        // No ligatures: "fi" stays two letters, for a reader that copies or searches the text.
        font.setLetterSpacing(QFont::PercentageSpacing, 100.5);
        return font;
    }

    QPrinter& printer_;
    QPainter painter_;
    double width_ = 0, height_ = 0, y_ = 0;
    double pointsPerPoint_ = 1;
    bool measuring_ = false;
};

}  // namespace

std::vector<clues::Turn> DrawWorksheet(int cars, std::optional<clues::Level> level, int count)
{
    std::vector<clues::Turn> puzzles;
    for (int i = 0; i < std::clamp(count, 1, kMostPuzzles); ++i) puzzles.push_back(clues::DrawTurn(cars, level));
    return puzzles;
}

bool PrintWorksheet(QPrinter& printer, const std::vector<clues::Turn>& puzzles, std::optional<clues::Level> level)
{
    if (puzzles.empty()) return false;
    Sheet sheet(printer);
    if (!sheet.Begin()) return false;
    const int cars = puzzles.front().cars;
    const ColourNames names = NamesFor(cars);
    const QString title = MLSGetStringOr("0259", "Parcolo – scheda di esercizi");
    const QString subtitle = CarsCaption(cars) + QStringLiteral(" · ") + KindCaption(level ? int(*level) + 1 : 0);
    const QString fromLeft = MLSGetStringOr(QStringLiteral("0216"), QString::fromUtf8("Posti contati da sinistra: il posto 1 è quello più a sinistra."));
    const QString fromRight = MLSGetStringOr(QStringLiteral("0217"), QString::fromUtf8("Posti contati da destra: il posto 1 è quello più a destra."));
    const auto heading = [&] {
        sheet.Write(title, 16, true);
        sheet.Write(subtitle, 11, false);
        sheet.Rule();
    };
    heading();
    int onPage = 0;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        const clues::Turn& puzzle = puzzles[i];
        const auto draw = [&] {
            sheet.Write(MLSGetStringOr("0260", "Esercizio %1").arg(i + 1), 13, true);
            QStringList colours;
            for (int k = 0; k < cars; ++k) colours << names[size_t(puzzle.colours[size_t(k)])];
            std::sort(colours.begin(), colours.end(), [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
            sheet.Write(MLSGetStringOr("0261", "Auto: %1").arg(colours.join(QStringLiteral(", "))), 10, false);
            sheet.Write(ClueOf(puzzle, names), 11, false, 2);
            sheet.Space(2);
            sheet.Places(cars, puzzle.fromLeft, puzzle.fromLeft ? fromLeft : fromRight);
            sheet.Write(MLSGetStringOr("0262", "Codice: %1").arg(clues::EncodeTurn(puzzle)), 10, false);
            sheet.Rule();
        };
        // A puzzle is never cut by the end of a page: a long clue moves it to the next one.
        if (onPage == kPuzzlesPerPage || (onPage > 0 && sheet.Measure(draw) > sheet.Left())) {
            sheet.NewPage();
            heading();
            onPage = 0;
        }
        draw();
        ++onPage;
    }
    // The solutions, on a page of their own: every puzzle's cars from place 1 on.
    sheet.NewPage();
    sheet.Write(title, 16, true);
    sheet.Write(MLSGetStringOr("0263", "Soluzioni"), 14, true);
    sheet.Rule();
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        QStringList row;
        for (int k = 0; k < cars; ++k) row << QStringLiteral("%1. %2").arg(k + 1).arg(names[size_t(puzzles[i].colours[size_t(k)])]);
        sheet.Write(MLSGetStringOr("0260", "Esercizio %1").arg(i + 1) + QStringLiteral(" — ") + row.join(QStringLiteral("   ")), 11, false);
    }
    sheet.End();
    return true;
}

int WriteWorksheetFile(const QString& file, const QString& cars, const QString& level, const QString& count, QString* error)
{
    bool carsOk = false, countOk = false;
    const int n = cars.toInt(&carsOk), k = count.toInt(&countOk);
    const std::optional<TurnKind> kind = TurnKindNamed(level);
    if (file.isEmpty() || !carsOk || n < 3 || n > 5 || !kind || !countOk || k < 1 || k > kMostPuzzles) {
        if (error)
            *error = MLSGetStringOr("0267", "Uso: parcolo --worksheet FILE.pdf --cars 3|4|5 --level classico|facile|medio|difficile "
                                  "--count 1-12");
        return 2;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (!PrintWorksheet(printer, DrawWorksheet(n, LevelOf(*kind), k), LevelOf(*kind))) {
        if (error) *error = MLSGetStringOr("0266", "Non è stato possibile salvare il file %1.").arg(file);
        return 1;
    }
    return 0;
}

void AskAndPrintWorksheet(QWidget* window)
{
    QDialog ask(window);
    ask.setWindowTitle(QStringLiteral("Parcolo"));
    auto* cars = new QComboBox(&ask);
    for (int n = 3; n <= 5; ++n) cars->addItem(CarsCaption(n), n);
    cars->setCurrentIndex(2);
    auto* kind = new QComboBox(&ask);
    for (int k = 0; k < 4; ++k) kind->addItem(KindCaption(k), k);
    kind->setCurrentIndex(int(ChosenTurnKind()));
    auto* count = new QSpinBox(&ask);
    count->setRange(1, kMostPuzzles);
    count->setValue(kMostPuzzles);
    auto* form = new QFormLayout(&ask);
    form->addRow(MLSGetStringOr("0265", "Numero di auto:"), cars);
    form->addRow(MenuCaption(QStringLiteral("lblKind.Caption"), "Indizi:"), kind);
    form->addRow(MLSGetStringOr("0264", "Numero di esercizi:"), count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    form->addRow(buttons);
    if (ask.exec() != QDialog::Accepted) return;
    const std::optional<clues::Level> level = LevelOf(TurnKind(kind->currentData().toInt()));
    const std::vector<clues::Turn> puzzles = DrawWorksheet(cars->currentData().toInt(), level, count->value());
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog choose(&printer, window);
    if (choose.exec() != QDialog::Accepted) return;
    if (PrintWorksheet(printer, puzzles, level)) return;
    // A file that cannot be written is named; a printer that takes nothing is only said.
    const QString file = printer.outputFileName();
    MsgBox(window, file.isEmpty() ? MLSGetStringOr("0289", "La stampa non è riuscita.") : MLSGetStringOr("0266", "Non è stato possibile salvare il file %1.").arg(file),
           MsgButtons::Ok, MsgIcon::None, QStringLiteral("Parcolo"));
}
