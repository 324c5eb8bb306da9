#pragma once
// What the classroom adds around the main window, each in its own class:
// zoom and full screen, the keyboard, the volume, names for screen readers,
// the language, and the settings that keep them from one lesson to the next.

#include <QObject>
#include <QSize>
#include <functional>
#include <memory>

namespace vibralume {

class Annonce;
class ChoixLangue;
class Curseurs;
class EcouteAuCapteur;
class Son;
class HorlogeRalentie;
class Ralenti;
class Enregistrement;
class FenetreGraphes;
class MenuFond;
class NavigationClavier;
class OS;
class Raccourcis;
class Reglages;
class TableCommandes;
class Volume;
class ZoomOS;

/// How the window starts: the zoom asked for, and the volume.
struct DemarrageOS {
    double zoom = 1;     ///< 1 for 100 %
    bool ajuste = false; ///< the largest zoom the screen takes
    bool pleinEcran = false;
    int volume = 100; ///< percent
    bool muet = false;
};

class ComplementsOS : public QObject {
    Q_OBJECT
public:
    /// `gain` receives the output's gain; `reglages` (may be null in tests)
    /// remembers what the user changes; `horloge`, the window's clock, is
    /// slowed down on demand (no slow motion without it); `son`, the window's
    /// sound, is listened to at sensor 1 on demand.
    ComplementsOS(OS& os, const DemarrageOS& demarrage, std::function<void(double)> gain,
                  Reglages* reglages, HorlogeRalentie* horloge = nullptr, Son* son = nullptr);
    ~ComplementsOS() override;

    ZoomOS& zoom() { return *zoom_; }
    Volume& volume() { return *volume_; }
    /// Every command of the window, with its keys.
    TableCommandes& commandes() { return *commandes_; }
    NavigationClavier& navigation() { return *navigation_; }
    Enregistrement& enregistrement() { return *enregistrement_; }
    MenuFond& menu() { return *menu_; }
    /// The language chosen in the menu, for the next start.
    ChoixLangue& langue() { return *langue_; }
    /// Null without a clock to slow down.
    Ralenti* ralenti() { return ralenti_; }
    /// Null without the window's sound.
    EcouteAuCapteur* ecoute() { return ecoute_; }
    /// The oscilloscope's measuring cursors.
    Curseurs& curseurs() { return *curseurs_; }
    /// Shows the About window.
    void aPropos();
    /// Shows the list of keys (F1).
    void montreRaccourcis();
    /// The graphs window, made when first asked for.
    FenetreGraphes& graphes();
    /// Shows the graphs window and brings it forward.
    void montreGraphes();

    /// The zoom to start at: the one asked for, or the largest that fits
    /// the screen's free area when it would not fit there (title bar allowed for).
    static double zoomDeDepart(const DemarrageOS& d, QSize zoneLibre);

private:
    void ajouteGraphes();
    void ajouteEnregistrement();
    void ajouteRalenti(HorlogeRalentie& horloge);
    void ajouteEcoute(Son& son);
    /// The output's gain: the volume's, times the loudness at the sensor.
    void appliqueGain();

    OS& os_;
    // Before the volume, which hands its gain over as it is built.
    std::function<void(double)> gain_;
    double gainVolume_ = 1;
    EcouteAuCapteur* ecoute_ = nullptr;
    ZoomOS* zoom_;
    Volume* volume_;
    TableCommandes* commandes_;
    Raccourcis* raccourcis_;
    NavigationClavier* navigation_;
    Annonce* annonce_;
    Enregistrement* enregistrement_;
    MenuFond* menu_;
    QWidget* aPropos_ = nullptr;
    QWidget* listeRaccourcis_ = nullptr;
    Ralenti* ralenti_ = nullptr;
    FenetreGraphes* graphes_ = nullptr;
    ChoixLangue* langue_ = nullptr;
    Curseurs* curseurs_ = nullptr;
};

} // namespace vibralume
