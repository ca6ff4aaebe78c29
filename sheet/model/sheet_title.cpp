// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "sheet/model/sheet_title.h"

#include "sheet/model/sheet_texts.h"

#include <QSettings>

#include <array>

namespace weir {

namespace {

// The settings' keys, in the order of fields().
constexpr std::array kKeys{"subject", "site", "weir_name", "prepared_by", "prepared_on", "checked_by", "checked_on"};

} // namespace

QStringList SheetTitle::fields() const
{
    return {subject, site, weirName, preparedBy, preparedOn, checkedBy, checkedOn};
}

SheetTitle SheetTitle::fromFields(const QStringList &fields)
{
    const auto at = [&fields](qsizetype i) { return fields.value(i).trimmed(); };
    return {at(0), at(1), at(2), at(3), at(4), at(5), at(6)};
}

QStringList SheetTitle::captions()
{
    return {SheetTexts::tr("件名"),   SheetTexts::tr("地点"),   SheetTexts::tr("堰の名称"), SheetTexts::tr("作成者"),
            SheetTexts::tr("作成日"), SheetTexts::tr("照査者"), SheetTexts::tr("照査日")};
}

SheetTitle storedSheetTitle()
{
    QSettings stored(QStringLiteral("weir-head"), QStringLiteral("weir-head"));
    QStringList fields;
    for (const char *key : kKeys)
        fields << stored.value(QStringLiteral("sheet_title/") + QLatin1String(key)).toString();
    return SheetTitle::fromFields(fields);
}

void storeSheetTitle(const SheetTitle &title)
{
    QSettings stored(QStringLiteral("weir-head"), QStringLiteral("weir-head"));
    const QStringList fields = title.fields();
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        stored.setValue(QStringLiteral("sheet_title/") + QLatin1String(kKeys[i]), fields[qsizetype(i)]);
}

} // namespace weir
