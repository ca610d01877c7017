<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ChangeJournal</name>
    <message>
        <source>dossier personnel inconnu</source>
        <translation>home folder unknown</translation>
    </message>
    <message>
        <source>le dossier ne peut pas être créé</source>
        <translation>the folder cannot be created</translation>
    </message>
</context>
<context>
    <name>CheckedLines</name>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>somme de contrôle fausse</source>
        <translation>wrong checksum</translation>
    </message>
    <message>
        <source>numéro de ligne faux</source>
        <translation>wrong line number</translation>
    </message>
</context>
<context>
    <name>ControlFileSets</name>
    <message>
        <source>répertoire de Fly!2 non défini</source>
        <translation>Fly!2 folder not set</translation>
    </message>
</context>
<context>
    <name>EntryFile</name>
    <message>
        <source>entrée incomplète</source>
        <translation>incomplete entry</translation>
    </message>
    <message>
        <source>coupée : %1 lignes sur %2</source>
        <translation>cut short: %1 of %2 lines</translation>
    </message>
    <message>
        <source>ligne %1 : %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>ligne après la fin de l&apos;entrée</source>
        <translation>line after the end of the entry</translation>
    </message>
    <message>
        <source>enregistrement « %1 » illisible</source>
        <translation>unreadable record &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ligne %1 : illisible</source>
        <translation>line %1: unreadable</translation>
    </message>
    <message>
        <source>ligne 2 : entrée incomplète</source>
        <translation>line 2: incomplete entry</translation>
    </message>
    <message>
        <source>fichier illisible</source>
        <translation>unreadable file</translation>
    </message>
    <message>
        <source>l&apos;entrée ne peut plus être écrite</source>
        <translation>the entry can no longer be written</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>Ces fichiers n&apos;ont pas été changés :</source>
        <translation>These files were not changed:</translation>
    </message>
    <message>
        <source>
et %1 autres</source>
        <translation>
and %1 more</translation>
    </message>
    <message>
        <source>
Raison : %1</source>
        <translation>
Reason: %1</translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>hors du répertoire prévu</source>
        <translation>outside the intended folder</translation>
    </message>
    <message>
        <source>fichier source introuvable</source>
        <translation>source file not found</translation>
    </message>
    <message>
        <source>la copie serait le fichier source lui-même</source>
        <translation>the copy would be the source file itself</translation>
    </message>
    <message>
        <source>Erreur, création de sous répertoires impossible</source>
        <translation>Error: the subfolders cannot be created</translation>
    </message>
    <message>
        <source>Impossible de créer un fichier de SAUVEGARDE</source>
        <translation>Cannot create a BACKUP file</translation>
    </message>
</context>
<context>
    <name>FileUtilsFolders</name>
    <message>
        <source>nom de fichier illisible pour la corbeille</source>
        <translation>file name unreadable for the trash</translation>
    </message>
    <message>
        <source>opération inconnue %1</source>
        <translation>unknown operation %1</translation>
    </message>
</context>
<context>
    <name>JournalScope</name>
    <message>
        <source>l&apos;historique des modifications ne peut pas être écrit dans %1 (%2)</source>
        <translation>the change history cannot be written in %1 (%2)</translation>
    </message>
</context>
<context>
    <name>JournalUndo</name>
    <message>
        <source>le programme %1 qu&apos;elle a lancé tourne encore.</source>
        <translation>the program %1 it started is still running.</translation>
    </message>
    <message>
        <source>elle est encore en cours.</source>
        <translation>it is still running.</translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Annulé : %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Rien n&apos;a été changé.</source>
        <translation>Nothing was changed.</translation>
    </message>
    <message>
        <source>L&apos;historique des modifications a changé entre-temps : rien n&apos;a été annulé.</source>
        <translation>The change history changed in the meantime: nothing was undone.</translation>
    </message>
    <message>
        <source>Impossible d&apos;annuler : l&apos;entrée %1 de l&apos;historique des modifications est endommagée (%2). %3</source>
        <translation>Cannot undo: the change history entry %1 is damaged (%2). %3</translation>
    </message>
    <message>
        <source>Impossible d&apos;annuler %1 : %2 %3</source>
        <translation>Cannot undo %1: %2 %3</translation>
    </message>
    <message>
        <source>Impossible d&apos;annuler %1 : ces fichiers ont été modifiés depuis :
%2</source>
        <translation>Cannot undo %1: these files were changed since:
%2</translation>
    </message>
    <message>
        <source>Impossible d&apos;annuler %1 : %2 n&apos;a pas pu être rétabli. %3</source>
        <translation>Cannot undo %1: %2 could not be restored. %3</translation>
    </message>
    <message>
        <source>Impossible d&apos;effacer l&apos;historique de %1</source>
        <translation>Cannot delete the history of %1</translation>
    </message>
    <message>
        <source>(opération illisible)</source>
        <translation>(unreadable operation)</translation>
    </message>
    <message>
        <source>   endommagée (%1, %2)</source>
        <translation>   damaged (%1, %2)</translation>
    </message>
    <message>
        <source>   (1 fichier)</source>
        <translation>   (1 file)</translation>
    </message>
    <message>
        <source>   (%1 fichiers)</source>
        <translation>   (%1 files)</translation>
    </message>
    <message>
        <source> en cours</source>
        <translation> running</translation>
    </message>
    <message>
        <source> interrompue</source>
        <translation> interrupted</translation>
    </message>
    <message>
        <source>Aucune opération à annuler.</source>
        <translation>No operation to undo.</translation>
    </message>
    <message>
        <source>Annuler %1 ?</source>
        <translation>Undo %1?</translation>
    </message>
    <message>
        <source>Annuler les %1 dernières opérations, de %2 à %3 ?</source>
        <translation>Undo the last %1 operations, from %2 to %3?</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>c&apos;est un programme Windows, et wine est nécessaire pour le démarrer. Veuillez installer wine.</source>
        <translation>it is a Windows program, and wine is needed to start it. Please install wine.</translation>
    </message>
    <message>
        <source>Impossible de démarrer %1</source>
        <translation>Cannot start %1</translation>
    </message>
    <message>
        <source>Impossible de démarrer %1 : %2</source>
        <translation>Cannot start %1: %2</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>Votre systtème Fly! est peut être défectueux. Non trouvé : %1</source>
        <translation>Your Fly! installation may be faulty. Not found: %1</translation>
    </message>
    <message>
        <source>Aucun fichier sélectionné</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Le répertoire%1 existe déja !</source>
        <translation>The folder %1 already exists!</translation>
    </message>
    <message>
        <source>Création impossible %1</source>
        <translation>Cannot create %1</translation>
    </message>
</context>
<context>
    <name>NativeFsFiles</name>
    <message>
        <source>aucun fichier</source>
        <translation>no file</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>Initialise Kestrel</source>
        <translation>Initialise Kestrel</translation>
    </message>
    <message>
        <source>Enregistrer profil</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>Copie répertoire DLL</source>
        <translation>Copy DLL folder</translation>
    </message>
    <message>
        <source>Charger et appliquer profil</source>
        <translation>Load and apply profile</translation>
    </message>
    <message>
        <source>Enregistrer les Touches sous</source>
        <translation>Save keys as</translation>
    </message>
    <message>
        <source>Enregistrer les Boutons sous</source>
        <translation>Save buttons as</translation>
    </message>
    <message>
        <source>Utilisez la sélection (Touches)</source>
        <translation>Use the selection (keys)</translation>
    </message>
    <message>
        <source>Utilisez la sélection (Boutons)</source>
        <translation>Use the selection (buttons)</translation>
    </message>
    <message>
        <source>Démarrer FLY! 2</source>
        <translation>Start FLY! 2</translation>
    </message>
    <message>
        <source>Démarrer FlySTART !</source>
        <translation>Start FlySTART!</translation>
    </message>
    <message>
        <source>Créer un rértoire spécial (optionel)</source>
        <translation>Create a special folder (optional)</translation>
    </message>
    <message>
        <source>Démarrage de FlyKestrel</source>
        <translation>FlyKestrel start-up</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Attention</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>PathCheck</name>
    <message>
        <source>Information:</source>
        <translation>Information:</translation>
    </message>
    <message>
        <source>Auto remplissage impossible! Répertoire de Fly!2 non spécifié - veuillez utilisé le bouton [fly2.exe répertoire]</source>
        <translation>Cannot fill in automatically! The Fly!2 folder is not set - please use the [fly2.exe folder] button</translation>
    </message>
    <message>
        <source>Auto remplissage impossible! Le(s) sous répertoire(s) n&apos;&apos;existe(nt) pas! - %1 Ce n&apos;&apos;est pas une installation de Fly!2 valide!</source>
        <translation>Cannot fill in automatically! The subfolder(s) do not exist! - %1 This is not a valid Fly!2 installation!</translation>
    </message>
    <message>
        <source>Auto remplissage impossible! Le(s) sous répertoire(s) n&apos;&apos;existe(nt) pas! - %1- Voulez vous créer un répertoire vide?</source>
        <translation>Cannot fill in automatically! The subfolder(s) do not exist! - %1 - Do you want to create an empty folder?</translation>
    </message>
    <message>
        <source>Use [FLY!II.EXE-Path] button to enable AUTOFILL!</source>
        <translation>Use the [FLY.EXE - Folder] button to fill these in automatically!</translation>
    </message>
</context>
<context>
    <name>SlicerLaunch</name>
    <message>
        <source>fly2slice.exe recherché mais non trouvé &gt;&gt;&gt;%1</source>
        <translation>fly2slice.exe looked for but not found &gt;&gt;&gt; %1</translation>
    </message>
</context>
<context>
    <name>TFSelDirDlg</name>
    <message>
        <source>Sélectionner un répertoire</source>
        <translation>Select a folder</translation>
    </message>
    <message>
        <source>Lecteur</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Répertoires</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Fichiers du répertoire</source>
        <translation>Files in the folder</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fichiers du répertoire :</source>
        <translation>Files in the folder:</translation>
    </message>
</context>
<context>
    <name>TF_History</name>
    <message>
        <source>Cette opération n&apos;est plus dans l&apos;historique des modifications.</source>
        <translation>This operation is no longer in the change history.</translation>
    </message>
    <message>
        <source>Garder les opérations pendant (jours)</source>
        <translation>Keep operations for (days)</translation>
    </message>
    <message>
        <source>Taille maximale de l&apos;historique (Mo)</source>
        <translation>Maximum size of the history (MB)</translation>
    </message>
    <message>
        <source>Historique des modifications</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>Opérations enregistrées, la plus récente en haut</source>
        <translation>Recorded operations, most recent at the top</translation>
    </message>
    <message>
        <source>Annuler la dernière opération</source>
        <translation>Undo the last operation</translation>
    </message>
    <message>
        <source>Annuler jusqu&apos;à la sélection</source>
        <translation>Undo down to the selection</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Garder les opérations pendant (jours) :</source>
        <translation>Keep operations for (days):</translation>
    </message>
    <message>
        <source>Taille maximale de l&apos;historique (Mo) :</source>
        <translation>Maximum size of the history (MB):</translation>
    </message>
    <message>
        <source>Les 20 dernières opérations sont toujours gardées. L&apos;historique est rangé hors du répertoire de Fly!2.</source>
        <translation>The last 20 operations are always kept. The history is stored outside the Fly!2 folder.</translation>
    </message>
    <message>
        <source>Opérations qui ont modifié des fichiers, la plus récente en haut :</source>
        <translation>Operations that changed files, most recent at the top:</translation>
    </message>
</context>
<context>
    <name>TF_Progress</name>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 Ko</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 Mo</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 Go</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 To</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>fr</source>
        <comment>the language whose number format sizes take</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Avancement</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Annulation après le fichier en cours...</source>
        <translation>Cancelling after the current file...</translation>
    </message>
    <message>
        <source>Fichiers traités : %1 sur %2</source>
        <translation>Files processed: %1 of %2</translation>
    </message>
    <message>
        <source>Données copiées : %1 sur %2</source>
        <translation>Data copied: %1 of %2</translation>
    </message>
    <message>
        <source>Fichier en cours : </source>
        <translation>Current file: </translation>
    </message>
</context>
<context>
    <name>TF_main</name>
    <message>
        <source>Enregistre le status des DL et PY</source>
        <translation>Save the state of the DLLs and PYs</translation>
    </message>
    <message>
        <source>Charge le status des DL et PY</source>
        <translation>Load the state of the DLLs and PYs</translation>
    </message>
    <message>
        <source>Impossible de charger le profil! Raison inconnue.</source>
        <translation>Cannot load the profile! Unknown reason.</translation>
    </message>
    <message>
        <source>Copie répertoire DLL en cours</source>
        <translation>Copying the DLL folder</translation>
    </message>
    <message>
        <source>Explications</source>
        <translation>Explanations</translation>
    </message>
    <message>
        <source>Sélectionne répartoire de FLY!2 :</source>
        <translation>Selected FLY!2 folder:</translation>
    </message>
    <message>
        <source>Répertoire de Fly!2</source>
        <translation>Fly!2 folder</translation>
    </message>
    <message>
        <source>Lancer le programme ci-dessous ET FERMER FlyKestrel</source>
        <translation>Start the program below AND CLOSE FlyKestrel</translation>
    </message>
    <message>
        <source>Efface tous les *.HST avant de lancer Fly!</source>
        <translation>Delete all *.HST files before starting Fly!</translation>
    </message>
    <message>
        <source>Démarrer FLY! 2</source>
        <translation>Start FLY! 2</translation>
    </message>
    <message>
        <source>Démarrer FlySTART !</source>
        <translation>Start FlySTART!</translation>
    </message>
    <message>
        <source>Lancer fly2slice</source>
        <translation>Start fly2slice</translation>
    </message>
    <message>
        <source>Démarrer Fly!2 à partir d&apos;ici une fois vos modifications réalisées
Démarrer FlySTART à partir d&apos;ici.
Démarrer FlySlice (création de scènes) à partir d&apos;ici.
Garder cet outil en tâche de fond ou le fermer au lancement des autres programmes.</source>
        <translation>Start Fly!2 from here once your changes are made.
Start FlySTART from here.
Start FlySlice (scenery creation) from here.
Keep this tool in the background or close it when the other programs start.</translation>
    </message>
    <message>
        <source>FLY! Kestrel Page Principale</source>
        <translation>FLY! Kestrel main page</translation>
    </message>
    <message>
        <source>Vous devez initialiser les chemins avant d&apos;utiliser Fly!Kestrel
Après sélection du répertoire de base de Fly!2 les autres seront automatiquement 
remplis.</source>
        <translation>You must set up the paths before using Fly!Kestrel.
Once the Fly!2 base folder is selected, the others are filled in
automatically.</translation>
    </message>
    <message>
        <source>Initialise Kestrel</source>
        <translation>Initialise Kestrel</translation>
    </message>
    <message>
        <source>Initialise Répert./Var.</source>
        <translation>Set up folders/values</translation>
    </message>
    <message>
        <source>Optimise votre fly.ini
Compare les valeurs recommandées
Change les valeurs</source>
        <translation>Optimises your fly.ini
Compares with the recommended values
Changes the values</translation>
    </message>
    <message>
        <source>Modifie le FLY.INI</source>
        <translation>Edit FLY.INI</translation>
    </message>
    <message>
        <source>Optimise votre render.ini
Un calculateur de mémoire vous aide</source>
        <translation>Optimises your render.ini
A memory calculator helps you</translation>
    </message>
    <message>
        <source>Modifie le RENDER.INI</source>
        <translation>Edit RENDER.INI</translation>
    </message>
    <message>
        <source>les fichiers sont sauvegardés au format [nomfichier].[DDMMJJhhmmss].[BAK] toutes les fois que vous les 
modifiez !</source>
        <translation>the files are backed up as [filename].[DDMMYYhhmmss].[BAK] every time you
change them!</translation>
    </message>
    <message>
        <source>Fichiers *.ini</source>
        <translation>*.ini files</translation>
    </message>
    <message>
        <source>Activation *.DLL</source>
        <translation>*.DLL activation</translation>
    </message>
    <message>
        <source>Activation *.PY/PYC</source>
        <translation>*.PY/PYC activation</translation>
    </message>
    <message>
        <source>Enregistrer profil</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>Charger et VOIR le profil </source>
        <translation>Load and VIEW profile</translation>
    </message>
    <message>
        <source>Charger et appliquer profil</source>
        <translation>Load and apply profile</translation>
    </message>
    <message>
        <source>Copie répertoire DLL</source>
        <translation>Copy DLL folder</translation>
    </message>
    <message>
        <source>Amélioration des performances !
Avant de démarrer Fly! désactiver les *.dll et *.py/c dont vous n&apos;avez pas besoin.
Soyez prudent : Fly! peut ne pas fonctionner si les *.dll nécessaires sont désactivées, 
particulièrement celles des avions.
Avant de démarrer votre travail, sauvegardez votre status actuel (Enregistrer le profil)
Vous pouvez facilement revenir au status précédent (Charger et appliquer le profil)
Sauvegarder votre répertoire de *.dll pour plus de sécurité</source>
        <translation>Better performance!
Before starting Fly!, deactivate the *.dll and *.py/c files you do not need.
Be careful: Fly! may not work if needed *.dll files are deactivated,
especially those of the aircraft.
Before you start, save your current state (Save profile).
You can easily go back to the previous state (Load and apply profile).
Back up your *.dll folder to be on the safe side.</translation>
    </message>
    <message>
        <source>*.DLL and PY-C de/activation</source>
        <translation>*.DLL and PY-C de/activation</translation>
    </message>
    <message>
        <source>Recommandé : créer ces répertoires pour une 
meilleure vision du projet.
 {répertoire à créer dans votre répertoire de base 
de Fly!2}
   SlicerWork\TGA
   SlicerWork\POD
   SlicerWork\SCF Files
   SlicerWork\RAS</source>
        <translation>Recommended: create these folders for a
clearer view of the project.
 {folders to create in your Fly!2
base folder}
   SlicerWork\TGA
   SlicerWork\POD
   SlicerWork\SCF Files
   SlicerWork\RAS</translation>
    </message>
    <message>
        <source>Créer un rértoire spécial (optionel)</source>
        <translation>Create a special folder (optional)</translation>
    </message>
    <message>
        <source>Ecrit le fichier d&apos;entrée complet pour fly2slice.exe
et le fichier *.scf dont un *.pod a besoin.
Garde les valeurs pour les modifier plus tard, puis lance le découpage.</source>
        <translation>Writes the complete input file for fly2slice.exe
and the *.scf file a *.pod needs.
Keeps the values to change them later, then starts slicing.</translation>
    </message>
    <message>
        <source>Créer Fichiers du Slice</source>
        <translation>Create slicer files</translation>
    </message>
    <message>
        <source>Si vous créez un *.pod : sauvegardez le répertoire [DATA] de Fly!2 avant le découpage,
puis restaurez-le ensuite avec &quot;Sauve/Restaure répertoire DATA&quot;.</source>
        <translation>If you create a *.pod: save the Fly!2 [DATA] folder before slicing,
then restore it afterwards with &quot;Save/restore DATA folder&quot;.</translation>
    </message>
    <message>
        <source>Sauve/Restaure répertoire DATA</source>
        <translation>Save/restore DATA folder</translation>
    </message>
    <message>
        <source>fly2slice</source>
        <translation>fly2slice</translation>
    </message>
    <message>
        <source>ACTIVATION scènes ON/OFF</source>
        <translation>Scenery ON/OFF</translation>
    </message>
    <message>
        <source>Activé/Désactiver *.pod, *.scf
Pourquoi ?
- vous avez plusieurs scènes de la même région
- parfois vous souhaitez utilisez les scènes de FSImp, parfois celles de Fly!
- des scènes se chevauchent et sont incompatibles
- vous voulez augmenter les performances pour une zones et désactivés des scènes
- vous voulez faire des tests</source>
        <translation>Activate/deactivate *.pod, *.scf
Why?
- you have several sceneries of the same region
- sometimes you want the FSImp sceneries, sometimes those of Fly!
- sceneries overlap and do not fit together
- you want better performance in an area by deactivating sceneries
- you want to run tests</translation>
    </message>
    <message>
        <source>Activation [scènes]</source>
        <translation>[Scenery] activation</translation>
    </message>
    <message>
        <source>DEPLACEMENT scènes</source>
        <translation>MOVING scenery</translation>
    </message>
    <message>
        <source>Déplacer des scènes (*.POD &amp; *.SCF)
Pourquoi ?
- les déplacer entre plusieurs installation sd eFly!
- créer un répertoire séparé de scènes sur un autre lecteur
- les déplacer d&apos;un support de sauvegarde (CD/DVD)
- créer un répertoire séparé de scènes pour créer une sauvegarde (CD/DVD)</source>
        <translation>Move scenery (*.POD &amp; *.SCF)
Why?
- to move it between several Fly! installations
- to make a separate scenery folder on another drive
- to move it from backup media (CD/DVD)
- to make a separate scenery folder for a backup (CD/DVD)</translation>
    </message>
    <message>
        <source>Déplacement [scènes]</source>
        <translation>Move [scenery]</translation>
    </message>
    <message>
        <source>Gestion des scènes</source>
        <translation>Scenery management</translation>
    </message>
    <message>
        <source>INSTALLATION scénes/avions/objets (semi-)automatique</source>
        <translation>(Semi-)automatic INSTALLATION of scenery/aircraft/objects</translation>
    </message>
    <message>
        <source>1. Dézipper les fichiers dans un répertoire
2. Utilisez la page installation de FlyKestrel et sélectionner le type de fichier à installer
  a) scènes :
     *.pod, *.scf vers [Fly\scenery]
  b) scènes vers un répertoire autre/externe :
    pod,scf to [externe\autre réprtoire de scènes],
    tms, txp, bgr vers [FLY\data]
c) taxiway :
   pod vers [FLY\taxiways],
   tms, txp, bgr vers [FLY\data]
d) avions :
    pas encore implémenté
e) script :
    pas encore implémenté
f) DEX files: 
   install *.dex files with the help of Navmerger 1.3 automatically </source>
        <translation>1. Unzip the files into a folder
2. Use the FlyKestrel installation page and select the type of files to install
  a) scenery:
     *.pod, *.scf to [Fly\scenery]
  b) scenery to another/external folder:
    pod, scf to [external\other scenery folder],
    tms, txp, bgr to [FLY\data]
c) taxiways:
   pod to [FLY\taxiways],
   tms, txp, bgr to [FLY\data]
d) aircraft:
    not implemented yet
e) scripts:
    not implemented yet
f) DEX files:
   *.dex files are installed automatically with Navmerger 1.3</translation>
    </message>
    <message>
        <source>Aller à la page d&apos;installation</source>
        <translation>Go to the installation page</translation>
    </message>
    <message>
        <source>Bibliothèque des add-ons</source>
        <translation>Add-on library</translation>
    </message>
    <message>
        <source>Aide Installion</source>
        <translation>Installation help</translation>
    </message>
    <message>
        <source>Enregistre et charge les valeurs des Touches/Manettes de jeux !
Pourquoi ?
a) Fly! parfois efface par erreur vos paramètres
b) Vous utilisez plusieurs manettes de jeux pour vos avions et 
hélicoptères
c) Vous utilisez des paramètres de Touches différents selon vos 
avions</source>
        <translation>Saves and loads key and joystick settings!
Why?
a) Fly! sometimes erases your settings by mistake
b) You use several joysticks for your aircraft and
helicopters
c) You use different key settings depending on your
aircraft</translation>
    </message>
    <message>
        <source>Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !
Comment procéder ?
a) Modifier les fichiers de paramètres des Touches ou Manettes
   Cliquez sur le nom du fichier. Il apparaitra dans la fenêtre en bas
   Cliquez sur &quot;Utilisez la sélection&quot;
   Vous démarrez Fly!vaec les valeurs par défaut
   (ou celles que vous aviez lors de la première utilisation de FlyKestrel
Pour changer les paramètres
b) Modifier vos paramètres de touches ou de boutons dans Fly!
   Ne craigniez rien : vos valeurs originales ont été sauvegardées par FlyKestrel
   Cliquez sur le bouton [Enregistrer les touches sous] ou [Enregistrer les boutons sous], 
choisissez un nom de fichier
   Vous pouvez TOUJOURS revenir aux valeurs par défaut, sélectionnez les, elles ne 
sont jamais changées</source>
        <translation>Click [HELP] again to close this window!
How does it work?
a) Change the key or joystick settings files
   Click the file name. It appears in the field below
   Click &quot;Use the selection&quot;
   You start Fly! with the default values
   (or those you had when you first used FlyKestrel)
To change the settings
b) Change your key or button settings in Fly!
   Do not worry: FlyKestrel has saved your original values
   Click the [Save keys as] or [Save buttons as] button
and choose a file name
   You can ALWAYS go back to the default values: select them, they
are never changed</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>AIDE</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>Sélectionner le fichier des paramètres des Touches</source>
        <translation>Select the key settings file</translation>
    </message>
    <message>
        <source>Jeu de touches sélectionné</source>
        <translation>Selected key set</translation>
    </message>
    <message>
        <source>Jeux de touches</source>
        <translation>Key sets</translation>
    </message>
    <message>
        <source>Utilisez la sélection</source>
        <translation>Use the selection</translation>
    </message>
    <message>
        <source>Enregistrer les Touches sous</source>
        <translation>Save keys as</translation>
    </message>
    <message>
        <source>Sélectionner le fichier des paramètres de la Manette</source>
        <translation>Select the joystick settings file</translation>
    </message>
    <message>
        <source>Jeu de manette sélectionné</source>
        <translation>Selected joystick set</translation>
    </message>
    <message>
        <source>Jeux de manette</source>
        <translation>Joystick sets</translation>
    </message>
    <message>
        <source>Enregistrer les Boutons sous</source>
        <translation>Save buttons as</translation>
    </message>
    <message>
        <source>Fichier configuration Touches/Manettes</source>
        <translation>Key/joystick configuration files</translation>
    </message>
    <message>
        <source>Enregistre un nouveau fichier TOUCHE clavier</source>
        <translation>Save a new keyboard KEYS file</translation>
    </message>
    <message>
        <source>Enregistre un nouveau fichier MANETTE de jeux</source>
        <translation>Save a new JOYSTICK file</translation>
    </message>
    <message>
        <source>Select FLY2SLICE-InputFile</source>
        <translation>Select the FLY2SLICE input file</translation>
    </message>
    <message>
        <source>Slicer Inputfile (*.txt)|*.TXT</source>
        <translation>Slicer input file (*.txt)|*.TXT</translation>
    </message>
    <message>
        <source>Veuillez sélectionner le répertoire de base ou seront créés les nouveaux fichiers!</source>
        <translation>Please select the base folder where the new folders will be created!</translation>
    </message>
    <message>
        <source>Optimise les performances de votre Fly!2 !</source>
        <translation>Optimise the performance of your Fly!2!</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>fly.ini/render.ini</source>
        <translation>fly.ini/render.ini</translation>
    </message>
    <message>
        <source>*.dll &amp;&amp; py-c activation</source>
        <translation>*.dll &amp;&amp; py-c activation</translation>
    </message>
    <message>
        <source>Fichiers Touches/Manettes</source>
        <translation>Key/joystick files</translation>
    </message>
    <message>
        <source>Scènes</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>QUITTER</source>
        <translation>QUIT</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Annuler la dernière opération</source>
        <translation>Undo the last operation</translation>
    </message>
    <message>
        <source>Historique des modifications</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>Facilite l&apos;ajustement des paramètres pour améliorer les performances de Fly!2</source>
        <translation>Makes it easy to adjust the settings that improve the performance of Fly!2</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>FlyKestrel Help</source>
        <translation>FlyKestrel Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Texte d&apos;aide</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
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
