#pragma once
// A caption on its container's surface that can also be clicked or grabbed.

#include <QLabel>

namespace vibralume {

class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseDown(Qt::MouseButton bouton, QPoint position);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    bool appuye_ = false;
};

} // namespace vibralume
