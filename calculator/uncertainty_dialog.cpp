// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/uncertainty_dialog.h"

#include "accessibility/announcer.h"
#include "common/number_text.h"
#include "common/texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace weir {

UncertaintyDialog::UncertaintyDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("uncertaintyDialog"));
    setWindowTitle(Texts::uncertaintyTitle());
    const QString captions[] = {Texts::headUncertainty(), Texts::widthUncertainty(), Texts::coefficientUncertainty()};
    const char16_t keys[] = {u'H', u'W', u'C'};
    const char *names[] = {"uncertaintyHead", "uncertaintyWidth", "uncertaintyCoefficient"};
    auto *form = new QFormLayout;
    for (int i = 0; i < 3; ++i) {
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(QLatin1String(names[i]));
        m_boxes[i]->setAccessibleName(captions[i]);
        form->addRow(Texts::formLabel(captions[i], QChar(keys[i])), m_boxes[i]);
    }
    if (const std::optional<GaugeUncertainty> stored = storedGaugeUncertainty()) {
        const double values[] = {stored->headMm, stored->widthMm, stored->coefficientPercent};
        for (int i = 0; i < 3; ++i)
            m_boxes[i]->setText(generalNumberText(values[i], locale()));
    }

    auto *note = new QLabel(Texts::uncertaintyNote(), this);
    note->setWordWrap(true);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("uncertaintyMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #C00000"));
    m_message->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *clearAll
        = buttons->addButton(Texts::withAccessKey(Texts::clearAll(), u'D'), QDialogButtonBox::ResetRole);
    connect(clearAll, &QPushButton::clicked, this, [this] {
        for (QLineEdit *box : m_boxes)
            box->clear();
        m_message->clear();
        m_boxes[0]->setFocus();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &UncertaintyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UncertaintyDialog::reject);

    m_announcer = new Announcer(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
}

QString UncertaintyDialog::message() const
{
    return m_message->text();
}

void UncertaintyDialog::accept()
{
    const GaugeRead read = readGaugeUncertainty(m_boxes[0]->text(), m_boxes[1]->text(), m_boxes[2]->text(), locale());
    if (!read.message.isEmpty()) {
        m_message->setText(read.message);
        // Said to a screen reader as well, wherever the focus is.
        m_announcer->announce(read.message);
        for (QLineEdit *box : m_boxes)
            if (read.message.contains(box->accessibleName())) {
                box->setFocus();
                box->selectAll();
            }
        return;
    }
    storeGaugeUncertainty(read.gauge);
    QDialog::accept();
}

void openUncertaintyDialog(QWidget *window, const std::function<void()> &stored)
{
    auto *dialog = new UncertaintyDialog(window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, window, stored);
    dialog->open();
}

} // namespace weir
