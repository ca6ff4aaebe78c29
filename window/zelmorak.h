#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class PrintedOutput;
enum class InputBox;

// The calculator's one window.
//
// How data flows: the four input boxes (Text6 width in mm, Text1 flow in L/min,
// Text2 and Text3 the bracket in mm) are read when Calculate is pressed, turned
// into SI inputs (m, m^3/s), and handed to the bisection solver. A converged
// head goes back out as text, rounded to 0.01 mm, into Text4, and the trials
// used into Text5. Anything else -- a bracket with no root, a box that is not a
// number, a search that cannot finish -- becomes one red line printed at the
// top-left corner of the window, and the input boxes are never touched.
//
// The controls keep their designer names (Text1, Label7, Command1, ...) as
// their objectName; the layout comes from the twips table in layout_table.cpp.
class ZELMORAK : public QWidget
{
    Q_OBJECT

public:
    explicit ZELMORAK(QWidget *parent = nullptr);

    // The font the window was drawn for. The program also makes it the
    // application's font before building the window, so that no widget first
    // lays itself out in the platform default and loads a second font face.
    static QFont designFont();

    QColor printColor() const { return m_printColor; }
    PrintedOutput *printedOutput() const { return m_printed; }

public slots:
    void Command1_Click(); // 計算: Calculate
    void Command2_Click(); // クリヤ: Clear

private:
    void buildControls();
    void Form_Load();
    void fitLabelsToCaptions();
    QLineEdit *inputBox(InputBox box) const;
    void forgetInputComplaints();

    PrintedOutput *m_printed = nullptr;
    QColor m_printColor;

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
