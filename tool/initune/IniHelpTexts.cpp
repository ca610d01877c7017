#include "initune/IniHelpTexts.h"

#include <QCoreApplication>

namespace {
QString CloseLine() {
    return QCoreApplication::translate("IniHelpTexts",
                                       "* Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !");
}
}

QString FlyIniHelpText() {
    return QCoreApplication::translate(
               "IniHelpTexts",
               "Important:\n"
               "Les modifications ne sont écrites dans fly.ini qu'avec le bouton \"OK, Enregistrer "
               "fichier\". "
               "QUITTER sans enregistrer ne change rien.\n\n"
               "[APPLIQUER les valeurs par défaut] copie les valeurs recommandées dans la colonne NEW value, "
               "partout où elles diffèrent de la valeur actuelle. Vous pouvez ensuite vider une case NEW "
               "value "
               "pour garder l'ancienne valeur.\n"
               "Les valeurs recommandées viennent du fichier \"flyinirec.txt\", dans le répertoire de "
               "FlyKestrel. Modifiez-le avec un éditeur de texte : une ligne par réglage, nom=valeur.\n\n"
               "Les recommandations concernent :\n"
               "  - la gestion des fichiers POD ;\n"
               "  - les hélicoptères : comportement et réalisme ;\n"
               "  - la zone neutre des manettes (NullZone) ;\n"
               "  - le vent en altitude et au sol ;\n"
               "  - l'éclairage : pistes, voies de circulation, aube, jour, crépuscule et nuit ;\n"
               "  - divers autres réglages.\n\n"
               "Recherche : [Chercher] ouvre la zone de saisie ; tapez une partie du nom puis [Entrée]. "
               "[Echap] ferme la zone. [Chercher encore] trouve la ligne suivante ; après la dernière, la "
               "recherche repart du début.\n\n"
               "[Sélectionner SearchOtherDrives] recommande SearchOtherDrives=1 : Fly! cherche alors un "
               "répertoire de scènes à la racine des autres disques. Utile quand les scènes sont partagées "
               "entre plusieurs installations, réparties sur plusieurs disques, ou sur un CD/DVD.\n\n"
               "Avant l'enregistrement, une copie de sauvegarde est faite : le nom du fichier suivi de la "
               "date "
               "et de l'heure (jjmmaahhmmss) et de .BAK, par exemple fly.ini061226231500.BAK.\n\n") +
           CloseLine();
}

QString RenderIniHelpText() {
    return QCoreApplication::translate(
               "IniHelpTexts",
               "Important:\n"
               "Lisez une explication du fichier render.ini avant de changer des valeurs.\n\n"
               "Ne donnez pas toute la mémoire de la carte graphique aux textures. Commencez avec "
               "(mémoire de la carte - 16 Mo) pour les textures, puis essayez.\n\n"
               "Tapez les nouveaux nombres de textures dans la colonne NEW value, puis cliquez sur "
               "[APPLIQUER/CALC. nouvelles valeurs] pour recalculer la mémoire. Les sections [AGP] et "
               "[NonAGP] ne comptent pas dans le total.\n\n"
               "Vous pouvez mettre Fly! en arrière-plan avec [CTRL] + [ESC] en laissant FlyKestrel ouvert, "
               "puis redémarrer Fly! pour qu'il charge les valeurs modifiées.\n\n"
               "Attention : des valeurs à zéro font planter Fly!\n\n"
               "Avant l'enregistrement, une copie de sauvegarde est faite : le nom du fichier suivi de la "
               "date "
               "et de l'heure (jjmmaahhmmss) et de .BAK, par exemple render.ini061226231500.BAK.\n\n") +
           CloseLine();
}
