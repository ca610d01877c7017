<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ActivationProfile</name>
    <message>
        <source>chemin des DLL non défini</source>
        <translation>DLL folder not set</translation>
    </message>
    <message>
        <source>profil vide</source>
        <translation>empty profile</translation>
    </message>
    <message>
        <source>pas de liste &lt;PY&gt; après la liste &lt;DLL&gt;</source>
        <translation>no &lt;PY&gt; list after the &lt;DLL&gt; list</translation>
    </message>
</context>
<context>
    <name>ActivationWindow</name>
    <message>
        <source>OK, CHANGER et QUITTER</source>
        <translation>OK, APPLY and CLOSE</translation>
    </message>
    <message>
        <source>ANNULER sans changement</source>
        <translation>CANCEL without changes</translation>
    </message>
    <message>
        <source>ACTIVATION des scènes de FLY!2 ON/OFF</source>
        <translation>FLY!2 scenery ON/OFF</translation>
    </message>
    <message>
        <source>COCHEES = Scènes ACTIVES // NON COCHEES = Scènes INACTIVES</source>
        <translation>CHECKED = scenery ACTIVE // UNCHECKED = scenery INACTIVE</translation>
    </message>
    <message>
        <source>Fichiers de scènes (cochés = actifs)</source>
        <translation>Scenery files (checked = active)</translation>
    </message>
    <message>
        <source>TOUT cocher</source>
        <translation>Check ALL</translation>
    </message>
    <message>
        <source>Décocher TOUT</source>
        <translation>Uncheck ALL</translation>
    </message>
    <message>
        <source>ACTIVATION des fichiers DLL de FLY!2 ON/OFF</source>
        <translation>FLY!2 DLL files ON/OFF</translation>
    </message>
    <message>
        <source>COCHEES = DLL ACTIVES // NON COCHEES = DLL INACTIVES</source>
        <translation>CHECKED = DLL ACTIVE // UNCHECKED = DLL INACTIVE</translation>
    </message>
    <message>
        <source>Fichiers DLL (cochés = actifs)</source>
        <translation>DLL files (checked = active)</translation>
    </message>
    <message>
        <source>Tout COCHER</source>
        <translation>Check ALL</translation>
    </message>
    <message>
        <source>Tout DECOCHER</source>
        <translation>Uncheck ALL</translation>
    </message>
    <message>
        <source>ACTIVATION des fichiers Python de FLY!2 ON/OFF</source>
        <translation>FLY!2 Python files ON/OFF</translation>
    </message>
    <message>
        <source>COCHEES = PY-C ACTIVES // NON COCHEES = PY-C INACTIVES</source>
        <translation>CHECKED = PY-C ACTIVE // UNCHECKED = PY-C INACTIVE</translation>
    </message>
    <message>
        <source>Fichiers Python (cochés = actifs)</source>
        <translation>Python files (checked = active)</translation>
    </message>
</context>
<context>
    <name>AddonCapture</name>
    <message>
        <source>la bibliothèque des add-ons ne peut pas garder le fichier remplacé (%1)</source>
        <translation>the add-on library cannot keep the replaced file (%1)</translation>
    </message>
    <message>
        <source>la bibliothèque des add-ons ne peut pas garder la base de données (%1)</source>
        <translation>the add-on library cannot keep the database (%1)</translation>
    </message>
</context>
<context>
    <name>AddonInstall</name>
    <message>
        <source>Installed: %1</source>
        <translation>Installed: %1</translation>
    </message>
    <message>
        <source>Cannot create [DEX] folder. Dex Installation not possible!</source>
        <translation>Cannot create the [DEX] folder. DEX installation is not possible!</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copied: %1</translation>
    </message>
    <message>
        <source>*** Installation cancelled after %1 of %2 files, the other %3 were not installed ***</source>
        <translation>*** Installation cancelled after %1 of %2 files, the other %3 were not installed ***</translation>
    </message>
    <message>
        <source>*** Aperçu : rien n&apos;a été modifié ***</source>
        <translation>*** Preview: nothing was changed ***</translation>
    </message>
    <message>
        <source>*** Installation : étapes prévues ***</source>
        <translation>*** Installation: planned steps ***</translation>
    </message>
    <message>
        <source>Bibliothèque des add-ons endommagée (%1) : cette installation n&apos;y sera pas inscrite</source>
        <translation>Add-on library damaged (%1): this installation will not be recorded in it</translation>
    </message>
    <message>
        <source>bibliothèque des add-ons (%1)</source>
        <translation>add-on library (%1)</translation>
    </message>
    <message>
        <source>*** Installation finished ***</source>
        <translation>*** Installation finished ***</translation>
    </message>
    <message>
        <source>non installé, la copie de %1 a échoué : %2</source>
        <translation>not installed, the copy of %1 failed: %2</translation>
    </message>
    <message>
        <source>non installé : %1</source>
        <translation>not installed: %1</translation>
    </message>
    <message>
        <source>entrée %1 introuvable</source>
        <translation>entry %1 not found</translation>
    </message>
</context>
<context>
    <name>AddonLibrary</name>
    <message>
        <source>ligne %1 : enregistrement « %2 » illisible</source>
        <translation>line %1: unreadable record &quot;%2&quot;</translation>
    </message>
    <message>
        <source>fichier illisible</source>
        <translation>unreadable file</translation>
    </message>
    <message>
        <source>ligne %1 : fichier coupé</source>
        <translation>line %1: file cut short</translation>
    </message>
    <message>
        <source>dossier personnel inconnu</source>
        <translation>home folder unknown</translation>
    </message>
    <message>
        <source>le dossier de la bibliothèque ne peut pas être créé</source>
        <translation>the library folder cannot be created</translation>
    </message>
    <message>
        <source>fichier d&apos;origine</source>
        <translation>original file</translation>
    </message>
</context>
<context>
    <name>AddonRemoval</name>
    <message>
        <source>Désinstallation de « %1 » ANNULEE : l&apos;add-on reste dans la bibliothèque avec les fichiers qui n&apos;ont pas encore été traités.</source>
        <translation>Removal of &quot;%1&quot; CANCELLED: the add-on stays in the library with the files not yet processed.</translation>
    </message>
    <message>
        <source>Conservé sous %1 : modifié depuis l&apos;installation</source>
        <translation>Kept as %1: changed since the installation</translation>
    </message>
    <message>
        <source>Rétabli : %1 (%2)</source>
        <translation>Restored: %1 (%2)</translation>
    </message>
    <message>
        <source>Supprimé : %1</source>
        <translation>Deleted: %1</translation>
    </message>
    <message>
        <source>Laissé : %1 (le fichier de « %2 » reste en place)</source>
        <translation>Left: %1 (the file of &quot;%2&quot; stays in place)</translation>
    </message>
    <message>
        <source>Répertoire supprimé s&apos;il est vide : %1</source>
        <translation>Folder deleted if empty: %1</translation>
    </message>
    <message>
        <source>Base de données rétablie : %1</source>
        <translation>Database restored: %1</translation>
    </message>
    <message>
        <source>Import à nouveau : %1 par %2</source>
        <translation>Imported again: %1 by %2</translation>
    </message>
    <message>
        <source>La bibliothèque des add-ons %1 est endommagée (%2) : rien n&apos;a été désinstallé.</source>
        <translation>The add-on library %1 is damaged (%2): nothing was removed.</translation>
    </message>
    <message>
        <source>La bibliothèque des add-ons a changé entre-temps : rien n&apos;a été désinstallé.</source>
        <translation>The add-on library changed in the meantime: nothing was removed.</translation>
    </message>
    <message>
        <source>« %1 » a été désinstallé.</source>
        <translation>&quot;%1&quot; was removed.</translation>
    </message>
    <message>
        <source>La bibliothèque des add-ons garde une désinstallation interrompue (%1) qui ne peut pas être annulée seule : annulez-la depuis l&apos;historique des modifications.</source>
        <translation>The add-on library holds an interrupted removal (%1) that cannot be undone on its own: undo it from the change history.</translation>
    </message>
    <message>
        <source>La base de données n&apos;a pas pu être reconstruite sans « %1 » : l&apos;import à nouveau de %2 a échoué (%3).</source>
        <translation>The database could not be rebuilt without &quot;%1&quot;: importing %2 again failed (%3).</translation>
    </message>
    <message>
        <source>La désinstallation a été annulée : « %1 » reste dans la bibliothèque, la base de données est comme avant.</source>
        <translation>The removal was undone: &quot;%1&quot; stays in the library, the database is as it was.</translation>
    </message>
    <message>
        <source>La désinstallation n&apos;a pas pu être annulée : annulez-la depuis l&apos;historique des modifications.</source>
        <translation>The removal could not be undone: undo it from the history of changes.</translation>
    </message>
    <message>
        <source>La désinstallation interrompue de « %1 » a été annulée : la bibliothèque des add-ons et les fichiers sont comme avant elle.</source>
        <translation>The interrupted removal of &quot;%1&quot; was undone: the add-on library and the files are as they were before it.</translation>
    </message>
</context>
<context>
    <name>Archive</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>archive endommagée (%1)</source>
        <translation>damaged archive (%1)</translation>
    </message>
    <message>
        <source>%1 Gio</source>
        <translation>%1 GiB</translation>
    </message>
    <message>
        <source>%1 Mio</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>erreur inconnue</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>taille invalide</source>
        <translation>invalid size</translation>
    </message>
    <message>
        <source>%1 octets, au-delà de la limite de %2 par fichier</source>
        <translation>%1 bytes, beyond the limit of %2 per file</translation>
    </message>
    <message>
        <source>taille totale décompressée au-delà de la limite de %1</source>
        <translation>total unpacked size beyond the limit of %1</translation>
    </message>
    <message>
        <source>au-delà de la limite de %1 entrées</source>
        <translation>beyond the limit of %1 entries</translation>
    </message>
    <message>
        <source>même nom que « %1 » à la casse près</source>
        <translation>same name as &quot;%1&quot; but for case</translation>
    </message>
    <message>
        <source>« %1 » à la fois fichier et dossier</source>
        <translation>&quot;%1&quot; both a file and a folder</translation>
    </message>
    <message>
        <source>nom donné deux fois</source>
        <translation>name given twice</translation>
    </message>
    <message>
        <source>en-tête RAR illisible à l&apos;octet %1</source>
        <translation>unreadable RAR header at byte %1</translation>
    </message>
    <message>
        <source>archive chiffrée par un mot de passe</source>
        <translation>archive encrypted with a password</translation>
    </message>
    <message>
        <source>répertoire central ZIP illisible à l&apos;octet %1 : %2</source>
        <translation>unreadable ZIP central directory at byte %1: %2</translation>
    </message>
    <message>
        <source>l&apos;archive a changé depuis la lecture de sa table</source>
        <translation>the archive changed since its table was read</translation>
    </message>
    <message>
        <source>plus d&apos;octets que les %1 annoncés</source>
        <translation>more bytes than the %1 stated</translation>
    </message>
    <message>
        <source>%1 octets au lieu des %2 annoncés</source>
        <translation>%1 bytes instead of the %2 stated</translation>
    </message>
    <message>
        <source>somme de contrôle CRC-32 fausse (%1 attendue, %2 trouvée)</source>
        <translation>wrong CRC-32 checksum (%1 expected, %2 found)</translation>
    </message>
    <message>
        <source>en-têtes qui ne s&apos;accordent pas</source>
        <translation>headers that disagree</translation>
    </message>
    <message>
        <source>lien symbolique</source>
        <translation>symbolic link</translation>
    </message>
    <message>
        <source>lien physique</source>
        <translation>hard link</translation>
    </message>
    <message>
        <source>ni un fichier ni un dossier (périphérique, tube ou socket)</source>
        <translation>neither a file nor a folder (device, pipe or socket)</translation>
    </message>
    <message>
        <source>chiffrée par un mot de passe</source>
        <translation>encrypted with a password</translation>
    </message>
    <message>
        <source>taille non indiquée</source>
        <translation>size not stated</translation>
    </message>
    <message>
        <source>dossier qui contient des données</source>
        <translation>folder that holds data</translation>
    </message>
    <message>
        <source>nom vide</source>
        <translation>empty name</translation>
    </message>
    <message>
        <source>répertoire central ZIP introuvable (archive coupée ?)</source>
        <translation>ZIP central directory not found (archive cut short?)</translation>
    </message>
    <message>
        <source>archive illisible</source>
        <translation>unreadable archive</translation>
    </message>
    <message>
        <source>format d&apos;archive non pris en charge</source>
        <translation>archive format not supported</translation>
    </message>
    <message>
        <source>nom absolu</source>
        <translation>absolute name</translation>
    </message>
    <message>
        <source>nom avec une lettre de lecteur</source>
        <translation>name with a drive letter</translation>
    </message>
    <message>
        <source>nom avec un deux-points</source>
        <translation>name with a colon</translation>
    </message>
    <message>
        <source>nom avec un caractère de contrôle</source>
        <translation>name with a control character</translation>
    </message>
    <message>
        <source>nom avec « .. », qui sortirait du dossier</source>
        <translation>name with &quot;..&quot;, which would leave the folder</translation>
    </message>
    <message>
        <source>signature d&apos;entrée attendue</source>
        <translation>entry signature expected</translation>
    </message>
    <message>
        <source>entrée incomplète</source>
        <translation>incomplete entry</translation>
    </message>
    <message>
        <source>méthode de compression %1 non prise en charge</source>
        <translation>compression method %1 not supported</translation>
    </message>
    <message>
        <source>nom marqué UTF-8 qui n&apos;est pas de l&apos;UTF-8 valide</source>
        <translation>name flagged UTF-8 that is not valid UTF-8</translation>
    </message>
    <message>
        <source>octets après la dernière entrée</source>
        <translation>bytes after the last entry</translation>
    </message>
    <message>
        <source>données hors de l&apos;archive</source>
        <translation>data outside the archive</translation>
    </message>
    <message>
        <source>en-tête local introuvable</source>
        <translation>local header not found</translation>
    </message>
    <message>
        <source>deux noms pour une même entrée (« %1 » dans l&apos;en-tête local)</source>
        <translation>two names for one entry (&quot;%1&quot; in the local header)</translation>
    </message>
    <message>
        <source>en-tête local et répertoire central en désaccord</source>
        <translation>local header and central directory disagree</translation>
    </message>
    <message>
        <source>répertoire central de plus de 256 Mio</source>
        <translation>central directory of more than 256 MiB</translation>
    </message>
    <message>
        <source>répertoire central hors du fichier</source>
        <translation>central directory outside the file</translation>
    </message>
    <message>
        <source>données qui chevauchent celles de %1</source>
        <translation>data overlapping that of %1</translation>
    </message>
    <message>
        <source>fin d&apos;archive ZIP64 introuvable</source>
        <translation>ZIP64 end of archive not found</translation>
    </message>
    <message>
        <source>archive en plusieurs parties</source>
        <translation>archive in several parts</translation>
    </message>
</context>
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
    <name>Coordinates</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
</context>
<context>
    <name>DataFolderSave</name>
    <message>
        <source>Impossible de renommer %1 vers %2 - rien n&apos;a été restauré!</source>
        <translation>Cannot rename %1 to %2 - nothing was restored!</translation>
    </message>
    <message>
        <source>Impossible de renommer %1 vers %2</source>
        <translation>Cannot rename %1 to %2</translation>
    </message>
    <message>
        <source>Répertoire [BUP] automatique</source>
        <translation>Automatic [BUP] folder</translation>
    </message>
    <message>
        <source>Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!</source>
        <translation>Cannot create a new data folder - the path to fly2.exe is required!</translation>
    </message>
    <message>
        <source>Le répertoire [data-save] existe déja! - le renommez [data-save$$$] ?</source>
        <translation>The [data-save] folder already exists! - it is renamed to [data-save$$$]</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Information:</translation>
    </message>
    <message>
        <source>Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe existe déja!</source>
        <translation>Cannot create a new data folder - it already exists beside fly2.exe!</translation>
    </message>
    <message>
        <source>Impossible de créer NewEdFolderName</source>
        <translation>Cannot create the new data folder</translation>
    </message>
    <message>
        <source>Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!</source>
        <translation>Old [data] saved as [data-save]. New [data] created!</translation>
    </message>
    <message>
        <source>Impossible de créer un sous répertoire Data - Chemin vers fly2.exe requis!</source>
        <translation>Cannot create a data subfolder - the path to fly2.exe is required!</translation>
    </message>
    <message>
        <source>Impossible de restaurer [data] - Le répertoire [data-save] n&apos;&apos;existe pas!</source>
        <translation>Cannot restore [data] - the [data-save] folder does not exist!</translation>
    </message>
    <message>
        <source>[data] enregistré sous [data$$$]. [data-save] renommé [data]!</source>
        <translation>[data] saved as [data$$$]. [data-save] renamed to [data]!</translation>
    </message>
    <message>
        <source>Impossible de supprimer %1 (%2) - rien n&apos;a été restauré!</source>
        <translation>Cannot delete %1 (%2) - nothing was restored!</translation>
    </message>
    <message>
        <source>Impossible de renommer %1 vers %2 - le répertoire [data] est resté sous %1!</source>
        <translation>Cannot rename %1 to %2 - the [data] folder remains at %1!</translation>
    </message>
</context>
<context>
    <name>DllFolderBackup</name>
    <message>
        <source>REPERTOIRE: [pc] VERS REPERTOIRE [pc-save] SAUVEGARDE</source>
        <translation>FOLDER [pc] BACKED UP TO FOLDER [pc-save]</translation>
    </message>
    <message>
        <source>Sauvegarde répertoire DLL ANNULEE ! %1 fichiers sur %2 copiés, les %3 autres ne sont pas copiés.</source>
        <translation>DLL folder backup CANCELLED! %1 of %2 files copied, the other %3 were not copied.</translation>
    </message>
    <message>
        <source>Impossible de créer un nouveau répertoire Data - Chemin vers fly2.exe requis!</source>
        <translation>Cannot create a new data folder - the path to fly2.exe is required!</translation>
    </message>
    <message>
        <source>Impossible de sauvegarder DLL [pc] - Répertoire inexistant</source>
        <translation>Cannot back up the DLL folder [pc] - it does not exist</translation>
    </message>
    <message>
        <source>Impossible de créer Backup</source>
        <translation>Cannot create the backup folder</translation>
    </message>
    <message>
        <source>Sauvegarde répertoire DLL terminé</source>
        <translation>DLL folder backup finished</translation>
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
    <name>FailedLine</name>
    <message>
        <source>FAILED!!!: %1</source>
        <translation>FAILED!!!: %1</translation>
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
    <name>FolderLock</name>
    <message>
        <source>une autre copie de FlyKestrel est ouverte sur ce dossier et seule elle peut le modifier</source>
        <translation>another copy of FlyKestrel is open on this folder and only it may change it</translation>
    </message>
</context>
<context>
    <name>ImporterRun</name>
    <message>
        <source>Navmerger.exe 1.3 could not be started (%1), %2 not imported</source>
        <translation>Navmerger.exe 1.3 could not be started (%1), %2 not imported</translation>
    </message>
    <message>
        <source>Navmerger.exe 1.3 ended abnormally, %1 not imported</source>
        <translation>Navmerger.exe 1.3 ended abnormally, %1 not imported</translation>
    </message>
    <message>
        <source>import of %1 into the database failed, Navmerger.exe 1.3 exit status %2</source>
        <translation>import of %1 into the database failed, Navmerger.exe 1.3 exit status %2</translation>
    </message>
    <message>
        <source>Imported to database with Navmerger.exe 1.3</source>
        <translation>Imported to database with Navmerger.exe 1.3</translation>
    </message>
    <message>
        <source>Importer: %1</source>
        <translation>Importer: %1</translation>
    </message>
    <message>
        <source>Importer: %1 (Windows program, through wine)</source>
        <translation>Importer: %1 (Windows program, through wine)</translation>
    </message>
    <message>
        <source> (%1 is a Windows program and wine is not installed)</source>
        <translation> (%1 is a Windows program and wine is not installed)</translation>
    </message>
    <message>
        <source>import non lancé, %1</source>
        <translation>import not started, %1</translation>
    </message>
</context>
<context>
    <name>IniHelpTexts</name>
    <message>
        <source>* Cliquer sur [AIDE] à nouveau pour fermer cette fenêtre !</source>
        <translation>* Click [HELP] again to close this window!</translation>
    </message>
    <message>
        <source>Important:
Les modifications ne sont écrites dans fly.ini qu&apos;avec le bouton &quot;OK, Enregistrer fichier&quot;. QUITTER sans enregistrer ne change rien.

[APPLIQUER les valeurs par défaut] copie les valeurs recommandées dans la colonne NEW value, partout où elles diffèrent de la valeur actuelle. Vous pouvez ensuite vider une case NEW value pour garder l&apos;ancienne valeur.
Les valeurs recommandées viennent du fichier &quot;flyinirec.txt&quot;, dans le répertoire de FlyKestrel. Modifiez-le avec un éditeur de texte : une ligne par réglage, nom=valeur.

Les recommandations concernent :
  - la gestion des fichiers POD ;
  - les hélicoptères : comportement et réalisme ;
  - la zone neutre des manettes (NullZone) ;
  - le vent en altitude et au sol ;
  - l&apos;éclairage : pistes, voies de circulation, aube, jour, crépuscule et nuit ;
  - divers autres réglages.

Recherche : [Chercher] ouvre la zone de saisie ; tapez une partie du nom puis [Entrée]. [Echap] ferme la zone. [Chercher encore] trouve la ligne suivante ; après la dernière, la recherche repart du début.

[Sélectionner SearchOtherDrives] recommande SearchOtherDrives=1 : Fly! cherche alors un répertoire de scènes à la racine des autres disques. Utile quand les scènes sont partagées entre plusieurs installations, réparties sur plusieurs disques, ou sur un CD/DVD.

Avant l&apos;enregistrement, une copie de sauvegarde est faite : le nom du fichier suivi de la date et de l&apos;heure (jjmmaahhmmss) et de .BAK, par exemple fly.ini061226231500.BAK.

</source>
        <translation>Important:
Changes are written to fly.ini only with the &quot;OK, save&quot; button. QUIT without saving changes nothing.

[APPLY the default values] copies the recommended values into the NEW value column wherever they differ from the current value. You can then empty a NEW value cell to keep the old value.
The recommended values come from the file &quot;flyinirec.txt&quot; in the FlyKestrel folder. Edit it with a text editor: one line per setting, name=value.

The recommendations cover:
  - handling of POD files;
  - helicopters: behaviour and realism;
  - the joystick dead zone (NullZone);
  - wind aloft and on the ground;
  - lighting: runways, taxiways, dawn, day, dusk and night;
  - various other settings.

Search: [Search] opens the input field; type part of the name, then [Enter]. [Esc] closes the field. [Search again] finds the next line; after the last one, the search starts over from the top.

[Select SearchOtherDrives] recommends SearchOtherDrives=1: Fly! then looks for a scenery folder at the root of the other drives. Useful when scenery is shared between several installations, spread over several drives, or on a CD/DVD.

Before saving, a backup copy is made: the file name followed by the date and time (ddmmyyhhmmss) and .BAK, for example fly.ini061226231500.BAK.

</translation>
    </message>
    <message>
        <source>Important:
Lisez une explication du fichier render.ini avant de changer des valeurs.

Ne donnez pas toute la mémoire de la carte graphique aux textures. Commencez avec (mémoire de la carte - 16 Mo) pour les textures, puis essayez.

Tapez les nouveaux nombres de textures dans la colonne NEW value, puis cliquez sur [APPLIQUER/CALC. nouvelles valeurs] pour recalculer la mémoire. Les sections [AGP] et [NonAGP] ne comptent pas dans le total.

Vous pouvez mettre Fly! en arrière-plan avec [CTRL] + [ESC] en laissant FlyKestrel ouvert, puis redémarrer Fly! pour qu&apos;il charge les valeurs modifiées.

Attention : des valeurs à zéro font planter Fly!

Avant l&apos;enregistrement, une copie de sauvegarde est faite : le nom du fichier suivi de la date et de l&apos;heure (jjmmaahhmmss) et de .BAK, par exemple render.ini061226231500.BAK.

</source>
        <translation>Important:
Read an explanation of the render.ini file before changing values.

Do not give all of the graphics card&apos;s memory to textures. Start with (card memory - 16 MB) for textures, then experiment.

Type the new texture counts in the NEW value column, then click [APPLY/CALC. new values] to recalculate the memory. The [AGP] and [NonAGP] sections do not count towards the total.

You can put Fly! in the background with [CTRL] + [ESC] while FlyKestrel stays open, then restart Fly! so that it loads the changed values.

Warning: zero values make Fly! crash!

Before saving, a backup copy is made: the file name followed by the date and time (ddmmyyhhmmss) and .BAK, for example render.ini061226231500.BAK.

</translation>
    </message>
</context>
<context>
    <name>IniTuning</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Nombre de textures trop grand pour %1 : %2 (%3 au plus)</source>
        <translation>Too many textures for %1: %2 (at most %3)</translation>
    </message>
    <message>
        <source>Pas d&apos;&apos;en têtes ou de lignes vides!</source>
        <translation>Not on headers or empty lines!</translation>
    </message>
    <message>
        <source>Les nouvelles valeurs ne doivent comportées que des chiffres (0..9), pas d&apos;&apos;autres caractères</source>
        <translation>New values may contain only digits (0..9), no other characters</translation>
    </message>
    <message>
        <source>Memory in MB (without AGP)</source>
        <translation>Memory in MB (without AGP)</translation>
    </message>
    <message>
        <source>FLY! function</source>
        <translation>FLY! function</translation>
    </message>
    <message>
        <source>OLD value</source>
        <translation>OLD value</translation>
    </message>
    <message>
        <source>Memory (MB)</source>
        <translation>Memory (MB)</translation>
    </message>
    <message>
        <source>NEW value</source>
        <translation>NEW value</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Recommended</translation>
    </message>
</context>
<context>
    <name>InstallHelpText</name>
    <message>
        <source>INSTALLATION (semi-)automatique des scènes, taxiways et fichiers DEX

Préparation :
  - Dézippez chaque add-on dans un répertoire séparé, hors du répertoire de Fly!2.
  - [SOURCE] : sélectionnez ce répertoire comme répertoire source de l&apos;installation.
  - [Enregistrer le répertoire source par défaut] : la prochaine fois, le choix du répertoire
    source commencera dans ce répertoire.
  - Option [Renommer les fichiers sources installés] : chaque fichier source installé est renommé
    en [nom].installed (x.pod devient x.pod.installed) ; vous voyez ainsi ce qui a été installé.
  - Les fichiers de taxiways (*.bgr, *.txp, *.tms) vont toujours dans [data] de Fly!2.
  - Les autres fichiers (readme.txt, images, ...) sont ignorés.

Procédure A - scènes dans le répertoire de scènes de Fly!2 :
  choisissez le type [scènes (+ taxiways)] ; le répertoire d&apos;installation doit être
  [Fly!2\scenery] ; *.pod et *.scf vont dans [scenery], *.bgr, *.txp, *.tms dans [data].

Procédure B - scènes dans un répertoire externe/autre :
  choisissez le type [scènes vers un répertoire externe] ; avec les boutons DESTINATION,
  choisissez ce répertoire ou reprenez le répertoire externe enregistré ; un nouveau sous
  répertoire peut être ajouté dans le champ du répertoire d&apos;installation. *.pod et *.scf y sont
  copiés, *.bgr, *.txp, *.tms vont dans [data] de Fly!2.

Procédure C - taxiways :
  choisissez le type [taxiways] ; CHAQUE *.pod du répertoire source est traité comme un pod de
  taxiways et copié dans [taxiways] ; *.bgr, *.txp, *.tms vont dans [data] ; les *.scf sont ignorés.

Procédures D et E - avions et scripts : pas encore implémentés.

Procédure F - fichiers DEX (extensions de la base de données de navigation) :
  choisissez le type [DEX files import /Navmerger.exe] ; chaque *.dex est copié dans [dex] de
  Fly!2 puis importé dans la base de données par l&apos;importateur Navmerger, lancé dans [dex].
  L&apos;importateur doit se trouver dans le répertoire [dex] de Fly!2 (sinon celui installé avec
  FlyKestrel est utilisé). Ce qu&apos;il affiche est ajouté au journal d&apos;activité, avec le résultat
  de chaque import.
  Option [NAVMerger: exécution en attente si erreur] : cochée, Navmerger attend une touche
  après une erreur (-P) ; décochée, il attend aussi à la fin d&apos;un import réussi (-PX).

[Aperçu] liste dans le journal d&apos;activité, sans rien modifier, ce que l&apos;installation ferait :
  chaque fichier copié et sa destination, ceux qui remplaceraient un fichier existant, les
  nouveaux répertoires, les renommages en .installed, les fichiers DEX passés à l&apos;importateur et
  les fichiers refusés.
[OK, INSTALLER] lance l&apos;installation ; elle note d&apos;abord cette même liste dans le journal
  d&apos;activité, puis chaque étape.
</source>
        <translation>(Semi-)automatic INSTALLATION of scenery, taxiways and DEX files

Preparation:
  - Unzip each add-on into a folder of its own, outside the Fly!2 folder.
  - [SOURCE]: select that folder as the source folder of the installation.
  - [Save as default source folder]: next time, choosing the source folder starts
    in this folder.
  - Option [Rename installed source files]: each installed source file is renamed
    to [name].installed (x.pod becomes x.pod.installed), so you can see what was installed.
  - Taxiway files (*.bgr, *.txp, *.tms) always go to the Fly!2 [data] folder.
  - Other files (readme.txt, pictures, ...) are ignored.

Procedure A - scenery in the Fly!2 scenery folder:
  choose the type [scenery (+ taxiways)]; the installation folder must be
  [Fly!2\scenery]; *.pod and *.scf go to [scenery], *.bgr, *.txp, *.tms to [data].

Procedure B - scenery in an external/other folder:
  choose the type [scenery to an external folder]; with the DESTINATION buttons,
  choose that folder or take the saved external folder again; a new subfolder
  can be added in the installation folder field. *.pod and *.scf are copied there,
  *.bgr, *.txp, *.tms go to the Fly!2 [data] folder.

Procedure C - taxiways:
  choose the type [taxiways]; EVERY *.pod in the source folder is treated as a taxiway
  pod and copied to [taxiways]; *.bgr, *.txp, *.tms go to [data]; *.scf files are ignored.

Procedures D and E - aircraft and scripts: not implemented yet.

Procedure F - DEX files (extensions of the navigation database):
  choose the type [DEX files import /Navmerger.exe]; each *.dex is copied to the Fly!2
  [dex] folder, then imported into the database by the Navmerger importer, run in [dex].
  The importer must be in the Fly!2 [dex] folder (otherwise the one installed with
  FlyKestrel is used). What it prints is added to the activity log, with the result
  of each import.
  Option [NAVMerger: wait on error]: checked, Navmerger waits for a key
  after an error (-P); unchecked, it also waits at the end of a successful import (-PX).

[Preview] lists in the activity log, without changing anything, what the installation would do:
  each file copied and its destination, those that would replace an existing file, the
  new folders, the renames to .installed, the DEX files handed to the importer and
  the refused files.
[OK, INSTALL] starts the installation; it first writes this same list to the activity
  log, then each step.
</translation>
    </message>
</context>
<context>
    <name>InstallPlan</name>
    <message>
        <source>le répertoire %1 ne peut pas être créé</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>nom que l&apos;importateur lirait comme autre chose qu&apos;un fichier</source>
        <translation>a name the importer would read as something other than a file</translation>
    </message>
    <message>
        <source>hors du répertoire source</source>
        <translation>outside the source folder</translation>
    </message>
    <message>
        <source>la copie sortirait de son répertoire</source>
        <translation>the copy would leave its folder</translation>
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
        <source>un répertoire porte ce nom à la destination</source>
        <translation>a folder has this name at the destination</translation>
    </message>
    <message>
        <source>Réinitialisez la valeur par défaut du répertoire de Fly! ou vérifié le bouton radio [Fichier scène extérieur]</source>
        <translation>Reset the Fly! folder to its default or check the [scenery to an external folder] option</translation>
    </message>
    <message>
        <source>Select EXTERNAL scenery folder OR check [scenery] radiobutton</source>
        <translation>Select an EXTERNAL scenery folder OR check the [scenery] option</translation>
    </message>
    <message>
        <source> (remplace le fichier copié plus haut)</source>
        <translation> (replaces the file copied above)</translation>
    </message>
    <message>
        <source> (remplace le fichier d&apos;origine)</source>
        <translation> (replaces the original file)</translation>
    </message>
    <message>
        <source> (remplace le fichier de l&apos;add-on « %1 »)</source>
        <translation> (replaces the file of the add-on &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>Arrêt : le répertoire [DEX] %1 ne peut pas être créé, l&apos;installation s&apos;arrête ici</source>
        <translation>Stop: the [DEX] folder %1 cannot be created, the installation stops here</translation>
    </message>
    <message>
        <source>Nouveau répertoire : %1</source>
        <translation>New folder: %1</translation>
    </message>
    <message>
        <source>Non installé : %1 (%2)</source>
        <translation>Not installed: %1 (%2)</translation>
    </message>
    <message>
        <source>Copie : %1 -&gt; %2</source>
        <translation>Copy: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Renommage : %1 -&gt; %2</source>
        <translation>Rename: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Pas de renommage : %1 existe déjà</source>
        <translation>No rename: %1 already exists</translation>
    </message>
    <message>
        <source>Import dans la base de données : %1 par %2</source>
        <translation>Import into the database: %1 by %2</translation>
    </message>
    <message>
        <source>Répertoire Source manaquant pour installer!</source>
        <translation>Source folder missing for the installation!</translation>
    </message>
    <message>
        <source>Aucun fichier à installer</source>
        <translation>No file to install</translation>
    </message>
    <message>
        <source>hors des répertoires de Fly!, installé seulement si vous le confirmez</source>
        <translation>outside the Fly! folders, installed only if you confirm it</translation>
    </message>
    <message>
        <source>Archive refusée, rien n&apos;a été installé : %1
%2</source>
        <translation>Archive refused, nothing was installed: %1
%2</translation>
    </message>
    <message>
        <source>Laissé de côté : %1 (dans un sous-répertoire : le type « %2 » l&apos;installe)</source>
        <translation>Left out: %1 (in a sub-folder: the type &quot;%2&quot; installs it)</translation>
    </message>
</context>
<context>
    <name>InstallRequest</name>
    <message>
        <source>*** Installing Scenery ***</source>
        <translation>*** Installing Scenery ***</translation>
    </message>
    <message>
        <source>scènes (+ taxiways)</source>
        <translation>scenery (+ taxiways)</translation>
    </message>
    <message>
        <source>*** Installing Scenery to external/other folder ***</source>
        <translation>*** Installing Scenery to external/other folder ***</translation>
    </message>
    <message>
        <source>scènes vers un répertoire externe</source>
        <translation>scenery to an external folder</translation>
    </message>
    <message>
        <source>*** Installing Taxiways ***</source>
        <translation>*** Installing Taxiways ***</translation>
    </message>
    <message>
        <source>taxiways (pod)/[bgr,txp,tms]</source>
        <translation>taxiways (pod)/[bgr,txp,tms]</translation>
    </message>
    <message>
        <source>avions NON IMPLEMENTES</source>
        <translation>aircraft NOT IMPLEMENTED</translation>
    </message>
    <message>
        <source>script NON IMPLEMENTES</source>
        <translation>scripts NOT IMPLEMENTED</translation>
    </message>
    <message>
        <source>*** Installing DEX files ***</source>
        <translation>*** Installing DEX files ***</translation>
    </message>
    <message>
        <source>DEX files import /Navmerger.exe</source>
        <translation>DEX files import /Navmerger.exe</translation>
    </message>
    <message>
        <source>*** Installing into the Fly! folders ***</source>
        <translation>*** Installing into the Fly! folders ***</translation>
    </message>
    <message>
        <source>arborescence de Fly! (avions, scripts, modules, sons...)</source>
        <translation>Fly! folder tree (aircraft, scripts, modules, sounds...)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>dossier personnel inconnu</source>
        <translation>home folder unknown</translation>
    </message>
    <message>
        <source>le fichier ne peut pas être écrit</source>
        <translation>the file cannot be written</translation>
    </message>
</context>
<context>
    <name>JournalScope</name>
    <message>
        <source>l&apos;historique des modifications ne peut pas être écrit dans %1 (%2)</source>
        <translation>the change history cannot be written in %1 (%2)</translation>
    </message>
    <message>
        <source>L&apos;opération « %1 » n&apos;a pas pu être close dans l&apos;historique des modifications %2 (%3) : l&apos;historique est peut-être incomplet.</source>
        <translation>The operation &quot;%1&quot; could not be closed in the change history %2 (%3): the history may be incomplete.</translation>
    </message>
</context>
<context>
    <name>JournalUndo</name>
    <message>
        <source>la copie du contenu d&apos;origine gardée par le journal a changé</source>
        <translation>the journal&apos;s copy of the original contents has changed</translation>
    </message>
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
    <message>
        <source>Impossible d&apos;annuler : %1.</source>
        <translation>Cannot undo: %1.</translation>
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
    <message>
        <source>Activation *.DLL</source>
        <translation>*.DLL activation</translation>
    </message>
    <message>
        <source>Activation *.PY/PYC</source>
        <translation>*.PY/PYC activation</translation>
    </message>
    <message>
        <source>Activation [scènes]</source>
        <translation>[Scenery] activation</translation>
    </message>
    <message>
        <source>Créer FLY!2 Slicerfile</source>
        <translation>Create FLY!2 slicer file</translation>
    </message>
    <message>
        <source>Ecrire fichier *.SCF</source>
        <translation>Write *.SCF file</translation>
    </message>
    <message>
        <source>Enregistrer valeurs</source>
        <translation>Save values</translation>
    </message>
    <message>
        <source>Déplacement [scènes]</source>
        <translation>Move [scenery]</translation>
    </message>
    <message>
        <source>Enregistrement auto. [DATA]</source>
        <translation>Auto. save [DATA]</translation>
    </message>
    <message>
        <source>Restauration auto. [DATA]</source>
        <translation>Auto. restore [DATA]</translation>
    </message>
    <message>
        <source>Installation scénes</source>
        <translation>Scenery installation</translation>
    </message>
    <message>
        <source>Installation scènes vers un répertoire externe</source>
        <translation>Scenery installation to an external folder</translation>
    </message>
    <message>
        <source>Installation taxiways</source>
        <translation>Taxiway installation</translation>
    </message>
    <message>
        <source>Installation avions</source>
        <translation>Aircraft installation</translation>
    </message>
    <message>
        <source>Installation script</source>
        <translation>Script installation</translation>
    </message>
    <message>
        <source>Installation DEX files</source>
        <translation>DEX files installation</translation>
    </message>
    <message>
        <source>Enregistrer render.ini</source>
        <translation>Save render.ini</translation>
    </message>
    <message>
        <source>Enregistrer fly.ini</source>
        <translation>Save fly.ini</translation>
    </message>
    <message>
        <source>Installation arborescence de Fly!</source>
        <translation>Installation into the Fly! folder tree</translation>
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
    <name>SceneryTransfer</name>
    <message>
        <source>Copie ANNULEE ! %1 fichiers sur %2 traités, les %3 autres sont inchangés.</source>
        <translation>Copy CANCELLED! %1 of %2 files processed, the other %3 are unchanged.</translation>
    </message>
    <message>
        <source>Do you really want to *DELETE* all Source Files?</source>
        <translation>Do you really want to *DELETE* all source files?</translation>
    </message>
    <message>
        <source>NON copié ! Séléectionner la valeur souhaitée et réessayé!</source>
        <translation>NOT copied! Select the value you want and try again!</translation>
    </message>
</context>
<context>
    <name>SlicerFiles</name>
    <message>
        <source>Fichier TGA nécessaire</source>
        <translation>TGA file needed</translation>
    </message>
    <message>
        <source>Fichier POD nécessaire</source>
        <translation>POD file needed</translation>
    </message>
    <message>
        <source>Fichier RAS, Elevation Lat-Lon nécessaires</source>
        <translation>RAS file and elevation lat-lon needed</translation>
    </message>
    <message>
        <source>Texture Lat-Lon nécessaires</source>
        <translation>Texture lat-lon needed</translation>
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
    <name>SystemReason</name>
    <message>
        <source>Aucun espace disponible sur le périphérique</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Quota de disque dépassé</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Système de fichiers en lecture seule</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Permission refusée</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Aucun fichier ou dossier de ce nom</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Le fichier existe</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Erreur d&apos;entrée/sortie</source>
        <translation>Input/output error</translation>
    </message>
</context>
<context>
    <name>TF2sInputForm</name>
    <message>
        <source>Aucun fichier sélectionné!</source>
        <translation>No file selected!</translation>
    </message>
    <message>
        <source>Sélectionner le fichier TGA</source>
        <translation>Select the TGA file</translation>
    </message>
    <message>
        <source>TGA Graphicfiles (*.tga)|*.TGA</source>
        <translation>TGA image files (*.tga)|*.TGA</translation>
    </message>
    <message>
        <source>Fichier TGA non sélectionné!</source>
        <translation>No TGA file selected!</translation>
    </message>
    <message>
        <source>Fichier RASs non sélectionné!</source>
        <translation>No RAS file selected!</translation>
    </message>
    <message>
        <source>Ecriture fichier POD pour Fly2</source>
        <translation>Write a POD file for Fly2</translation>
    </message>
    <message>
        <source>FLY Pod-File (*.pod)|*.POD</source>
        <translation>FLY POD file (*.pod)|*.POD</translation>
    </message>
    <message>
        <source>Pour éviter les erreurs placez ce fichier dans le réprtoire de base de Fly! ou est situé fly2sclice.exe!</source>
        <translation>To avoid errors, put this file in the Fly! base folder, where fly2slice.exe is!</translation>
    </message>
    <message>
        <source>Sélectionner le nom du fichier Fly2Slice</source>
        <translation>Select the Fly2Slice file name</translation>
    </message>
    <message>
        <source>Fichier d&apos;&apos;entrée Fly2Slice (*.txt)|*.TXT</source>
        <translation>Fly2Slice input file (*.txt)|*.TXT</translation>
    </message>
    <message>
        <source>Enregistre les valeurs du ficheir d&apos;&apos;entrées</source>
        <translation>Save the values of the input file</translation>
    </message>
    <message>
        <source>Enregistre les valeurs (*.ftv)|*.FTV</source>
        <translation>Saved values (*.ftv)|*.FTV</translation>
    </message>
    <message>
        <source>Charge les valeurs du fichiers d&apos;&apos;entrée</source>
        <translation>Load the values of the input file</translation>
    </message>
    <message>
        <source>Charge les valeurs (*.ftv)|*.FTV</source>
        <translation>Saved values (*.ftv)|*.FTV</translation>
    </message>
    <message>
        <source>Sélectionner lefihcier d&apos;&apos;entrée pour Fly2Slice</source>
        <translation>Select the input file for Fly2Slice</translation>
    </message>
    <message>
        <source>Slicer Inputfile (*.txt)|*.TXT</source>
        <translation>Slicer input file (*.txt)|*.TXT</translation>
    </message>
    <message>
        <source>Aucun fichier sélectionné</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Créer un fichier d&apos;entrée pour fly2slice</source>
        <translation>Create an input file for fly2slice</translation>
    </message>
    <message>
        <source>Textures</source>
        <translation>Textures</translation>
    </message>
    <message>
        <source>Textures create</source>
        <translation>Create textures</translation>
    </message>
    <message>
        <source>Créer Textures Distantes</source>
        <translation>Create distant textures</translation>
    </message>
    <message>
        <source>Créer Textures Nuit</source>
        <translation>Create night textures</translation>
    </message>
    <message>
        <source>Créer &quot;Water Mask&quot;</source>
        <translation>Create &quot;Water Mask&quot;</translation>
    </message>
    <message>
        <source>Créer Eau simple</source>
        <translation>Create plain water</translation>
    </message>
    <message>
        <source>Garder Textures existantes</source>
        <translation>Keep existing textures</translation>
    </message>
    <message>
        <source>Night Textures CutOff</source>
        <translation>Night textures cut-off</translation>
    </message>
    <message>
        <source>Lire nom fichier *.TGA (Textures)</source>
        <translation>Read *.TGA file name (textures)</translation>
    </message>
    <message>
        <source>Fichier TGA des textures</source>
        <translation>TGA file of the textures</translation>
    </message>
    <message>
        <source>TEXTURES Latitude - Longitude</source>
        <translation>TEXTURES Latitude - Longitude</translation>
    </message>
    <message>
        <source>des textures</source>
        <translation>of the textures</translation>
    </message>
    <message>
        <source>Elevations</source>
        <translation>Elevations</translation>
    </message>
    <message>
        <source>Créer Elevations</source>
        <translation>Create elevations</translation>
    </message>
    <message>
        <source>Lire nom fichier *.RAS (Elevations)</source>
        <translation>Read *.RAS file name (elevations)</translation>
    </message>
    <message>
        <source>Répertoire RAS des élévations</source>
        <translation>RAS folder of the elevations</translation>
    </message>
    <message>
        <source>nombre d&apos;échantillon X</source>
        <translation>number of samples X</translation>
    </message>
    <message>
        <source>nombre d&apos;échantillon Y</source>
        <translation>number of samples Y</translation>
    </message>
    <message>
        <source>ELEVATION Latitude - Longitude</source>
        <translation>ELEVATION Latitude - Longitude</translation>
    </message>
    <message>
        <source>des élévations</source>
        <translation>of the elevations</translation>
    </message>
    <message>
        <source>Subdivise Tolérance</source>
        <translation>Subdivide tolerance</translation>
    </message>
    <message>
        <source>Subdivise Densité</source>
        <translation>Subdivide density</translation>
    </message>
    <message>
        <source>Specific Globetile autorisé</source>
        <translation>Specific globe tile allowed</translation>
    </message>
    <message>
        <source>Globe Tile X</source>
        <translation>Globe tile X</translation>
    </message>
    <message>
        <source>Globe Tile Z</source>
        <translation>Globe tile Z</translation>
    </message>
    <message>
        <source>Liste GlobeTiles</source>
        <translation>List globe tiles</translation>
    </message>
    <message>
        <source>Créer POD</source>
        <translation>Create POD</translation>
    </message>
    <message>
        <source>Créer nom fichier Pod</source>
        <translation>Create POD file name</translation>
    </message>
    <message>
        <source>Fichier POD</source>
        <translation>POD file</translation>
    </message>
    <message>
        <source>Créer FLY!2 Slicerfile</source>
        <translation>Create FLY!2 slicer file</translation>
    </message>
    <message>
        <source>Ecrire fichier *.SCF</source>
        <translation>Write *.SCF file</translation>
    </message>
    <message>
        <source>Lancer fly2slice.exe</source>
        <translation>Start fly2slice.exe</translation>
    </message>
    <message>
        <source>Enregistrer valeurs</source>
        <translation>Save values</translation>
    </message>
    <message>
        <source>Charger valeurs</source>
        <translation>Load values</translation>
    </message>
    <message>
        <source>Retour au principal</source>
        <translation>Back to main window</translation>
    </message>
    <message>
        <source>Latitude bas gauche</source>
        <translation>Latitude lower left</translation>
    </message>
    <message>
        <source>Longitude bas gauche</source>
        <translation>Longitude lower left</translation>
    </message>
    <message>
        <source>Latitude haut droite</source>
        <translation>Latitude upper right</translation>
    </message>
    <message>
        <source>Longitude haut droite</source>
        <translation>Longitude upper right</translation>
    </message>
    <message>
        <source>Erreur d&apos;entrée/sortie : impossible d&apos;écrire le fichier %1</source>
        <translation>Input/output error: cannot write the file %1</translation>
    </message>
    <message>
        <source>Slicer-InputFile written to &gt;&gt;&gt; %1</source>
        <translation>Slicer input file written to &gt;&gt;&gt; %1</translation>
    </message>
    <message>
        <source>Fichier SCF enregistré vers &gt;&gt;&gt;%1</source>
        <translation>SCF file saved to &gt;&gt;&gt; %1</translation>
    </message>
    <message>
        <source>Erreur d&apos;entrée/sortie : impossible de lire le fichier %1</source>
        <translation>Input/output error: cannot read the file %1</translation>
    </message>
    <message>
        <source>Format de fichier erroné - pas un fichier FlyKestrel</source>
        <translation>Wrong file format - not a FlyKestrel file</translation>
    </message>
</context>
<context>
    <name>TFCutLLInput</name>
    <message>
        <source>X 99 99 9.99 ou  X99 99 9.99 ou X 99.999999 ou X99.99999</source>
        <translation>X 99 99 9.99 or  X99 99 9.99 or X 99.999999 or X99.99999</translation>
    </message>
    <message>
        <source>Formats: X = [N] ou [S] ou [E] ou [W] ou [+] ou [-]</source>
        <translation>Formats: X = [N] or [S] or [E] or [W] or [+] or [-]</translation>
    </message>
    <message>
        <source>  Entrez les coordonnées WGS  </source>
        <translation>  Enter the WGS coordinates  </translation>
    </message>
    <message>
        <source>     C1: Bas &amp;&amp; Gauche</source>
        <translation>     C1: Lower &amp;&amp; Left</translation>
    </message>
    <message>
        <source>bas gauche</source>
        <translation>lower left</translation>
    </message>
    <message>
        <source>     C3: Haut &amp;&amp; Droite</source>
        <translation>     C3: Upper &amp;&amp; Right</translation>
    </message>
    <message>
        <source>haut droite</source>
        <translation>upper right</translation>
    </message>
    <message>
        <source>OK - utiliser ces valeurs</source>
        <translation>OK - use these values</translation>
    </message>
    <message>
        <source>Sortie - Pas de valeurs valides</source>
        <translation>Exit - no valid values</translation>
    </message>
    <message>
        <source>Sortie Lat - Lon </source>
        <translation>Output Lat - Lon </translation>
    </message>
    <message>
        <source>Sortie %1 %2</source>
        <translation>Output %1 %2</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Valeurs valides manquantes - appuyer sur un autre bouton!</source>
        <translation>Valid values missing - press another button!</translation>
    </message>
</context>
<context>
    <name>TFLYDataForm</name>
    <message>
        <source>Sauvegarder le répertoire [DATA] de Fly!2 avant &quot;Slice&quot;</source>
        <translation>Save the Fly!2 [DATA] folder before &quot;Slice&quot;</translation>
    </message>
    <message>
        <source>Enregistrement auto. [DATA]</source>
        <translation>Auto. save [DATA]</translation>
    </message>
    <message>
        <source>Restauration auto. [DATA]</source>
        <translation>Auto. restore [DATA]</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Avant de créer une scène avec fly2slice, le répertoire [DATA] de Fly!2 doit être sauvegardé : un nouveau répertoire [data] vide est créé pour le travail du slicer. Après le slice, ce répertoire est mis de côté et le répertoire sauvegardé est restauré avec les boutons ci-dessous.</source>
        <translation>Before creating scenery with fly2slice, the Fly!2 [DATA] folder must be saved: a new, empty [data] folder is created for the slicer to work in. After slicing, that folder is put aside and the saved folder is restored, with the buttons below.</translation>
    </message>
    <message>
        <source>Enregistrement</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistre votre répertoire [DATA] de Fly! et crée un nouveau répertoire [data] vide, si ce répertoire n&apos;existe pas encore</source>
        <translation>Saves your Fly! [DATA] folder and creates a new, empty [data] folder, if that folder does not exist yet</translation>
    </message>
    <message>
        <source>Restauration</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Vous êtes averti : n&apos;utilisez cette fonction que si vous êtes sur que votre répertoire [DATA] n&apos;a pas de données importantes. [DATA] sera enregistrer sous [DATA$$$], [DATA-save] renommé [DATA] Vous pouvez supprimer [DATA$$$] plus tard manuellement !</source>
        <translation>Be warned: use this only if you are sure that your [DATA] folder holds no important data. [DATA] will be saved as [DATA$$$] and [DATA-save] renamed to [DATA]. You can delete [DATA$$$] by hand later!</translation>
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
    <name>TF_AddonLibrary</name>
    <message>
        <source>rien</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Bibliothèque des add-ons</source>
        <translation>Add-on library</translation>
    </message>
    <message>
        <source>Add-ons installés, dans l&apos;ordre de leur installation</source>
        <translation>Installed add-ons, in the order they were installed</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fichiers</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Conflits</source>
        <translation>Conflicts</translation>
    </message>
    <message>
        <source>Fichiers de l&apos;add-on choisi, avec ce qui se trouve dessous</source>
        <translation>Files of the chosen add-on, with what lies underneath</translation>
    </message>
    <message>
        <source>Aperçu et journal de la désinstallation</source>
        <translation>Removal preview and log</translation>
    </message>
    <message>
        <source>Fichiers de l&apos;add-on (pile des propriétaires, du bas vers le haut) :</source>
        <translation>The add-on&apos;s files (stack of owners, from bottom to top):</translation>
    </message>
    <message>
        <source>Aperçu de la désinstallation</source>
        <translation>Preview removal</translation>
    </message>
    <message>
        <source>Désinstaller</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>La bibliothèque %1 est endommagée (%2) : aucun add-on ne peut être désinstallé.</source>
        <translation>The library %1 is damaged (%2): no add-on can be removed.</translation>
    </message>
    <message>
        <source>Aucun add-on installé par l&apos;installateur de FlyKestrel.</source>
        <translation>No add-on installed by the FlyKestrel installer.</translation>
    </message>
    <message>
        <source>Add-ons installés, du plus ancien au plus récent (double-cliquez un nom pour le changer) :</source>
        <translation>Installed add-ons, oldest first (double-click a name to change it):</translation>
    </message>
    <message>
        <source>Import : %1</source>
        <translation>Import: %1</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord un add-on dans la liste.</source>
        <translation>First choose an add-on in the list.</translation>
    </message>
    <message>
        <source>*** Aperçu de la désinstallation de « %1 » : rien n&apos;a été modifié ***</source>
        <translation>*** Preview of the removal of &quot;%1&quot;: nothing was changed ***</translation>
    </message>
    <message>
        <source>Désinstaller « %1 » ?</source>
        <translation>Remove &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Ces fichiers de « %1 » ont été modifiés depuis son installation :
%2
Les garder sous le nom &lt;fichier&gt;.usersave et désinstaller quand même ?</source>
        <translation>These files of &quot;%1&quot; were changed since it was installed:
%2
Keep them as &lt;file&gt;.usersave and remove it anyway?</translation>
    </message>
    <message>
        <source>La base de données n&apos;est plus celle que la bibliothèque a laissée (un import fait à la main ?) :
%1
La reconstruire sans « %2 » ?</source>
        <translation>The database is no longer the one the library left (an import made by hand?):
%1
Rebuild it without &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>*** Désinstallation de « %1 » ***</source>
        <translation>*** Removal of &quot;%1&quot; ***</translation>
    </message>
    <message>
        <source>Désinstallation en cours</source>
        <translation>Removal in progress</translation>
    </message>
</context>
<context>
    <name>TF_AutoInstall</name>
    <message>
        <source>Répertoire externe de scènes pas encore défini!</source>
        <translation>External scenery folder not set yet!</translation>
    </message>
    <message>
        <source>Renommer les fichiers sources installés [xxx.installed]</source>
        <translation>Rename installed source files [xxx.installed]</translation>
    </message>
    <message>
        <source>NAVMerger: exécution en attente si erreur</source>
        <translation>NAVMerger: wait on error</translation>
    </message>
    <message>
        <source>INSTALLATION scénes/avions/objets (semi-)automatique</source>
        <translation>(Semi-)automatic INSTALLATION of scenery/aircraft/objects</translation>
    </message>
    <message>
        <source>Journal d&apos;activité</source>
        <translation>Activity log</translation>
    </message>
    <message>
        <source>Activity Log:</source>
        <translation>Activity Log:</translation>
    </message>
    <message>
        <source>S O U R C E</source>
        <translation>S O U R C E</translation>
    </message>
    <message>
        <source>Contenu du répertoire source</source>
        <translation>Contents of the source folder</translation>
    </message>
    <message>
        <source>SOURCE: sélectionner le répertoire source de l&apos;installation</source>
        <translation>SOURCE: select the source folder of the installation</translation>
    </message>
    <message>
        <source>Enregistrer le répertoire source par défaut</source>
        <translation>Save as default source folder</translation>
    </message>
    <message>
        <source>Type à installer</source>
        <translation>Type to install</translation>
    </message>
    <message>
        <source>Répertoire d&apos;installation</source>
        <translation>Installation folder</translation>
    </message>
    <message>
        <source>DESTINATION SCENES: Utiliser le répertoire de Fly2 ou une autre/externe répertoire de scènes</source>
        <translation>SCENERY DESTINATION: use the Fly2 folder or another/external scenery folder</translation>
    </message>
    <message>
        <source>Retour au répertoire présélectionner de Fly!</source>
        <translation>Back to the preselected Fly! folder</translation>
    </message>
    <message>
        <source>Sélectionne le répertoire autre/externe</source>
        <translation>Select the other/external folder</translation>
    </message>
    <message>
        <source>Répertoire externe de destination des scènes</source>
        <translation>Save as external scenery destination</translation>
    </message>
    <message>
        <source>Répertoire d&apos;installation  - un nouveau sous répertoire peut être ajouté/édité ci-dessous</source>
        <translation>Installation folder - a new subfolder can be added/edited below</translation>
    </message>
    <message>
        <source>Répertoire de base de FLY!2 (data, art, aircraft, ...)</source>
        <translation>FLY!2 base folder (data, art, aircraft, ...)</translation>
    </message>
    <message>
        <source>AIDE</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>Sauve Log en fichier texte</source>
        <translation>Save log as text file</translation>
    </message>
    <message>
        <source>QUITTER</source>
        <translation>QUIT</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>OK, INSTALLER</source>
        <translation>OK, INSTALL</translation>
    </message>
    <message>
        <source>Bibliothèque des add-ons</source>
        <translation>Add-on library</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copied: %1</translation>
    </message>
    <message>
        <source>Installation en cours</source>
        <translation>Installation in progress</translation>
    </message>
    <message>
        <source>SOURCE : une archive téléchargée (.zip, .rar, .7z...)</source>
        <translation>SOURCE: a downloaded archive (.zip, .rar, .7z...)</translation>
    </message>
    <message>
        <source>Archive de l&apos;add-on</source>
        <translation>The add-on&apos;s archive</translation>
    </message>
    <message>
        <source>Archives d&apos;add-on</source>
        <translation>Add-on archives</translation>
    </message>
    <message>
        <source>Ces fichiers ne sont dans aucun répertoire de Fly! (aircraft, modules, scenery...) :
%1
Les installer quand même ?</source>
        <translation>These files lie in none of the Fly! folders (aircraft, modules, scenery...):
%1
Install them anyway?</translation>
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
    <name>TF_SceneryCopy</name>
    <message>
        <source>Sous répertoire</source>
        <translation>Subfolders</translation>
    </message>
    <message>
        <source>Inutilisé</source>
        <translation>Unused</translation>
    </message>
    <message>
        <source>Copie les scènes de FLY!2</source>
        <translation>Copy FLY!2 scenery</translation>
    </message>
    <message>
        <source>Fichiers de scènes à copier</source>
        <translation>Scenery files to copy</translation>
    </message>
    <message>
        <source>Sélectionner le répertoire source des scènes</source>
        <translation>Select the scenery source folder</translation>
    </message>
    <message>
        <source>Sélectionner le répertoire de destination des scènes</source>
        <translation>Select the scenery destination folder</translation>
    </message>
    <message>
        <source>Cocher ci-dessous pour copier :</source>
        <translation>Check below to copy:</translation>
    </message>
    <message>
        <source>FICHIERS SOURCES</source>
        <translation>SOURCE FILES</translation>
    </message>
    <message>
        <source>inchangé</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>tout à OFF</source>
        <translation>all OFF</translation>
    </message>
    <message>
        <source>supprimer</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>TOUT cocher</source>
        <translation>Check ALL</translation>
    </message>
    <message>
        <source>Tout DECOCHER</source>
        <translation>Uncheck ALL</translation>
    </message>
    <message>
        <source>ANNULER sans COPIER</source>
        <translation>CANCEL without COPYING</translation>
    </message>
    <message>
        <source>OK, COPIER et QUITTER</source>
        <translation>OK, COPY and CLOSE</translation>
    </message>
    <message>
        <source>Autre Source ou Cible non défini!</source>
        <translation>Source or destination not set!</translation>
    </message>
    <message>
        <source>Copie des scènes en cours</source>
        <translation>Copying scenery</translation>
    </message>
</context>
<context>
    <name>TF_checkdlls</name>
    <message>
        <source>DECOCHER DLL CRITIQUES</source>
        <translation>UNCHECK CRITICAL DLLs</translation>
    </message>
    <message>
        <source>DLL critiques :
Fly2Lan.dll, FlyGpsOut.dll, gps.dll</source>
        <translation>Critical DLLs:
Fly2Lan.dll, FlyGpsOut.dll, gps.dll</translation>
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
    <message>
        <source>Une autre copie de FlyKestrel est déjà ouverte sur %1.
Celle-ci peut afficher les listes, les réglages, l&apos;historique des modifications et la bibliothèque des add-ons, mais ne peut rien changer dans ce dossier (activer, installer, enregistrer, annuler) tant que l&apos;autre reste ouverte.</source>
        <translation>Another copy of FlyKestrel is already open on %1.
This one can show the lists, the settings, the history of changes and the add-on library, but cannot change anything in this folder (switch on or off, install, save, undo) while the other one stays open.</translation>
    </message>
    <message>
        <source>Votre systtème Fly! est peut être défectueux. Non trouvé : %1</source>
        <translation>Your Fly! installation may be faulty. Not found: %1</translation>
    </message>
    <message>
        <source>Aucun fichier sélectionné</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>Création impossible %1</source>
        <translation>Cannot create %1</translation>
    </message>
    <message>
        <source>Le répertoire%1 existe déja !</source>
        <translation>The folder %1 already exists!</translation>
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
    <name>Tf_inikestrel</name>
    <message>
        <source>pas de fichiers sélectionnés</source>
        <translation>no file selected</translation>
    </message>
    <message>
        <source>*.INI kestrel</source>
        <translation>*.INI kestrel</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Grille des valeurs du fichier INI</source>
        <translation>Grid of the INI file values</translation>
    </message>
    <message>
        <source>Aide fly.ini</source>
        <translation>fly.ini help</translation>
    </message>
    <message>
        <source>Aide render.ini</source>
        <translation>render.ini help</translation>
    </message>
    <message>
        <source>OK, enregistrer</source>
        <translation>OK, save</translation>
    </message>
    <message>
        <source>QUITTER sans enregistrer</source>
        <translation>QUIT without saving</translation>
    </message>
    <message>
        <source>APPLIQUER les valeurs par défaut</source>
        <translation>APPLY the default values</translation>
    </message>
    <message>
        <source>APPLIQUER/CALC. nouvelles valeurs</source>
        <translation>APPLY/CALC. new values</translation>
    </message>
    <message>
        <source>Sélectionner SearchOtherDrives</source>
        <translation>Select SearchOtherDrives</translation>
    </message>
    <message>
        <source>Chercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Nom à chercher</source>
        <translation>Name to search for</translation>
    </message>
    <message>
        <source>Chercher encore</source>
        <translation>Search again</translation>
    </message>
    <message>
        <source>%1 NOT FOUND!</source>
        <translation>%1 NOT FOUND!</translation>
    </message>
    <message>
        <source>Lecture impossible : %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>%1 NON TROUVE!!!</source>
        <translation>%1 NOT FOUND!!!</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer %1 : %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
</context>
</TS>
