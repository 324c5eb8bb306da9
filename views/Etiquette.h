#pragma once
// A caption on its container's surface that can also be clicked or grabbed.

#include <QLabel>
#include <memory>

class QTextLayout;

namespace vibralume {

class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);
    ~Etiquette() override;

signals:
    void clicked();
    void mouseDown(Qt::MouseButton bouton, QPoint position);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    bool appuye_ = false;
    // The caption laid out at its last paint, and what it was laid out for.
    std::unique_ptr<QTextLayout> mise_;
    QString miseTexte_;
    int miseLargeur_ = -1;
    QFont misePolice_;
    Qt::Alignment miseAlignement_;
};

} // namespace vibralume
