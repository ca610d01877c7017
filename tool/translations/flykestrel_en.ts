<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Operation</name>
    <message>
        <source>Initialise Kestrel</source>
        <translation>Initialise Kestrel</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Sélectionner le chemin</source>
        <translation>Select the paths</translation>
    </message>
    <message>
        <source>FLY.EXE - Répertoire</source>
        <translation>FLY.EXE - Folder</translation>
    </message>
    <message>
        <source>Chemin de fly2.exe</source>
        <translation>Path of fly2.exe</translation>
    </message>
    <message>
        <source>[PC](DLLs) Répertoire</source>
        <translation>[PC](DLLs) Folder</translation>
    </message>
    <message>
        <source>Répertoire contenant le répertoire des DLL</source>
        <translation>Folder holding the DLL folder</translation>
    </message>
    <message>
        <source>DLL - Répertoire</source>
        <translation>DLL - Folder</translation>
    </message>
    <message>
        <source>Répertoire des DLL</source>
        <translation>DLL folder</translation>
    </message>
    <message>
        <source>PY/PYC - Répertoire</source>
        <translation>PY/PYC - Folder</translation>
    </message>
    <message>
        <source>Répertoire des scripts PY/PYC</source>
        <translation>PY/PYC script folder</translation>
    </message>
    <message>
        <source>FLY.INI Répertoire</source>
        <translation>FLY.INI Folder</translation>
    </message>
    <message>
        <source>Chemin de fly.ini</source>
        <translation>Path of fly.ini</translation>
    </message>
    <message>
        <source>RENDER.INI Répertoire</source>
        <translation>RENDER.INI Folder</translation>
    </message>
    <message>
        <source>Chemin de render.ini</source>
        <translation>Path of render.ini</translation>
    </message>
    <message>
        <source>Flystart.exe Répertoire</source>
        <translation>Flystart.exe Folder</translation>
    </message>
    <message>
        <source>Chemin de flystart.exe</source>
        <translation>Path of flystart.exe</translation>
    </message>
    <message>
        <source>Fly2slice.exe Répertoire</source>
        <translation>Fly2slice.exe Folder</translation>
    </message>
    <message>
        <source>Chemin de fly2slice.exe</source>
        <translation>Path of fly2slice.exe</translation>
    </message>
    <message>
        <source>*.TGA Répertoire</source>
        <translation>*.TGA Folder</translation>
    </message>
    <message>
        <source>Répertoire des *.TGA</source>
        <translation>*.TGA folder</translation>
    </message>
    <message>
        <source>*.RAS Répertoire</source>
        <translation>*.RAS Folder</translation>
    </message>
    <message>
        <source>Répertoire des *.RAS</source>
        <translation>*.RAS folder</translation>
    </message>
    <message>
        <source>Si non rempli en mode automatique alors rechercher le chemin de fly.exe pour valider les autres chemins automatiquement.</source>
        <translation>If nothing is filled in automatically, look for the path of fly2.exe to have the other paths filled in automatically.</translation>
    </message>
    <message>
        <source>Installations trouvées :</source>
        <translation>Installations found:</translation>
    </message>
    <message>
        <source>Installations de Fly!2 trouvées dans Wine</source>
        <translation>Fly!2 installations found in Wine</translation>
    </message>
    <message>
        <source>Utiliser cette installation</source>
        <translation>Use this installation</translation>
    </message>
    <message>
        <source>OK - utiliser valeurs!</source>
        <translation>OK - use these values!</translation>
    </message>
    <message>
        <source>Annuler </source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Langue de l&apos;interface</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>(prend effet au prochain démarrage)</source>
        <translation>(takes effect at the next start)</translation>
    </message>
    <message>
        <source>La langue choisie n&apos;a pas pu être enregistrée dans %1.</source>
        <translation>The chosen language could not be saved in %1.</translation>
    </message>
    <message>
        <source>Fichier fly2.exe trouvé</source>
        <translation>Find the fly2.exe file</translation>
    </message>
    <message>
        <source>FLY2.EXE |fly2.exe</source>
        <translation>FLY2.EXE |fly2.exe</translation>
    </message>
    <message>
        <source>Chemin vers Flystart.exe Utility trouvé</source>
        <translation>Find the Flystart.exe utility</translation>
    </message>
    <message>
        <source>Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe</source>
        <translation>FLY! Start utility (flystart.exe) | flystart.exe</translation>
    </message>
    <message>
        <source>Find Tool 2 File</source>
        <translation>Find the fly2slice program</translation>
    </message>
    <message>
        <source>YourTool2Prg.EXE (*.exe)|*.EXE</source>
        <translation>Programs (*.exe)|*.EXE</translation>
    </message>
</context>
</TS>
