<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>TBatchSpoken</name>
    <message numerus="yes">
        <source>%n file(s) converted.</source>
        <translation>
            <numerusform>%n 個のファイルを変換しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: %1 of %n file(s) converted.</source>
        <translation>
            <numerusform>停止しました: %n 個中 %1 個のファイルを変換しました。</numerusform>
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
        <translation>使用法: clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--machine] FILE...

各 FILE をエンコーダーで変換します。--jobs の指定がなければ 1 つずつ順に変換します。

  -p, --profile PROFILE   --list に表示されるプロファイル名、または
                          &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot; のような手動コマンドライン
  -o, --output DIR        出力を DIR に書き込む (なければ作成)
      --same-folder       各出力を入力と同じフォルダーに書き込む (既定)
      --ffmpeg PATH       検索パス上の &quot;ffmpeg&quot; ではなく、このエンコーダーを使う
      --overwrite MODE    既存の出力を置き換える前に確認する (端末での既定)、
                          または確認せずに yes か no で答える (no: それ以外での既定)
  -j, --jobs N            最大 N 個のファイルを同時に変換する (0: プロセッサコアごとに 1 つ、
                          既定 1)。コアあたり 4 つまで、開けるファイル数とプロセス数の上限まで
      --machine           通知ごとに 1 行出力する: progress/exit/signal/end/failed
  -l, --list              プロファイルを一覧表示する: グループ、名前、拡張子、引数
  -h, --help              このヘルプを表示する
  -V, --version           バージョンを表示する

終了ステータス: 0 すべて変換、1 一部が失敗、2 使い方の誤り、3 エンコーダーを
起動できない、130 中断。
</translation>
    </message>
    <message>
        <source>
Long batches:
      --keep-dates        give each output its source&apos;s modification time
  Ctrl+Z pauses the encoders with the program; fg resumes them.
</source>
        <translation>
長いバッチ:
      --keep-dates        各出力に元ファイルの更新日時を付ける
  Ctrl+Z でエンコーダーとこのプログラムを一時停止し、fg で再開します。
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
        <translation>使用法: clipvane-cli --list
        clipvane-cli -p PROFILE [-o DIR | --same-folder] [--ffmpeg PATH]
                     [--overwrite ask|yes|no] [--jobs N] [--journal FILE] [--machine] FILE...
        clipvane-cli --resume FILE [--ffmpeg PATH] [--overwrite ask|yes|no] [--jobs N] [--machine]

各 FILE をエンコーダーで変換します。--jobs の指定がなければ 1 つずつ順に変換します。

  -p, --profile PROFILE   --list に表示されるプロファイル名、または
                          &quot;ffmpeg -i %1 -vn -ac 1 %1.wav&quot; のような手動コマンドライン
  -o, --output DIR        出力を DIR に書き込む (なければ作成)
      --same-folder       各出力を入力と同じフォルダーに書き込む (既定)
      --ffmpeg PATH       検索パス上の &quot;ffmpeg&quot; ではなく、このエンコーダーを使う
      --overwrite MODE    既存の出力を置き換える前に確認する (端末での既定)、
                          または確認せずに yes か no で答える (no: それ以外での既定)
                          no で残したファイルはスキップ扱いで、失敗ではありません
  -j, --jobs N            最大 N 個のファイルを同時に変換する (0: プロセッサコアごとに 1 つ、
                          既定 1)。コアあたり 4 つまで、開けるファイル数とプロセス数の上限まで
      --journal FILE      バッチのジャーナルを FILE に記録し、強制終了や中断の後に
                          --resume で続きを実行できるようにする
      --resume FILE       FILE のバッチのうち終わっていないファイルを、そのプロファイルと
                          フォルダーで変換する。バッチが終わるとジャーナルは削除される
      --machine           通知ごとに 1 行出力する: progress/exit/signal/end/skipped/failed
  -l, --list              プロファイルを一覧表示する: グループ、名前、拡張子、引数
  -h, --help              このヘルプを表示する
  -V, --version           バージョンを表示する

終了ステータス: 0 すべて変換、1 一部が失敗、2 使い方の誤り、3 エンコーダーを
起動できない、130 中断。
</translation>
    </message>
</context>
<context>
    <name>TConvertBatch</name>
    <message>
        <source>%1 is read-only, convert process failed!</source>
        <translation>%1 は読み取り専用のため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 は読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2), convert process failed!</source>
        <translation>%1 を作成できないため (%2)、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 cannot be created (%2).</source>
        <translation>%1 を作成できません (%2)。</translation>
    </message>
    <message>
        <source>%1 may be used, convert process failed!</source>
        <translation>%1 は使用中の可能性があるため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 may be used.</source>
        <translation>%1 は使用中の可能性があります。</translation>
    </message>
    <message>
        <source>%1 is the input file itself, convert process failed!</source>
        <translation>%1 は入力ファイルそのものであるため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 is the input file itself.</source>
        <translation>%1 は入力ファイルそのものです。</translation>
    </message>
    <message>
        <source>%1 is a folder, convert process failed!</source>
        <translation>%1 はフォルダーであるため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 はフォルダーです。</translation>
    </message>
    <message>
        <source>%1 could not be replaced, convert process failed!</source>
        <translation>%1 を置き換えられなかったため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 could not be replaced.</source>
        <translation>%1 を置き換えられませんでした。</translation>
    </message>
    <message>
        <source>%1 is a file of this batch, convert process failed!</source>
        <translation>%1 はこの一括変換の対象ファイルであるため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 is a file of this batch.</source>
        <translation>%1 はこの一括変換の対象ファイルです。</translation>
    </message>
    <message>
        <source>%1 was written by this batch already, convert process failed!</source>
        <translation>%1 はこの一括変換で既に書き込まれているため、変換に失敗しました！</translation>
    </message>
    <message>
        <source>%1 was written by this batch already.</source>
        <translation>%1 はこの一括変換で既に書き込まれています。</translation>
    </message>
    <message>
        <source>%1 was not written: the encoder could not be started (%2).</source>
        <translation>%1 は書き込まれませんでした: エンコーダーを起動できませんでした (%2)。</translation>
    </message>
    <message>
        <source>%1 exists and was not overwritten.</source>
        <translation>%1 は既に存在するため、上書きしませんでした。</translation>
    </message>
    <message>
        <source>The encoder wrote no output file.</source>
        <translation>エンコーダーは出力ファイルを書き込みませんでした。</translation>
    </message>
    <message>
        <source>The encoder was ended by signal %1.</source>
        <translation>エンコーダーはシグナル %1 によって終了しました。</translation>
    </message>
    <message>
        <source>The encoder could not be started (exit code 127).</source>
        <translation>エンコーダーを起動できませんでした (終了コード 127)。</translation>
    </message>
    <message>
        <source>The encoder ended with exit code %1.</source>
        <translation>エンコーダーは終了コード %1 で終了しました。</translation>
    </message>
    <message>
        <source>The encoder ended in an unknown way.</source>
        <translation>エンコーダーが不明な理由で終了しました。</translation>
    </message>
    <message>
        <source>The encoder ended without converting anything.</source>
        <translation>エンコーダーは何も変換せずに終了しました。</translation>
    </message>
    <message>
        <source>The encoder %1 could not be started: %2.</source>
        <translation>エンコーダー %1 を起動できませんでした: %2。</translation>
    </message>
    <message>
        <source>Not converted: the encoder could not be started (%1).</source>
        <translation>未変換: エンコーダーを起動できませんでした (%1)。</translation>
    </message>
    <message>
        <source>Not converted: the batch ended on an error (%1).</source>
        <translation>未変換: エラーによりバッチが終了しました (%1)。</translation>
    </message>
    <message>
        <source>This encoder has no %1 encoder.</source>
        <translation>このエンコーダーには %1 エンコーダーがありません。</translation>
    </message>
    <message>
        <source>The source&apos;s date could not be kept on %1: %2.</source>
        <translation>%1 に元ファイルの日時を設定できませんでした: %2。</translation>
    </message>
</context>
<context>
    <name>TConvertProcess</name>
    <message>
        <source>%1 has existed,overite it?</source>
        <translation>%1 は既に存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Error while creating convert process!</source>
        <translation>変換プロセスの作成中にエラーが発生しました！</translation>
    </message>
    <message>
        <source>Error reading STDOUT pipe : </source>
        <translation>STDOUT パイプの読み取りエラー : </translation>
    </message>
    <message>
        <source>Error reading STDERR pipe : </source>
        <translation>STDERR パイプの読み取りエラー : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe creation : </source>
        <translation>STDIN パイプの作成エラー : </translation>
    </message>
    <message>
        <source>Error on STDIN pipe duplication : </source>
        <translation>STDIN パイプの複製エラー : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe creation : </source>
        <translation>STDOUT パイプの作成エラー : </translation>
    </message>
    <message>
        <source>Error on STDOUT pipe duplication : </source>
        <translation>STDOUT パイプの複製エラー : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe creation : </source>
        <translation>STDERR パイプの作成エラー : </translation>
    </message>
    <message>
        <source>Error on STDERR pipe duplication : </source>
        <translation>STDERR パイプの複製エラー : </translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>file conversion failed.</source>
        <translation>ファイルの変換に失敗しました。</translation>
    </message>
    <message>
        <source>and %1 more, </source>
        <translation>ほか %1 件, </translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>TNotifier</name>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed.</source>
        <translation>
            <numerusform>%n 個のファイルを変換、%1 個が失敗しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) converted, %1 failed, %2 skipped.</source>
        <translation>
            <numerusform>%n 個のファイルを変換、%1 個が失敗、%2 個をスキップしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: the output exists.</source>
        <translation>
            <numerusform>%n 個のファイルをスキップしました: 出力が既にあります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>the user&apos;s settings folder (the system names none)</source>
        <translation>ユーザーの設定フォルダー (システムが指定していません)</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1; they are saved in %2.</source>
        <translation>設定を %1 に保存できなかったため、%2 に保存しました。</translation>
    </message>
</context>
<context>
    <name>clipvane::TProfilePicker</name>
    <message>
        <source>Manual conversion</source>
        <translation>手動変換</translation>
    </message>
    <message>
        <source>Asks for the insertion of parameters</source>
        <translation>パラメーターを入力して変換します</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmAbout</name>
    <message>
        <source>About Clipvane</source>
        <translation>Clipvane について</translation>
    </message>
    <message>
        <source>Version: 3.0   Build 20260602</source>
        <translation>バージョン: 3.0   ビルド 20260602</translation>
    </message>
    <message>
        <source>Powered by:</source>
        <translation>使用エンジン:</translation>
    </message>
    <message>
        <source>Copyright (C) 2024-2026 Tarvix Software</source>
        <translation>Copyright (C) 2024-2026 Tarvix Software</translation>
    </message>
    <message>
        <source>Support: support@tarvix.example</source>
        <translation>サポート: support@tarvix.example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmConvert</name>
    <message>
        <source>Converting</source>
        <translation>変換中</translation>
    </message>
    <message>
        <source>Time elapsed: </source>
        <translation>経過時間: </translation>
    </message>
    <message>
        <source>Time estimated: </source>
        <translation>予想時間: </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>Encoder silent for %1</source>
        <translation>エンコーダー無応答: %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmMain</name>
    <message>
        <source>Select one or more video files</source>
        <translation>動画ファイルを選択 (複数可)</translation>
    </message>
    <message>
        <source>%1, the output directory does not exist.</source>
        <translation>出力フォルダー %1 が存在しません。</translation>
    </message>
    <message>
        <source>creates a new directory?</source>
        <translation>新しいフォルダーを作成しますか？</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>出力形式を選択してください！</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>この FFmpeg.exe ファイルは存在しません。</translation>
    </message>
    <message>
        <source>File name contains special characters.</source>
        <translation>ファイル名に特殊文字が含まれています。</translation>
    </message>
    <message>
        <source>Please rename the file and try again.</source>
        <translation>ファイル名を変更してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>ホームページ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Use another FFmpeg</source>
        <translation>別の FFmpeg を使用(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Convert several files at once (up to %1)</source>
        <translation>複数のファイルを同時に変換 (最大 %1 個)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Please select the directory to output</source>
        <translation>出力先のフォルダーを選択してください</translation>
    </message>
    <message>
        <source>Convert video files between many formats</source>
        <translation>動画ファイルをさまざまな形式に変換</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>更新を確認...</translation>
    </message>
    <message>
        <source>1. Click &apos;Profile:&apos; combobox to choose an output format.</source>
        <translation>1. 「形式:」ボックスをクリックして出力形式を選びます。</translation>
    </message>
    <message>
        <source>2. Click &apos;Convert...&apos; button to select one or more files and start converting.</source>
        <translation>2. 「変換...」ボタンをクリックしてファイルを選び、変換を開始します。</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>&apos;Ctrl + P&apos; to popup the profile list</source>
        <translation>&apos;Ctrl + P&apos; で形式の一覧を表示</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>出力フォルダー:</translation>
    </message>
    <message>
        <source>Browser...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Select folder for output files</source>
        <translation>出力ファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Same as the input file</source>
        <translation>入力ファイルと同じ</translation>
    </message>
    <message>
        <source>Click to popup the menu</source>
        <translation>クリックしてメニューを表示</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Click to popup the menu (Ctrl + A)</source>
        <translation>クリックしてメニューを表示 (Ctrl + A)</translation>
    </message>
    <message>
        <source>Convert...</source>
        <translation>変換...</translation>
    </message>
    <message>
        <source>Select one or more video files and start converting</source>
        <translation>動画ファイルを選択して変換を開始 (複数可)</translation>
    </message>
    <message>
        <source>Show Files...</source>
        <translation>出力先...</translation>
    </message>
    <message>
        <source>Open Destination Folder</source>
        <translation>出力先フォルダーを開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Exit the software</source>
        <translation>ソフトウェアを終了</translation>
    </message>
    <message>
        <source>Popup Profile Menu</source>
        <translation>形式メニューを表示</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>形式の一覧</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Advanced menu</source>
        <translation>詳細設定メニュー</translation>
    </message>
    <message>
        <source>Choose another one with Advanced &gt; &quot;Use another FFmpeg&quot;.</source>
        <translation>詳細設定 &gt; 「別の FFmpeg を使用」で別のエンコーダーを選んでください。</translation>
    </message>
    <message>
        <source>Converted; the source&apos;s date could not be kept on %1 of the files.</source>
        <translation>変換しました。%1 個のファイルで元ファイルの日時を保てませんでした。</translation>
    </message>
    <message>
        <source>&amp;Keep the source&apos;s dates</source>
        <translation>元ファイルの日時を保持(&amp;K)</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the last batch were not converted. Convert them now?</source>
        <translation>
            <numerusform>前回のバッチで %n 個のファイルが変換されていません。今すぐ変換しますか?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmManualConvert</name>
    <message>
        <source>-i = Input file (%1 it&apos;s the file selected)</source>
        <translation>-i = 入力ファイル (%1 は選択したファイル)</translation>
    </message>
    <message>
        <source>-s = Video size (Width x Height)</source>
        <translation>-s = 画面サイズ (幅 x 高さ)</translation>
    </message>
    <message>
        <source>-r = Video frame rate (Fps)</source>
        <translation>-r = フレームレート (Fps)</translation>
    </message>
    <message>
        <source>-b = Video bitrate (b/s)</source>
        <translation>-b = 映像ビットレート (b/s)</translation>
    </message>
    <message>
        <source>-ar = Audio sample rate (Hz)</source>
        <translation>-ar = 音声サンプリングレート (Hz)</translation>
    </message>
    <message>
        <source>-ab = Audio bitrate (b/s)</source>
        <translation>-ab = 音声ビットレート (b/s)</translation>
    </message>
    <message>
        <source>-ac = Audio channels (1 mono, 2 stereo)</source>
        <translation>-ac = 音声チャンネル数 (1 モノラル、2 ステレオ)</translation>
    </message>
    <message>
        <source>%1.xxx = Output file (.xxx the format to convert!)</source>
        <translation>%1.xxx = 出力ファイル (.xxx は変換後の形式！)</translation>
    </message>
    <message>
        <source>Manual conversion</source>
        <translation>手動変換</translation>
    </message>
    <message>
        <source>Please input the command line and output file extension:</source>
        <translation>コマンドラインと出力ファイルの拡張子を入力してください:</translation>
    </message>
    <message>
        <source>Command Line (no -i or output file):</source>
        <translation>コマンドライン (-i と出力ファイルは不要):</translation>
    </message>
    <message>
        <source>Output File Extension (no &quot;.&quot;)</source>
        <translation>出力拡張子 (&quot;.&quot; なし)</translation>
    </message>
    <message>
        <source>The software will use the following (Read Only):</source>
        <translation>実行されるコマンド (読み取り専用):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Please check the insertion of parameters!</source>
        <translation>入力したパラメーターを確認してください！</translation>
    </message>
</context>
<context>
    <name>clipvane::TfrmUseFFmpeg</name>
    <message>
        <source>Use another FFmpeg</source>
        <translation>別の FFmpeg を使用</translation>
    </message>
    <message>
        <source>Select FFmpeg path</source>
        <translation>FFmpeg のパスを選択</translation>
    </message>
    <message>
        <source>Don&apos;t use it</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>既定(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>This FFmpeg.exe file does not exist.</source>
        <translation>この FFmpeg.exe ファイルは存在しません。</translation>
    </message>
    <message>
        <source>Browse for FFmpeg</source>
        <translation>FFmpeg を参照</translation>
    </message>
</context>
<context>
    <name>clipvane::TsuiURLLabel</name>
    <message>
        <source>Hello from Clipvane!</source>
        <translation>Clipvane からこんにちは！</translation>
    </message>
</context>
<context>
    <name>clipvane::TExistingOutputMenu</name>
    <message>
        <source>&amp;When an output exists</source>
        <translation>出力が既にある場合(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>確認する(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>置き換える(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップする(&amp;S)</translation>
    </message>
</context>
<context>
    <name>TBatchJournal</name>
    <message>
        <source>%1 is in use by another run: this batch cannot be resumed after a crash.</source>
        <translation>%1 は別の実行で使用中です: このバッチはクラッシュ後に再開できません。</translation>
    </message>
    <message>
        <source>%1 could not be written (%2): this batch cannot be resumed after a crash.</source>
        <translation>%1 を書き込めませんでした (%2): このバッチはクラッシュ後に再開できません。</translation>
    </message>
</context>
</TS>
