// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "records/model/flow_record.h"

#include "common/texts.h"
#include "hydraulics/flow_uncertainty.h"
#include "records/model/csv_tokenizer.h"
#include "records/model/file_offset.h"
#include "records/model/record_texts.h"

namespace weir {

FlowReading flowOfReading(double reading, const ReadingScale &scale, const FlowFormula &formula)
{
    const double headMm = scale.headMm(reading);
    if (!(headMm > 0) && headMm == headMm) {
        FlowReading none;
        none.headMm = headMm;
        none.lpm = 0.0;
        none.m3s = 0.0;
        return none;
    }
    return formula.at(headMm);
}

std::optional<double> expandedFlowUncertainty(const FlowReading &flow, const FlowFormula &formula,
                                              const std::optional<GaugeUncertainty> &gauge)
{
    if (!gauge || !flow.m3s)
        return std::nullopt;
    if (!(flow.headMm && *flow.headMm > 0))
        return 0.0;
    const FlowUncertainty u = formula.uncertaintyAt(*flow.headMm, *gauge);
    return u.status == FlowUncertainty::Status::Ok ? std::optional<double>(u.expanded * *flow.m3s) : std::nullopt;
}

namespace {

constexpr std::size_t kNamedRows = 100;
constexpr long long kProgressRows = 65536;

} // namespace

FlowRecord readFlowRecord(std::FILE *in, const FlowRecordSettings &settings,
                          const std::function<bool(qint64, qint64)> &progress, const RowSink &rows)
{
    FlowRecord record;
    RecordSource source;
    if ((record.fault = source.open(in, settings.encoding)))
        return record;
    record.layout = findLayout(source, settings.columns);
    if ((record.fault = record.layout.fault))
        return record;
    record.scan = scanRecord(source, record.layout, settings.timeFormat);
    if ((record.fault = record.scan.fault))
        return record;
    if (!seekStream(source.stream(), record.layout.dataOffset)) {
        record.fault = RecordFault{RecordFault::Reason::Source, 0, RecordTexts::tr("記録を読み直せません。")};
        return record;
    }

    const RecordLayout &layout = record.layout;
    record.scale = {settings.unit.value_or(layout.statedUnit.value_or(units::HeadUnit::Millimetre)), settings.zero,
                    settings.falling};
    const FlowFormula formula(settings.widthMm, settings.standard);
    const RecordClock clock(settings.timeFormat, record.scan.dateOrder);
    const TextCodec codec(source.encoding());
    const bool timed = !layout.timeColumns.empty();
    const qint64 size = progress ? streamSize(source.stream()) : 0;
    VolumeTally days(PeriodKind::Day, settings.maxGapMs), months(PeriodKind::Month, settings.maxGapMs);

    CsvTokenizer reader(source.stream(), layout.delimiter, layout.dataLine, layout.dataOffset);
    while (reader.next() == CsvTokenizer::Status::Record) {
        const std::vector<std::string> &fields = reader.fields();
        if (reader.line() == record.scan.footerLine)
            break;
        const std::string_view value = std::size_t(layout.valueColumn) < fields.size()
            ? trimmedField(fields[std::size_t(layout.valueColumn)])
            : std::string_view();
        if (isNoteRow(fields, layout)) {
            ++record.notes;
            if (rows)
                rows({layout, source.encoding(), fields, nullptr, std::nullopt});
            continue;
        }
        ++record.rows;
        FlowReading flow;
        const DecimalReading number = readReading(value, layout.decimalMark);
        switch (number.status) {
        case DecimalReading::Status::Ok: flow = flowOfReading(number.value, record.scale, formula); break;
        case DecimalReading::Status::NotANumber:
            flow.message = value.empty() ? RecordTexts::tr("値がありません。") : Texts::notANumber(Texts::head());
            break;
        case DecimalReading::Status::TooLarge: flow.message = Texts::tooLarge(Texts::head()); break;
        }
        const std::optional<double> u = expandedFlowUncertainty(flow, formula, settings.gauge);
        if (rows)
            rows({layout, source.encoding(), fields, &flow, u});
        if (flow.m3s) {
            ++record.answered;
            if (settings.standard && flow.belowValidRange)
                ++record.outsideRange;
        } else if (++record.unansweredCount <= static_cast<long long>(kNamedRows)) {
            record.unanswered.push_back({reader.line(), flow.message});
        }
        if (timed) {
            const QString timeText = timeTextOf(fields, layout.timeColumns, codec);
            const std::optional<RecordTime> time = timeText.isEmpty() ? std::nullopt : clock.read(timeText);
            const FlowAtTime row{reader.line(), flow.m3s, u, time, timeText, settings.standard && flow.belowValidRange};
            days.add(row);
            months.add(row);
            if (flow.m3s && time)
                record.hydrograph.add(time->ms, *flow.headMm, *flow.lpm);
            else
                record.hydrograph.addBreak();
        }
        if (progress && record.rows % kProgressRows == 0 && !progress(reader.nextOffset(), size)) {
            record.cancelled = true;
            return record;
        }
    }
    if (timed) {
        record.days = days.finish();
        record.months = months.finish();
    }
    if (progress)
        progress(size, size);
    return record;
}

} // namespace weir
