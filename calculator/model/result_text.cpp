// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/model/result_text.h"

#include "common/box_number.h"
#include "common/number_text.h"
#include "common/texts.h"

#include "hydraulics/weir_formula.h"

#include <QStringList>

namespace weir {

namespace {

QString cell(const QString &text)
{
    QString flat = text;
    for (QChar &c : flat) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return flat;
}

} // namespace

QString resultForSpreadsheet(const BoxTexts &inputs, const QString &head, const QString &trials, const QLocale &locale)
{
    QStringList header;
    QStringList values;
    for (const InputBoxInfo &info : inputBoxes()) {
        header << info.caption();
        const BoxNumber number = parseBoxNumber(inputs[info.box], locale);
        values << (number.status == BoxNumber::Status::Ok ? generalNumberText(number.value, locale)
                                                          : cell(inputs[info.box]));
    }
    header << Texts::head() << Texts::trials();
    values << cell(head) << cell(trials);
    return header.join(u'\t') + u'\n' + values.join(u'\t') + u'\n';
}

QString aboutText(const QString &version)
{
    QString units;
    for (const InputBoxInfo &info : inputBoxes())
        units += QStringLiteral("<li>%1: %2</li>").arg(info.caption().toHtmlEscaped(), QString::fromLatin1(info.unit));
    units += Texts::tr("<li>%1: mm</li><li>%2: 回</li>")
                 .arg(Texts::head().toHtmlEscaped(), Texts::trials().toHtmlEscaped());

    return Texts::tr("<h3>%1</h3>"
                     "<p>バージョン %2</p>"
                     "<p>四角堰（長方形の刃形堰）の流量と堰の幅から、越流高さを二分法で求めます。</p>"
                     "<p>流量公式（%4）:<br>%5</p>"
                     "<p>適用範囲: 越流高さ h ≧ %6 mm。収束判定は流量の差 0.00001 m³/s (0.6 L/min) 未満。</p>"
                     "<p>単位:</p><ul>%3</ul>"
                     "<p>ライセンス: GNU General Public License version 3 以降 (GPL-3.0-or-later)。"
                     "このプログラムは無保証です。</p>")
        .arg(Texts::appName(), version, units, Texts::formulaUnits(),
             Texts::formula().toHtmlEscaped().replace(QStringLiteral("^1.5"), QStringLiteral("<sup>1.5</sup>")))
        .arg(kMinimumValidHeadMm);
}

QString announcementOf(const CalculationOutcome &outcome)
{
    switch (outcome.kind) {
    case CalculationOutcome::Kind::Incomplete: return {};
    case CalculationOutcome::Kind::Shown:
        return (QStringList{Texts::head() + u' ' + outcome.headText, Texts::trials() + u' ' + outcome.trialsText}
                + outcome.texts())
            .join(QStringLiteral(u"、"))
            .simplified();
    case CalculationOutcome::Kind::Printed: return outcome.texts().join(QLatin1Char(' ')).simplified();
    }
    return {};
}

} // namespace weir
