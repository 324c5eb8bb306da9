#include "ui/lecon/FenetreConsignes.h"

#include "assets/Ressources.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vibralume {

FenetreConsignes::FenetreConsignes(QWidget* parent)
    : QWidget(parent, Qt::Window), titre_(new QLabel(this)), texte_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FenetreConsignes"));
    setWindowTitle(tr("Consignes - Vibralume"));
    setWindowIcon(iconeProgramme());
    setAttribute(Qt::WA_QuitOnClose, false);
    titre_->setObjectName(QStringLiteral("titre"));
    titre_->setWordWrap(true);
    QFont grand = titre_->font();
    grand.setBold(true);
    // The application's font may be set in pixels or in points.
    if (grand.pointSizeF() > 0)
        grand.setPointSizeF(grand.pointSizeF() * 1.3);
    else
        grand.setPixelSize(grand.pixelSize() * 4 / 3);
    titre_->setFont(grand);
    texte_->setObjectName(QStringLiteral("consignes"));
    texte_->setReadOnly(true);
    texte_->setAccessibleName(tr("Consignes de la leçon"));
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(titre_);
    disposition->addWidget(texte_);
    resize(520, 320);
}

void FenetreConsignes::montre(const QString& titre, const QString& consignes) {
    titre_->setText(titre);
    titre_->setVisible(!titre.isEmpty());
    texte_->setPlainText(consignes);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QString FenetreConsignes::titre() const {
    return titre_->text();
}

QString FenetreConsignes::consignes() const {
    return texte_->toPlainText();
}

void FenetreConsignes::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace vibralume
