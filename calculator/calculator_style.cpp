// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Weir Head developers
#include "calculator/calculator_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace weir {

namespace {

// A style's standard icon, asked of the style when first drawn or measured.
class DeferredStandardIcon : public QIconEngine
{
public:
    DeferredStandardIcon(QStyle *style, QStyle::StandardPixmap which)
        : m_style(style)
        , m_which(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon &icon()
    {
        if (!m_fetched && m_style) {
            m_icon = m_style->standardIcon(m_which);
            m_fetched = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style; // the proxy's base style, which the proxy owns
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_fetched = false;
};

} // namespace

QSize CalculatorStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                        const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuBarItem)
        result.rwidth() -= 8;
    return result;
}

QIcon CalculatorStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                    const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton && !option)
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace weir
