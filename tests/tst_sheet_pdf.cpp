// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The calculation sheet on paper, read back as a checker's tools read a PDF
// (poppler), and the calculator's menu entries that make it.
#include "calculator/weir_head_window.h"
#include "sheet/model/calculation_sheet.h"
#include "sheet/sheet_pages.h"
#include "tests/support/page_ink.h"
#include "tests/support/require.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace weir;

namespace {

const QDateTime kMadeAt(QDate(2026, 12, 9), QTime(10, 30));

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString writePdf(const QTemporaryDir &dir, const QString &name, const BoxTexts &boxes,
                 const std::optional<GaugeUncertainty> &gauge = std::nullopt, const SheetTitle &title = {})
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(sheetPdf(calculationSheet(boxes, test::kJapanese, kMadeAt, gauge, title))) <= 0)
        return {};
    return path;
}

int pageCount(const QString &path)
{
    return run(QStringLiteral("pdfinfo"), {path}).section(u"Pages:"_qs, 1).trimmed().section(u'\n', 0, 0).toInt();
}

QString layoutText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// A table row as pdftotext lays it out: its cells in order, apart.
QRegularExpression rowPattern(const QStringList &cells)
{
    QStringList escaped;
    for (const QString &cell : cells)
        escaped << QRegularExpression::escape(cell);
    return QRegularExpression(u"(^|\\n) *"_qs + escaped.join(u" +"_qs) + u"( |\\n|$)"_qs);
}

const BoxTexts kWorkedExample(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);

} // namespace

class SheetPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void workedExampleOnA4WithFontsEmbedded();
    void workedExampleReadsLineByLine();
    void noRootSheetSaysWhatToChange();
    void longTrailRunsOverPagesWithItsHeader();
    void printsToAPdfPrinter();
    void menuEntriesFollowTheLastCalculate();
    void savesFromTheWindowAndNamesAFailure();
    void copiesTheTrail();
    void printOpensTheDialog_data();
    void printOpensTheDialog();
    void titleBlockOnTheFirstPage();
    void uncertaintySectionOnPaper();
};

void SheetPdfTest::initTestCase()
{
    // The window's sheets carry the user's stated uncertainties: a test's own.
    QStandardPaths::setTestModeEnabled(true);
    storeGaugeUncertainty(std::nullopt);
    storeSheetTitle({});
    WEIR_REQUIRE(test::missingFonts({QStringLiteral("IPAPGothic")})
                 + test::missingTools({QStringLiteral("pdfinfo"), QStringLiteral("pdftotext"),
                                       QStringLiteral("pdffonts"), QStringLiteral("pdftoppm")}));
}

void SheetPdfTest::workedExampleOnA4WithFontsEmbedded()
{
    QTemporaryDir dir;
    const SheetTitle title{
        u"放流水の計量"_qs, u"第3放流口"_qs, u"3号堰（幅 300 mm）"_qs, u"山田"_qs, u"2026-12-10"_qs, {}, {}};
    const QString path = writePdf(dir, u"sheet.pdf"_qs, kWorkedExample, std::nullopt, title);
    QVERIFY(!path.isEmpty());

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(u"(A4)"_qs), qPrintable(info));
    QVERIFY2(info.contains(u"計算書"_qs), qPrintable(info)); // the document's title

    // pdffonts: two header lines, then one line per font, "emb" its fifth-last column.
    const QStringList fonts = run(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts) {
        const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 5 && columns[columns.size() - 5] == u"yes"_qs, qPrintable(font));
    }

    // The first page as a picture, for the README and for a look.
    const QString picture = QDir(QCoreApplication::applicationDirPath()).filePath(u"../sheet"_qs);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-singlefile"), path,
         picture});
    QVERIFY(QFile::exists(picture + u".png"_qs));
}

void SheetPdfTest::workedExampleReadsLineByLine()
{
    QTemporaryDir dir;
    const QString text = layoutText(writePdf(dir, u"sheet.pdf"_qs, kWorkedExample));
    if (qEnvironmentVariableIsSet("SHEET_PDF_DUMP"))
        qInfo().noquote() << text;

    // The inputs as typed and as the solver took them.
    QVERIFY2(text.contains(rowPattern({u"流量(L/min)"_qs, u"300"_qs, u"Q"_qs, u"0.005 m³/s"_qs})), qPrintable(text));
    QVERIFY(text.contains(rowPattern({u"堰の幅(mm)"_qs, u"300"_qs, u"b"_qs, u"0.3 m"_qs})));
    // Every factor at the head found, to its shown digits (worked in 50 digits).
    for (const QString &factor : {u"0.14609375"_qs, u"1.027379679"_qs, u"0.9617777879"_qs, u"0.009175491504"_qs,
                                  u"0.004999214986"_qs, u"-7.85014E-07"_qs})
        QVERIFY2(text.contains(factor), qPrintable(factor));
    // Ten trial rows, first and last as worked by hand (see tst_calculation_sheet).
    QVERIFY(text.contains(rowPattern({u"1"_qs, u"0.02"_qs, u"0.1"_qs, u"0.060000000000000005"_qs, u"-3.38951E-03"_qs,
                                      u"1.16272E-02"_qs, u"2.89630E-03"_qs, u"XU ← XM"_qs})));
    QVERIFY(text.contains(rowPattern({u"10"_qs, u"0.04375"_qs, u"0.043906249999999994"_qs, u"0.043828124999999996"_qs,
                                      u"-1.37320E-05"_qs, u"1.21727E-05"_qs, u"-7.85014E-07"_qs, u"収束"_qs})));
    for (int trial = 1; trial <= 10; ++trial)
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\n *%1 +0\\.0").arg(trial))),
                 qPrintable(QString::number(trial)));
    QVERIFY(!text.contains(QRegularExpression(u"\\n *11 +0\\.0"_qs)));
    QVERIFY(text.contains(u"越流高さ(mm): 43.83"_qs));
    QVERIFY(text.contains(u"Trial回数: 10"_qs));
    QVERIFY(text.contains(QRegularExpression(u"\\b1 */ *1\\b"_qs)));
}

void SheetPdfTest::noRootSheetSaysWhatToChange()
{
    QTemporaryDir dir;
    const QString text = layoutText(writePdf(dir, u"miss.pdf"_qs, BoxTexts(u"300"_qs, u"300"_qs, u"60"_qs, u"100"_qs)));
    QVERIFY2(text.contains(u"解がありません。挟込範囲を変更して下さい。"_qs), qPrintable(text));
    QVERIFY(text.contains(u"越流高さは最小値より下の約43.83mmです。"_qs));
    QVERIFY(text.contains(u"符号変化なし"_qs));
    QVERIFY(!text.contains(u"越流高さ(mm): "_qs));
    QVERIFY(!text.contains(u"解における各項"_qs));
}

// Hundreds of trials: every row printed, the table's header on every page it
// runs over, the pages numbered.
void SheetPdfTest::longTrailRunsOverPagesWithItsHeader()
{
    const BoxTexts boxes(u"1e203"_qs, u"6e204"_qs, u"1"_qs, u"1e73"_qs);
    const CalculationRecord record = calculateWithTrail(boxes, test::kJapanese);
    QVERIFY(record.solved && record.solved->trials > 250);
    QTemporaryDir dir;
    const QString path = writePdf(dir, u"long.pdf"_qs, boxes);
    const int pages = pageCount(path);
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    const QString text = layoutText(path);
    // Each page after the first that continues the trail starts it with the header.
    const QStringList pageTexts = text.split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pageTexts.size(), pages);
    int pagesWithRows = 0;
    for (int p = 0; p < pageTexts.size(); ++p) {
        QVERIFY2(pageTexts[p].contains(QRegularExpression(QStringLiteral("\\b%1 */ *%2\\b").arg(p + 1).arg(pages))),
                 qPrintable(QString::number(p)));
        if (pageTexts[p].contains(QRegularExpression(u"\\n *[0-9]+ +[0-9.eE+-]+ +[0-9.eE+-]+ +[0-9.eE+-]+ "_qs))) {
            ++pagesWithRows;
            QVERIFY2(pageTexts[p].contains(u"F(XM) (m³/s)"_qs), qPrintable(QString::number(p)));
        }
    }
    QVERIFY(pagesWithRows >= pages - 1);
    // Every page's ink inside its 15 mm margins, the widest numbers too.
    const QString ink = test::inkOutsideMargins(path, 15);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));
    for (int trial : {1, record.solved->trials / 2, record.solved->trials})
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\n *%1 +[0-9]").arg(trial))),
                 qPrintable(QString::number(trial)));
}

void SheetPdfTest::printsToAPdfPrinter()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"printed.pdf"_qs));
    QVERIFY(printSheet(calculationSheet(kWorkedExample, test::kJapanese, kMadeAt), printer));
    const QString path = dir.filePath(u"printed.pdf"_qs);
    QVERIFY2(run(QStringLiteral("pdfinfo"), {path}).contains(u"(A4)"_qs), "not A4");
    const QString text = layoutText(path);
    QVERIFY2(text.contains(u"越流高さ(mm): 43.83"_qs), qPrintable(text));
    QVERIFY(text.contains(u"二分法の経過"_qs));
}

void SheetPdfTest::menuEntriesFollowTheLastCalculate()
{
    test::CalculatorWindow window;
    const QList<QAction *> actions{window.w.saveSheetAction(), window.w.printSheetAction(), window.w.copyTrailAction()};
    const auto enabled = [&actions] {
        int n = 0;
        for (QAction *action : actions)
            n += action->isEnabled() ? 1 : 0;
        return n;
    };
    QCOMPARE(enabled(), 0);
    QVERIFY(!window.w.sheetRequest());

    window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    window.calculate();
    QCOMPARE(enabled(), 3);
    // The sheet is of the Calculate, not of what was typed since.
    window.box(InputBox::Flow)->setText(u"600"_qs);
    const std::optional<SheetRequest> request = window.w.sheetRequest();
    QVERIFY(request);
    QCOMPARE(request->boxes[InputBox::Flow], u"300"_qs);
    QVERIFY(calculationSheet(request->boxes, request->locale, request->calculatedAt)
                .plainText()
                .contains(u"越流高さ(mm): 43.83"_qs));

    window.box(InputBox::Maximum)->clear();
    window.calculate(); // a box still empty: nothing calculated
    QCOMPARE(enabled(), 0);
    window.fill(u"300"_qs, u"300"_qs, u"60"_qs, u"100"_qs);
    window.calculate(); // a miss has a sheet too
    QCOMPARE(enabled(), 3);
    window.clear();
    QCOMPARE(enabled(), 0);

    QCOMPARE(window.w.printSheetAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(window.w.saveSheetAction()->text().remove(u"(&S)"_qs), u"計算書を保存 (PDF)..."_qs);
    QCOMPARE(window.w.copyTrailAction()->text().remove(u"(&T)"_qs), u"計算過程をコピー"_qs);
}

void SheetPdfTest::savesFromTheWindowAndNamesAFailure()
{
    QTemporaryDir dir;
    const QByteArray modules = qgetenv("WEIR_HEAD_MODULE_PATH");
    {
        // Without its module the window says so, and does not stop.
        qputenv("WEIR_HEAD_MODULE_PATH", dir.path().toUtf8());
        test::CalculatorWindow window;
        window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
        window.calculate();
        const Outcome<void> unsaved = window.w.saveSheetPdf(dir.filePath(u"none.pdf"_qs));
        QVERIFY(!unsaved && unsaved.fault().kind == Fault::Kind::Module);
        const QString failure = unsaved.words();
        QVERIFY2(failure.startsWith(u"計算書を作れません: "_qs), qPrintable(failure));
        QCOMPARE(window.printed().last().trimmed(), failure);
        QCOMPARE(window.head(), u"43.83"_qs);
    }
    qputenv("WEIR_HEAD_MODULE_PATH", modules);
    test::CalculatorWindow window;
    window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    window.calculate();
    const QString path = dir.filePath(u"計算書.pdf"_qs);
    QCOMPARE(window.w.saveSheetPdf(path).words(), QString());
    QVERIFY(layoutText(path).contains(u"Trial回数: 10"_qs));
    QVERIFY(window.printed().isEmpty());

    const QString nowhere = dir.filePath(u"no such folder/計算書.pdf"_qs);
    const Outcome<void> unsaved = window.w.saveSheetPdf(nowhere);
    QVERIFY(!unsaved && unsaved.fault().kind == Fault::Kind::File);
    const QString failure = unsaved.words();
    QVERIFY2(failure.startsWith(u"計算書.pdf を保存できません: "_qs), qPrintable(failure));
    QCOMPARE(window.printed().size(), 1);
    QCOMPARE(window.printed().front().trimmed(), failure);
    QVERIFY(!QFile::exists(nowhere));
    // The head stays shown, and the next Calculate clears the complaint.
    QCOMPARE(window.head(), u"43.83"_qs);
    window.calculate();
    QVERIFY(window.printed().isEmpty());
}

void SheetPdfTest::copiesTheTrail()
{
    test::CalculatorWindow window;
    window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    window.calculate();
    window.w.copyTrailAction()->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QVERIFY(lines.last().startsWith(u"10\t0.04375\t0.043906249999999994\t0.043828124999999996\t"_qs));
    QVERIFY(lines.last().endsWith(u"\t収束"_qs));
}

// Printing and its preview ask for the title block first, filled as it was
// last given and remembered for the next sheet; then the printer's dialog or
// the preview, window-modal.
void SheetPdfTest::printOpensTheDialog_data()
{
    QTest::addColumn<bool>("preview");
    QTest::newRow("印刷") << false;
    QTest::newRow("印刷プレビュー") << true;
}

void SheetPdfTest::printOpensTheDialog()
{
    QFETCH(bool, preview);
    storeSheetTitle({u"導水路の改修"_qs, {}, {}, u"山田"_qs, u"2026-12-01"_qs, {}, {}});
    test::ShownWindow window;
    window.fill(u"300"_qs, u"300"_qs, u"20"_qs, u"100"_qs);
    window.calculate();
    (preview ? window.w.previewSheetAction() : window.w.printSheetAction())->trigger();
    QDialog *title = nullptr;
    QTRY_VERIFY((title = window.w.findChild<QDialog *>(u"sheetTitleDialog"_qs)) && title->isVisible());
    QCOMPARE(title->findChild<QLineEdit *>(u"sheetTitleField0"_qs)->text(), u"導水路の改修"_qs);
    QCOMPARE(title->findChild<QLineEdit *>(u"sheetTitleField4"_qs)->text(), u"2026-12-01"_qs);
    title->findChild<QLineEdit *>(u"sheetTitleField1"_qs)->setText(u"第3放流口"_qs);
    title->accept();
    QCOMPARE(storedSheetTitle().site, u"第3放流口"_qs);
    QDialog *dialog = nullptr;
    const QString name = preview ? u"sheetPreview"_qs : u"sheetPrintDialog"_qs;
    QTRY_VERIFY((dialog = window.w.findChild<QDialog *>(name)) && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    dialog->reject();
    QTRY_VERIFY(!window.w.findChild<QDialog *>(name));
    QVERIFY(window.printed().isEmpty());
    // Cancelled, the title block's dialog leaves the printer alone.
    window.w.printSheetAction()->trigger();
    QTRY_VERIFY((title = window.w.findChild<QDialog *>(u"sheetTitleDialog"_qs)) && title->isVisible());
    title->reject();
    QTest::qWait(50);
    QVERIFY(!window.w.findChild<QDialog *>(u"sheetPrintDialog"_qs));
}

// The title block as a checker reads it off the first page, blank fields
// left for a pen, and the formula's source beside the formula.
void SheetPdfTest::titleBlockOnTheFirstPage()
{
    QTemporaryDir dir;
    const SheetTitle title{u"導水路の改修"_qs, u"第3放流口"_qs, u"3号堰"_qs, u"山田"_qs, u"2026-12-01"_qs, {}, {}};
    const QString path = writePdf(dir, u"titled.pdf"_qs, kWorkedExample, std::nullopt, title);
    const QString first = layoutText(path).section(u'\f', 0, 0);
    for (const QString &text : {u"件名"_qs, u"導水路の改修"_qs, u"地点"_qs, u"第3放流口"_qs, u"堰の名称"_qs,
                                u"3号堰"_qs, u"作成"_qs, u"照査"_qs, u"山田"_qs, u"2026-12-01"_qs, u"公式の出典"_qs})
        QVERIFY2(first.contains(text), qPrintable(text + u'\n' + first));
    // Above the first section, and on the paper.
    QVERIFY(first.indexOf(u"件名"_qs) < first.indexOf(u"1. 入力"_qs));
    const QString ink = test::inkOutsideMargins(path, 15);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));
}

// The uncertainty section as a checker reads it off the page: the three
// stated, the head's sensitivity, U of the worked example's 300 L/min. Its
// page as a picture, for the README.
void SheetPdfTest::uncertaintySectionOnPaper()
{
    QTemporaryDir dir;
    const QString path = writePdf(dir, u"sheet.pdf"_qs, kWorkedExample, GaugeUncertainty{0.3, 0.5, 1});
    const QString text = layoutText(path);
    const qsizetype at = text.indexOf(u"流量の不確かさ"_qs);
    QVERIFY2(at >= 0, qPrintable(text.right(800)));
    const QString section = text.mid(at);
    QVERIFY2(section.contains(u"u(h) = 0.3 mm、u(b) = 0.5 mm、u_C = 1 %"_qs), qPrintable(section));
    QVERIFY2(section.contains(QRegularExpression(u"1\\.4534\\d*"_qs)), qPrintable(section));
    QVERIFY2(section.contains(u"（2.84 %、流量 300.00 L/min に対して）"_qs), qPrintable(section));
    const qsizetype page = text.left(at).count(u'\f') + 1;
    const QString picture = QDir(QCoreApplication::applicationDirPath()).filePath(u"../sheet-uncertainty"_qs);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
         QString::number(page), QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"), path,
         picture});
    QVERIFY(QFile::exists(picture + u".png"_qs));
}

QTEST_MAIN(SheetPdfTest)
#include "tst_sheet_pdf.moc"
