#include "ui/classe/FenetreAPropos.h"

#include "assets/Ressources.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#ifndef VIBRALUME_VERSION
#error "VIBRALUME_VERSION comes from project(... VERSION ...) in CMakeLists.txt"
#endif

namespace vibralume {

QString FenetreAPropos::texte() {
    return tr("<h2>Vibralume %1</h2>"
              "<p>Simulation d'une onde sonore dans un milieu : un modèle microscopique du gaz "
              "ou du solide, des capteurs de pression, un oscilloscope et le son produit.</p>"
              "<p>Logiciel libre, sous licence GNU GPL version 3 ou ultérieure.</p>"
              "<p>Conception et réalisation : L'équipe Vibralume, avec L'atelier des ondes.<br>"
              "Polices Carlito et Liberation Sans (licence SIL Open Font). Construit avec Qt %2."
              "</p>")
        .arg(QStringLiteral(VIBRALUME_VERSION), QString::fromLatin1(qVersion()));
}

FenetreAPropos::FenetreAPropos(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FenetreAPropos"));
    setWindowTitle(tr("À propos de Vibralume"));
    setWindowIcon(iconeProgramme());
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* logo = new QLabel(this);
    logo->setPixmap(iconeProgramme().pixmap(64, 64));
    logo->setAccessibleName(tr("Icône de Vibralume"));
    auto* texte = new QLabel(FenetreAPropos::texte(), this);
    texte->setObjectName(QStringLiteral("texte"));
    texte->setWordWrap(true);
    texte->setTextFormat(Qt::RichText);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(logo, 0, Qt::AlignHCenter);
    disposition->addWidget(texte);
    disposition->addWidget(boutons);
    setMinimumWidth(420);
}

} // namespace vibralume
