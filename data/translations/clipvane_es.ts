<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n archivo convertido.</numerusform>
            <numerusform>%n archivos convertidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>Detenido: %1 de %n archivo convertido.</numerusform>
            <numerusform>Detenido: %1 de %n archivos convertidos.</numerusform>
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
        <translation>Uso: clipvane-cli --list
     clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                  [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

Convierte cada FILE con el codificador, uno tras otro salvo que --jobs indique otra cosa.

  -p, --profile PROFILE   el nombre de un perfil tal como lo muestra --list, o una línea
                          de comandos manual como &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        escribe las salidas en DIR (la crea si no existe)
      --same-folder       escribe cada salida junto a su entrada (predeterminado)
      --ffmpeg PATH       usa este codificador en lugar del &quot;ffmpeg&quot; de la ruta de búsqueda
      --overwrite MODE    pregunta antes de reemplazar una salida existente (predeterminado
                          en un terminal), o responde yes o no sin preguntar (no: predeterminado
                          en los demás casos)
  -j, --jobs N            convierte hasta N archivos a la vez (0: uno por núcleo;
                          predeterminado: 1), nunca más de 4 por núcleo ni más de lo
                          que permiten los límites de archivos abiertos y procesos
      --machine           imprime una línea por aviso: progress/exit/signal/end/failed
  -l, --list              lista los perfiles: grupo, nombre, extensión, argumentos
  -h, --help              muestra esta ayuda
  -V, --version           muestra la versión

Código de salida: 0 todo convertido, 1 alguno falló, 2 error de uso, 3 no se pudo iniciar
el codificador, 130 interrumpido.
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
Lotes largos:
      --keep-dates        da a cada salida la fecha de modificación de su origen
  Ctrl+Z pausa los codificadores junto con el programa; fg los reanuda.
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
        <translation>Uso: clipvane-cli --list
     clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                  [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
     clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

Convierte cada FILE con el codificador, uno tras otro salvo que --jobs indique otra cosa.

  -p, --profile PROFILE   el nombre de un perfil tal como lo muestra --list, o una línea
                          de comandos manual como &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        escribe las salidas en DIR (la crea si no existe)
      --same-folder       escribe cada salida junto a su entrada (predeterminado)
      --ffmpeg PATH       usa este codificador en lugar del &quot;ffmpeg&quot; de la ruta de búsqueda
      --overwrite MODE    pregunta antes de reemplazar una salida existente (predeterminado
                          en un terminal), o responde yes o no sin preguntar (no: predeterminado
                          en los demás casos)
                          un archivo conservado con no se omite, no es un fallo
  -j, --jobs N            convierte hasta N archivos a la vez (0: uno por núcleo;
                          predeterminado: 1), nunca más de 4 por núcleo ni más de lo
                          que permiten los límites de archivos abiertos y procesos
      --journal FILE      llevar el diario del lote en FILE, para que --resume pueda
                          reanudar un lote terminado a la fuerza o interrumpido
      --resume FILE       convertir los archivos del lote de FILE que no habían terminado,
                          con su perfil y carpeta; el diario se borra al terminar el lote
      --machine           imprime una línea por aviso: progress/exit/signal/end/skipped/failed
  -l, --list              lista los perfiles: grupo, nombre, extensión, argumentos
  -h, --help              muestra esta ayuda
  -V, --version           muestra la versión

Código de salida: 0 todo convertido, 1 alguno falló, 2 error de uso, 3 no se pudo iniciar
el codificador, 130 interrumpido.
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 es de solo lectura, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>No se puede crear %1 (%2), ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>No se puede crear %1 (%2).</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 puede estar en uso, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 puede estar en uso.</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 es el propio archivo de entrada, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 es el propio archivo de entrada.</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 es una carpeta, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 es una carpeta.</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>No se pudo reemplazar %1, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>No se pudo reemplazar %1.</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 es un archivo de este lote, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 es un archivo de este lote.</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>Este lote ya ha escrito %1, ¡falló la conversión!</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>Este lote ya ha escrito %1.</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 no se escribió: no se pudo iniciar el codificador (%2).</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 ya existe y no se ha sobrescrito.</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>El codificador no ha escrito ningún archivo de salida.</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>El codificador ha terminado por la señal %1.</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>No se pudo iniciar el codificador (código de salida 127).</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>El codificador ha terminado con el código de salida %1.</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>El codificador ha terminado de forma desconocida.</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>El codificador ha terminado sin convertir nada.</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>No se pudo iniciar el codificador %1: %2.</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>No convertido: no se pudo iniciar el codificador (%1).</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>No convertido: el lote terminó con un error (%1).</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>Este codificador no tiene el codificador %1.</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>No se pudo conservar la fecha del origen en %1: %2.</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>¡Error al crear el proceso de conversión!</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>Error al leer la tubería STDOUT : </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>Error al leer la tubería STDERR : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>Error al crear la tubería STDIN : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>Error al duplicar la tubería STDIN : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>Error al crear la tubería STDOUT : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>Error al duplicar la tubería STDOUT : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>Error al crear la tubería STDERR : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>Error al duplicar la tubería STDERR : </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>conversión fallida.</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>y %1 más, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n archivo convertido; fallidos: %1.</numerusform>
            <numerusform>%n archivos convertidos; fallidos: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n archivo convertido, %1 con error, %2 omitido(s).</numerusform>
            <numerusform>%n archivos convertidos, %1 con error, %2 omitido(s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n archivo omitido: su salida ya existe.</numerusform>
            <numerusform>%n archivos omitidos: sus salidas ya existen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>la carpeta de configuración del usuario (el sistema no indica ninguna)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>No se pudo guardar la configuración en %1; se ha guardado en %2.</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>Conversión manual</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>Pide introducir los parámetros</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>Acerca de Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>Versión: 3.0   Compilación 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>Basado en:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>Copyright (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>Soporte: support@tarvix.example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Transcurrido: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>Total estimado: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>Codificador mudo: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>Seleccione uno o más archivos de vídeo</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>%1: la carpeta de salida no existe.</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>¿Crear una carpeta nueva?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>¡Elija el formato de salida!</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Este archivo FFmpeg.exe no existe.</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>El nombre del archivo contiene caracteres especiales.</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>Cambie el nombre del archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Página web</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>&amp;Usar otro FFmpeg</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>Convertir varios archivos a la vez (hasta %1)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>Seleccione la carpeta de salida</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>Convierte vídeos a muchos formatos</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Actualizaciones...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. Haga clic en &apos;Perfil:&apos; para elegir un formato de salida.</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. Haga clic en &apos;Convertir...&apos; para elegir los archivos y convertirlos.</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>&apos;Ctrl + P&apos; abre la lista de perfiles</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>Elija la carpeta de los archivos de salida</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>Misma carpeta que la entrada</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>Haga clic para abrir el menú</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>Haga clic para abrir el menú (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>Convertir...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>Seleccione uno o más archivos de vídeo e inicie la conversión</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>Ver salida...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>Abrir el menú de perfiles</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Lista de perfiles</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>Menú Avanzado</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>Elija otro con Avanzado &gt; «Usar otro FFmpeg».</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>Convertido; no se pudo conservar la fecha del origen en %1 de los archivos.</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>&amp;Conservar las fechas del origen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>%n archivo del último lote no se convirtió. ¿Convertirlo ahora?</numerusform>
            <numerusform>%n archivos del último lote no se convirtieron. ¿Convertirlos ahora?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = Archivo de entrada (%1 es el archivo elegido)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = Tamaño del vídeo (ancho x alto)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = Fotogramas por segundo del vídeo (fps)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = Tasa de bits del vídeo (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = Frecuencia de muestreo del audio (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = Tasa de bits del audio (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = Canales de audio (1 mono, 2 estéreo)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = Archivo de salida (¡.xxx es el formato de destino!)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>Conversión manual</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>Introduzca la línea de comandos y la extensión del archivo de salida:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>Línea de comandos (sin -i ni salida):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>Extensión (sin &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>El programa usará lo siguiente (solo lectura):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>¡Compruebe los parámetros introducidos!</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>Usar otro FFmpeg</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>Seleccione la ruta de FFmpeg</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>No usarlo</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Este archivo FFmpeg.exe no existe.</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>Buscar FFmpeg</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>¡Hola desde Clipvane!</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>&amp;Si la salida ya existe</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Preguntar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 está en uso por otra ejecución: este lote no podrá reanudarse tras un fallo.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>No se pudo escribir %1 (%2): este lote no podrá reanudarse tras un fallo.</translation>
    </message>
</context>
</TS>
