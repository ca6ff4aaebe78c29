// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/layout_table.h"
#include "calculator/model/input_boxes.h"
#include "calculator/window_menus.h"
#include "common/fault.h"
#include "sheet/sheet_printer_interface.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <optional>
#include <string_view>

class QAction;
class QLineEdit;
class QPushButton;

namespace weir {

class Announcer;
class CaptionLabel;
class ModuleHost;
struct CalculationOutcome;
class MessageLines;
class DesignWindow;
class RatingWindow;

// The calculator's one window.
//
// How data flows: the four input boxes (weir width in mm, flow in L/min, and
// the bracket of heads, minimum and maximum in mm) are read when Calculate is
// pressed, turned into SI inputs (m, m^3/s) and handed to the bisection
// solver. A converged head goes back out as text, rounded to 0.01 mm, into the
// head box, and the trials used into the trials box. Anything else -- a bracket
// with no root, a box that is not a number, a search that cannot finish --
// becomes a red line printed at the top-left corner of the client area, and
// the input boxes are never touched.
//
// The client area keeps its drawn size and places (layout_table.cpp, in twips);
// every control carries its drawn name as objectName (Text1, Label7, Command1,
// ...), and the window is named ZELMORAK, so tests and tools can find them.
class WeirHeadWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WeirHeadWindow(QWidget *parent = nullptr);

    // The font the window was drawn for. The program also makes it the
    // application's font before building the window, so that no widget first
    // lays itself out in the platform default and loads a second font face.
    static QFont designFont();

    // What the program does to the application before it builds the window:
    // the design font as the application's, and the calculator's style
    // (calculator_style.h) as the application's style.
    static void prepareApplication();

    // Where the boxes and the printed lines are; the menu bar sits above it.
    QWidget *clientArea() const { return m_clientArea; }
    QMenuBar *menuBar() const { return m_menuBar; }
    QLineEdit *inputBox(InputBox box) const;
    QLineEdit *headBox() const { return m_headBox; }
    QLineEdit *trialsBox() const { return m_trialsBox; }
    QPushButton *calculateButton() const { return m_calculateButton; }
    QPushButton *clearButton() const { return m_clearButton; }
    MessageLines *messageLines() const { return m_messages; }
    // What a screen reader is told after each Calculate.
    Announcer *announcer() const { return m_announcer; }
    // Colour of printed error lines (red).
    QColor messageColor() const { return m_messageColor; }

    // The menu bar's actions.
    QAction *quitAction() const { return m_actions.quit; }
    QAction *copyResultAction() const { return m_actions.copyResult; }
    QAction *aboutAction() const { return m_actions.about; }
    QAction *manualAction() const { return m_actions.manual; }
    // The manual's window once it has been opened; its module is loaded then.
    QWidget *helpWindow() const;
    QAction *ratingAction() const { return m_actions.rating; }
    QAction *designAction() const { return m_actions.design; }
    QAction *saveSheetAction() const { return m_actions.saveSheet; }
    QAction *printSheetAction() const { return m_actions.printSheet; }
    QAction *previewSheetAction() const { return m_actions.previewSheet; }
    QAction *copyTrailAction() const { return m_actions.copyTrail; }
    QAction *uncertaintyAction() const { return m_actions.uncertainty; }
    // Whether the head and trials shown are of inputs since changed.
    bool answerIsStale() const;
    // The rating window once it has been opened; its module is loaded then.
    RatingWindow *ratingWindow() const;
    // The same for the design window.
    DesignWindow *designWindow() const;

public slots:
    // 計算: read the four boxes, solve, show the head or print why not.
    void calculate();
    // クリヤ: empty every box and the printed lines.
    void clear();
    // 結果をコピー: the inputs and the result onto the clipboard, as two
    // tab-separated lines (captions with units, then values).
    void copyResult();
    // このプログラムについて: a non-modal box with name, version, licence,
    // formula and units.
    void showAbout();
    // ヘルプ > 使い方 (F1): the manual in a window of its own, beside this one.
    void showManual();
    // 表示 > 水位流量表: opens the rating window beside this one, with the
    // width and bracket from the boxes. Says so when its module is missing.
    void openRatingWindow();
    // 表示 > 堰の設計: the widths that measure a range of flows, beside this
    // window; この幅を計算機に入れる there puts the chosen one into the width box.
    void openDesignWindow();
    // 表示 > 記録から流量, or a file dropped on this window: a logger's
    // record read into its daily volumes, beside this window, the width box
    // handed to it.
    void openRecordsWindow(const QString &path = {});
    // ファイル > 計算書を保存 (PDF): asks for the title block and a file and
    // saves the last Calculate's sheet there, whole or not at all.
    void saveSheet();
    // ファイル > 印刷 (Ctrl+P): the title block's dialog, the print dialog,
    // then the sheet on the printer.
    void printSheet();
    // ファイル > 印刷プレビュー: the title block's dialog, then the sheet's
    // pages as they would print.
    void previewSheet();
    // 編集 > 計算過程をコピー: the bisection trail, tab-separated.
    void copyTrail();
    // 編集 > 不確かさ: the gauge's, the width's and the coefficient's
    // uncertainties, handed to the rating window once stored.
    void editUncertainty();

public:
    // What the calculation sheet is made of: the last Calculate (none before
    // one, after Clear, or after a Calculate with a box still empty).
    std::optional<SheetRequest> sheetRequest() const;
    // Saves it as a PDF; the failure, in the words the window prints, or empty.
    Outcome<void> saveSheetPdf(const QString &path);

protected:
    void moveEvent(QMoveEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildClientArea();
    void buildControls();
    QLineEdit *createTextBox(const Layout::ControlSpec &spec);
    QPushButton *createButton(const Layout::ControlSpec &spec);
    CaptionLabel *createLabel(const Layout::ControlSpec &spec);
    void keepByRole(const Layout::ControlSpec &spec, QWidget *control);
    void connectControls();
    void buildMenus();
    void keepPrintsAboveControls();
    void centreOnScreen();
    void setKeyboardOrder();
    void forgetInputComplaints();
    BoxTexts inputTexts() const;
    void rememberCalculation(const CalculationOutcome *made);
    // Whether the answer in the head box is still that of the inputs.
    void markAnswerCurrency();
    // The width and bracket the modules are given: the last Calculate's,
    // or the boxes as typed before there is one.
    BoxTexts moduleInputs() const;
    void showHeadInRatingWindow();
    void reportFailure(const Fault &fault);
    void sheetToModule(Outcome<void> (ModuleHost::*use)(const SheetRequest &));

    // Once the window manager's frame is known, the window is centred again
    // with it; that happens once.
    bool m_centredWithFrame = false;

    QWidget *m_clientArea = nullptr;
    QMenuBar *m_menuBar = nullptr;
    MessageLines *m_messages = nullptr;
    Announcer *m_announcer = nullptr;
    QColor m_messageColor;

    QLineEdit *m_widthBox = nullptr;   // weir width, mm
    QLineEdit *m_flowBox = nullptr;    // flow, L/min
    QLineEdit *m_minimumBox = nullptr; // lower end of the bracket of heads, mm
    QLineEdit *m_maximumBox = nullptr; // upper end of the bracket of heads, mm
    QLineEdit *m_headBox = nullptr;    // the head found, mm (output)
    QLineEdit *m_trialsBox = nullptr;  // bisection trials used (output)
    QPushButton *m_calculateButton = nullptr;
    QPushButton *m_clearButton = nullptr;

    WindowActions m_actions; // the menu bar's items
    // The boxes as they were at the last Calculate, what it answered, and
    // when it was made: the sheet, the copied result and the modules are of
    // that calculation, whatever has been typed since into any box.
    struct LastCalculation {
        BoxTexts boxes;
        QString headText;                  // as the head box showed it, empty when none
        QString trialsText;                // the same for the trials
        std::optional<double> foundHeadMm; // a head that answers the flow, mm
        QDateTime madeAt;
    };
    std::optional<LastCalculation> m_lastCalculation;
    ModuleHost *m_modules = nullptr; // the rating window and the sheet, once asked for
    // The head and trials boxes' colours for an answer of the boxes as they
    // stand; once an input differs from the last Calculate's, the answer is
    // drawn grey and said to be of the earlier inputs.
    QPalette m_freshHeadPalette;
    QPalette m_freshTrialsPalette;
    bool m_markedStale = false;

    // Every control of the layout table by its drawn name, as created: for
    // the buddies and the tab order, which the table gives by name.
    std::map<std::string_view, QWidget *> m_controls;
    QList<CaptionLabel *> m_labels;
};

} // namespace weir
