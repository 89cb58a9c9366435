<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n Datei konvertiert.</numerusform>
            <numerusform>%n Dateien konvertiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>Angehalten: %1 von %n Datei konvertiert.</numerusform>
            <numerusform>Angehalten: %1 von %n Dateien konvertiert.</numerusform>
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
        <translation>Aufruf: clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

Konvertiert jede Datei FILE mit dem Encoder, eine nach der anderen, sofern --jobs nichts
anderes festlegt.

  -p, --profile PROFILE   eine Profilbezeichnung, wie --list sie zeigt, oder eine manuelle
                          Befehlszeile wie &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        die Ausgabedateien in DIR schreiben (wird bei Bedarf angelegt)
      --same-folder       jede Ausgabedatei neben ihre Eingabedatei schreiben (Standard)
      --ffmpeg PATH       diesen Encoder statt des im Suchpfad gefundenen &quot;ffmpeg&quot; verwenden
      --overwrite MODE    vor dem Ersetzen einer vorhandenen Ausgabedatei fragen (Standard in
                          einem Terminal) oder ohne Nachfrage yes oder no antworten (no: sonst
                          der Standard)
  -j, --jobs N            bis zu N Dateien gleichzeitig konvertieren (0: eine je
                          Prozessorkern; Standard 1), nie mehr als 4 je Kern oder als
                          die Grenzen für offene Dateien und Prozesse erlauben
      --machine           eine Zeile je Meldung ausgeben: progress/exit/signal/end/failed
  -l, --list              die Profile auflisten: Gruppe, Bezeichnung, Endung, Argumente
  -h, --help              diese Hilfe anzeigen
  -V, --version           die Version anzeigen

Exit-Code: 0 alle konvertiert, 1 einige fehlgeschlagen, 2 falscher Aufruf, 3 der Encoder konnte
nicht gestartet werden, 130 abgebrochen.
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
Lange Stapel:
      --keep-dates        jede Ausgabe erhält die Änderungszeit ihrer Quelle
  Strg+Z hält die Encoder mit dem Programm an; fg setzt sie fort.
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
        <translation>Aufruf: clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
        clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

Konvertiert jede Datei FILE mit dem Encoder, eine nach der anderen, sofern --jobs nichts
anderes festlegt.

  -p, --profile PROFILE   eine Profilbezeichnung, wie --list sie zeigt, oder eine manuelle
                          Befehlszeile wie &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        die Ausgabedateien in DIR schreiben (wird bei Bedarf angelegt)
      --same-folder       jede Ausgabedatei neben ihre Eingabedatei schreiben (Standard)
      --ffmpeg PATH       diesen Encoder statt des im Suchpfad gefundenen &quot;ffmpeg&quot; verwenden
      --overwrite MODE    vor dem Ersetzen einer vorhandenen Ausgabedatei fragen (Standard in
                          einem Terminal) oder ohne Nachfrage yes oder no antworten (no: sonst
                          der Standard)
                          eine mit no behaltene Datei gilt als übersprungen, nicht als Fehler
  -j, --jobs N            bis zu N Dateien gleichzeitig konvertieren (0: eine je
                          Prozessorkern; Standard 1), nie mehr als 4 je Kern oder als
                          die Grenzen für offene Dateien und Prozesse erlauben
      --journal FILE      das Journal des Stapels in FILE führen, damit --resume einen
                          abgebrochenen oder unterbrochenen Stapel fortsetzen kann
      --resume FILE       die noch nicht beendeten Dateien des Stapels in FILE mit dessen
                          Profil und Ordner konvertieren; das Journal geht mit dem Ende
      --machine           eine Zeile je Meldung ausgeben: progress/exit/signal/end/skipped/failed
  -l, --list              die Profile auflisten: Gruppe, Bezeichnung, Endung, Argumente
  -h, --help              diese Hilfe anzeigen
  -V, --version           die Version anzeigen

Exit-Code: 0 alle konvertiert, 1 einige fehlgeschlagen, 2 falscher Aufruf, 3 der Encoder konnte
nicht gestartet werden, 130 abgebrochen.
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 ist schreibgeschützt, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>%1 kann nicht erstellt werden (%2), Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>%1 kann nicht erstellt werden (%2).</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 wird möglicherweise gerade verwendet, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 wird möglicherweise gerade verwendet.</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 ist die Eingabedatei selbst, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 ist die Eingabedatei selbst.</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 ist ein Ordner, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>%1 konnte nicht ersetzt werden, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 ist eine Datei dieses Stapels, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 ist eine Datei dieses Stapels.</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 wurde in diesem Stapel bereits geschrieben, Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 wurde in diesem Stapel bereits geschrieben.</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 wurde nicht geschrieben: Der Encoder konnte nicht gestartet werden (%2).</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 ist bereits vorhanden und wurde nicht überschrieben.</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>Der Encoder hat keine Ausgabedatei geschrieben.</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>Der Encoder wurde durch Signal %1 beendet.</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>Der Encoder konnte nicht gestartet werden (Exit-Code 127).</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>Der Encoder wurde mit Exit-Code %1 beendet.</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>Der Encoder wurde auf unbekannte Weise beendet.</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>Der Encoder wurde beendet, ohne etwas zu konvertieren.</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>Der Encoder %1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>Nicht konvertiert: Der Encoder konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>Nicht konvertiert: Die Umwandlung endete mit einem Fehler (%1).</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>Diesem Encoder fehlt der Encoder %1.</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>Das Datum der Quelle konnte nicht auf %1 übertragen werden: %2.</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 ist bereits vorhanden. Überschreiben?</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>Fehler beim Erstellen des Konvertierungsprozesses!</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>Fehler beim Lesen der STDOUT-Pipe: </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>Fehler beim Lesen der STDERR-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>Fehler beim Erstellen der STDIN-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>Fehler beim Duplizieren der STDIN-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>Fehler beim Erstellen der STDOUT-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>Fehler beim Duplizieren der STDOUT-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>Fehler beim Erstellen der STDERR-Pipe: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>Fehler beim Duplizieren der STDERR-Pipe: </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>Konvertierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>und %1 weitere, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben in %1 nicht möglich</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n Datei konvertiert, %1 fehlgeschlagen.</numerusform>
            <numerusform>%n Dateien konvertiert, %1 fehlgeschlagen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n Datei konvertiert, %1 fehlgeschlagen, %2 übersprungen.</numerusform>
            <numerusform>%n Dateien konvertiert, %1 fehlgeschlagen, %2 übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n Datei übersprungen: ihre Ausgabedatei existiert.</numerusform>
            <numerusform>%n Dateien übersprungen: ihre Ausgabedateien existieren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>Ihrem Einstellungsordner (das System gibt keinen an)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden; sie werden in %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>Manuelle Konvertierung</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>Fragt nach den Parametern</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>Über Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>Version: 3.0   Build 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>Basiert auf:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>Copyright (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>Support: support@tarvix.example</translation>
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
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Vergangene Zeit: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>Geschätzte Zeit: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Konvertierungsfortschritt</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>Encoder seit %1 stumm</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>Eine oder mehrere Videodateien auswählen</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>Der Ausgabeordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>Neuen Ordner erstellen?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Bitte wählen Sie ein Ausgabeformat!</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Diese Datei FFmpeg.exe existiert nicht.</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>Der Dateiname enthält Sonderzeichen.</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>Bitte benennen Sie die Datei um und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>&amp;Anderes FFmpeg verwenden</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>Mehrere Dateien gleichzeitig konvertieren (bis zu %1)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>Bitte wählen Sie den Ausgabeordner</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>Videos in viele Formate konvertieren</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. Klicken Sie auf das Feld „Profil:“, um ein Ausgabeformat zu wählen.</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. Klicken Sie auf „Starten...“, um Dateien zu wählen und zu konvertieren.</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>„Ctrl + P“ öffnet die Profilliste</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>Ordner für die Ausgabedateien wählen</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>Wie die Eingabedatei</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>Klicken, um das Menü zu öffnen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>Klicken, um das Menü zu öffnen (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>Starten...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>Eine oder mehrere Videodateien wählen und die Konvertierung starten</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>Anzeigen...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>Profilmenü öffnen</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Profilliste</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>Menü „Erweitert“</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>Wählen Sie unter Erweitert &gt; „Anderes FFmpeg verwenden“ ein anderes.</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>Konvertiert; bei %1 der Dateien konnte das Datum der Quelle nicht übernommen werden.</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>Datum der Quelle &amp;beibehalten</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>%n Datei des letzten Stapels wurde nicht konvertiert. Jetzt konvertieren?</numerusform>
            <numerusform>%n Dateien des letzten Stapels wurden nicht konvertiert. Jetzt konvertieren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = Eingabedatei (%1 ist die ausgewählte Datei)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = Videogröße (Breite x Höhe)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = Video-Bildrate (fps)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = Video-Bitrate (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = Audio-Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = Audio-Bitrate (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = Audiokanäle (1 Mono, 2 Stereo)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = Ausgabedatei (.xxx ist das Zielformat!)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>Manuelle Konvertierung</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>Bitte geben Sie die Befehlszeile und die Endung der Ausgabedatei ein:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>Befehlszeile (ohne -i und Ausgabedatei):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>Dateiendung (ohne &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>Das Programm verwendet Folgendes (schreibgeschützt):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>Bitte überprüfen Sie die eingegebenen Parameter!</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>Anderes FFmpeg verwenden</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>FFmpeg-Pfad wählen</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>Nicht nutzen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Diese Datei FFmpeg.exe existiert nicht.</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>FFmpeg suchen</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Hallo von Clipvane!</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>&amp;Wenn die Ausgabedatei existiert</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Fragen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 wird von einem anderen Lauf verwendet: dieser Stapel kann nach einem Absturz nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>%1 konnte nicht geschrieben werden (%2): dieser Stapel kann nach einem Absturz nicht fortgesetzt werden.</translation>
    </message>
</context>
</TS>
