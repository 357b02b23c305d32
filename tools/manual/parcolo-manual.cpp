// parcolo-manual INPUT.html OUTPUT.pdf [RESOURCE_DIR...]
//
// Renders the player's manual from its HTML source into an A4 PDF. Relative image and style
// sheet references are looked up in the HTML's own folder first, then in the given folders in
// order. Runs without a display: the offscreen platform is chosen unless the environment names
// another one. A text "[[page:NAME]]" in the source becomes the number of the page that holds
// the anchor <a name="NAME">, which lets the manual list where each language begins.
//
// Exit status: 0 on success; 1 when the input cannot be read, a referenced image is missing,
// the page breaks cannot be settled or the output cannot be written (with a message on
// stderr); 2 on a wrong command line.

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kResolution = 300;          // dots per inch of the PDF's coordinate system
constexpr qreal kMarginMm = 18.0;         // all four page margins
constexpr qreal kFooterGapMm = 5.0;       // between the text body and the page number
constexpr qreal kFooterPt = 8.0;          // size of the page number

void Fail(const QString& message)
{
    std::fprintf(stderr, "parcolo-manual: %s\n", qPrintable(message));
}

// A document that finds its pictures and style sheets in a list of folders.
class ManualDocument : public QTextDocument {
public:
    explicit ManualDocument(QStringList folders) : folders_(std::move(folders)) {}

    const QStringList& Missing() const { return missing_; }

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource)
            return QTextDocument::loadResource(type, name);

        const QString path = FindFile(name);
        QVariant result;
        if (!path.isEmpty()) {
            if (type == QTextDocument::ImageResource) {
                QImage image(path);
                if (!image.isNull()) result = image;
            } else {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly)) result = QString::fromUtf8(file.readAll());
            }
        }
        if (result.isValid()) {
            addResource(type, name, result);  // each picture is read (and embedded) once
        } else if (!missing_.contains(name.toString())) {
            missing_.append(name.toString());
        }
        return result;
    }

private:
    QString FindFile(const QUrl& name) const
    {
        if (name.isLocalFile() || (name.scheme().isEmpty() && QDir::isAbsolutePath(name.path()))) {
            const QString local = name.isLocalFile() ? name.toLocalFile() : name.path();
            return QFileInfo(local).isFile() ? local : QString();
        }
        if (!name.scheme().isEmpty()) return QString();
        const QString relative = name.path();
        if (relative.isEmpty()) return QString();
        for (const QString& folder : folders_) {
            const QString candidate = QDir(folder).filePath(relative);
            if (QFileInfo(candidate).isFile()) return candidate;
        }
        return QString();
    }

    QStringList folders_;
    QStringList missing_;
};

// Page (from 0) that holds the line starting at y. A line moved to the next page may start a
// fraction of a dot above that page's top (the layout rounds to 1/64 dot), so a line counts
// as being on the page that its first dot is on.
int PageOf(qreal y, qreal pageHeight)
{
    return int((y + 1.0) / pageHeight);
}

// Page (from 1) of every named anchor, for a document already laid out in pages.
QHash<QString, int> AnchorPages(QTextDocument& doc, qreal pageHeight)
{
    QHash<QString, int> pages;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QStringList names = fragment.charFormat().anchorNames();
            if (names.isEmpty()) continue;
            const QRectF rect = layout->blockBoundingRect(block);
            const int page = PageOf(rect.top(), pageHeight) + 1;
            for (const QString& n : names)
                if (!pages.contains(n)) pages.insert(n, page);
        }
    }
    return pages;
}

// Top of every line of a block, in document coordinates.
QList<qreal> LineTops(QTextDocument& doc, const QTextBlock& block)
{
    QList<qreal> tops;
    const QTextLayout* layout = block.layout();
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    for (int i = 0; i < layout->lineCount(); ++i)
        tops.append(rect.top() + layout->lineAt(i).y() - layout->boundingRect().top());
    return tops;
}

// Whether a block belongs with the one after it: a heading, or a line that introduces what
// follows with a colon.
bool KeepsWithNext(const QTextBlock& block)
{
    return block.blockFormat().headingLevel() > 0 || block.text().trimmed().endsWith(u':');
}

// Page breaks for a readable PDF: a heading or an introducing line never ends a page, a short
// paragraph never leaves a single line alone at the foot or the head of a page, and a table
// that fits in less than half a page is not cut in two (longer ones split between lines, with
// their header rows repeated). What has to move gets a page break before it, and what
// introduces it moves along.
void KeepBlocksTogether(QTextDocument& doc, qreal pageHeight)
{
    constexpr int kShortParagraph = 8;   // longer paragraphs may split anywhere
    constexpr qreal kSmallTable = 0.45;  // tables up to this part of a page stay in one piece
    const auto page = [pageHeight](qreal y) { return PageOf(y, pageHeight); };
    const auto startsPage = [](const QTextBlock& block) {
        return bool(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    };
    const auto breakBefore = [](const QTextBlock& block) {
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(format);
    };
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    QSet<int> settled;  // blocks that cannot be helped (what is above them already starts a page)

    for (int round = 0; round < 200; ++round) {
        layout->documentSize();  // the layout is lazy: lay everything out first
        enum { None, Block, Table } kind = None;
        QTextBlock move;  // the block, or the first block of the table
        for (QTextBlock block = doc.begin(); block.isValid() && kind == None; block = block.next()) {
            if (settled.contains(block.blockNumber()) || block.layout()->lineCount() == 0) continue;
            if (QTextTable* table = QTextCursor(block).currentTable()) {
                if (table->parentFrame() != doc.rootFrame() || table->cellAt(0, 0).firstCursorPosition().block() != block)
                    continue;
                const QRectF rect = layout->frameBoundingRect(table);
                if (rect.height() < kSmallTable * pageHeight && page(rect.top()) != page(rect.bottom() - 2.0))
                    kind = Table, move = block;
                continue;
            }
            if (startsPage(block)) continue;
            const QList<qreal> tops = LineTops(doc, block);
            const int first = page(tops.first());
            if (KeepsWithNext(block)) {
                const QTextBlock next = block.next();
                if (next.isValid() && next.layout()->lineCount() > 0 && page(LineTops(doc, next).first()) > first)
                    kind = Block, move = block;
                continue;
            }
            const qsizetype onFirst = std::count_if(tops.begin(), tops.end(),
                                                    [&](qreal y) { return page(y) == first; });
            const qsizetype rest = tops.size() - onFirst;
            if (rest > 0 && tops.size() <= kShortParagraph && (onFirst < 2 || rest < 2)) kind = Block, move = block;
        }
        if (kind == None) return;

        const int candidate = move.blockNumber();
        // What introduces the block goes with it: the headings, for a table also a colon line.
        QTextBlock lead;
        for (QTextBlock above = move.previous(); above.isValid() && !QTextCursor(above).currentTable();
             above = above.previous()) {
            if (above.blockFormat().headingLevel() > 0 || (kind == Table && !lead.isValid() && KeepsWithNext(above)))
                lead = above;
            else
                break;
        }
        if (kind == Table && !lead.isValid()) {
            QTextTable* table = QTextCursor(move).currentTable();
            QTextTableFormat format = table->format();
            if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
                settled.insert(candidate);
                continue;
            }
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
            continue;
        }
        const QTextBlock target = lead.isValid() ? lead : move;
        if (startsPage(target)) {
            settled.insert(candidate);
            continue;
        }
        breakBefore(target);
    }
}

// Cuts every paragraph that a page break divides into two paragraphs, one on each page, that
// look as the one did. Qt's text layout draws a paragraph's lines that meet the clip and also
// the one line just above it; the painter's clip hides that line on paper, but a PDF keeps
// the text, so a reader or a search would find the last line of the page before a second time.
// A paragraph that starts on the page it is drawn on has no line above the page.
// False when the cuts do not come to an end: a document that keeps growing pages.
bool SplitBlocksAtPageBreaks(QTextDocument& doc, qreal pageHeight)
{
    const auto page = [pageHeight](qreal y) { return PageOf(y, pageHeight); };
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (int round = 0; round < 200; ++round) {
        layout->documentSize();
        QTextBlock cut;
        int line = -1;
        for (QTextBlock block = doc.begin(); block.isValid() && line < 0; block = block.next()) {
            if (block.layout()->lineCount() < 2) continue;
            const QList<qreal> tops = LineTops(doc, block);
            for (int i = 1; i < tops.size() && line < 0; ++i)
                if (page(tops[i]) != page(tops[0])) cut = block, line = i;
        }
        if (line < 0) return true;

        // A line that a <br> begins: the paragraph break takes the line separator's place. Left
        // at the end of the part above, the separator would give it an empty last line, laid
        // out where the moved line was, on the next page, to be cut again and again.
        const int at = cut.position() + cut.layout()->lineAt(line).textStart();
        QTextCursor cursor(cut);
        cursor.setPosition(at);
        if (at > cut.position() && doc.characterAt(at - 1) == QChar::LineSeparator) {
            cursor.setPosition(at - 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            // Only a trailing <br> ran over: without it the paragraph ends on this page.
            if (cursor.atBlockEnd()) continue;
        }
        cursor.insertBlock();
        // The rest starts the next page, with no space above it and no first-line indent; in a
        // list it is no new item, only indented as one.
        QTextBlock rest = cursor.block();
        QTextBlockFormat format = rest.blockFormat();
        format.setTopMargin(0);
        format.setTextIndent(0);
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (QTextList* list = rest.textList()) {
            list->remove(rest);
            format.setIndent(format.indent() + list->format().indent());
            format.clearProperty(QTextFormat::ObjectIndex);
        }
        cursor.setBlockFormat(format);
        QTextBlockFormat above = cut.blockFormat();
        above.setBottomMargin(0);
        QTextCursor(cut).setBlockFormat(above);
    }
    return false;
}

// The document laid out from the source, with the page breaks above applied.
bool Prepare(QTextDocument& doc, const QString& html, qreal pageHeight, QString* error)
{
    doc.setHtml(html);
    KeepBlocksTogether(doc, pageHeight);
    if (SplitBlocksAtPageBreaks(doc, pageHeight)) return true;
    *error = QStringLiteral("the paragraphs cut at page breaks keep running over onto new pages");
    return false;
}

// The source with every "[[page:NAME]]" replaced by the page number of anchor NAME. The
// numbers take less room than the marks, which may move a page break, so the layout is redone
// with the numbers in place until the numbers no longer change.
bool SetHtmlWithPageNumbers(QTextDocument& doc, const QString& html, qreal pageHeight, QString* error)
{
    static const QRegularExpression mark(QStringLiteral("\\[\\[page:([A-Za-z0-9_-]+)\\]\\]"));
    QString current = html;
    if (!Prepare(doc, current, pageHeight, error)) return false;
    if (!html.contains(mark)) return true;
    for (int round = 0; round < 4; ++round) {
        const QHash<QString, int> pages = AnchorPages(doc, pageHeight);
        QString next;
        qsizetype done = 0;
        for (auto it = mark.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString name = m.captured(1);
            if (!pages.contains(name)) {
                *error = QStringLiteral("no anchor named \"%1\" for a page reference").arg(name);
                return false;
            }
            next += html.mid(done, m.capturedStart() - done) + QString::number(pages.value(name));
            done = m.capturedEnd();
        }
        next += html.mid(done);
        if (next == current) return true;
        current = next;
        if (!Prepare(doc, current, pageHeight, error)) return false;
    }
    return true;  // still moving after four rounds: keep the last layout
}

}  // namespace

int main(int argc, char** argv)
{
    // The manual is rendered during the build, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fputs("usage: parcolo-manual INPUT.html OUTPUT.pdf [RESOURCE_DIR...]\n", stderr);
        return 2;
    }
    const QString input = args[0];
    const QString output = args[1];

    QFile source(input);
    if (!source.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("cannot read %1: %2").arg(input, source.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    source.close();

    QStringList folders{QFileInfo(input).absolutePath()};
    for (int i = 2; i < args.size(); ++i) folders.append(QFileInfo(args[i]).absoluteFilePath());

    QSaveFile target(output);
    if (!target.open(QIODevice::WriteOnly)) {
        Fail(QStringLiteral("cannot write %1: %2").arg(output, target.errorString()));
        return 1;
    }

    QPdfWriter writer(&target);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("parcolo-manual"));

    const qreal dotsPerMm = kResolution / 25.4;
    const QRectF paintRect = writer.pageLayout().paintRectPixels(kResolution);
    QFont footerFont(QStringLiteral("DejaVu Sans"));
    footerFont.setPointSizeF(kFooterPt);
    const qreal footerHeight = QFontMetricsF(footerFont, &writer).height() + kFooterGapMm * dotsPerMm;
    const QSizeF body(paintRect.width(), paintRect.height() - footerHeight);

    ManualDocument doc(folders);
    doc.documentLayout()->setPaintDevice(&writer);  // fonts and pictures measured at 300 dpi
    doc.setDocumentMargin(0);                       // the page margins are the writer's
    doc.setPageSize(body);
    QString error;
    if (!SetHtmlWithPageNumbers(doc, html, body.height(), &error)) {
        Fail(QStringLiteral("%1: %2").arg(input, error));
        return 1;
    }
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    const int pageCount = doc.pageCount();  // lays the whole document out, loading every picture
    if (!doc.Missing().isEmpty()) {
        Fail(QStringLiteral("%1: cannot find %2 (looked in %3)")
                 .arg(input, doc.Missing().join(QStringLiteral(", ")), folders.join(QStringLiteral(", "))));
        return 1;
    }

    QPainter painter;
    if (!painter.begin(&writer)) {
        Fail(QStringLiteral("cannot write %1").arg(output));
        return 1;
    }
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) writer.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());

        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // What the layout draws: the lines whose first dot is on this page (see PageOf).
        context.clip = view.adjusted(0, 1.0, 0, -1.0);
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        const QRectF footer(0, body.height(), body.width(), footerHeight);
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount));
    }
    painter.end();

    if (!target.commit()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(output, target.errorString()));
        return 1;
    }
    return 0;
}
