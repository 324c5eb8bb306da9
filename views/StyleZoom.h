#pragma once
// The platform's look of the standard controls (option buttons, check box,
// scroll bars), at the window's zoom: their indicators, arrows and margins
// grow with everything else.

#include <QProxyStyle>

namespace vibralume {

class StyleZoom : public QProxyStyle {
    Q_OBJECT
public:
    /// Over the application's style; owned by `parent`.
    explicit StyleZoom(QObject* parent);
    void setZoom(double zoom) { zoom_ = zoom; }
    double zoom() const { return zoom_; }

    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double zoom_ = 1;
};

} // namespace vibralume
