<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
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
  -j, --jobs N            convert N files at once (0: one per processor core; default 1)
      --machine           print one line per notice: progress/exit/signal/end/failed
  -l, --list              list the profiles: group, caption, extension, arguments
  -h, --help              show this help
  -V, --version           show the version

Exit status: 0 all converted, 1 some failed, 2 usage error, 3 the encoder could not
be started, 130 interrupted.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert several files at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
