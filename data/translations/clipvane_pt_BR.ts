<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n arquivo convertido.</numerusform>
            <numerusform>%n arquivos convertidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>Interrompido: %1 de %n arquivo convertido.</numerusform>
            <numerusform>Interrompido: %1 de %n arquivos convertidos.</numerusform>
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

Converte cada FILE com o codificador, um após o outro, a menos que --jobs diga o contrário.

  -p, --profile PROFILE   o nome de um perfil como --list o mostra, ou uma linha de
                          comando manual como &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        grava as saídas em DIR (criada se não existir)
      --same-folder       grava cada saída ao lado da sua entrada (o padrão)
      --ffmpeg PATH       usa este codificador em vez do &quot;ffmpeg&quot; do caminho de pesquisa
      --overwrite MODE    pergunta antes de substituir uma saída existente (padrão em um
                          terminal), ou responde yes ou no sem perguntar (no: o padrão nos
                          demais casos)
  -j, --jobs N            converte até N arquivos ao mesmo tempo (0: um por núcleo;
                          padrão: 1), nunca mais de 4 por núcleo nem além do que os
                          limites de arquivos abertos e processos permitem
      --machine           imprime uma linha por aviso: progress/exit/signal/end/failed
  -l, --list              lista os perfis: grupo, nome, extensão, argumentos
  -h, --help              mostra esta ajuda
  -V, --version           mostra a versão

Código de saída: 0 tudo convertido, 1 alguma falha, 2 erro de uso, 3 não foi possível
iniciar o codificador, 130 interrompido.
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
Lotes longos:
      --keep-dates        dá a cada saída a data de modificação da sua origem
  Ctrl+Z pausa os codificadores junto com o programa; fg os retoma.
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

Converte cada FILE com o codificador, um após o outro, a menos que --jobs diga o contrário.

  -p, --profile PROFILE   o nome de um perfil como --list o mostra, ou uma linha de
                          comando manual como &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        grava as saídas em DIR (criada se não existir)
      --same-folder       grava cada saída ao lado da sua entrada (o padrão)
      --ffmpeg PATH       usa este codificador em vez do &quot;ffmpeg&quot; do caminho de pesquisa
      --overwrite MODE    pergunta antes de substituir uma saída existente (padrão em um
                          terminal), ou responde yes ou no sem perguntar (no: o padrão nos
                          demais casos)
                          um arquivo mantido por no é ignorado, o que não é uma falha
  -j, --jobs N            converte até N arquivos ao mesmo tempo (0: um por núcleo;
                          padrão: 1), nunca mais de 4 por núcleo nem além do que os
                          limites de arquivos abertos e processos permitem
      --journal FILE      manter o diário do lote em FILE, para que --resume possa
                          retomar um lote encerrado à força ou interrompido
      --resume FILE       converter os arquivos do lote de FILE que não terminaram, com
                          seu perfil e pasta; o diário é apagado quando o lote termina
      --machine           imprime uma linha por aviso: progress/exit/signal/end/skipped/failed
  -l, --list              lista os perfis: grupo, nome, extensão, argumentos
  -h, --help              mostra esta ajuda
  -V, --version           mostra a versão

Código de saída: 0 tudo convertido, 1 alguma falha, 2 erro de uso, 3 não foi possível
iniciar o codificador, 130 interrompido.
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 é somente leitura, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 é somente leitura.</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>Não é possível criar %1 (%2), a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>Não é possível criar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 pode estar em uso, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 pode estar em uso.</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 é o próprio arquivo de entrada, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 é o próprio arquivo de entrada.</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 é uma pasta, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 é uma pasta.</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>Não foi possível substituir %1, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>Não foi possível substituir %1.</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 é um arquivo deste lote, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 é um arquivo deste lote.</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 já foi gravado por este lote, a conversão falhou!</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 já foi gravado por este lote.</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 não foi gravado: não foi possível iniciar o codificador (%2).</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 já existe e não foi sobrescrito.</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>O codificador não gravou nenhum arquivo de saída.</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>O codificador foi encerrado pelo sinal %1.</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>Não foi possível iniciar o codificador (código de saída 127).</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>O codificador terminou com o código de saída %1.</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>O codificador terminou de forma desconhecida.</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>O codificador terminou sem converter nada.</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>Não foi possível iniciar o codificador %1: %2.</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>Não convertido: não foi possível iniciar o codificador (%1).</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>Não convertido: o lote terminou com um erro (%1).</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>Este codificador não tem o codificador %1.</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>Não foi possível manter a data da origem em %1: %2.</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 já existe. Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>Erro ao criar o processo de conversão!</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>Erro ao ler o pipe STDOUT : </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>Erro ao ler o pipe STDERR : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>Erro ao criar o pipe STDIN : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>Erro ao duplicar o pipe STDIN : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>Erro ao criar o pipe STDOUT : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>Erro ao duplicar o pipe STDOUT : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>Erro ao criar o pipe STDERR : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>Erro ao duplicar o pipe STDERR : </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>falha na conversão.</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>e mais %1, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n arquivo convertido; com falha: %1.</numerusform>
            <numerusform>%n arquivos convertidos; com falha: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n arquivo convertido, %1 com falha, %2 ignorado(s).</numerusform>
            <numerusform>%n arquivos convertidos, %1 com falha, %2 ignorado(s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n arquivo ignorado: sua saída já existe.</numerusform>
            <numerusform>%n arquivos ignorados: suas saídas já existem.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>a pasta de configurações do usuário (o sistema não indica nenhuma)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>Não foi possível salvar as configurações em %1; elas foram salvas em %2.</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>Conversão manual</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>Pede a inserção dos parâmetros</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>Sobre o Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>Versão: 3.0   Compilação 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>Baseado em:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>Copyright (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>Suporte: support@tarvix.example</translation>
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
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>Decorrido: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>Total estimado: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>Codificador mudo: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>Selecione um ou mais arquivos de vídeo</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>%1: a pasta de saída não existe.</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>Criar uma nova pasta?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Não é possível criar %1</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Escolha o formato de saída!</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Este arquivo FFmpeg.exe não existe.</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>O nome do arquivo contém caracteres especiais.</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>Renomeie o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Página inicial</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>&amp;Usar outro FFmpeg</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>Converter vários arquivos ao mesmo tempo (até %1)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>Selecione a pasta de saída</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>Converte vídeos entre vários formatos</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Atualizações...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. Clique em &apos;Perfil:&apos; para escolher um formato de saída.</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. Clique em &apos;Converter...&apos; para escolher os arquivos e convertê-los.</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>&apos;Ctrl + P&apos; abre a lista de perfis</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>Selecione a pasta dos arquivos de saída</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>Mesma pasta da entrada</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>Clique para abrir o menu</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>Clique para abrir o menu (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>Converter...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>Selecione um ou mais arquivos de vídeo e inicie a conversão</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>Ver saída...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>Abrir a pasta de destino</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>Abrir o menu de perfis</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Lista de perfis</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>Menu Avançado</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>Escolha outro em Avançado &gt; &quot;Usar outro FFmpeg&quot;.</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>Convertido; não foi possível manter a data da origem em %1 dos arquivos.</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>&amp;Manter as datas da origem</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>%n arquivo do último lote não foi convertido. Convertê-lo agora?</numerusform>
            <numerusform>%n arquivos do último lote não foram convertidos. Convertê-los agora?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = Arquivo de entrada (%1 é o arquivo selecionado)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = Tamanho do vídeo (largura x altura)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = Taxa de quadros do vídeo (fps)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = Taxa de bits do vídeo (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = Taxa de amostragem do áudio (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = Taxa de bits do áudio (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = Canais de áudio (1 mono, 2 estéreo)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = Arquivo de saída (.xxx é o formato de destino!)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>Conversão manual</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>Digite a linha de comando e a extensão do arquivo de saída:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>Linha de comando (sem -i nem saída):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>Extensão (sem &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>O programa usará o seguinte (somente leitura):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>Verifique os parâmetros inseridos!</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>Usar outro FFmpeg</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>Selecione o caminho do FFmpeg</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>Não usar</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>Este arquivo FFmpeg.exe não existe.</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>Procurar o FFmpeg</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Olá do Clipvane!</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>&amp;Quando a saída já existe</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Perguntar</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorar</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 está em uso por outra execução: este lote não poderá ser retomado após uma falha.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>Não foi possível gravar %1 (%2): este lote não poderá ser retomado após uma falha.</translation>
    </message>
</context>
</TS>
