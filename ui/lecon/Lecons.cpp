#include "ui/lecon/Lecons.h"

#include "model/Demarrage.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/Ralenti.h"
#include "ui/classe/TableCommandes.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"
#include "ui/lecon/DialogueLecon.h"
#include "ui/lecon/EtatLecon.h"
#include "ui/lecon/FenetreConsignes.h"
#include "ui/lecon/FichierLecon.h"
#include "ui/partage/Enregistrement.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>

namespace vibralume {

namespace {

constexpr int NbRecentes = 5;

QString titreDe(const QString& chemin) {
    const auto lu = FichierLecon::lis(chemin);
    const Lecon* l = std::get_if<Lecon>(&lu);
    return l ? QString::fromStdString(l->titre) : QFileInfo(chemin).completeBaseName();
}

/// The lesson's title on one line.
QString uneLigne(QString texte) {
    return texte.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

} // namespace

Lecons::Lecons(OS& os, ComplementsOS& complements, Reglages* reglages)
    : QObject(&os), os_(os), complements_(complements), reglages_(reglages),
      etat_(std::make_unique<EtatLecon>(os, complements.ralenti(), &complements.curseurs())) {
    depart_ = etat_->lis();
    if (reglages_)
        recentes_ = reglages_->leconsRecentes();
    alerte_ = [this](const QString& message) {
        QMessageBox::warning(&os_, QStringLiteral("Vibralume"), message);
    };
    choixFichier_ = [this](bool enregistrer, const QString& proposition) {
        const QString filtre = tr("Leçons Vibralume (*.vibralume)");
        if (!enregistrer)
            return QFileDialog::getOpenFileName(&os_, tr("Ouvrir une leçon"), proposition, filtre);
        QFileDialog dialogue(&os_, tr("Enregistrer la leçon"), proposition, filtre);
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix(FichierLecon::extension());
        dialogue.selectFile(proposition);
        return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
    };
    saisie_ = [this](const QString& titre,
                     const QString& consignes) -> std::optional<std::pair<QString, QString>> {
        DialogueLecon dialogue(titre, consignes, &os_);
        if (dialogue.exec() != QDialog::Accepted)
            return std::nullopt;
        return std::pair{dialogue.titre(), dialogue.consignes()};
    };
    os_.setAcceptDrops(true);
    os_.installEventFilter(this);
    ajouteCommandes();
}

Lecons::~Lecons() = default;

FenetreConsignes* Lecons::fenetreConsignes() const {
    return consignesFenetre_;
}

void Lecons::ajouteCommandes() {
    TableCommandes& t = complements_.commandes();
    const QString groupe = tr("Leçons");
    QAction* ouvrir = t.ajoute({.nom = "ouvrirLecon",
                                .groupe = groupe,
                                .effet = tr("Ouvrir une leçon"),
                                .touches = {Qt::CTRL | Qt::Key_O},
                                .fait = [this] { demandeOuverture(); },
                                .texte = tr("Ouvrir une leçon...")});
    QAction* enregistrer =
        t.ajoute({.nom = "enregistrerLecon",
                  .groupe = groupe,
                  .effet = tr("Enregistrer la leçon (réglages, titre, consignes)"),
                  .touches = {Qt::CTRL | Qt::Key_L},
                  .fait = [this] { demandeEnregistrement(); },
                  .texte = tr("Enregistrer la leçon...")});
    QAction* consignes = t.ajoute({.nom = "consignesLecon",
                                   .groupe = groupe,
                                   .effet = tr("Revoir les consignes de la leçon"),
                                   .touches = {Qt::CTRL | Qt::Key_I},
                                   .fait = [this] { montreConsignes(); },
                                   .permise = [this] { return !consignes_.isEmpty(); },
                                   .texte = tr("Consignes de la leçon")});
    QAction* debut = t.ajoute({.nom = "retourDebut",
                               .groupe = groupe,
                               .effet = tr("Revenir au début : tout comme au démarrage"),
                               .touches = {Qt::CTRL | Qt::SHIFT | Qt::Key_N},
                               .fait = [this] { retourAuDebut(); },
                               .texte = tr("Revenir au début")});
    for (int k = 0; k < NbRecentes; ++k) {
        const QByteArray nom = "leconRecente" + QByteArray::number(k + 1);
        actionsRecentes_.push_back(
            t.ajoute({.nom = nom.constData(),
                      .groupe = groupe,
                      .effet = tr("Aucune leçon récente"),
                      .fait = [this, k] { ouvre(recentes_.value(k)); },
                      .permise = [this, k] { return k < recentes_.size(); }}));
    }
    majRecentes();
    std::vector<QAction*> exemples;
    const QStringList chemins = Lecons::exemples();
    for (qsizetype k = 0; k < chemins.size(); ++k) {
        const QByteArray nom = "exemple" + QByteArray::number(k + 1);
        const QString chemin = chemins[k];
        exemples.push_back(t.ajoute({.nom = nom.constData(),
                                     .groupe = groupe,
                                     .effet = titreDe(chemin),
                                     .fait = [this, chemin] { ouvre(chemin); }}));
    }
    MenuFond& menu = complements_.menu();
    menu.ajouteEnTete({ouvrir});
    menu.ajouteSousMenuEnTete(tr("Leçons récentes"), actionsRecentes_);
    menu.ajouteSousMenuEnTete(tr("Leçons d'exemple"), exemples);
    menu.ajouteEnTete({enregistrer, consignes, debut, nullptr});
}

QStringList Lecons::exemples() {
    const QDir dossier(QStringLiteral(":/lecons/") + Langue::installee());
    QStringList chemins;
    for (const QString& nom : dossier.entryList(QDir::Files, QDir::Name))
        chemins << dossier.filePath(nom);
    return chemins;
}

bool Lecons::ouvre(const QString& chemin) {
    const auto lu = FichierLecon::lis(chemin);
    if (const QString* erreur = std::get_if<QString>(&lu)) {
        alerte_(*erreur);
        return false;
    }
    pose(std::get<Lecon>(lu));
    if (!chemin.startsWith(QLatin1Char(':')))
        retiens(chemin);
    return true;
}

void Lecons::pose(const Lecon& lecon) {
    etat_->pose(lecon);
    titre_ = uneLigne(QString::fromStdString(lecon.titre));
    consignes_ = QString::fromStdString(lecon.consignes);
    majTitre();
    if (!consignes_.isEmpty())
        montreConsignes();
    else if (consignesFenetre_)
        consignesFenetre_->close();
    complements_.commandes().actualise();
}

void Lecons::demandeOuverture() {
    const QString dossier =
        recentes_.isEmpty() ? QDir::homePath() : QFileInfo(recentes_.front()).absolutePath();
    const QString chemin = choixFichier_(false, dossier);
    if (!chemin.isEmpty())
        ouvre(chemin);
}

void Lecons::demandeEnregistrement() {
    const auto saisie = saisie_(titre_, consignes_);
    if (!saisie)
        return;
    //: A word of a file name: no accents, no spaces
    const QString quoi = tr("lecon");
    const QString chemin =
        choixFichier_(true, Enregistrement::proposition(quoi, FichierLecon::extension(),
                                                        QDateTime::currentDateTime(), false));
    if (!chemin.isEmpty())
        enregistre(chemin, saisie->first, saisie->second);
}

bool Lecons::enregistre(const QString& chemin, const QString& titre, const QString& consignes) {
    Lecon lecon = etat_->lis();
    lecon.titre = uneLigne(titre).toStdString();
    lecon.consignes = consignes.toStdString();
    if (!complements_.enregistrement().ecris(chemin, FichierLecon::encode(lecon)))
        return false;
    titre_ = QString::fromStdString(lecon.titre);
    consignes_ = consignes;
    majTitre();
    retiens(chemin);
    complements_.commandes().actualise();
    return true;
}

void Lecons::retourAuDebut() {
    if (!os_.Timer1().isActive())
        os_.Command2_Click();
    if (os_.choix().ecoute())
        os_.Command5_Click();
    etat_->pose(depart_);
    // The time, the pulse and the traces as the window's start-up leaves them.
    Module1& m = os_.etat();
    Demarrage(m);
    m.TempsPause = 0;
    m.DebutSoliton = 0;
    m.TempsPrec = 0;
    m.PressionPrec = {};
    os_.MajAffichage();
    os_.mesures().Sens_Click(depart_.choix.indexBaseTemps);
    complements_.enregistrement().videHistorique();
    titre_.clear();
    consignes_.clear();
    if (consignesFenetre_)
        consignesFenetre_->close();
    majTitre();
    complements_.commandes().actualise();
}

void Lecons::montreConsignes() {
    if (consignes_.isEmpty())
        return;
    if (!consignesFenetre_)
        consignesFenetre_ = new FenetreConsignes(&os_);
    consignesFenetre_->montre(titre_, consignes_);
}

void Lecons::retiens(const QString& chemin) {
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    recentes_.removeAll(absolu);
    recentes_.prepend(absolu);
    while (recentes_.size() > NbRecentes)
        recentes_.removeLast();
    if (reglages_)
        reglages_->ecrisLeconsRecentes(recentes_);
    majRecentes();
}

void Lecons::majRecentes() {
    for (int k = 0; k < NbRecentes; ++k) {
        QAction* a = actionsRecentes_[std::size_t(k)];
        const bool la = k < recentes_.size();
        // The first entry says there is none yet; the others show only when filled.
        a->setVisible(la || k == 0);
        a->setText(la ? QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(recentes_[k]).fileName())
                      : tr("Aucune leçon récente"));
        a->setToolTip(la ? QDir::toNativeSeparators(recentes_[k]) : a->text());
        a->setEnabled(la);
    }
}

void Lecons::majTitre() {
    if (Ralenti* r = complements_.ralenti())
        r->setLecon(titre_);
    else
        os_.setWindowTitle(titre_.isEmpty() ? QStringLiteral("Vibralume")
                                            : QStringLiteral("Vibralume — %1").arg(titre_));
}

bool Lecons::eventFilter(QObject* objet, QEvent* e) {
    if (objet != &os_)
        return QObject::eventFilter(objet, e);
    if (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove) {
        auto* d = static_cast<QDropEvent*>(e);
        const QList<QUrl> urls = d->mimeData()->urls();
        if (urls.size() == 1 && urls.front().isLocalFile()) {
            d->acceptProposedAction();
            return true;
        }
    } else if (e->type() == QEvent::Drop) {
        auto* d = static_cast<QDropEvent*>(e);
        const QList<QUrl> urls = d->mimeData()->urls();
        if (urls.size() == 1 && urls.front().isLocalFile()) {
            d->acceptProposedAction();
            ouvre(urls.front().toLocalFile());
            return true;
        }
    }
    return QObject::eventFilter(objet, e);
}

} // namespace vibralume
