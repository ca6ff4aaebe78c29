// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

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

// The rating window's own boxes, in the order they are checked.
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

QString ratingCaption(RatingBox box);

// A table of more rows than this is refused: the step is too small.
inline constexpr int kMaxRatingRows = 5000;

RatingRead readRatingBoxes(const RatingBoxTexts &texts, const QLocale &locale);

// The flow at a measured head, as the table shows flows: "123.45 L/min
// (0.0020575 m³/s)", or the message about the box when it holds no head.
struct FlowAtHead {
    QString text;    // the flow, when there is one
    QString message; // else why not
};
FlowAtHead flowAtHead(const QString &headText, double widthMm, const QLocale &locale);

// Flow in L/min at a head in mm over a weir of a width in mm.
double flowLitresPerMinute(double headMm, double widthMm);

class RatingTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Head, FlowLpm, FlowM3s, Remark, ColumnCount };

    explicit RatingTableModel(QObject *parent = nullptr);

    void setRange(const RatingRange &range);
    const RatingRange &range() const { return m_range; }
    void setLocale(const QLocale &locale);

    double headAt(int row) const;       // mm
    double flowLpmAt(int row) const;    // L/min
    bool belowValidRange(int row) const; // the formula holds from 20 mm
    // The row whose head is nearest the given head, or -1 for an empty table.
    int rowNearest(double headMm) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    RatingRange m_range;
    int m_rows = 0;
    QLocale m_locale;
};

// The table as text with a header row, cells separated by the separator and
// rows by the line end: tab-separated for the clipboard, CSV for files.
QString tableText(const QAbstractItemModel &model, QChar separator, const QString &lineEnd);

// The CSV file's bytes: UTF-8 with a byte-order mark (so that spreadsheet
// programs read the Japanese headers), CRLF line ends.
QByteArray csvBytes(const QAbstractItemModel &model);

// Writes whole or not at all (QSaveFile): an existing file survives a failed
// save. Returns an empty string, or what went wrong with the file's name.
QString saveWhole(const QString &path, const QByteArray &bytes);
