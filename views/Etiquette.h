#pragma once
// A caption on its container's surface that can also be clicked or grabbed.

#include <QLabel>
#include <memory>
#include <optional>

class QTextLayout;

namespace vibralume {

class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);
    ~Etiquette() override;

    /// The font and the text width the caption has at 100 %: at any other
    /// zoom its lines break where they break there, so that a caption keeps
    /// its lines when the rounding of the zoomed font makes it a pixel wider.
    void setMiseDeReference(const QFont& police, int largeurTexte);
    /// Lines of the caption as it is painted.
    int nombreLignes();
    /// Width of its widest line as painted, in pixels.
    qreal largeurLignes();

signals:
    void clicked();
    void mouseDown(Qt::MouseButton bouton, QPoint position);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void metEnPage();

    bool appuye_ = false;
    // The caption laid out at its last paint, and what it was laid out for.
    std::unique_ptr<QTextLayout> mise_;
    QString miseTexte_;
    int miseLargeur_ = -1;
    QFont misePolice_;
    Qt::Alignment miseAlignement_;
    std::optional<QFont> policeReference_;
    int largeurReference_ = 0;
    /// How much the lines are narrowed to fit the box (1: not at all).
    qreal serrage_ = 1;
};

} // namespace vibralume
