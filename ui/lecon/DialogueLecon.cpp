#include "ui/lecon/DialogueLecon.h"

#include "model/FormatLecon.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vibralume {

DialogueLecon::DialogueLecon(const QString& titre, const QString& consignes, QWidget* parent)
    : QDialog(parent), titre_(new QLineEdit(titre, this)),
      consignes_(new QPlainTextEdit(consignes, this)) {
    setObjectName(QStringLiteral("DialogueLecon"));
    setWindowTitle(tr("Enregistrer la leçon"));
    titre_->setObjectName(QStringLiteral("titre"));
    titre_->setMaxLength(int(LongueurMaxTitre));
    consignes_->setObjectName(QStringLiteral("consignes"));
    consignes_->setTabChangesFocus(true);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = boutons->button(QDialogButtonBox::Ok);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(consignes_, &QPlainTextEdit::textChanged, this, &DialogueLecon::verifie);
    auto* forme = new QFormLayout(this);
    forme->addRow(tr("Titre :"), titre_);
    forme->addRow(tr("Consignes pour les élèves :"), consignes_);
    forme->addRow(boutons);
    resize(560, 400);
}

QString DialogueLecon::titre() const {
    return titre_->text();
}

QString DialogueLecon::consignes() const {
    return consignes_->toPlainText();
}

void DialogueLecon::verifie() {
    ok_->setEnabled(consignes().toUcs4().size() <= qsizetype(LongueurMaxConsignes));
}

} // namespace vibralume
