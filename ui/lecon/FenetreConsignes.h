#pragma once
// The lesson's instructions in a small window of their own, beside the
// simulation: the title above, the teacher's text below, read-only. Escape
// closes it; the lesson's key brings it back.

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace vibralume {

class FenetreConsignes : public QWidget {
    Q_OBJECT
public:
    explicit FenetreConsignes(QWidget* parent);

    void montre(const QString& titre, const QString& consignes);
    QString titre() const;
    QString consignes() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* titre_;
    QPlainTextEdit* texte_;
};

} // namespace vibralume
