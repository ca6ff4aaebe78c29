// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#pragma once

#include "calculator/model/gauge_uncertainty.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

namespace weir {

class Announcer;

// 編集 → 不確かさ: the three uncertainties behind every flow's ± (the head's
// and the width's in mm, the coefficient's in %), kept between runs. All
// three empty states none; 消去 empties them. A box that does not read is
// named below the boxes and keeps the dialog open.
class UncertaintyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UncertaintyDialog(QWidget *parent);

    QLineEdit *box(int index) const { return m_boxes[index]; } // 0 head, 1 width, 2 coefficient
    QString message() const;

    // Reads the boxes; stores them and closes when they read, says why not
    // otherwise.
    void accept() override;

private:
    QLineEdit *m_boxes[3] = {};
    QLabel *m_message = nullptr;
    Announcer *m_announcer = nullptr;
};

// Opens the dialog over `window` (window-modal, returning at once); `stored`
// runs after the user's uncertainties have been stored.
void openUncertaintyDialog(QWidget *window, const std::function<void()> &stored);

} // namespace weir
