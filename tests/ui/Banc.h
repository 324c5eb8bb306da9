#pragma once
// The main window on a test bench: hand-driven clock, scripted generator and
// a sound that writes its tone file into a folder of its own, plays nothing
// and counts what it is asked.

#include "model/Module1.h"
#include "sound/DossierSon.h"
#include "sound/Son.h"
#include "tests/model/Doublures.h"
#include "ui/demarrage/Application.h"
#include "ui/simulation/OS.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sstream>

namespace vibralume {

class SonCompte : public Son {
public:
    bool GenereSon(double F, const int32_t& P) override {
        ++generes;
        return dossier_.genere(F, P);
    }
    void JoueSon() override { ++joue; }
    void ArreteSon() override { ++arrete; }
    bool tonDisponible() const override { return dossier_.tonDisponible(); }
    /// The tone file the window had written.
    std::filesystem::path cheminTon() const { return dossier_.cheminTon(); }

    int generes = 0;
    int joue = 0;
    int arrete = 0;
    std::ostringstream journal;

private:
    QTemporaryDir dossierTemporaire_;
    DossierSon dossier_{dossierTemporaire_.path().toStdString(), journal};
};

/// The caption of a label or a button, as it shows.
inline QString texteDe(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    return QStringLiteral("<no caption>");
}

struct Banc {
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.25, 0.5}};
    SonCompte son;
    std::unique_ptr<OS> os;

    Banc() {
        os = std::make_unique<OS>(m, horloge, alea, son);
        os->show();
        // The tests drive every tick themselves.
        os->Timer1().stop();
    }

    QWidget* w(const char* nom) const { return os->controle(QString::fromLatin1(nom)); }
    QString texte(const char* nom) const { return qobject_cast<QLabel*>(w(nom))->text(); }
    QScrollBar* barre(const char* nom) const { return os->controle<QScrollBar>(nom); }
    bool montre(const char* nom) const { return !w(nom)->isHidden(); }
    void clic(const char* nom) const {
        QWidget* c = w(nom);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(c->width() / 2, c->height() / 2));
    }
    void choisis(const char* nom) const { os->controle<QAbstractButton>(nom)->click(); }
};

} // namespace vibralume
