#pragma once
// A picture stretched over its control, clickable.

#include <QPixmap>
#include <QWidget>

namespace vibralume {

class ImageControle : public QWidget {
    Q_OBJECT
public:
    explicit ImageControle(QWidget* parent = nullptr);
    /// The picture's resource name (under :/images, without extension).
    void setNomImage(const QString& nom);
    QString nomImage() const { return nom_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QString nom_;
    bool appuye_ = false;
};

} // namespace vibralume
