<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Accessibilite</name>
    <message>
        <source>Simulation d&apos;une onde sonore dans un milieu</source>
        <translation>Simulation of a sound wave in a medium</translation>
    </message>
    <message>
        <source>Ouvrir le modèle microscopique</source>
        <translation>Open the microscopic model</translation>
    </message>
    <message>
        <source>Modèle microscopique de l&apos;onde sonore qui se propage dans le milieu</source>
        <translation>Microscopic model of the sound wave travelling through the medium</translation>
    </message>
    <message>
        <source>Modèle microscopique</source>
        <translation>Microscopic model</translation>
    </message>
    <message>
        <source>Cliquer pour colorer un groupe de cinq tranches ; clic droit pour l&apos;effacer</source>
        <translation>Click to colour a group of five slices; right-click to clear it</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Capteur de pression 1, à déplacer sur le modèle</source>
        <translation>Pressure sensor 1, to be moved along the model</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Capteur de pression 2, à déplacer sur le modèle</source>
        <translation>Pressure sensor 2, to be moved along the model</translation>
    </message>
    <message>
        <source>Règle graduée en centimètres</source>
        <translation>Ruler marked in centimetres</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Marche</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Pas à pas</source>
        <translation>Step by step</translation>
    </message>
    <message>
        <source>Avancer de 25 millisecondes</source>
        <translation>Move on by 25 milliseconds</translation>
    </message>
    <message>
        <source>Cacher le modèle microscopique</source>
        <translation>Hide the microscopic model</translation>
    </message>
    <message>
        <source>Plaque du vibreur</source>
        <translation>Vibrator&apos;s plate</translation>
    </message>
    <message>
        <source>Extrémité ouverte du milieu</source>
        <translation>Open end of the medium</translation>
    </message>
    <message>
        <source>Extrémité fermée du milieu</source>
        <translation>Closed end of the medium</translation>
    </message>
    <message>
        <source>Vibreur</source>
        <translation>Vibrator</translation>
    </message>
    <message>
        <source>La tige rouge oscille entre les deux repères d&apos;amplitude</source>
        <translation>The red rod oscillates between the two amplitude marks</translation>
    </message>
    <message>
        <source>Ouvrir le vibreur</source>
        <translation>Open the vibrator</translation>
    </message>
    <message>
        <source>Cacher le vibreur</source>
        <translation>Hide the vibrator</translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Single pulse</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodic vibration</translation>
    </message>
    <message>
        <source>Fréquence du vibreur</source>
        <translation>Vibrator&apos;s frequency</translation>
    </message>
    <message>
        <source>Amplitude de la vibration</source>
        <translation>Amplitude of the vibration</translation>
    </message>
    <message>
        <source>Amplitude du soliton</source>
        <translation>Amplitude of the pulse</translation>
    </message>
    <message>
        <source>Soliton court</source>
        <translation>Short pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion étroite</source>
        <translation>Send a narrow pulse</translation>
    </message>
    <message>
        <source>Soliton moyen</source>
        <translation>Medium pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion moyenne</source>
        <translation>Send a medium pulse</translation>
    </message>
    <message>
        <source>Soliton long</source>
        <translation>Long pulse</translation>
    </message>
    <message>
        <source>Lancer une impulsion large</source>
        <translation>Send a wide pulse</translation>
    </message>
    <message>
        <source>Écouter le son produit</source>
        <translation>Listen to the sound</translation>
    </message>
    <message>
        <source>Un son de fréquence 1000 fois plus grande que celle du vibreur</source>
        <translation>A sound whose frequency is 1000 times the vibrator&apos;s</translation>
    </message>
    <message>
        <source>Arrêter le son</source>
        <translation>Stop the sound</translation>
    </message>
    <message>
        <source>Longueur d&apos;onde</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Célérité</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Ouvrir l&apos;oscilloscope</source>
        <translation>Open the oscilloscope</translation>
    </message>
    <message>
        <source>Évolution temporelle de la pression en deux points du milieu</source>
        <translation>Pressure against time at two points of the medium</translation>
    </message>
    <message>
        <source>Oscilloscope indisponible</source>
        <translation>Oscilloscope unavailable</translation>
    </message>
    <message>
        <source>Il ne peut être activé que si le modèle microscopique est visible</source>
        <translation>It can only be switched on while the microscopic model is shown</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Écran de l&apos;oscilloscope</source>
        <translation>Oscilloscope&apos;s screen</translation>
    </message>
    <message>
        <source>Pression des capteurs en fonction du temps</source>
        <translation>Sensors&apos; pressure against time</translation>
    </message>
    <message>
        <source>Cacher l&apos;oscilloscope</source>
        <translation>Hide the oscilloscope</translation>
    </message>
    <message>
        <source>Activer le capteur 1</source>
        <translation>Switch on sensor 1</translation>
    </message>
    <message>
        <source>Désactiver le capteur 1</source>
        <translation>Switch off sensor 1</translation>
    </message>
    <message>
        <source>Activer le capteur 2</source>
        <translation>Switch on sensor 2</translation>
    </message>
    <message>
        <source>Désactiver le capteur 2</source>
        <translation>Switch off sensor 2</translation>
    </message>
    <message>
        <source>Sensibilité horizontale</source>
        <translation>Time base</translation>
    </message>
    <message>
        <source>Célérité du son dans le milieu</source>
        <translation>Speed of sound in the medium</translation>
    </message>
    <message>
        <source>Énoncé du modèle microscopique</source>
        <translation>Statement of the microscopic model</translation>
    </message>
    <message>
        <source>Entrée ou double clic pour le lire</source>
        <translation>Enter or double-click to read it</translation>
    </message>
</context>
<context>
    <name>ChoixLangue</name>
    <message>
        <source>Vibralume sera en anglais à son prochain démarrage.</source>
        <translation>Vibralume will be in English the next time it starts.</translation>
    </message>
    <message>
        <source>Vibralume sera en français à son prochain démarrage.</source>
        <translation>Vibralume will be in French the next time it starts.</translation>
    </message>
</context>
<context>
    <name>ConteneurEnonce</name>
    <message>
        <source>:/documents/enonce.pdf</source>
        <extracomment>The statement document of this language: its path among the program&apos;s resources</extracomment>
        <translation>:/documents/enonce_en.pdf</translation>
    </message>
</context>
<context>
    <name>FichierLecon</name>
    <message>
        <source>le champ « %1 » doit être un nombre entier</source>
        <translation>the field “%1” must be a whole number</translation>
    </message>
    <message>
        <source>le champ « %1 » doit être un nombre</source>
        <translation>the field “%1” must be a number</translation>
    </message>
    <message>
        <source>le champ « %1 » doit valoir true ou false</source>
        <translation>the field “%1” must be true or false</translation>
    </message>
    <message>
        <source>le champ « %1 » doit être un texte</source>
        <translation>the field “%1” must be a text</translation>
    </message>
    <message>
        <source>le champ « %1 » dépasse %2 caractères</source>
        <translation>the field “%1” is longer than %2 characters</translation>
    </message>
    <message>
        <source>valeurs permises : %1</source>
        <translation>values allowed: %1</translation>
    </message>
    <message>
        <source>0, ou de %1 à %2</source>
        <translation>0, or %1 to %2</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>le champ « %1 » vaut %2, hors de ce que permettent les commandes (%3)</source>
        <translation>the field “%1” is %2, beyond what the controls allow (%3)</translation>
    </message>
    <message>
        <source>La leçon « %1 » n&apos;a pas pu être ouverte : %2.</source>
        <translation>The lesson “%1” could not be opened: %2.</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>erreur de lecture</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>le champ « amplitude » vaut %1, hors de ce que permettent les commandes avec cette fréquence et cette vitesse (de 0 à %2)</source>
        <translation>the field “amplitude” is %1, beyond what the controls allow with this frequency and speed (0 to %2)</translation>
    </message>
    <message>
        <source>le champ « bord » doit valoir « progressive » avec la vibration « solitaire »</source>
        <translation>the field “bord” must be “progressive” with the vibration “solitaire”</translation>
    </message>
    <message>
        <source>le champ « oscilloscopeOuvert » ne peut valoir true que si « modeleOuvert » vaut true</source>
        <translation>the field “oscilloscopeOuvert” can be true only if “modeleOuvert” is true</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not an ordinary file</translation>
    </message>
    <message>
        <source>le fichier dépasse %1 Mio, ce n&apos;est pas une leçon</source>
        <translation>the file is over %1 MiB, it is not a lesson</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier de leçon (JSON illisible près de l&apos;octet %1)</source>
        <translation>it is not a lesson file (unreadable JSON near byte %1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier de leçon (pas d&apos;objet JSON)</source>
        <translation>it is not a lesson file (no JSON object)</translation>
    </message>
    <message>
        <source>le champ « format » manque</source>
        <translation>the field “format” is missing</translation>
    </message>
    <message>
        <source>elle vient d&apos;une version plus récente de Vibralume (format %1, cette version lit le format %2)</source>
        <translation>it comes from a newer version of Vibralume (format %1, this version reads format %2)</translation>
    </message>
    <message>
        <source>champ inconnu « %1 »</source>
        <translation>unknown field “%1”</translation>
    </message>
</context>
<context>
    <name>LigneDeCommande</name>
    <message>
        <source>Affiche cette aide et quitte.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Affiche la version du programme et quitte.</source>
        <translation>Shows the program&apos;s version and exits.</translation>
    </message>
    <message>
        <source>Taille des fenêtres : un pourcentage entier de 50 à 400, ou « fit » (ou « ajuste ») pour les ajuster à l&apos;écran.</source>
        <translation>Size of the windows: a whole percentage from 50 to 400, or “fit” (or “ajuste”) to fit them to the screen.</translation>
    </message>
    <message>
        <source>pourcentage|fit</source>
        <translation>percent|fit</translation>
    </message>
    <message>
        <source>Volume du son, en pourcentage entier de 0 à 100.</source>
        <translation>Volume of the sound, as a whole percentage from 0 to 100.</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface : fr (français, par défaut) ou en (anglais) ; gardée pour les fois suivantes.</source>
        <translation>Language of the interface: fr (French, the default) or en (English); remembered for the next runs.</translation>
    </message>
    <message>
        <source>Ouvre directement la fenêtre principale, sans la page d&apos;accueil.</source>
        <translation>Opens the main window directly, without the home page.</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>options inconnues : %1</source>
        <translation>unknown options: %1</translation>
    </message>
    <message>
        <source>l&apos;option %1 attend une valeur</source>
        <translation>option %1 expects a value</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>valeur refusée pour --%1 : « %2 » ; %3</source>
        <translation>value refused for --%1: “%2”; %3</translation>
    </message>
    <message>
        <source>argument inattendu : « %1 »</source>
        <translation>unexpected argument: “%1”</translation>
    </message>
    <message>
        <source>attendu un pourcentage entier de 50 à 400, ou « fit »</source>
        <translation>expected a whole percentage from 50 to 400, or “fit”</translation>
    </message>
    <message>
        <source>attendu un pourcentage entier de 0 à 100</source>
        <translation>expected a whole percentage from 0 to 100</translation>
    </message>
    <message>
        <source>attendu « fr » ou « en »</source>
        <translation>expected “fr” or “en”</translation>
    </message>
    <message>
        <source>Simulation d&apos;une onde sonore qui se propage dans un gaz ou dans un solide, pour la classe de physique.</source>
        <translation>Simulation of a sound wave travelling through a gas or a solid, for the physics class.</translation>
    </message>
    <message>
        <source>Options :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Utilisation : %1 [options] [leçon.vibralume]</source>
        <translation>Usage: %1 [options] [lesson.vibralume]</translation>
    </message>
</context>
<context>
    <name>MiseEnPage</name>
    <message>
        <source>Vibralume est un logiciel de simulation permettant d&apos;animer un modèle microscopique de la propagation d&apos;une onde sonore dans un milieu rectiligne. Le milieu simulé est gazeux ou solide. L&apos;utilisateur peut «&#xa0;manipuler&#xa0;» certains éléments du modèle comme des objets (les colorier, les déplacer...). Le logiciel permet également de simuler et d&apos;interpréter microscopiquement certaines expériences classiques.</source>
        <translation>Vibralume is a simulation program that brings to life a microscopic model of the propagation of a sound wave in a straight medium. The simulated medium is a gas or a solid. The user can “handle” some parts of the model like objects (colour them, move them...). The program can also simulate some classic experiments and explain them at the microscopic scale.</translation>
    </message>
    <message>
        <source>L&apos;équipe Vibralume</source>
        <translation>The Vibralume team</translation>
    </message>
    <message>
        <source>Sciences physiques, lycée</source>
        <translation>Physical sciences, upper secondary</translation>
    </message>
    <message>
        <source>L&apos;atelier des ondes</source>
        <translation>The Wave Workshop</translation>
    </message>
    <message>
        <source>Physique-chimie, collège et lycée</source>
        <translation>Physics and chemistry, secondary school</translation>
    </message>
    <message>
        <source>Démarrer la simulation</source>
        <translation>Start the simulation</translation>
    </message>
    <message>
        <source>Cliquer sur cette fenêtre pour voir le modèle microscopique de l&apos;onde sonore qui se propage dans le milieu</source>
        <translation>Click on this window to see the microscopic model of the sound wave travelling through the medium</translation>
    </message>
    <message>
        <source>Ouvrir cette fenêtre pour voir la vibration à l&apos;origine de l&apos;onde sonore</source>
        <translation>Open this window to see the vibration that causes the sound wave</translation>
    </message>
    <message>
        <source>En activant la fonction &quot;écouter&quot;, vous entendrez un son de fréquence 1000 fois plus grande que celle du vibreur représenté.</source>
        <translation>With &quot;listen&quot; on, you will hear a sound whose frequency is 1000 times that of the vibrator shown.</translation>
    </message>
    <message>
        <source>Cliquer sur cette fenêtre pour voir l&apos;évolution temporelle de la pression en deux points du milieu de propagation.</source>
        <translation>Click here to see the pressure at two points of the medium over time.</translation>
    </message>
    <message>
        <source>Deux &quot;capteurs de pression&quot; apparaîtront dans la fenêtre &quot;modèle microscopique&quot;.</source>
        <translation>Two &quot;pressure sensors&quot; will appear in the &quot;microscopic model&quot; window.</translation>
    </message>
    <message>
        <source>Cette fenêtre ne peut être activée que si le modèle microscopique est visible.</source>
        <translation>Open the microscopic model first.</translation>
    </message>
    <message>
        <source>Attention, la modification de la vitesse de propagation lors du changement d&apos;état n&apos;est pas simulée.</source>
        <translation>Note: the change in the speed of propagation when the state changes is not simulated.</translation>
    </message>
    <message>
        <source>Double cliquer ci-dessous pour lire l&apos;énoncé du modèle microscopique de la propagation du son</source>
        <translation>Double-click below to read the statement of the microscopic model of the propagation of sound</translation>
    </message>
    <message>
        <source>Cliquer pour colorer cette zone</source>
        <translation>Click to colour this zone</translation>
    </message>
    <message>
        <source>Représentation microscopique</source>
        <translation>Microscopic representation</translation>
    </message>
    <message>
        <source>cacher le modèle microscopique</source>
        <translation>hide the microscopic model</translation>
    </message>
    <message>
        <source>Modèle microscopique</source>
        <translation>Microscopic model</translation>
    </message>
    <message>
        <source>Vibration périodique</source>
        <translation>Periodic vibration</translation>
    </message>
    <message>
        <source>Animer le vibreur :</source>
        <translation>Set the vibrator going:</translation>
    </message>
    <message>
        <source>amplitude : </source>
        <translation>amplitude: </translation>
    </message>
    <message>
        <source>Vibration solitaire</source>
        <translation>Single pulse</translation>
    </message>
    <message>
        <source>Vibration solitaire </source>
        <translation>Single pulse </translation>
    </message>
    <message>
        <source>fréquence : f = </source>
        <translation>frequency: f = </translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Ecouter le son produit</source>
        <translation>Listen to the sound</translation>
    </message>
    <message>
        <source>Longueur d&apos;onde : </source>
        <translation>Wavelength: </translation>
    </message>
    <message>
        <source>Célérité : </source>
        <translation>Speed: </translation>
    </message>
    <message>
        <source>Fréquence : </source>
        <translation>Frequency: </translation>
    </message>
    <message>
        <source>Propriétés de l&apos;onde sonore</source>
        <translation>Properties of the sound wave</translation>
    </message>
    <message>
        <source>Activation des capteurs de pression</source>
        <translation>Switching on the pressure sensors</translation>
    </message>
    <message>
        <source>Capteur 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Capteur 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>0,2 s/div</source>
        <translation>0.2 s/div</translation>
    </message>
    <message>
        <source>1,0 s/div</source>
        <translation>1.0 s/div</translation>
    </message>
    <message>
        <source>1,5 s/div</source>
        <translation>1.5 s/div</translation>
    </message>
    <message>
        <source>2,0 s/div</source>
        <translation>2.0 s/div</translation>
    </message>
    <message>
        <source>0,5 s/div</source>
        <translation>0.5 s/div</translation>
    </message>
    <message>
        <source>Sensibilité horizontale </source>
        <translation>Time base </translation>
    </message>
    <message>
        <source>Evolution temporelle de la pression acoustique</source>
        <translation>Acoustic pressure against time</translation>
    </message>
    <message>
        <source>Célérité du son dans le milieu</source>
        <translation>Speed of sound in the medium</translation>
    </message>
    <message>
        <source>Solide</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Gaz</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Etat physique du milieu</source>
        <translation>Physical state of the medium</translation>
    </message>
    <message>
        <source>Simuler un amortissement</source>
        <translation>Simulate damping</translation>
    </message>
    <message>
        <source>Amortissement de l&apos;onde sonore</source>
        <translation>Damping of the sound wave</translation>
    </message>
    <message>
        <source>Milieu ouvert à gauche fermé à droite</source>
        <translation>Open on the left, closed on the right</translation>
    </message>
    <message>
        <source>Milieu ouvert aux deux extrémités</source>
        <translation>Medium open at both ends</translation>
    </message>
    <message>
        <source>Pas de condition aux limites</source>
        <translation>No boundary conditions</translation>
    </message>
    <message>
        <source>Conditions aux limites</source>
        <translation>Boundary conditions</translation>
    </message>
    <message>
        <source>Propriétés du milieu de propagation</source>
        <translation>Properties of the medium</translation>
    </message>
    <message>
        <source>Enoncé du modèle microscopique </source>
        <translation>Statement of the microscopic model </translation>
    </message>
</context>
<context>
    <name>Reglages</name>
    <message>
        <source>réglages endommagés dans %1, mis de côté dans %2 ; valeurs par défaut</source>
        <translation>settings damaged in %1, moved aside to %2; default values</translation>
    </message>
    <message>
        <source>réglages invalides dans %1, valeurs par défaut pour %2</source>
        <translation>settings invalid in %1, default values for %2</translation>
    </message>
    <message>
        <source>réglages impossibles à écrire dans %1, les changements ne seront pas retenus</source>
        <translation>settings cannot be written in %1, changes will not be kept</translation>
    </message>
</context>
<context>
    <name>vibralume::Accueil</name>
    <message>
        <source>Vibralume - page d&apos;accueil</source>
        <translation>Vibralume - home page</translation>
    </message>
</context>
<context>
    <name>vibralume::ChoixLangue</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>vibralume::ComplementsOS</name>
    <message>
        <source>Plein écran - Échap pour revenir</source>
        <translation>Full screen - Esc to come back</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <source>Son coupé</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>Volume %1 %</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <source>Marche de la simulation</source>
        <translation>Running the simulation</translation>
    </message>
    <message>
        <source>Ralenti : x1, x1/2, x1/4, x1/10 du temps réel</source>
        <translation>Slow motion: x1, x1/2, x1/4, x1/10 of real time</translation>
    </message>
    <message>
        <source>Ralenti (x1, x1/2, x1/4, x1/10)</source>
        <translation>Slow motion (x1, x1/2, x1/4, x1/10)</translation>
    </message>
    <message>
        <source>Temps réel</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Ralenti x1/%1</source>
        <translation>Slow motion x1/%1</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Écouter au capteur 1 : le son suit la pression à cet endroit</source>
        <translation>Listen at sensor 1: the sound follows the pressure there</translation>
    </message>
    <message>
        <source>Écouter au capteur 1</source>
        <translation>Listen at sensor 1</translation>
    </message>
    <message>
        <source>Écoute au capteur 1</source>
        <translation>Listening at sensor 1</translation>
    </message>
    <message>
        <source>Écoute ordinaire</source>
        <translation>Ordinary listening</translation>
    </message>
    <message>
        <source>Fenêtres</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Graphes le long du milieu : ouvrir ou fermer</source>
        <translation>Graphs along the medium: open or close</translation>
    </message>
    <message>
        <source>Graphes le long du milieu...</source>
        <translation>Graphs along the medium...</translation>
    </message>
    <message>
        <source>Enregistrer et partager</source>
        <translation>Saving and sharing</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de la fenêtre</source>
        <translation>Save a picture of the window</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de la fenêtre pour l&apos;impression (deux fois plus fine)</source>
        <translation>Save a picture of the window for printing (twice as fine)</translation>
    </message>
    <message>
        <source>Copier l&apos;image de la fenêtre</source>
        <translation>Copy a picture of the window</translation>
    </message>
    <message>
        <source>Exporter les mesures des capteurs (CSV)</source>
        <translation>Export the sensors&apos; measurements (CSV)</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de la fenêtre...</source>
        <translation>Save a picture of the window...</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image pour l&apos;impression...</source>
        <translation>Save a picture for printing...</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de l&apos;oscilloscope...</source>
        <translation>Save a picture of the oscilloscope...</translation>
    </message>
    <message>
        <source>Exporter les mesures (CSV)...</source>
        <translation>Export the measurements (CSV)...</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>À propos de Vibralume</source>
        <translation>About Vibralume</translation>
    </message>
    <message>
        <source>Activer d&apos;abord le capteur 1 sur l&apos;oscilloscope</source>
        <translation>First switch sensor 1 on, on the oscilloscope</translation>
    </message>
    <message>
        <source>Menu du fond de la fenêtre</source>
        <translation>The window&apos;s background menu</translation>
    </message>
    <message>
        <source>Affichage et son</source>
        <translation>Display and sound</translation>
    </message>
    <message>
        <source>Cette liste des raccourcis</source>
        <translation>This list of shortcuts</translation>
    </message>
</context>
<context>
    <name>vibralume::Curseurs</name>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Curseurs de mesure : afficher ou cacher</source>
        <translation>Measuring cursors: show or hide</translation>
    </message>
    <message>
        <source>Curseurs de mesure</source>
        <translation>Measuring cursors</translation>
    </message>
    <message>
        <source>Curseur suivant, puis flèches pour le déplacer d&apos;un dixième de division (Maj : d&apos;un pixel), Échap pour finir</source>
        <translation>Next cursor, then arrows to move it by a tenth of a division (Shift: by a pixel), Esc to finish</translation>
    </message>
</context>
<context>
    <name>vibralume::CurseursOscillo</name>
    <message>
        <source>Curseurs de mesure</source>
        <translation>Measuring cursors</translation>
    </message>
</context>
<context>
    <name>vibralume::DialogueLecon</name>
    <message>
        <source>Enregistrer la leçon</source>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Consignes pour les élèves :</source>
        <translation>Instructions for the pupils:</translation>
    </message>
</context>
<context>
    <name>vibralume::Enregistrement</name>
    <message>
        <source>Le fichier « %1 » n&apos;a pas pu être enregistré : %2.</source>
        <translation>The file “%1” could not be saved: %2.</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de la fenêtre</source>
        <translation>Save a picture of the window</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de la fenêtre pour l&apos;impression</source>
        <translation>Save a picture of the window for printing</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image de l&apos;oscilloscope</source>
        <translation>Save a picture of the oscilloscope</translation>
    </message>
    <message>
        <source>Vibralume, mesures des capteurs de pression, %1</source>
        <translation>Vibralume, measurements of the pressure sensors, %1</translation>
    </message>
    <message>
        <source>fréquence f = %1 Hz</source>
        <translation>frequency f = %1 Hz</translation>
    </message>
    <message>
        <source>célérité v = %1 cm/s</source>
        <translation>speed v = %1 cm/s</translation>
    </message>
    <message>
        <source>longueur d&apos;onde λ = %1 cm</source>
        <translation>wavelength λ = %1 cm</translation>
    </message>
    <message>
        <source>vibration périodique, amplitude %1 cm</source>
        <translation>periodic vibration, amplitude %1 cm</translation>
    </message>
    <message>
        <source>vibration solitaire, amplitude %1 cm</source>
        <translation>single pulse, amplitude %1 cm</translation>
    </message>
    <message>
        <source>milieu : %1</source>
        <translation>medium: %1</translation>
    </message>
    <message>
        <source>gaz</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>solide</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>amortissement : %1</source>
        <translation>damping: %1</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>conditions aux limites : %1</source>
        <translation>boundary conditions: %1</translation>
    </message>
    <message>
        <source>sensibilité horizontale : %1</source>
        <translation>time base: %1</translation>
    </message>
    <message>
        <source>niveaux en divisions de l&apos;oscilloscope : 3 au repos, moins de 3 en compression ; vide quand le capteur est éteint</source>
        <translation>levels in oscilloscope divisions: 3 at rest, below 3 in a compression; empty while the sensor is off</translation>
    </message>
    <message>
        <source>temps (s)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>capteur 1 (div)</source>
        <translation>sensor 1 (div)</translation>
    </message>
    <message>
        <source>capteur 2 (div)</source>
        <translation>sensor 2 (div)</translation>
    </message>
    <message>
        <source>Exporter les mesures</source>
        <translation>Export the measurements</translation>
    </message>
    <message>
        <source>Fichiers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>fenetre</source>
        <extracomment>A word of a file name: no accents, no spaces</extracomment>
        <translation>window</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <extracomment>A word of a file name: no accents, no spaces</extracomment>
        <translation>oscilloscope</translation>
    </message>
    <message>
        <source>mesures</source>
        <extracomment>A word of a file name: no accents, no spaces</extracomment>
        <translation>measurements</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le disque est en lecture seule</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>un dossier porte ce nom</source>
        <translation>a folder has that name</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>erreur du disque</source>
        <translation>disk error</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être créé</source>
        <translation>the file could not be created</translation>
    </message>
    <message>
        <source>l&apos;ancien fichier n&apos;a pas pu être remplacé</source>
        <translation>the old file could not be replaced</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
</context>
<context>
    <name>vibralume::FenetreAPropos</name>
    <message>
        <source>&lt;h2&gt;Vibralume %1&lt;/h2&gt;&lt;p&gt;Simulation d&apos;une onde sonore dans un milieu : un modèle microscopique du gaz ou du solide, des capteurs de pression, un oscilloscope et le son produit.&lt;/p&gt;&lt;p&gt;Logiciel libre, sous licence GNU GPL version 3 ou ultérieure.&lt;/p&gt;&lt;p&gt;Conception et réalisation : L&apos;équipe Vibralume, avec L&apos;atelier des ondes.&lt;br&gt;Polices Carlito et Liberation Sans (licence SIL Open Font). Construit avec Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Vibralume %1&lt;/h2&gt;&lt;p&gt;Simulation of a sound wave in a medium: a microscopic model of the gas or of the solid, pressure sensors, an oscilloscope and the sound produced.&lt;/p&gt;&lt;p&gt;Free software, under the GNU GPL licence, version 3 or later.&lt;/p&gt;&lt;p&gt;Design and making: The Vibralume team, with The Wave Workshop.&lt;br&gt;Carlito and Liberation Sans fonts (SIL Open Font Licence). Built with Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>À propos de Vibralume</source>
        <translation>About Vibralume</translation>
    </message>
    <message>
        <source>Icône de Vibralume</source>
        <translation>Vibralume icon</translation>
    </message>
</context>
<context>
    <name>vibralume::FenetreConsignes</name>
    <message>
        <source>Consignes - Vibralume</source>
        <translation>Instructions - Vibralume</translation>
    </message>
    <message>
        <source>Consignes de la leçon</source>
        <translation>The lesson&apos;s instructions</translation>
    </message>
</context>
<context>
    <name>vibralume::FenetreCurseurs</name>
    <message>
        <source>Mesures aux curseurs</source>
        <translation>Cursor measurements</translation>
    </message>
    <message>
        <source>Δt</source>
        <translation>Δt</translation>
    </message>
    <message>
        <source>1/Δt</source>
        <translation>1/Δt</translation>
    </message>
    <message>
        <source>Écart de niveau</source>
        <translation>Level difference</translation>
    </message>
    <message>
        <source>Distance des capteurs</source>
        <translation>Distance between sensors</translation>
    </message>
    <message>
        <source>Célérité d/Δt</source>
        <translation>Speed d/Δt</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 div</source>
        <translation>%1 div</translation>
    </message>
    <message>
        <source>%1 cm</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>%1 ± %2 cm/s</source>
        <translation>%1 ± %2 cm/s</translation>
    </message>
    <message>
        <source>%1 cm/s</source>
        <translation>%1 cm/s</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vibralume::FenetreGraphes</name>
    <message>
        <source>Graphes - Vibralume</source>
        <translation>Graphs - Vibralume</translation>
    </message>
    <message>
        <source>Graphes du déplacement et de la pression le long du milieu</source>
        <translation>Graphs of the displacement and of the pressure along the medium</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image des graphes...</source>
        <translation>Save a picture of the graphs...</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image des graphes</source>
        <translation>Save a picture of the graphs</translation>
    </message>
    <message>
        <source>graphes</source>
        <extracomment>A word of a file name: no accents, no spaces</extracomment>
        <translation>graphs</translation>
    </message>
</context>
<context>
    <name>vibralume::FenetreRaccourcis</name>
    <message>
        <source>Raccourcis clavier - Vibralume</source>
        <translation>Keyboard shortcuts - Vibralume</translation>
    </message>
    <message>
        <source>Touches</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Effet</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Keyboard shortcuts</translation>
    </message>
</context>
<context>
    <name>vibralume::GraphesMilieu</name>
    <message>
        <source>position le long du milieu (cm)</source>
        <translation>position along the medium (cm)</translation>
    </message>
    <message>
        <source>déplacement des tranches (cm)</source>
        <translation>displacement of the slices (cm)</translation>
    </message>
    <message>
        <source>pression lue par un capteur (divisions de l&apos;oscilloscope)</source>
        <translation>pressure read by a sensor (oscilloscope divisions)</translation>
    </message>
    <message>
        <source>compression</source>
        <translation>compression</translation>
    </message>
    <message>
        <source>dilatation</source>
        <translation>rarefaction</translation>
    </message>
    <message>
        <source>N : nœud    V : ventre</source>
        <translation>N: node    A: antinode</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>V</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>vibralume::Lecons</name>
    <message>
        <source>Leçons Vibralume (*.vibralume)</source>
        <translation>Vibralume lessons (*.vibralume)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Open a lesson</translation>
    </message>
    <message>
        <source>Enregistrer la leçon</source>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>Leçons</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>Ouvrir une leçon...</source>
        <translation>Open a lesson...</translation>
    </message>
    <message>
        <source>Enregistrer la leçon (réglages, titre, consignes)</source>
        <translation>Save the lesson (settings, title, instructions)</translation>
    </message>
    <message>
        <source>Enregistrer la leçon...</source>
        <translation>Save the lesson...</translation>
    </message>
    <message>
        <source>Revoir les consignes de la leçon</source>
        <translation>Show the lesson&apos;s instructions again</translation>
    </message>
    <message>
        <source>Consignes de la leçon</source>
        <translation>The lesson&apos;s instructions</translation>
    </message>
    <message>
        <source>Revenir au début : tout comme au démarrage</source>
        <translation>Back to the start: everything as when the program starts</translation>
    </message>
    <message>
        <source>Revenir au début</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>Aucune leçon récente</source>
        <translation>No recent lesson</translation>
    </message>
    <message>
        <source>Leçons récentes</source>
        <translation>Recent lessons</translation>
    </message>
    <message>
        <source>Leçons d&apos;exemple</source>
        <translation>Example lessons</translation>
    </message>
    <message>
        <source>lecon</source>
        <extracomment>A word of a file name: no accents, no spaces</extracomment>
        <translation>lesson</translation>
    </message>
</context>
<context>
    <name>vibralume::OS</name>
    <message>
        <source>fréquence : %1Hz</source>
        <translation>frequency: %1Hz</translation>
    </message>
    <message>
        <source>Amplitude du soliton : %1cm</source>
        <translation>Pulse amplitude: %1cm</translation>
    </message>
    <message>
        <source>Amplitude : %1cm</source>
        <translation>Amplitude: %1cm</translation>
    </message>
</context>
<context>
    <name>vibralume::Raccourcis</name>
    <message>
        <source>Marche de la simulation</source>
        <translation>Running the simulation</translation>
    </message>
    <message>
        <source>Pause, ou reprise de la simulation</source>
        <translation>Pause, or run the simulation again</translation>
    </message>
    <message>
        <source>Pas à pas : 25 ms de plus</source>
        <translation>Step by step: 25 ms more</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Vibration</translation>
    </message>
    <message>
        <source>Vibration solitaire, ou périodique</source>
        <translation>Single pulse, or periodic vibration</translation>
    </message>
    <message>
        <source>Soliton court</source>
        <translation>Short pulse</translation>
    </message>
    <message>
        <source>Soliton moyen</source>
        <translation>Medium pulse</translation>
    </message>
    <message>
        <source>Soliton long</source>
        <translation>Long pulse</translation>
    </message>
    <message>
        <source>Écouter le son produit, ou l&apos;arrêter</source>
        <translation>Listen to the sound, or stop it</translation>
    </message>
    <message>
        <source>Fenêtres</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Modèle microscopique : ouvrir ou fermer</source>
        <translation>Microscopic model: open or close</translation>
    </message>
    <message>
        <source>Oscilloscope : ouvrir ou fermer</source>
        <translation>Oscilloscope: open or close</translation>
    </message>
    <message>
        <source>Vibreur : ouvrir ou fermer</source>
        <translation>Vibrator: open or close</translation>
    </message>
    <message>
        <source>Énoncé du modèle microscopique</source>
        <translation>Statement of the microscopic model</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Capteur 1 : activer ou désactiver</source>
        <translation>Sensor 1: switch on or off</translation>
    </message>
    <message>
        <source>Capteur 2 : activer ou désactiver</source>
        <translation>Sensor 2: switch on or off</translation>
    </message>
    <message>
        <source>Milieu de propagation</source>
        <translation>Propagation medium</translation>
    </message>
    <message>
        <source>Pas de condition aux limites</source>
        <translation>No boundary conditions</translation>
    </message>
    <message>
        <source>Milieu ouvert aux deux extrémités</source>
        <translation>Medium open at both ends</translation>
    </message>
    <message>
        <source>Milieu ouvert à gauche fermé à droite</source>
        <translation>Medium open on the left, closed on the right</translation>
    </message>
    <message>
        <source>Simuler un amortissement, ou non</source>
        <translation>Simulate damping, or not</translation>
    </message>
    <message>
        <source>Affichage et son</source>
        <translation>Display and sound</translation>
    </message>
    <message>
        <source>Taille normale (100 %)</source>
        <translation>Normal size (100%)</translation>
    </message>
    <message>
        <source>Plein écran, ou retour</source>
        <translation>Full screen, or back</translation>
    </message>
    <message>
        <source>Couper le son, ou le remettre</source>
        <translation>Sound off, or back on</translation>
    </message>
    <message>
        <source>Ôter le cadre de la commande choisie au clavier, sinon quitter le plein écran</source>
        <translation>Take the frame off the control chosen with the keyboard, otherwise leave full screen</translation>
    </message>
    <message>
        <source>Fréquence plus haute</source>
        <translation>Higher frequency</translation>
    </message>
    <message>
        <source>Fréquence plus basse</source>
        <translation>Lower frequency</translation>
    </message>
    <message>
        <source>Fréquence : grand pas vers le haut</source>
        <translation>Frequency: large step up</translation>
    </message>
    <message>
        <source>Fréquence : grand pas vers le bas</source>
        <translation>Frequency: large step down</translation>
    </message>
    <message>
        <source>Amplitude plus grande</source>
        <translation>Larger amplitude</translation>
    </message>
    <message>
        <source>Amplitude plus petite</source>
        <translation>Smaller amplitude</translation>
    </message>
    <message>
        <source>Sensibilité horizontale suivante</source>
        <translation>Next time base</translation>
    </message>
    <message>
        <source>Sensibilité horizontale précédente</source>
        <translation>Previous time base</translation>
    </message>
    <message>
        <source>Gaz</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Solide</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Célérité plus grande</source>
        <translation>Higher speed</translation>
    </message>
    <message>
        <source>Célérité plus petite</source>
        <translation>Lower speed</translation>
    </message>
    <message>
        <source>Agrandir la fenêtre</source>
        <translation>Enlarge the window</translation>
    </message>
    <message>
        <source>Agrandir</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Réduire la fenêtre</source>
        <translation>Reduce the window</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Reduce</translation>
    </message>
    <message>
        <source>Taille normale</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>Plein écran</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Volume du son plus fort</source>
        <translation>Sound louder</translation>
    </message>
    <message>
        <source>Volume du son plus faible</source>
        <translation>Sound quieter</translation>
    </message>
    <message>
        <source>Couper ou remettre le son</source>
        <translation>Sound off or on</translation>
    </message>
</context>
<context>
    <name>vibralume::Ralenti</name>
    <message>
        <source>Vibralume — ralenti x1/%1</source>
        <translation>Vibralume — slow motion x1/%1</translation>
    </message>
    <message>
        <source>Vibralume — %1 — ralenti x1/%2</source>
        <translation>Vibralume — %1 — slow motion x1/%2</translation>
    </message>
</context>
<context>
    <name>vibralume::TemoinSon</name>
    <message>
        <source>Pas de son : le fichier du son n&apos;a pas pu être écrit</source>
        <translation>No sound: the tone file could not be written</translation>
    </message>
    <message>
        <source>Pas de son : aucune sortie audio, nouvel essai chaque seconde</source>
        <translation>No sound: no audio output, trying again every second</translation>
    </message>
    <message>
        <source>pas de son</source>
        <translation>no sound</translation>
    </message>
</context>
<context>
    <name>vibralume::VisionneuseEnonce</name>
    <message>
        <source>Enoncé du modèle microscopique</source>
        <translation>Statement of the microscopic model</translation>
    </message>
</context>
</TS>
