#pragma once
// Before a lesson is saved: its title and the instructions the pupils will
// read, both as long as a lesson file takes them.

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vibralume {

class DialogueLecon : public QDialog {
    Q_OBJECT
public:
    DialogueLecon(const QString& titre, const QString& consignes, QWidget* parent);

    QString titre() const;
    QString consignes() const;

private:
    /// OK only while the instructions fit in a lesson file.
    void verifie();

    QLineEdit* titre_;
    QPlainTextEdit* consignes_;
    QPushButton* ok_;
};

} // namespace vibralume
