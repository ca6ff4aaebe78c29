// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/flow_formula.h"
#include "calculator/model/flow_reading.h"
#include "calculator/model/gauge_uncertainty.h"
#include "hydraulics/standard_weirs.h"
#include "hydraulics/weir_domain.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>

#include <optional>

namespace weir {

// The rating table of a weir: the flow the formula gives at each head of a
// range, in steps. Every flow comes from weirDischarge, the very code the
// calculator's solver evaluates, so the table and the calculator never
// disagree.

// The range of a table, in millimetres.
struct RatingRange {
    double widthMm = 0.0;
    double fromMm = 0.0;
    double toMm = 0.0;
    double stepMm = 0.0;
};

// The rating window's own boxes, in the order they are checked; their
// captions are RatingTexts::caption (rating/model/rating_texts.h).
enum class RatingBox { Width, From, To, Step, Head };

struct RatingBoxTexts {
    QString width, from, to, step;
};

// What the boxes give: a range, or the message about the first bad box.
struct RatingRead {
    std::optional<RatingRange> range;
    QString message;
    std::optional<RatingBox> box;
};

// A window's table of more rows than this is refused: the step is too small
// for a table a person reads on the screen. A table written out
// (weir-head table) is written a piece at a time and may be as long as a
// table's rows can be counted.
inline constexpr int kMaxRatingRows = 5000;
inline constexpr int kMaxWrittenRatingRows = 2'000'000'000;

RatingRead readRatingBoxes(const RatingBoxTexts &texts, const QLocale &locale, int maxRows = kMaxRatingRows);

// The flow at a measured head, as the table shows flows: "123.45 L/min
// (0.0020575 m³/s)", or the message about the box when it holds no head.
struct FlowAtHead {
    QString text;    // the flow, when there is one
    QString message; // else why not
};
// With the user's uncertainties, the flow's ± and U follow; with a
// standard's formula, its flow.
FlowAtHead flowAtHead(const QString &headText, double widthMm, const QLocale &locale,
                      const std::optional<GaugeUncertainty> &gauge = std::nullopt,
                      const std::optional<StandardFormula> &standard = std::nullopt);

// Flows as the table writes them: L/min to 0.01, m³/s to 0.0000001.
QString flowLpmText(double litresPerMinute, const QLocale &locale);
QString flowM3sText(double cubicMetresPerSecond, const QLocale &locale);

// Flow at a head in mm over a weir of a width in mm, in L/min and in m³/s;
// not finite (NaN) where the formula gives none.
double flowLitresPerMinute(double headMm, double widthMm);
double flowCubicMetresPerSecond(double headMm, double widthMm);

// A step for about twenty rows between two heads: 1, 2 or 5 times a power of
// ten, the smallest such step that gives at most twenty. None unless the
// range is finite and rises.
std::optional<double> roundStepFor(double fromMm, double toMm);

class RatingTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // PlusMinus and Expanded only while the user's uncertainties are stated
    // (setGauge): the flow's expanded uncertainty, ± L/min and U in %. The
    // last two only with a standard's formula (setFormula): the program's
    // own formula's flow at the same head, and how far the standard's lies
    // from it, in %. The columns shown are in this order; a section is one
    // of them (columnAt).
    enum Column { Head, FlowLpm, FlowM3s, Remark, PlusMinus, Expanded, OwnFlowLpm, Difference };

    explicit RatingTableModel(QObject *parent = nullptr);

    void setRange(const RatingRange &range);
    const RatingRange &range() const { return m_range; }
    void setLocale(const QLocale &locale);
    const QLocale &locale() const { return m_locale; }
    void setGauge(const std::optional<GaugeUncertainty> &gauge);
    const std::optional<GaugeUncertainty> &gauge() const { return m_gauge; }
    void setFormula(const std::optional<StandardFormula> &formula);
    const std::optional<StandardFormula> &formula() const { return m_formula; }
    Column columnAt(int section) const { return m_columns.value(section, Head); }
    int sectionOf(Column column) const { return int(m_columns.indexOf(column)); } // -1 when not shown

    double headAt(int row) const; // mm
    // The flows are not finite (NaN) where the formula gives none: from the
    // head where its discharge stops rising upward.
    double flowLpmAt(int row) const;              // L/min
    double flowM3sAt(int row) const;              // m³/s
    bool belowValidRange(int row) const;          // outside the formula's range (the own: below 20 mm)
    bool beyondFormula(int row) const;            // at or past the discharge's peak
    FlowUncertainty uncertaintyAt(int row) const; // NotComputable without a gauge
    double ownFlowLpmAt(int row) const;           // the program's own formula, whatever is chosen
    // A cell as a number, in its column's unit (mm, L/min, m³/s, %); NaN
    // where the table shows none, and for the remark, which is words.
    double valueAt(int row, Column column) const;
    // A number as its column writes it: the head in the general form, the
    // flows and the per cents to their digits; nothing for NaN.
    static QString numberText(Column column, double value, const QLocale &locale);
    // The row whose head is nearest the given head, or -1 for an empty table.
    int rowNearest(double headMm) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void updateColumns();
    StandardDischarge standardAt(int row) const;

    RatingRange m_range;
    WeirDomain m_domain{0.0};
    int m_rows = 0;
    QLocale m_locale;
    std::optional<GaugeUncertainty> m_gauge;
    std::optional<StandardFormula> m_formula;
    QList<Column> m_columns{Head, FlowLpm, FlowM3s, Remark};
};

} // namespace weir
