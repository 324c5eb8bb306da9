#include "model/AleatoireStandard.h"
#include "model/HorlogeContinue.h"
#include "model/HorlogeSysteme.h"
#include "model/Module1.h"
#include "ui/Application.h"
#include "ui/OS.h"
#include "ui/SonLecture.h"

#include <QApplication>

using namespace vibralume;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    Module1 etat;
    HorlogeSysteme horlogeSysteme;
    HorlogeContinue horloge(horlogeSysteme);
    AleatoireStandard alea;
    SonLecture son;
    OS fenetre(etat, horloge, alea, son);
    fenetre.show();
    return app.exec();
}
