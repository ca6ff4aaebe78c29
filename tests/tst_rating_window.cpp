// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
//
// The rating window as the user meets it: opened from the calculator's menu
// or Ctrl+T (its module loaded then), its boxes, the flow for a head, the
// clipboard, and saves that fail without losing a file.
#include "calculator/uncertainty_dialog.h"
#include "calculator/weir_head_window.h"
#include "common/texts.h"
#include "rating/pdf_report.h"
#include "rating/rating_window.h"
#include "tests/support/page_ink.h"
#include "tests/support/require.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <qcustomplot.h>

#include <algorithm>

#include <unistd.h>

using namespace weir;

namespace {

using test::kJapanese;

RatingWindowWidget *openFrom(WeirHeadWindow &w)
{
    w.ratingAction()->trigger();
    return w.ratingWindow() ? static_cast<RatingWindowWidget *>(w.ratingWindow()->widget()) : nullptr;
}

} // namespace

class RatingWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensFromCtrlTWithTheBoxes();
    void followsTheShownHead();
    void badInputNamesTheBox_data();
    void badInputNamesTheBox();
    void flowForAMeasuredHead();
    void copiesTheTable();
    void savesCsvWhole();
    void failedSaveKeepsTheOldFile();
    void pdfHasPagesHeadersAndRows();
    void printedReportAndItsPreview();
    void mouseReadsOutThePoint();
    void standardBesideOwnFormula_data();
    void standardBesideOwnFormula();
    void uncertaintiesReachTheTable_data();
    void uncertaintiesReachTheTable();
};

void RatingWindowTest::initTestCase()
{
    // The uncertainties are kept in the user's settings: a test's own.
    QStandardPaths::setTestModeEnabled(true);
    storeGaugeUncertainty(std::nullopt);
    // The PDF is read back with poppler's tools, in the report's own font.
    WEIR_REQUIRE(
        test::missingTools({QStringLiteral("pdfinfo"), QStringLiteral("pdftotext"), QStringLiteral("pdftoppm")})
        + test::missingFonts({QStringLiteral("IPAPGothic")}));
}

void RatingWindowTest::opensFromCtrlTWithTheBoxes()
{
    test::CalculatorWindow window; // in the pinned Japanese locale
    WeirHeadWindow &w = window.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    invariants::fill(w, {"450", "300", "10", "80"});
    w.calculate();
    QVERIFY(!w.ratingWindow()); // nothing loaded until asked for
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY2(w.ratingWindow(), "Ctrl+T did not open the rating window");
    auto *rating = static_cast<RatingWindowWidget *>(w.ratingWindow()->widget());
    QVERIFY(QTest::qWaitForWindowExposed(rating));
    QCOMPARE(rating->box(RatingBox::Width)->text(), u"450"_qs);
    QCOMPARE(rating->box(RatingBox::From)->text(), u"10"_qs);
    QCOMPARE(rating->box(RatingBox::To)->text(), u"80"_qs);
    QCOMPARE(rating->box(RatingBox::Step)->text(), u"5"_qs); // about twenty rows
    QCOMPARE(rating->model()->rowCount(), 15);
    QVERIFY(rating->message().isEmpty());
    // Each box labelled with its caption and an access key before the unit.
    const std::pair<RatingBox, QString> labels[] = {{RatingBox::Width, u"堰の幅(&W) (mm)"_qs},
                                                    {RatingBox::From, u"越流高さ 始め(&F) (mm)"_qs},
                                                    {RatingBox::To, u"越流高さ 終わり(&T) (mm)"_qs},
                                                    {RatingBox::Step, u"刻み(&S) (mm)"_qs},
                                                    {RatingBox::Head, u"越流高さ(&H) (mm) → 流量"_qs}};
    for (const auto &[box, text] : labels) {
        const QLineEdit *field = rating->box(box);
        const QList<QLabel *> all = rating->findChildren<QLabel *>();
        const auto label = std::find_if(all.begin(), all.end(), [field](QLabel *l) { return l->buddy() == field; });
        QVERIFY2(label != all.end() && (*label)->text() == text, qPrintable(text));
    }
    // Beside the calculator, not over it, where the screen has room for both.
    const QRect area = w.screen()->availableGeometry();
    if (area.width() >= w.frameGeometry().width() + rating->frameGeometry().width() + 16)
        QVERIFY(!rating->frameGeometry().intersects(w.frameGeometry()));
    QVERIFY(area.contains(rating->frameGeometry().topLeft()));
}

void RatingWindowTest::followsTheShownHead()
{
    test::CalculatorWindow window; // in the pinned Japanese locale
    WeirHeadWindow &w = window.w;
    invariants::fill(w, {"300", "300", "20", "100"});
    w.calculate();
    RatingWindowWidget *rating = openFrom(w);
    QVERIFY(rating);
    auto *table = rating->findChild<QTableView *>(QStringLiteral("ratingTable"));
    // 20 to 100 in 5s: 45 is the row nearest 43.83.
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), rating->model()->rowNearest(43.83));
    QCOMPARE(rating->model()->index(table->selectionModel()->selectedRows().value(0).row(), 0).data().toString(),
             u"45"_qs);
    const auto selectedHead = [&] {
        const QModelIndexList rows = table->selectionModel()->selectedRows();
        return rows.isEmpty() ? QString() : rating->model()->index(rows.first().row(), 0).data().toString();
    };
    const auto marked = [&] { return rating->plot()->graph(0)->dataCount(); };
    QCOMPARE(marked(), 1);
    // A head found over another weir (30.63 mm over 500 mm) is no point of
    // the 300 mm curve, nor is a head found past the formula's peak; the
    // 500 mm head is marked once the window shows that weir.
    for (const BoxTexts &boxes : {BoxTexts("500", "300", "20", "100"), BoxTexts("300", "1", "20", "100000")}) {
        invariants::fill(w, boxes);
        w.calculate();
        QCOMPARE(rating->box(RatingBox::Width)->text(), u"300"_qs);
        QCOMPARE(selectedHead(), QString());
        QCOMPARE(marked(), 0);
    }
    invariants::fill(w, {"500", "300", "20", "100"});
    w.calculate();
    rating->box(RatingBox::Width)->setText(u"500"_qs);
    QCOMPARE(selectedHead(), u"30"_qs);
    QCOMPARE(marked(), 1);
    w.clear();
    QVERIFY(table->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(marked(), 0);
}

void RatingWindowTest::badInputNamesTheBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("width not a number") << int(RatingBox::Width) << "abc" << u"堰の幅(mm)が数値ではありません。"_qs;
    QTest::newRow("zero step") << int(RatingBox::Step) << "0" << u"刻み(mm)は0より大きい値にして下さい。"_qs;
    QTest::newRow("step too small") << int(RatingBox::Step) << "0.001" << u"刻み(mm)が小さ過ぎます（5000行まで）。"_qs;
    QTest::newRow("last below first") << int(RatingBox::To) << "10"
                                      << u"越流高さ 終わり(mm)は越流高さ 始め(mm)以上にして下さい。"_qs;
}

void RatingWindowTest::badInputNamesTheBox()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    RatingWindowWidget rating;
    rating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rating));
    const QSize size = rating.size();
    rating.box(RatingBox::Head)->setText(u"43.83"_qs);
    const int rowsBefore = rating.model()->rowCount();
    const QString firstFlow = rating.model()->index(0, 1).data().toString();
    rating.box(RatingBox(box))->setText(text);
    QCOMPARE(rating.message(), message);
    // The table stays as it was, greyed as no longer the boxes': nothing is
    // copied or saved from it, and no flow is read off its width.
    QCOMPARE(rating.model()->rowCount(), rowsBefore);
    QCOMPARE(rating.model()->index(0, 1).data().toString(), firstFlow);
    QVERIFY(!rating.isCurrent());
    QVERIFY(!rating.findChild<QTableView *>()->isEnabled());
    QVERIFY(!rating.findChild<QPushButton *>(u"ratingSave"_qs)->isEnabled());
    QCOMPARE(rating.flowText(), QString());
    // The window keeps its size for the message.
    QCoreApplication::processEvents();
    QCOMPARE(rating.size(), size);
    // A box that reads again makes it current.
    rating.box(RatingBox(box))
        ->setText(box == int(RatingBox::Width)      ? u"300"_qs
                      : box == int(RatingBox::Step) ? u"5"_qs
                                                    : u"100"_qs);
    QVERIFY(rating.isCurrent());
    QVERIFY(rating.findChild<QPushButton *>(u"ratingSave"_qs)->isEnabled());
    QVERIFY2(rating.flowText().startsWith(u"29"_qs), qPrintable(rating.flowText()));
}

void RatingWindowTest::flowForAMeasuredHead()
{
    RatingWindowWidget rating;
    rating.box(RatingBox::Head)->setText("43.83");
    // The worked example backwards: within the solver's 0.6 L/min of 300.
    const QString text = rating.flowText();
    QVERIFY2(text.startsWith(u"299.") || text.startsWith(u"300."), qPrintable(text));
    QVERIFY2(text.contains(u"L/min") && text.contains(u"m³/s"), qPrintable(text));
    rating.box(RatingBox::Head)->setText("10");
    QVERIFY2(rating.flowText().contains(u"適用範囲外"), qPrintable(rating.flowText()));
    rating.box(RatingBox::Head)->setText("x");
    QCOMPARE(rating.flowText(), u"越流高さ(mm)が数値ではありません。"_qs);
    // However long what is said, the window and its boxes keep their size.
    rating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rating));
    const QSize window = rating.size();
    const int box = rating.box(RatingBox::Head)->width();
    rating.box(RatingBox::Head)->setText("40000");
    QVERIFY2(rating.flowText().contains(u"16874.6"_qs), qPrintable(rating.flowText()));
    QCoreApplication::processEvents();
    QCOMPARE(rating.size(), window);
    QCOMPARE(rating.box(RatingBox::Head)->width(), box);
    // At its smallest, the width box still shows a five-digit width whole.
    rating.box(RatingBox::Width)->setText("12345");
    rating.resize(rating.minimumSizeHint());
    QCoreApplication::processEvents();
    const QLineEdit *width = rating.box(RatingBox::Width);
    QVERIFY(width->width() > width->fontMetrics().horizontalAdvance(width->text()) + 8);
}

void RatingWindowTest::copiesTheTable()
{
    RatingWindowWidget rating; // 300 mm, 20 to 100 in 5s
    rating.show();
    QVERIFY(QTest::qWaitForWindowActive(&rating));
    QGuiApplication::clipboard()->clear();
    rating.findChild<QTableView *>()->setFocus();
    QTest::keyClick(rating.findChild<QTableView *>(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 17);
    QCOMPARE(lines[0], u"越流高さ(mm)\t流量(L/min)\t流量(m³/s)\t備考\t堰の幅(mm)"_qs);
    QVERIFY2(lines[1].startsWith(u"20\t") && lines[1].endsWith(u"\t\t300"), qPrintable(lines[1]));
}

void RatingWindowTest::savesCsvWhole()
{
    RatingWindowWidget rating;
    rating.box(RatingBox::Step)->setText("40"); // 20, 60, 100
    QTemporaryDir dir;
    const QString path = dir.filePath(u"表.csv"_qs);
    QCOMPARE(rating.saveCsv(path).words(), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], u"越流高さ(mm),流量(L/min),流量(m³/s),備考,堰の幅(mm)"_qs);
    QVERIFY2(lines[1].startsWith(u"20,"), qPrintable(lines[1]));
    QCOMPARE(lines[3].section(u',', 0, 0), u"100"_qs);
}

void RatingWindowTest::failedSaveKeepsTheOldFile()
{
    RatingWindowWidget rating;
    QTemporaryDir dir;
    // A folder that vanished.
    const QString gone = dir.filePath(QStringLiteral("gone"));
    QDir().mkpath(gone);
    QDir(gone).removeRecursively();
    const Outcome<void> vanished = rating.saveCsv(gone + QStringLiteral("/table.csv"));
    QVERIFY(!vanished && vanished.fault().kind == Fault::Kind::File);
    QString failure = vanished.words();
    QVERIFY2(failure.startsWith(u"table.csv を保存できません: "), qPrintable(failure));
    QCOMPARE(rating.message(), failure); // said in the window

    // A folder no new file can go into, over a file already there: on a
    // read-only file system for anyone, or by permissions where they bind.
    QStringList lockedFiles{QStringLiteral("/proc/version")};
    if (geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QFile old(locked + QStringLiteral("/old.csv"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents\n");
        old.close();
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(old.fileName(), QFile::ReadOwner);
        lockedFiles << old.fileName();
    }
    for (const QString &path : lockedFiles) {
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        failure = rating.saveCsv(path).words();
        QVERIFY2(!failure.isEmpty(), qPrintable(path));
        QVERIFY2(failure.contains(QFileInfo(path).fileName()), qPrintable(failure));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
    }
    // And the user can try again.
    QCOMPARE(rating.saveCsv(dir.filePath(QStringLiteral("again.csv"))).words(), QString());
    QVERIFY(rating.message().isEmpty());
}

void RatingWindowTest::pdfHasPagesHeadersAndRows()
{
    RatingWindowWidget rating;
    rating.box(RatingBox::From)->setText("10");
    rating.box(RatingBox::Step)->setText("0.5"); // 181 rows: more than one page
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rating.pdf"));
    QCOMPARE(rating.savePdf(path).words(), QString());

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.waitForFinished(10000) && info.exitCode() == 0, "pdfinfo (poppler-utils) failed");
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    const QString pages = infoText.section(QStringLiteral("Pages:"), 1).trimmed().section(u'\n', 0, 0);
    QCOMPARE(pages.toInt(), 4); // three pages of table, one of curve
    QVERIFY2(infoText.contains(u"(A4)"_qs), qPrintable(infoText));
    if (qEnvironmentVariableIsSet("RATING_PDF_KEEP"))
        QFile::copy(path, qEnvironmentVariable("RATING_PDF_KEEP"));
    // Every page, the curve's too, on its paper inside the 15 mm margins.
    const QString ink = test::inkOutsideMargins(path, 15);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(10000) && text.exitCode() == 0);
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    if (qEnvironmentVariableIsSet("RATING_PDF_DUMP"))
        qInfo().noquote() << extracted;
    for (const QString &expected : {u"水位流量表"_qs, u"堰の幅: 300 mm"_qs, u"越流高さ(mm)"_qs, u"流量(L/min)"_qs})
        QVERIFY2(extracted.contains(expected), qPrintable(expected));
    // Rows below 20 mm marked, every page numbered.
    QVERIFY(extracted.contains(QRegularExpression(u"\\n10 +[0-9.]+ +[0-9.]+ +適用範囲外"_qs)));
    for (int page = 1; page <= 4; ++page)
        QVERIFY2(extracted.contains(QRegularExpression(QStringLiteral("\\b%1 */ *4\\b").arg(page))),
                 qPrintable(QString::number(page)));
    // The row of 43.5 mm, with its flow as the table shows it.
    const int row = rating.model()->rowNearest(43.5);
    QVERIFY2(extracted.contains(rating.model()->index(row, 1).data().toString()), qPrintable(extracted.left(400)));
}

// The report on a printer, as its preview draws it: the PDF's pages, each
// on its paper; the preview opens window-modal from its button.
void RatingWindowTest::printedReportAndItsPreview()
{
    RatingWindowWidget rating;
    rating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rating));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"printed.pdf"_qs));
    QVERIFY(printReport(*rating.model(), rating.plot(), printer));
    const QString ink = test::inkOutsideMargins(printer.outputFileName(), 15);
    QVERIFY2(ink.isEmpty(), qPrintable(ink));

    rating.findChild<QPushButton *>(u"ratingPreview"_qs)->click();
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = rating.findChild<QDialog *>(u"ratingPreviewDialog"_qs)) && preview->isVisible());
    QCOMPARE(preview->windowModality(), Qt::WindowModal);
    preview->reject();
    QTRY_VERIFY(!rating.findChild<QDialog *>(u"ratingPreviewDialog"_qs));
}

void RatingWindowTest::mouseReadsOutThePoint()
{
    RatingWindowWidget rating;
    rating.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rating));
    // Over the far end of the curve: the last row, 100 mm.
    rating.readOutAt(QPointF(rating.plot()->width() - 1, 0));
    QVERIFY2(rating.readout().startsWith(u"越流高さ 100 mm: 流量 "), qPrintable(rating.readout()));
}

// 編集 → 不確かさ with the rating window open: what reads is kept and reaches
// the table's ± and U columns and the flow for a measured head, stated beside
// them; what does not keeps the dialog open and names the box.
// A standard's formula chosen in the window: its flows, the program's own
// beside them with the difference, its range marked and named; a box it
// needs that does not read, or a weir that cannot be, leaves the table
// greyed with a message. JIS B 8302's rectangular weir: 5652.71 L/min for
// b 600, B 1200, D 500 at h 200 mm.
void RatingWindowTest::standardBesideOwnFormula_data()
{
    QTest::addColumn<int>("weir");
    QTest::addColumn<QString>("channelWidth");
    QTest::addColumn<QString>("crestHeight");
    QTest::addColumn<QString>("message");   // empty: the table is current
    QTest::addColumn<QString>("flowAt200"); // the measured head's flow begins so
    QTest::addColumn<QString>("remarkAt400");
    const int rect = int(StandardWeir::JisRectangular);
    QTest::newRow("四角せき") << rect << "1200"
                              << "500" << QString() << "5652.71" << u"h > 0.45√b"_qs;
    QTest::newRow("ISO full width, B not taken")
        << int(StandardWeir::IsoFullWidth) << ""
        << "500" << QString() << "6043.29" << QString(); // 0.632 · 2.95246 · 0.599 · 0.201^1.5 m³/s
    QTest::newRow("D missing") << rect << "1200"
                               << "" << u"堰頂の高さ D(mm)が数値ではありません。"_qs << QString() << QString();
    QTest::newRow("b wider than B") << rect << "500"
                                    << "500" << u"この堰はあり得ません"_qs << QString() << QString();
}

void RatingWindowTest::standardBesideOwnFormula()
{
    QFETCH(int, weir);
    QFETCH(QString, channelWidth);
    QFETCH(QString, crestHeight);
    QFETCH(QString, message);
    QFETCH(QString, flowAt200);
    QFETCH(QString, remarkAt400);
    RatingWindowWidget rating;
    rating.box(RatingBox::Width)->setText("600");
    rating.box(RatingBox::From)->setText("100");
    rating.box(RatingBox::To)->setText("400");
    rating.box(RatingBox::Step)->setText("100");
    rating.box(RatingBox::Head)->setText("200");
    rating.chooseFormula(StandardWeir(weir), channelWidth, crestHeight);
    if (!message.isEmpty()) {
        QVERIFY2(rating.message().startsWith(message), qPrintable(rating.message()));
        QVERIFY(!rating.isCurrent());
        QCOMPARE(rating.flowText(), QString());
        return;
    }
    QVERIFY2(rating.isCurrent(), qPrintable(rating.message()));
    QVERIFY2(rating.flowText().startsWith(flowAt200), qPrintable(rating.flowText()));
    const RatingTableModel &model = *rating.model();
    QCOMPARE(model.headerData(model.sectionOf(RatingTableModel::Difference), Qt::Horizontal).toString(), u"差(%)"_qs);
    // The row of 200 mm: the standard's flow, the own one, and how far apart, in %.
    const int row = model.rowNearest(200);
    const double own = flowLitresPerMinute(200, 600);
    QCOMPARE(model.index(row, model.sectionOf(RatingTableModel::OwnFlowLpm)).data().toString(),
             QString::number(own, 'f', 2));
    const double chosen = model.flowLpmAt(row);
    QCOMPARE(model.index(row, model.sectionOf(RatingTableModel::Difference)).data().toString(),
             QString::number((chosen - own) / own * 100, 'f', 2));
    const QString remark = model.index(model.rowNearest(400), RatingTableModel::Remark).data().toString();
    QVERIFY2(remarkAt400.isEmpty() ? remark.isEmpty() : remark.contains(remarkAt400), qPrintable(remark));
    // The report names the formula, its source and range.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rating.pdf"));
    QCOMPARE(rating.savePdf(path).words(), QString());
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(10000) && text.exitCode() == 0);
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(extracted.contains(Texts::formulaName(StandardWeir(weir))), qPrintable(extracted.left(600)));
    if (weir == int(StandardWeir::JisRectangular)) {
        // The picture of the comparison: the whole range, in fine steps.
        rating.box(RatingBox::From)->setText("30");
        rating.box(RatingBox::Step)->setText("10");
        rating.resize(1240, 640);
        rating.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rating));
        QVERIFY(rating.grab().save(u"rating-jis.png"_qs));
    }
    // Back to the program's own: its four columns again.
    rating.chooseFormula(std::nullopt);
    QCOMPARE(model.columnCount(), 4);
    QVERIFY2(rating.flowText().startsWith(QString::number(own, 'f', 2)), qPrintable(rating.flowText()));
    QVERIFY(!rating.findChild<QLineEdit *>(u"ratingCrestHeight"_qs)->isEnabled());
}

void RatingWindowTest::uncertaintiesReachTheTable_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("columns");
    QTest::newRow("all three") << QStringList{"0.3", "0.5", "1"} << QString() << 6;
    QTest::newRow("full-width") << QStringList{u"０．３"_qs, "0.5", "1"} << QString() << 6;
    QTest::newRow("none: no columns") << QStringList{"", "", ""} << QString() << 4;
    QTest::newRow("one missing")
        << QStringList{"0.3", "", "1"}
        << u"堰の幅の標準不確かさ u(b)(mm)を入れて下さい（三つとも入れるか、三つとも空欄にします）。"_qs << 4;
    QTest::newRow("negative") << QStringList{"0.3", "0.5", "-1"}
                              << u"流量係数の相対標準不確かさ u_C(%)は0以上にして下さい。"_qs << 4;
    QTest::newRow("not a number") << QStringList{"abc", "0.5", "1"}
                                  << u"越流高さの標準不確かさ u(h)(mm)が数値ではありません。"_qs << 4;
}

void RatingWindowTest::uncertaintiesReachTheTable()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(int, columns);
    storeGaugeUncertainty(std::nullopt);
    test::CalculatorWindow window;
    WeirHeadWindow &w = window.w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    RatingWindowWidget *rating = openFrom(w);
    QVERIFY(rating);
    QCOMPARE(rating->model()->columnCount(), 4);
    rating->box(RatingBox::Head)->setText(u"43.83"_qs);

    w.uncertaintyAction()->trigger();
    auto *dialog = w.findChild<UncertaintyDialog *>();
    QVERIFY(dialog);
    for (int i = 0; i < 3; ++i)
        dialog->box(i)->setText(typed[i]);
    dialog->accept();
    QCOMPARE(dialog->message(), message);
    QCOMPARE(dialog->isVisible(), !message.isEmpty());
    QCOMPARE(rating->model()->columnCount(), columns);
    if (columns == 6) {
        QCOMPARE(rating->model()->headerData(RatingTableModel::Expanded, Qt::Horizontal).toString(), u"U(%)"_qs);
        QVERIFY2(rating->gaugeNote().startsWith(u"u(h) = 0.3 mm、u(b) = 0.5 mm、u_C = 1 %"_qs),
                 qPrintable(rating->gaugeNote()));
        QVERIFY2(rating->flowText().endsWith(u"± 8.52 L/min（U = 2.84 %）"_qs), qPrintable(rating->flowText()));
        // The copy carries the three on every row, in columns of their own.
        rating->copyTable();
        const QStringList rows = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), rating->model()->rowCount() + 1);
        QVERIFY2(rows.last().endsWith(u"\t0.3\t0.5\t1"_qs), qPrintable(rows.last()));
        // Kept for the next run.
        QCOMPARE(storedGaugeUncertainty(), std::optional(GaugeUncertainty{0.3, 0.5, 1}));
    } else {
        QVERIFY(rating->gaugeNote().isEmpty());
        QVERIFY(!rating->flowText().contains(u'±'));
        QVERIFY(!storedGaugeUncertainty());
    }
    storeGaugeUncertainty(std::nullopt);
}

QTEST_MAIN(RatingWindowTest)
#include "tst_rating_window.moc"
