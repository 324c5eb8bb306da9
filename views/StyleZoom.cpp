#include "views/StyleZoom.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

namespace vibralume {

StyleZoom::StyleZoom(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(parent);
}

int StyleZoom::pixelMetric(PixelMetric metrique, const QStyleOption* option,
                           const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metrique, option, widget);
    switch (metrique) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_FocusFrameHMargin:
    case PM_FocusFrameVMargin:
        return int(std::nearbyint(base * zoom_));
    default:
        return base;
    }
}

} // namespace vibralume
