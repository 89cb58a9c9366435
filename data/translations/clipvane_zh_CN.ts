<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>已转换 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>已停止：已转换 %1 个文件，共 %n 个。</numerusform>
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
        <translation>用法: clipvane-cli --list
      clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                   [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

用编码器逐个转换每个 FILE，除非 --jobs 另有指定。

  -p, --profile PROFILE   --list 所列的预设名称，或手动命令行，
                          例如 &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        将输出写入 DIR (不存在时自动创建)
      --same-folder       将每个输出写在其输入文件旁 (默认)
      --ffmpeg PATH       使用此编码器，而非在搜索路径中找到的 &quot;ffmpeg&quot;
      --overwrite MODE    替换已有的输出前询问 (在终端上为默认)，
                          或不询问直接回答 yes 或 no (no: 其他情况下的默认)
  -j, --jobs N            最多同时转换 N 个文件 (0: 每个处理器核心一个；默认 1)，
                          每核心不超过 4 个，也不超过打开文件数和进程数的限制
      --machine           每条通知输出一行: progress/exit/signal/end/failed
  -l, --list              列出预设: 分组、名称、扩展名、参数
  -h, --help              显示此帮助
  -V, --version           显示版本

退出状态: 0 全部转换成功，1 部分失败，2 用法错误，3 无法启动编码器，
130 已中断。
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
长批次：
      --keep-dates        每个输出文件沿用其源文件的修改时间
  Ctrl+Z 暂停编码器及本程序；fg 继续。
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
        <translation>用法: clipvane-cli --list
      clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                   [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
      clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

用编码器逐个转换每个 FILE，除非 --jobs 另有指定。

  -p, --profile PROFILE   --list 所列的预设名称，或手动命令行，
                          例如 &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot;
  -o, --output DIR        将输出写入 DIR (不存在时自动创建)
      --same-folder       将每个输出写在其输入文件旁 (默认)
      --ffmpeg PATH       使用此编码器，而非在搜索路径中找到的 &quot;ffmpeg&quot;
      --overwrite MODE    替换已有的输出前询问 (在终端上为默认)，
                          或不询问直接回答 yes 或 no (no: 其他情况下的默认)
                          因 no 而保留的文件记为跳过，不算失败
  -j, --jobs N            最多同时转换 N 个文件 (0: 每个处理器核心一个；默认 1)，
                          每核心不超过 4 个，也不超过打开文件数和进程数的限制
      --journal FILE      在 FILE 中记录批处理日志，以便批处理被终止或中断后
                          可用 --resume 继续
      --resume FILE       用 FILE 中批处理的配置文件和文件夹转换其尚未结束的文件；
                          批处理结束后日志即被删除
      --machine           每条通知输出一行: progress/exit/signal/end/skipped/failed
  -l, --list              列出预设: 分组、名称、扩展名、参数
  -h, --help              显示此帮助
  -V, --version           显示版本

退出状态: 0 全部转换成功，1 部分失败，2 用法错误，3 无法启动编码器，
130 已中断。
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 为只读，转换失败！</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 为只读。</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>无法创建 %1 (%2)，转换失败！</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>无法创建 %1 (%2)。</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 可能正在被使用，转换失败！</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 可能正在被使用。</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 就是输入文件本身，转换失败！</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 就是输入文件本身。</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 是文件夹，转换失败！</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是文件夹。</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>无法替换 %1，转换失败！</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>无法替换 %1。</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 是本批次中的文件，转换失败！</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 是本批次中的文件。</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 已由本批次写入，转换失败！</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 已由本批次写入。</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 未写入: 无法启动编码器 (%2)。</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 已存在，未覆盖。</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>编码器未写入任何输出文件。</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>编码器被信号 %1 终止。</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>无法启动编码器 (退出代码 127)。</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>编码器已结束，退出代码为 %1。</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>编码器以未知方式结束。</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>编码器未转换任何内容就结束了。</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>无法启动编码器 %1: %2。</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>未转换: 无法启动编码器 (%1)。</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>未转换: 批处理因错误而结束 (%1)。</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>此编码器没有 %1 编码器。</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>无法为 %1 保留源文件的日期：%2。</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>创建转换进程时出错！</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>读取 STDOUT 管道时出错 : </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>读取 STDERR 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>创建 STDIN 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>复制 STDIN 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>创建 STDOUT 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>复制 STDOUT 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>创建 STDERR 管道时出错 : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>复制 STDERR 管道时出错 : </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>文件转换失败。</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>另有 %1 个, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>已转换 %n 个文件，%1 个失败。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>已转换 %n 个文件，%1 个失败，%2 个跳过。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>已跳过 %n 个文件：输出已存在。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>用户的设置文件夹 (系统未指定)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>无法将设置保存到 %1，已改为保存到 %2。</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>手动转换</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>手动输入转换参数</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>关于 Clipvane</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>版本: 3.0   内部版本 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>基于:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>版权所有 (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>技术支持: support@tarvix.example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>已用时间: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>预计时间: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>编码器已 %1 无输出</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>选择一个或多个视频文件</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>输出文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>是否创建新文件夹？</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>请选择输出格式！</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>此 FFmpeg.exe 文件不存在。</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>文件名包含特殊字符。</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>请重命名文件后重试。</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>主页(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>使用其他 FFmpeg(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐赠(&amp;D)</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>同时转换多个文件 (最多 %1 个)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>请选择输出文件夹</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>在多种格式之间转换视频文件</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>检查更新...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. 单击“预设:”下拉框，选择输出格式。</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. 单击“转换...”按钮，选择一个或多个文件并开始转换。</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>预设:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>按 &apos;Ctrl + P&apos; 弹出预设列表</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>输出文件夹:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>选择输出文件所在的文件夹</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>与输入文件相同</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>单击弹出菜单</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>单击弹出菜单 (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>转换...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>选择一个或多个视频文件并开始转换</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>查看文件...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>打开目标文件夹</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>退出软件</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>弹出预设菜单</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>预设列表</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>请通过“高级 &gt; 使用其他 FFmpeg”选择其他编码器。</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>已转换；有 %1 个文件未能保留源文件的日期。</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>保留源文件日期(&amp;K)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>上一批处理中有 %n 个文件未转换。现在转换吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = 输入文件 (%1 即所选文件)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = 视频尺寸 (宽 x 高)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = 视频帧率 (Fps)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = 视频比特率 (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = 音频采样率 (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = 音频比特率 (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = 音频声道数 (1 单声道，2 立体声)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = 输出文件 (.xxx 为目标格式！)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>手动转换</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>请输入命令行和输出文件扩展名:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>命令行 (不含 -i 和输出文件):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>输出扩展名 (不含 &quot;.&quot;)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>将执行以下命令 (只读):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>请检查输入的参数！</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>使用其他 FFmpeg</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>选择 FFmpeg 路径</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>不使用</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>此 FFmpeg.exe 文件不存在。</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>浏览 FFmpeg</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Clipvane 向您问好！</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>输出已存在时(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>询问(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>跳过(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 正被另一个运行实例使用：此批处理在崩溃后将无法继续。</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>无法写入 %1（%2）：此批处理在崩溃后将无法继续。</translation>
    </message>
</context>
</TS>
