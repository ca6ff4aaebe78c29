// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "rating_table.h"

#include "box_number.h"
#include "calculation.h"
#include "head_text.h"
#include "messages.h"
#include "weir_residual.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cmath>

QString ratingCaption(RatingBox box)
{
    switch (box) {
    case RatingBox::Width: return QStringLiteral(u"堰の幅(mm)");
    case RatingBox::From: return QStringLiteral(u"越流高さ 始め(mm)");
    case RatingBox::To: return QStringLiteral(u"越流高さ 終わり(mm)");
    case RatingBox::Step: return QStringLiteral(u"刻み(mm)");
    case RatingBox::Head: return QStringLiteral(u"越流高さ(mm)");
    }
    return {};
}

namespace {

struct Read {
    std::optional<double> value;
    QString message;
};

// A box that must hold a number above zero, read as the calculator reads.
Read positiveNumber(const QString &text, RatingBox box, const QLocale &locale)
{
    const QString caption = ratingCaption(box);
    const BoxNumber number = parseBoxNumber(text, locale);
    switch (number.status) {
    case BoxNumber::Status::NotANumber: return {std::nullopt, Message::notANumber(caption).trimmed()};
    case BoxNumber::Status::TooLarge: return {std::nullopt, Message::tooLarge(caption).trimmed()};
    case BoxNumber::Status::Ok: break;
    }
    if (!(number.value > 0))
        return {std::nullopt, Message::notPositive(caption).trimmed()};
    return {number.value, {}};
}

// Flows to 0.01 L/min, and the same flow in m³/s to the digit that still
// tells such steps apart.
QString flowText(double litresPerMinute, const QLocale &locale)
{
    return fixedNumberText(litresPerMinute, 2, locale);
}

QString cubicMetresText(double litresPerMinute, const QLocale &locale)
{
    return fixedNumberText(litresPerMinute / 60000.0, 7, locale);
}

} // namespace

RatingRead readRatingBoxes(const RatingBoxTexts &texts, const QLocale &locale)
{
    const std::pair<RatingBox, const QString *> boxes[] = {
        {RatingBox::Width, &texts.width}, {RatingBox::From, &texts.from},
        {RatingBox::To, &texts.to}, {RatingBox::Step, &texts.step}};
    double values[4] = {};
    int i = 0;
    for (const auto &[box, text] : boxes) {
        const Read read = positiveNumber(*text, box, locale);
        if (!read.value)
            return {std::nullopt, read.message, box};
        values[i++] = *read.value;
    }
    RatingRange range{values[0], values[1], values[2], values[3]};
    if (range.toMm < range.fromMm)
        return {std::nullopt,
                QStringLiteral(u"%1は%2以上にして下さい。").arg(ratingCaption(RatingBox::To), ratingCaption(RatingBox::From)),
                RatingBox::To};
    if ((range.toMm - range.fromMm) / range.stepMm >= kMaxRatingRows)
        return {std::nullopt, QStringLiteral(u"%1が小さ過ぎます（%2行まで）。").arg(ratingCaption(RatingBox::Step)).arg(kMaxRatingRows),
                RatingBox::Step};
    return {range, {}, {}};
}

double flowLitresPerMinute(double headMm, double widthMm)
{
    // m³/s to L/min: times 1000, times 60 (the calculator's conversion undone).
    return weirDischarge(headMm / 1000, widthMm / 1000.0) * 1000 * 60;
}

FlowAtHead flowAtHead(const QString &headText, double widthMm, const QLocale &locale)
{
    const Read head = positiveNumber(headText, RatingBox::Head, locale);
    if (!head.value)
        return {{}, head.message};
    const double lpm = flowLitresPerMinute(*head.value, widthMm);
    if (!std::isfinite(lpm))
        return {{}, Message::notComputable.trimmed()};
    QString text = QStringLiteral("%1 L/min (%2 m³/s)").arg(flowText(lpm, locale), cubicMetresText(lpm, locale));
    if (*head.value < kValidRangeMm)
        text += QStringLiteral(u" — 20mm未満は公式の適用範囲外です");
    return {text, {}};
}

RatingTableModel::RatingTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RatingTableModel::setRange(const RatingRange &range)
{
    beginResetModel();
    m_range = range;
    m_rows = range.stepMm > 0 && range.toMm >= range.fromMm
                 ? int(std::floor((range.toMm - range.fromMm) / range.stepMm + 1e-9)) + 1
                 : 0;
    endResetModel();
}

void RatingTableModel::setLocale(const QLocale &locale)
{
    beginResetModel();
    m_locale = locale;
    endResetModel();
}

double RatingTableModel::headAt(int row) const
{
    // Each head from the start, not by adding steps up, so that rounding does
    // not creep down the table.
    return m_range.fromMm + row * m_range.stepMm;
}

double RatingTableModel::flowLpmAt(int row) const
{
    return flowLitresPerMinute(headAt(row), m_range.widthMm);
}

bool RatingTableModel::belowValidRange(int row) const
{
    return headAt(row) < kValidRangeMm;
}

int RatingTableModel::rowNearest(double headMm) const
{
    if (m_rows == 0)
        return -1;
    const double at = std::round((headMm - m_range.fromMm) / m_range.stepMm);
    return int(std::clamp(at, 0.0, double(m_rows - 1)));
}

int RatingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RatingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RatingTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == Remark ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const int row = index.row();
    switch (index.column()) {
    case Head: return generalNumberText(std::round(headAt(row) * 1e9) / 1e9, m_locale);
    case FlowLpm: return flowText(flowLpmAt(row), m_locale);
    case FlowM3s: return cubicMetresText(flowLpmAt(row), m_locale);
    case Remark: return belowValidRange(row) ? QStringLiteral(u"適用範囲外") : QString();
    }
    return {};
}

QVariant RatingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Head: return QStringLiteral(u"越流高さ(mm)");
    case FlowLpm: return QStringLiteral(u"流量(L/min)");
    case FlowM3s: return QStringLiteral(u"流量(m³/s)");
    case Remark: return QStringLiteral(u"備考");
    }
    return {};
}

QString tableText(const QAbstractItemModel &model, QChar separator, const QString &lineEnd)
{
    // A cell holding the separator, a quote or a line break is quoted, as
    // spreadsheets read CSV; tab-separated cells never hold a tab.
    const auto cell = [separator](QString text) {
        if (text.contains(separator) || text.contains(u'"') || text.contains(u'\n')) {
            text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            text = u'"' + text + u'"';
        }
        return text;
    };
    QString out;
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << cell(model.headerData(column, Qt::Horizontal).toString());
    out += header.join(separator) + lineEnd;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << cell(model.index(row, column).data().toString());
        out += cells.join(separator) + lineEnd;
    }
    return out;
}

QByteArray csvBytes(const QAbstractItemModel &model)
{
    return QByteArray("\xEF\xBB\xBF") + tableText(model, u',', QStringLiteral("\r\n")).toUtf8();
}

QString saveWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral(u"%1 を保存できません: %2").arg(name, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral(u"%1 を保存できません: %2").arg(name, reason);
    }
    if (!file.commit())
        return QStringLiteral(u"%1 を保存できません: %2").arg(name, file.errorString());
    return {};
}
