<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n файл сконвертирован.</numerusform>
            <numerusform>%n файла сконвертировано.</numerusform>
            <numerusform>%n файлов сконвертировано.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>Остановлено: сконвертировано %1 из %n файла.</numerusform>
            <numerusform>Остановлено: сконвертировано %1 из %n файлов.</numerusform>
            <numerusform>Остановлено: сконвертировано %1 из %n файлов.</numerusform>
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
        <translation>Использование: clipvane-cli --list
               clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                            [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

Конвертирует каждый FILE кодировщиком, по очереди, если --jobs не задаёт иное.

  -p, --profile PROFILE   название профиля, как его показывает --list, или своя
                          командная строка, например &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        записывать выходные файлы в DIR (папка создаётся, если её нет)
      --same-folder       записывать каждый выходной файл рядом с входным (по умолчанию)
      --ffmpeg PATH       использовать этот кодировщик вместо &quot;ffmpeg&quot; из путей поиска
      --overwrite MODE    спрашивать перед заменой существующего выходного файла
                          (по умолчанию в терминале) или без вопроса отвечать yes или no
                          (no: по умолчанию в остальных случаях)
  -j, --jobs N            конвертировать до N файлов одновременно (0: по одному на ядро
                          процессора; по умолчанию 1), не больше 4 на ядро и не больше,
                          чем позволяют лимиты открытых файлов и процессов
      --machine           выводить по строке на событие: progress/exit/signal/end/failed
  -l, --list              показать профили: группа, название, расширение, аргументы
  -h, --help              показать эту справку
  -V, --version           показать версию

Код завершения: 0 — всё сконвертировано, 1 — часть файлов не сконвертирована,
2 — ошибка в аргументах, 3 — не удалось запустить кодировщик, 130 — прервано.
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
Длинные пакеты:
      --keep-dates        каждому результату даётся время изменения исходного файла
  Ctrl+Z приостанавливает кодировщики вместе с программой; fg продолжает их.
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
        <translation>Использование: clipvane-cli --list
               clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                            [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
               clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

Конвертирует каждый FILE кодировщиком, по очереди, если --jobs не задаёт иное.

  -p, --profile PROFILE   название профиля, как его показывает --list, или своя
                          командная строка, например &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        записывать выходные файлы в DIR (папка создаётся, если её нет)
      --same-folder       записывать каждый выходной файл рядом с входным (по умолчанию)
      --ffmpeg PATH       использовать этот кодировщик вместо &quot;ffmpeg&quot; из путей поиска
      --overwrite MODE    спрашивать перед заменой существующего выходного файла
                          (по умолчанию в терминале) или без вопроса отвечать yes или no
                          (no: по умолчанию в остальных случаях)
                          файл, оставленный из-за no, пропускается, это не ошибка
  -j, --jobs N            конвертировать до N файлов одновременно (0: по одному на ядро
                          процессора; по умолчанию 1), не больше 4 на ядро и не больше,
                          чем позволяют лимиты открытых файлов и процессов
      --journal FILE      вести журнал пакета в FILE, чтобы --resume мог продолжить
                          пакет, если он был убит или прерван
      --resume FILE       преобразовать незавершённые файлы пакета из FILE с его
                          профилем и папкой; журнал удаляется, когда пакет завершён
      --machine           выводить по строке на событие: progress/exit/signal/end/skipped/failed
  -l, --list              показать профили: группа, название, расширение, аргументы
  -h, --help              показать эту справку
  -V, --version           показать версию

Код завершения: 0 — всё сконвертировано, 1 — часть файлов не сконвертирована,
2 — ошибка в аргументах, 3 — не удалось запустить кодировщик, 130 — прервано.
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 доступен только для чтения, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 доступен только для чтения.</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>Невозможно создать %1 (%2), конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>Невозможно создать %1 (%2).</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1, возможно, занят другой программой, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1, возможно, занят другой программой.</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 — это сам исходный файл, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 — это сам исходный файл.</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 — это папка, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 — это папка.</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>Невозможно заменить %1, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>Невозможно заменить %1.</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 входит в текущий список файлов, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 входит в текущий список файлов.</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 уже записан при этом запуске, конвертация не удалась!</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 уже записан при этом запуске.</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 не записан: не удалось запустить кодировщик (%2).</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 уже существует и не был перезаписан.</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>Кодировщик не создал выходной файл.</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>Кодировщик завершён сигналом %1.</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>Не удалось запустить кодировщик (код завершения 127).</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>Кодировщик завершился с кодом %1.</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>Кодировщик завершился неизвестным образом.</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>Кодировщик завершился, ничего не сконвертировав.</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>Не удалось запустить кодировщик %1: %2.</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>Не сконвертировано: не удалось запустить кодировщик (%1).</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>Не сконвертировано: пакет прерван из-за ошибки (%1).</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>В этом кодировщике нет кодировщика %1.</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>Не удалось сохранить дату исходного файла для %1: %2.</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 уже существует. Перезаписать?</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>Ошибка при создании процесса конвертации!</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>Ошибка чтения канала STDOUT: </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>Ошибка чтения канала STDERR: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>Ошибка создания канала STDIN: </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>Ошибка дублирования канала STDIN: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>Ошибка создания канала STDOUT: </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>Ошибка дублирования канала STDOUT: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>Ошибка создания канала STDERR: </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>Ошибка дублирования канала STDERR: </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>конвертация не удалась.</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>и ещё %1, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся выполнить запись в %1</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n файл сконвертирован, ошибок: %1.</numerusform>
            <numerusform>%n файла сконвертировано, ошибок: %1.</numerusform>
            <numerusform>%n файлов сконвертировано, ошибок: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n файл сконвертирован, ошибок: %1, пропущено: %2.</numerusform>
            <numerusform>%n файла сконвертировано, ошибок: %1, пропущено: %2.</numerusform>
            <numerusform>%n файлов сконвертировано, ошибок: %1, пропущено: %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n файл пропущен: выходной файл уже есть.</numerusform>
            <numerusform>%n файла пропущено: выходные файлы уже есть.</numerusform>
            <numerusform>%n файлов пропущено: выходные файлы уже есть.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>папке настроек пользователя (система её не указала)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>Не удалось сохранить настройки в %1; они сохранены в %2.</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>Ручная конвертация</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>Запрашивает ввод параметров</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>О программе Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>Версия: 3.0   Сборка 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>На основе:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>© 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>Поддержка: support@tarvix.example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Прошло: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>Оценка: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Ход конвертации</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>Молчит уже %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Дальше</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>Выберите один или несколько видеофайлов</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>Папка вывода %1 не существует.</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>Создать новую папку?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Не удаётся создать %1</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Выберите выходной формат!</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Этот файл FFmpeg.exe не существует.</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>Имя файла содержит специальные символы.</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>Переименуйте файл и попробуйте снова.</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Домашняя страница</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>&amp;Использовать другой FFmpeg</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>Конвертировать несколько файлов сразу (до %1)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>Выберите папку вывода</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>Конвертация видео между форматами</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Обновления...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. Нажмите на список «Тип:», чтобы выбрать выходной формат.</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. Нажмите «Начать...», чтобы выбрать файлы и запустить конвертацию.</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>«Ctrl + P» — открыть список профилей</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Папка вывода:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>Выбрать папку для выходных файлов</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>Как у исходного файла</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>Нажмите, чтобы открыть меню</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>Нажмите, чтобы открыть меню (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>Начать...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>Выбрать один или несколько видеофайлов и начать конвертацию</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>Файлы...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Открыть папку вывода</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>Открыть меню профилей</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Список профилей</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>Меню «Ещё»</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>Выберите другой: Ещё &gt; «Использовать другой FFmpeg».</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>Преобразовано; для %1 файлов не удалось сохранить дату исходного файла.</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>&amp;Сохранять даты исходных файлов</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>%n файл последнего пакета не был преобразован. Преобразовать сейчас?</numerusform>
            <numerusform>%n файла последнего пакета не были преобразованы. Преобразовать сейчас?</numerusform>
            <numerusform>%n файлов последнего пакета не были преобразованы. Преобразовать сейчас?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = Входной файл (%1 — выбранный файл)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = Размер видео (ширина x высота)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = Частота кадров видео (кадр/с)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = Битрейт видео (бит/с)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = Частота дискретизации звука (Гц)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = Битрейт звука (бит/с)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = Число каналов звука (1 — моно, 2 — стерео)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = Выходной файл (.xxx — целевой формат!)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>Ручная конвертация</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>Введите командную строку и расширение выходного файла:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>Параметры (без -i и выходного файла):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>Расширение (без &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>Программа выполнит следующее (только чтение):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>Проверьте введённые параметры!</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>Использовать другой FFmpeg</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>Путь к FFmpeg</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Этот файл FFmpeg.exe не существует.</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>Выбрать FFmpeg</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Привет от Clipvane!</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>&amp;Если выходной файл есть</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Спрашивать</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменять</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Пропускать</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 используется другим запуском: после сбоя этот пакет нельзя будет продолжить.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>Не удалось записать %1 (%2): после сбоя этот пакет нельзя будет продолжить.</translation>
    </message>
</context>
</TS>
