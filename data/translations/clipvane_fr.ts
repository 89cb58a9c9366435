<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n fichier converti.</numerusform>
            <numerusform>%n fichiers convertis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>Arrêté : %1 fichier converti sur %n.</numerusform>
            <numerusform>Arrêté : %1 fichiers convertis sur %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCliOptions</name>
    <message>
        <source>Usage: clipvane-cli --list
       clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                    [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

Converts each FILE with the encoder, one after another unless --jobs says otherwise.

  -p, --profile PROFILE   a profile caption as --list shows it, or a manual command
                          line such as &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        write the outputs into DIR (created if missing)
      --same-folder       write each output beside its input (the default)
      --ffmpeg PATH       use this encoder instead of &quot;ffmpeg&quot; found on the search path
      --overwrite MODE    ask before replacing an existing output (default on a terminal),
                          or answer yes or no without asking (no: the default otherwise)
  -j, --jobs N            convert up to N files at once (0: one per processor core;
                          default 1), never more than 4 per core or than the limits
                          on open files and processes allow
      --machine           print one line per notice: progress/exit/signal/end/failed
  -l, --list              list the profiles: group, caption, extension, arguments
  -h, --help              show this help
  -V, --version           show the version

Exit status: 0 all converted, 1 some failed, 2 usage error, 3 the encoder could not
be started, 130 interrupted.
</source>
        <translation>Usage : clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

Convertit chaque fichier FILE avec l&apos;encodeur, l&apos;un après l&apos;autre, sauf si --jobs en décide
autrement.

  -p, --profile PROFILE   un nom de profil tel que --list l&apos;affiche, ou une ligne de commande
                          manuelle comme &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        écrire les fichiers de sortie dans DIR (créé s&apos;il n&apos;existe pas)
      --same-folder       écrire chaque fichier de sortie à côté de son fichier d&apos;entrée (par
                          défaut)
      --ffmpeg PATH       utiliser cet encodeur au lieu du &quot;ffmpeg&quot; trouvé dans le chemin de
                          recherche
      --overwrite MODE    demander avant de remplacer un fichier de sortie existant (par défaut
                          dans un terminal), ou répondre yes ou no sans demander (no : par
                          défaut sinon)
  -j, --jobs N            convertir jusqu&apos;à N fichiers à la fois (0 : un par cœur de
                          processeur ; 1 par défaut), jamais plus de 4 par cœur ni plus
                          que les limites de fichiers ouverts et de processus
      --machine           afficher une ligne par notification : progress/exit/signal/end/failed
  -l, --list              lister les profils : groupe, nom, extension, arguments
  -h, --help              afficher cette aide
  -V, --version           afficher la version

Code de sortie : 0 tout est converti, 1 certains ont échoué, 2 erreur d&apos;utilisation, 3 l&apos;encodeur
n&apos;a pas pu être démarré, 130 interrompu.
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
Longs lots :
      --keep-dates        donne à chaque sortie la date de modification de sa source
  Ctrl+Z suspend les encodeurs avec le programme ; fg les reprend.
</translation>
    </message>
    <message>
        <source>Usage: clipvane-cli --list
       clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                    [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
       clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

Converts each FILE with the encoder, one after another unless --jobs says otherwise.

  -p, --profile PROFILE   a profile caption as --list shows it, or a manual command
                          line such as &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        write the outputs into DIR (created if missing)
      --same-folder       write each output beside its input (the default)
      --ffmpeg PATH       use this encoder instead of &quot;ffmpeg&quot; found on the search path
      --overwrite MODE    ask before replacing an existing output (default on a terminal),
                          or answer yes or no without asking (no: the default otherwise)
                          a file kept by no is skipped, which is no failure
  -j, --jobs N            convert up to N files at once (0: one per processor core;
                          default 1), never more than 4 per core or than the limits
                          on open files and processes allow
      --journal FILE      keep the batch&apos;s journal in FILE, so that --resume can take
                          up the batch should it be killed or interrupted
      --resume FILE       convert the files of FILE&apos;s batch that had not ended, with
                          its profile and folder; the journal goes once the batch ends
      --machine           print one line per notice: progress/exit/signal/end/skipped/failed
  -l, --list              list the profiles: group, caption, extension, arguments
  -h, --help              show this help
  -V, --version           show the version

Exit status: 0 all converted, 1 some failed, 2 usage error, 3 the encoder could not
be started, 130 interrupted.
</source>
        <translation>Usage : clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
        clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

Convertit chaque fichier FILE avec l&apos;encodeur, l&apos;un après l&apos;autre, sauf si --jobs en décide
autrement.

  -p, --profile PROFILE   un nom de profil tel que --list l&apos;affiche, ou une ligne de commande
                          manuelle comme &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        écrire les fichiers de sortie dans DIR (créé s&apos;il n&apos;existe pas)
      --same-folder       écrire chaque fichier de sortie à côté de son fichier d&apos;entrée (par
                          défaut)
      --ffmpeg PATH       utiliser cet encodeur au lieu du &quot;ffmpeg&quot; trouvé dans le chemin de
                          recherche
      --overwrite MODE    demander avant de remplacer un fichier de sortie existant (par défaut
                          dans un terminal), ou répondre yes ou no sans demander (no : par
                          défaut sinon)
                          un fichier conservé par no est ignoré, ce n&apos;est pas un échec
  -j, --jobs N            convertir jusqu&apos;à N fichiers à la fois (0 : un par cœur de
                          processeur ; 1 par défaut), jamais plus de 4 par cœur ni plus
                          que les limites de fichiers ouverts et de processus
      --journal FILE      tenir le journal du lot dans FILE, pour que --resume puisse
                          reprendre un lot tué ou interrompu
      --resume FILE       convertir les fichiers non terminés du lot de FILE, avec son
                          profil et son dossier ; le journal disparaît à la fin du lot
      --machine           afficher une ligne par notification : progress/exit/signal/end/skipped/failed
  -l, --list              lister les profils : groupe, nom, extension, arguments
  -h, --help              afficher cette aide
  -V, --version           afficher la version

Code de sortie : 0 tout est converti, 1 certains ont échoué, 2 erreur d&apos;utilisation, 3 l&apos;encodeur
n&apos;a pas pu être démarré, 130 interrompu.
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 est en lecture seule, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>Impossible de créer %1 (%2), la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>Impossible de créer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 est peut-être en cours d&apos;utilisation, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 est peut-être en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 est le fichier d&apos;entrée lui-même, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 est le fichier d&apos;entrée lui-même.</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 est un dossier, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>%1 n&apos;a pas pu être remplacé, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 n&apos;a pas pu être remplacé.</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 fait partie des fichiers de ce lot, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 fait partie des fichiers de ce lot.</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 a déjà été écrit par ce lot, la conversion a échoué&#xa0;!</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 a déjà été écrit par ce lot.</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 n&apos;a pas été écrit&#xa0;: l&apos;encodeur n&apos;a pas pu être démarré (%2).</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 existe déjà et n&apos;a pas été remplacé.</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>L&apos;encodeur n&apos;a écrit aucun fichier de sortie.</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>L&apos;encodeur a été arrêté par le signal %1.</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>L&apos;encodeur n&apos;a pas pu être démarré (code de sortie 127).</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>L&apos;encodeur s&apos;est terminé avec le code de sortie %1.</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>L&apos;encodeur s&apos;est terminé de façon inconnue.</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>L&apos;encodeur s&apos;est terminé sans rien convertir.</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>L&apos;encodeur %1 n&apos;a pas pu être démarré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>Non converti&#xa0;: l&apos;encodeur n&apos;a pas pu être démarré (%1).</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>Non converti&#xa0;: le lot s&apos;est arrêté sur une erreur (%1).</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>Cet encodeur n&apos;a pas d&apos;encodeur %1.</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>La date de la source n&apos;a pas pu être conservée sur %1 : %2.</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>Erreur lors de la création du processus de conversion&#xa0;!</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>Erreur de lecture du tube STDOUT&#xa0;: </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>Erreur de lecture du tube STDERR&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>Erreur lors de la création du tube STDIN&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>Erreur lors de la duplication du tube STDIN&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>Erreur lors de la création du tube STDOUT&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>Erreur lors de la duplication du tube STDOUT&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>Erreur lors de la création du tube STDERR&#xa0;: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>Erreur lors de la duplication du tube STDERR&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>échec de la conversion.</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>et %1 autres, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n fichier converti, %1 en échec.</numerusform>
            <numerusform>%n fichiers convertis, %1 en échec.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n fichier converti, %1 en échec, %2 ignoré(s).</numerusform>
            <numerusform>%n fichiers convertis, %1 en échec, %2 ignoré(s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n fichier ignoré : sa sortie existe.</numerusform>
            <numerusform>%n fichiers ignorés : leurs sorties existent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>le dossier de paramètres de l&apos;utilisateur (le système n&apos;en indique aucun)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1&#xa0;; ils sont enregistrés dans %2.</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>Conversion manuelle</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>Demande la saisie des paramètres</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>À propos de Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>Version&#xa0;: 3.0   Build 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>Basé sur&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>Copyright (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>Assistance&#xa0;: support@tarvix.example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Temps écoulé&#xa0;: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>Temps estimé&#xa0;: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>Encodeur muet depuis %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>Sélectionner un ou plusieurs fichiers vidéo</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>Le dossier de sortie %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>Créer un nouveau dossier&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Veuillez choisir le format de sortie&#xa0;!</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Ce fichier FFmpeg.exe n&apos;existe pas.</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>Le nom du fichier contient des caractères spéciaux.</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>Veuillez renommer le fichier et réessayer.</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Page d&apos;&amp;accueil</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>&amp;Utiliser un autre FFmpeg</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>Convertir plusieurs fichiers à la fois (jusqu&apos;à %1)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>Veuillez sélectionner le dossier de sortie</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>Conversion vidéo multiformat</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Vérifier les mises à jour...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. Cliquez sur la liste «&#xa0;Profil&#xa0;:&#xa0;» pour choisir un format de sortie.</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. Cliquez sur «&#xa0;Convertir...&#xa0;» pour choisir des fichiers et lancer la conversion.</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil&#xa0;:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>«&#xa0;Ctrl + P&#xa0;» ouvre la liste des profils</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Dossier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>Choisir le dossier des fichiers de sortie</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>Comme le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>Cliquer pour ouvrir le menu</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>Cliquer pour ouvrir le menu (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>Convertir...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>Choisir un ou plusieurs fichiers vidéo et lancer la conversion</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>Afficher...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>Quitter le logiciel</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>Ouvrir le menu des profils</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Liste des profils</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>Menu Avancé</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>Choisissez-en un autre avec Avancé &gt; « Utiliser un autre FFmpeg ».</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>Converti ; la date de la source n&apos;a pas pu être conservée pour %1 des fichiers.</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>&amp;Conserver les dates de la source</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>%n fichier du dernier lot n&apos;a pas été converti. Le convertir maintenant ?</numerusform>
            <numerusform>%n fichiers du dernier lot n&apos;ont pas été convertis. Les convertir maintenant ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = Fichier d&apos;entrée (%1 est le fichier sélectionné)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = Taille de la vidéo (largeur x hauteur)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = Fréquence d&apos;images vidéo (i/s)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = Débit vidéo (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = Fréquence d&apos;échantillonnage audio (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = Débit audio (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = Canaux audio (1 mono, 2 stéréo)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = Fichier de sortie (.xxx&#xa0;: le format cible&#xa0;!)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>Conversion manuelle</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>Veuillez saisir la ligne de commande et l&apos;extension du fichier de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>Ligne de commande (sans -i ni sortie)&#xa0;:</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>Extension (sans &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>Le logiciel utilisera ceci (lecture seule)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>Veuillez vérifier les paramètres saisis&#xa0;!</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>Utiliser un autre FFmpeg</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>Choisir le chemin de FFmpeg</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>Ne pas utiliser</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Ce fichier FFmpeg.exe n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>Rechercher FFmpeg</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Bonjour de Clipvane&#xa0;!</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>&amp;Si la sortie existe</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Demander</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 est utilisé par une autre exécution : ce lot ne pourra pas être repris après un plantage.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>%1 n&apos;a pas pu être écrit (%2) : ce lot ne pourra pas être repris après un plantage.</translation>
    </message>
</context>
</TS>
