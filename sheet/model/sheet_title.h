// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include <QString>
#include <QStringList>

namespace weir {

// The calculation sheet's title block, as a sheet handed in for checking
// carries one: what the work is (件名), where (地点), which weir (堰の名称),
// and who prepared it and who checked it, each with a date and a box for a
// seal (作成, 照査). Every field may be left blank for a pen.
struct SheetTitle {
    QString subject;
    QString site;
    QString weirName;
    QString preparedBy;
    QString preparedOn; // a date, as the user writes it
    QString checkedBy;
    QString checkedOn;

    bool operator==(const SheetTitle &) const = default;

    // The fields in the order above, and back: for the dialog's boxes.
    QStringList fields() const;
    static SheetTitle fromFields(const QStringList &fields);
    // The fields' captions in the same order (SheetTexts' context).
    static QStringList captions();
};

// Kept between runs in the user's settings, so that the next sheet of the
// same work needs only the date changed.
SheetTitle storedSheetTitle();
void storeSheetTitle(const SheetTitle &title);

} // namespace weir
