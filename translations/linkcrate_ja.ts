<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AddCommand</name>
    <message>
        <source>The bookmark file (default: Linkcrate&apos;s).</source>
        <extracomment>The value names (FILE, PATH, TEXT) show in --help after their options.</extracomment>
        <translation>ブックマークファイル（既定: Linkcrate のもの）。</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The folder, names joined by &quot;/&quot; (default: the root list).</source>
        <translation>フォルダー。名前を「/」でつなぐ（既定: 最上位のリスト）。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>The folder by its number in --list.</source>
        <translation>--list に出る番号でフォルダーを指定。</translation>
    </message>
    <message>
        <source>The link text.</source>
        <translation>リンクテキスト。</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>List the folders with their numbers.</source>
        <translation>フォルダーを番号付きで一覧表示する。</translation>
    </message>
    <message>
        <source>Show what would be added; write nothing.</source>
        <translation>追加される内容を表示し、何も書き込まない。</translation>
    </message>
    <message>
        <source>Say what was added.</source>
        <translation>追加した内容を表示する。</translation>
    </message>
    <message>
        <source>Add nothing if the address is in the file already (exit status 3).</source>
        <translation>アドレスがすでにファイルにあれば何も追加しない（終了ステータス 3）。</translation>
    </message>
    <message>
        <source>Make the folders of the --folder path that are missing, like mkdir -p.</source>
        <translation>--folder のパスで足りないフォルダーを作る（mkdir -p と同様）。</translation>
    </message>
    <message>
        <source>Undo the last addition, made here or in Linkcrate&apos;s window.</source>
        <translation>直前の追加を取り消す（ここで行ったものでも Linkcrate のウィンドウで行ったものでも）。</translation>
    </message>
    <message>
        <source>Adds a bookmark at the top of a folder of a bookmark file.</source>
        <translation>ブックマークファイルのフォルダーの先頭にブックマークを追加します。</translation>
    </message>
    <message>
        <source>The address of the bookmark.</source>
        <translation>ブックマークのアドレス。</translation>
    </message>
    <message>
        <source>--undo takes no folder, text or address.</source>
        <translation>--undo にはフォルダー、テキスト、アドレスを指定できません。</translation>
    </message>
    <message>
        <source>--list takes no folder, text or address.</source>
        <translation>--list にはフォルダー、テキスト、アドレスを指定できません。</translation>
    </message>
    <message>
        <source>--create makes the folders of a --folder path: give one.</source>
        <translation>--create は --folder のパスのフォルダーを作ります。パスを指定してください。</translation>
    </message>
    <message>
        <source>the link text is missing: give it with --text.</source>
        <translation>リンクテキストがありません。--text で指定してください。</translation>
    </message>
    <message>
        <source>give exactly one address.</source>
        <translation>アドレスをちょうど 1 つ指定してください。</translation>
    </message>
    <message>
        <source>give --folder or --folder-index, not both.</source>
        <translation>--folder と --folder-index のどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>--folder-index takes a number.</source>
        <translation>--folder-index には数値を指定してください。</translation>
    </message>
    <message>
        <source>no bookmark file: name one with --file FILE, or choose one in Linkcrate&apos;s window.</source>
        <translation>ブックマークファイルがありません。--file FILE で指定するか、Linkcrate のウィンドウで選んでください。</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告: %1</translation>
    </message>
    <message>
        <source>warning: the address is already in: %1.</source>
        <translation>警告: このアドレスはすでに次にあります: %1。</translation>
    </message>
    <message>
        <source>warning: the address was already in: %1.</source>
        <translation>警告: このアドレスはすでに次にありました: %1。</translation>
    </message>
    <message>
        <source>Would make the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」を作成します（試行）。</translation>
    </message>
    <message>
        <source>Made the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」を作成しました。</translation>
    </message>
    <message>
        <source>Would add to %1 of &quot;%2&quot;:</source>
        <translation>「%2」の %1 に追加します（試行）:</translation>
    </message>
    <message>
        <source>Added to %1:</source>
        <translation>%1 に追加しました:</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>「%1 --help」を参照してください。</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>could not write the list of folders: %1.</source>
        <translation>フォルダーの一覧を書き出せませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>AdditionFlow</name>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>the root list</source>
        <extracomment>The top of the bookmark file, where the folders are, in &quot;Added to the root list:&quot;.</extracomment>
        <translation>最上位のリスト</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A folder&apos;s path in a sentence.</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two folder names in a list of them.</extracomment>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of folders; %n how many more folders hold the address.</extracomment>
        <translation>
            <numerusform>%1 ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder number %1 in &quot;%2&quot; (see --list).</source>
        <translation>「%2」に番号 %1 のフォルダーはありません（--list を参照）。</translation>
    </message>
    <message numerus="yes">
        <source>%n folders in &quot;%1&quot; are called &quot;%2&quot;; choose one with --folder-index:%3</source>
        <translation>
            <numerusform>「%1」には「%2」という名前のフォルダーが %n 個あります。--folder-index で 1 つ選んでください:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot; (see --list).</source>
        <translation>「%2」にフォルダー「%1」はありません（--list を参照）。</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot;; did you mean:%3</source>
        <extracomment>Followed by the folders of nearly that name, one a line.</extracomment>
        <translation>「%2」にフォルダー「%1」はありません。次のどれかですか:%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The choice of bookmark file could not be saved in &quot;%1&quot;.</source>
        <translation>選んだブックマークファイルを「%1」に保存できませんでした。</translation>
    </message>
    <message>
        <source>This address is already in: %1. Add it again?</source>
        <translation>このアドレスはすでに次にあります: %1。もう一度追加しますか?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a web address (example.com/page) or one with its scheme (https:, mailto:).</source>
        <translation>「%1」はアドレスではありません。Web アドレス（example.com/page）か、スキーム付きのアドレス（https:、mailto:）を入力してください。</translation>
    </message>
    <message>
        <source>No bookmark file has been chosen.</source>
        <translation>ブックマークファイルが選ばれていません。</translation>
    </message>
    <message>
        <source>the address is already in: %1. Nothing was added.</source>
        <translation>このアドレスはすでに次にあります: %1。何も追加しませんでした。</translation>
    </message>
    <message>
        <source>has changed since its folders were read</source>
        <translation>フォルダーを読み込んだ後に変更されました</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made: %2</source>
        <translation>フォルダー「%1」を作成できません: %2</translation>
    </message>
    <message>
        <source>The bookmark was added, but it cannot be undone: the settings file &quot;%1&quot; could not be written (is the disk full?). The previous version of &quot;%2&quot; is in the trash (%3).</source>
        <translation>ブックマークは追加されましたが、取り消せません。設定ファイル「%1」に書き込めませんでした（ディスクがいっぱいではありませんか?）。「%2」の以前の版はゴミ箱にあります（%3）。</translation>
    </message>
    <message>
        <source>Added to %1.</source>
        <translation>%1 に追加しました。</translation>
    </message>
    <message>
        <source>The file goes back to the version before it; the version with the addition goes to the trash.</source>
        <translation>ファイルは追加前の版に戻り、追加後の版はゴミ箱に移されます。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The undo question (%1), then what undoing does (%2).</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Undo the last addition to &quot;%1&quot;?</source>
        <translation>「%1」への直前の追加を取り消しますか?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder.</extracomment>
        <translation>%2 への「%1」の追加を取り消しますか?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2 in &quot;%3&quot;?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder, %3 the bookmark file.</extracomment>
        <translation>「%3」の %2 への「%1」の追加を取り消しますか?</translation>
    </message>
    <message>
        <source>The last addition was to &quot;%1&quot;, not to &quot;%2&quot;. Nothing was undone.</source>
        <translation>直前の追加は「%2」ではなく「%1」へのものです。何も取り消していません。</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; has been undone; the version with it is in the trash.</source>
        <translation>「%1」への直前の追加を取り消しました。追加後の版はゴミ箱にあります。</translation>
    </message>
</context>
<context>
    <name>BlockWriter</name>
    <message>
        <source>write failed</source>
        <translation>書き込みに失敗しました</translation>
    </message>
</context>
<context>
    <name>BookmarkInserter</name>
    <message>
        <source>Please type a name for the new folder.</source>
        <translation>新しいフォルダーの名前を入力してください。</translation>
    </message>
    <message>
        <source>A folder name cannot hold &quot;\&quot; or &quot;/&quot;: a folder path splits there.</source>
        <translation>フォルダー名に「\」や「/」は使えません。フォルダーのパスがそこで区切られます。</translation>
    </message>
    <message>
        <source>the folder is no longer where it was</source>
        <translation>フォルダーが元の位置にありません</translation>
    </message>
    <message>
        <source>the folders are not the ones read</source>
        <translation>フォルダーが読み込んだものと違います</translation>
    </message>
    <message>
        <source>there is no folder number %1</source>
        <extracomment>This and the like are shown in &quot;The bookmark file &quot;…&quot; has changed since it was read (…).&quot;</extracomment>
        <translation>番号 %1 のフォルダーはありません</translation>
    </message>
    <message>
        <source>gets no new folder &quot;%1&quot;. %2</source>
        <extracomment>Follows the bookmark file&apos;s name; %2 is why the name is refused.</extracomment>
        <translation>に新しいフォルダー「%1」は作れません。%2</translation>
    </message>
    <message>
        <source>would nest folders more than %1 deep</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>はフォルダーの入れ子が %1 階層を超えてしまいます</translation>
    </message>
    <message>
        <source>its size or modification time differ</source>
        <translation>サイズか更新日時が違います</translation>
    </message>
    <message>
        <source>has that folder&apos;s list inside a bookmark&apos;s tag (in its address, say), where a bookmark added would break that one</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>は、そのフォルダーのリストがブックマークのタグの中（アドレスの中など）にあり、そこに追加するとそのブックマークが壊れます</translation>
    </message>
</context>
<context>
    <name>BookmarkLock</name>
    <message>
        <source>another addition to this file is under way; try again in a moment.</source>
        <translation>このファイルへの別の追加が進行中です。少し待ってからやり直してください。</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; %2; remove it and try again.</source>
        <extracomment>%2 says what is wrong with the lock file: &quot;belongs to another user&quot;.</extracomment>
        <translation>ロックファイル「%1」%2。削除してからやり直してください。</translation>
    </message>
    <message>
        <source>is not a regular file (it is a folder, a link or a special file)</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>は通常のファイルではありません（フォルダー、リンク、または特殊ファイルです）</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>は別のユーザーのものです</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be created: %2.</source>
        <translation>ロックファイル「%1」を作成できません: %2。</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be read: %2.</source>
        <translation>ロックファイル「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be locked: %2.</source>
        <translation>ロックファイル「%1」をロックできません: %2。</translation>
    </message>
</context>
<context>
    <name>BookmarkRecovery</name>
    <message>
        <source>it is a symbolic link</source>
        <extracomment>Why a leftover copy of the bookmark file is not touched, before &quot;, not a copy that Linkcrate wrote&quot;.</extracomment>
        <translation>シンボリックリンクであり</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではなく</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>別のユーザーのものであり</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>別名（ハードリンク）があり</translation>
    </message>
    <message>
        <source>The last change to &quot;%1&quot; was interrupted while the file was in the trash. Its latest version there (&quot;%2&quot;) has been put back.</source>
        <translation>「%1」の前回の変更は、ファイルがゴミ箱にある間に中断されました。ゴミ箱にあった最新の版（「%2」）を元に戻しました。</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; was interrupted after its new version was complete. That version has been put in place.</source>
        <translation>「%1」への前回の追加は、新しい版が完成した後に中断されました。その版を所定の場所に置きました。</translation>
    </message>
    <message>
        <source>it was replaced while it was being checked</source>
        <translation>確認中に置き換えられました</translation>
    </message>
    <message>
        <source>%1, not a copy that Linkcrate wrote, so it was left as it is. Remove it or move it away</source>
        <extracomment>%1 says what the copy is instead (&quot;it is a symbolic link&quot;).</extracomment>
        <translation>%1、Linkcrate が書いたコピーではないため、そのままにしました。削除するか別の場所に移してください</translation>
    </message>
</context>
<context>
    <name>BookmarkScanner</name>
    <message>
        <source>read failed</source>
        <translation>読み込みに失敗しました</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>You can&apos;t use these characters:<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</source>
        <translation>次の文字は使えません:<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty !</source>
        <translation>名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>URL can&apos;t be empty !</source>
        <translation>URL を空にすることはできません。</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path is instead of a file, in &quot;… is a folder, not a bookmark file.&quot;</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>is %1, not a bookmark file.</source>
        <extracomment>Follows the file&apos;s name; %1 is what it is instead (&quot;a folder&quot;).</extracomment>
        <translation>は%1であり、ブックマークファイルではありません。</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is on a read-only file system; copy it to a writable place, or mount that file system for writing</source>
        <translation>読み取り専用のファイルシステムにあります。書き込める場所にコピーするか、そのファイルシステムを書き込み可能でマウントしてください</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The full stop put after a reason that has none.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Could not add to &quot;%1&quot;: %2</source>
        <translation>「%1」に追加できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not check &quot;%1&quot;: %2</source>
        <translation>「%1」を確認できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not close &quot;%1&quot;: %2</source>
        <translation>「%1」を閉じられませんでした: %2</translation>
    </message>
    <message>
        <source>Could not create the temporary file &quot;%1&quot;: %2</source>
        <translation>一時ファイル「%1」を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not flush &quot;%1&quot;: %2</source>
        <translation>「%1」をディスクに書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けませんでした: %2</translation>
    </message>
    <message>
        <source>Could not put back the previous version of &quot;%1&quot;: %2</source>
        <translation>「%1」の以前の版を元に戻せませんでした: %2</translation>
    </message>
    <message>
        <source>Could not put in place &quot;%1&quot;: %2</source>
        <translation>「%1」を所定の場所に置けませんでした: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>「%1」を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>Could not remove the interrupted copy &quot;%1&quot;: %2</source>
        <translation>中断されたコピー「%1」を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not replace the old temporary file &quot;%1&quot;: %2</source>
        <translation>古い一時ファイル「%1」を置き換えられませんでした: %2</translation>
    </message>
    <message>
        <source>Could not replace &quot;%1&quot;: %2</source>
        <translation>「%1」を置き換えられませんでした: %2</translation>
    </message>
    <message>
        <source>Could not set the permissions of &quot;%1&quot;: %2</source>
        <translation>「%1」のアクセス権を設定できませんでした: %2</translation>
    </message>
    <message>
        <source>Could not undo the last addition to &quot;%1&quot;: %2</source>
        <translation>「%1」への直前の追加を取り消せませんでした: %2</translation>
    </message>
    <message>
        <source>Could not use &quot;%1&quot;: %2</source>
        <translation>「%1」を使えませんでした: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete bookmark file: it ends inside a list of bookmarks.</source>
        <translation>「%1」は完全なブックマークファイルではありません。ブックマークのリストの途中で終わっています。</translation>
    </message>
    <message>
        <source>The bookmark file &quot;%1&quot; has changed since it was read (%2).</source>
        <translation>ブックマークファイル「%1」は読み込んだ後に変更されました（%2）。</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>「%1」をゴミ箱に移せませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: %2</source>
        <translation>「%1」は読み取り専用です: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <extracomment>%1 is a file, %2 what is wrong with it: a sentence without its subject (&quot;is a folder, not a bookmark file.&quot;).</extracomment>
        <translation>「%1」%2</translation>
    </message>
    <message>
        <source>Could not add the bookmark to &quot;%1&quot;: %2</source>
        <translation>「%1」にブックマークを追加できませんでした: %2</translation>
    </message>
    <message>
        <source>%1
The bookmark file was left unchanged.</source>
        <extracomment>%1 is a message about the bookmark file.</extracomment>
        <translation>%1
ブックマークファイルは変更していません。</translation>
    </message>
    <message>
        <source>its owner has protected it against changes. Make it writable (in its properties, or with &quot;chmod u+w&quot;) to add bookmarks to it</source>
        <extracomment>Follows &quot;&quot;…&quot; is read-only: &quot;.</extracomment>
        <translation>所有者が変更できないように保護しています。ブックマークを追加するには、書き込み可能にしてください（プロパティで、または「chmod u+w」で）</translation>
    </message>
    <message>
        <source>is written in the character set %1, in which plain letters and signs can stand for other text, so that a bookmark added to it could garble it. Its folders can be listed, but nothing is added to it. A browser that imports it and exports the bookmarks again writes them in UTF-8, which Linkcrate adds to</source>
        <extracomment>Follows the file&apos;s name; %1 is a charset&apos;s name (SHIFT_JIS).</extracomment>
        <translation>は文字セット %1 で書かれています。この文字セットでは普通の英字や記号が別の文字を表すことがあるため、ブックマークを追加するとファイルが壊れるおそれがあります。フォルダーの一覧は表示できますが、何も追加しません。ブラウザーで読み込んでブックマークをエクスポートし直すと UTF-8 で書き出され、Linkcrate はそれに追加できます</translation>
    </message>
    <message>
        <source>the address takes %1 bytes in the file; Linkcrate adds addresses of up to %2 bytes, the longest that its check for an address already in the file finds</source>
        <extracomment>Follows &quot;Could not add the bookmark to &quot;…&quot;: &quot;.</extracomment>
        <translation>アドレスはファイル内で %1 バイトになります。Linkcrate が追加できるアドレスは %2 バイトまでです（既存アドレスの確認で見つけられる最大の長さ）</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way.</source>
        <translation>同じ名前のフォルダーがあります。</translation>
    </message>
    <message>
        <source>%1. The previous version is in the trash (%2) and could not be put back (%3); the new one is &quot;%4&quot;, which Linkcrate puts in place at its next start.</source>
        <translation>%1。以前の版はゴミ箱にあり（%2）、元に戻せませんでした（%3）。新しい版は「%4」で、Linkcrate が次回の起動時に所定の場所に置きます。</translation>
    </message>
    <message>
        <source>it was written while the bookmark was added</source>
        <translation>ブックマークの追加中に書き込まれました</translation>
    </message>
</context>
<context>
    <name>FolderFilter</name>
    <message>
        <source>Find a folder: words of its path</source>
        <translation>フォルダーを検索: パスに含まれる語</translation>
    </message>
    <message>
        <source>Find a folder</source>
        <translation>フォルダーを検索</translation>
    </message>
    <message>
        <source>Matching folders</source>
        <translation>一致するフォルダー</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
</context>
<context>
    <name>FolderWalker</name>
    <message>
        <source>is not a bookmark file (it has no list of bookmarks).</source>
        <extracomment>Follows the file&apos;s name.</extracomment>
        <translation>はブックマークファイルではありません（ブックマークのリストがありません）。</translation>
    </message>
    <message>
        <source>nests folders more than %1 deep, which Linkcrate does not follow.</source>
        <translation>はフォルダーの入れ子が %1 階層を超えており、Linkcrate は対応していません。</translation>
    </message>
</context>
<context>
    <name>HostManifests</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めませんでした: %2</translation>
    </message>
</context>
<context>
    <name>HostRequests</name>
    <message>
        <source>a whole number from -1 up</source>
        <translation>-1 以上の整数</translation>
    </message>
    <message>
        <source>The request has no &quot;%1&quot;.</source>
        <translation>要求に「%1」がありません。</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;%1&quot; must be %2.</source>
        <translation>要求の「%1」は%2でなければなりません。</translation>
    </message>
    <message>
        <source>linkcrate-host answers only Linkcrate&apos;s browser extension, not &quot;%1&quot;.</source>
        <translation>linkcrate-host は Linkcrate のブラウザー拡張機能にだけ応答します。「%1」には応答しません。</translation>
    </message>
    <message>
        <source>Unknown request &quot;%1&quot;.</source>
        <translation>不明な要求「%1」。</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;identity&quot; is not one the tree gave.</source>
        <translation>要求の「identity」はツリーが返したものではありません。</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>「%2」にフォルダー「%1」はありません。</translation>
    </message>
</context>
<context>
    <name>LastAddition</name>
    <message>
        <source>has added no bookmark that could be undone.</source>
        <extracomment>Follows the program&apos;s name, &quot;Linkcrate&quot;.</extracomment>
        <translation>は取り消せるブックマークを追加していません。</translation>
    </message>
    <message>
        <source>is not a path that Linkcrate records; the record of the last addition was dropped.</source>
        <extracomment>This and the next few follow the bookmark file&apos;s name.</extracomment>
        <translation>は Linkcrate が記録するパスではありません。直前の追加の記録は破棄しました。</translation>
    </message>
    <message>
        <source>has changed since the last addition, which can no longer be undone.</source>
        <translation>は直前の追加の後に変更されたため、その追加はもう取り消せません。</translation>
    </message>
    <message>
        <source>cannot go back to its previous version: that version is no longer in the trash.</source>
        <translation>を以前の版に戻せません。その版はもうゴミ箱にありません。</translation>
    </message>
    <message>
        <source>cannot be put back as the record of the last addition says, which was dropped: %1.</source>
        <translation>を直前の追加の記録どおりに戻せません。記録は破棄しました: %1。</translation>
    </message>
    <message>
        <source>%1. Both versions are in the trash: the previous one as &quot;%2&quot;, the one undone as &quot;%3&quot;.</source>
        <translation>%1。両方の版がゴミ箱にあります。以前の版は「%2」、取り消した版は「%3」です。</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>The message ended inside its length.</source>
        <translation>メッセージが長さの途中で終わりました。</translation>
    </message>
    <message>
        <source>A message of %1 bytes is longer than the %2 bytes allowed.</source>
        <translation>%1 バイトのメッセージは、許される %2 バイトを超えています。</translation>
    </message>
    <message>
        <source>The message ended before its %1 bytes.</source>
        <translation>メッセージが %1 バイトに達する前に終わりました。</translation>
    </message>
    <message>
        <source>The message is not UTF-8 text.</source>
        <translation>メッセージが UTF-8 のテキストではありません。</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>メッセージが JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>The reply is too large for the browser.</source>
        <translation>応答がブラウザーには大きすぎます。</translation>
    </message>
</context>
<context>
    <name>PendingFolder</name>
    <message>
        <source>&quot;%1&quot; is made with the bookmark added to it: add one before making a folder inside it.</source>
        <translation>「%1」はブックマークの追加と同時に作成されます。中にフォルダーを作る前に、ブックマークを追加してください。</translation>
    </message>
    <message>
        <source>Name of the new folder in %1:</source>
        <translation>%1 に作る新しいフォルダーの名前:</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Please select the Netscape Bookmarks file</source>
        <translation>Netscape 形式のブックマークファイルを選んでください</translation>
    </message>
    <message>
        <source>Netscape Bookmark files (*.htm *.html)</source>
        <translation>Netscape ブックマークファイル (*.htm *.html)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Text :</source>
        <translation>テキスト(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;URL :</source>
        <translation>URL(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Where the bookmark goes</source>
        <translation>ブックマークの追加先</translation>
    </message>
    <message>
        <source>New Folder…</source>
        <translation>新しいフォルダー…</translation>
    </message>
    <message>
        <source>%1 Choose the bookmark file.</source>
        <extracomment>%1 says why the remembered file cannot be used.</extracomment>
        <translation>%1ブックマークファイルを選んでください。</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>ブックマーク</translation>
    </message>
    <message>
        <source>No directory selected !</source>
        <translation>フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Add again</source>
        <translation>もう一度追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1
Nothing was written. The folders have been read again: check the folder and press Add again.</source>
        <extracomment>%1 says how the file changed.</extracomment>
        <translation>%1
何も書き込んでいません。フォルダーを読み込み直しました。フォルダーを確かめて、もう一度「追加」を押してください。</translation>
    </message>
    <message>
        <source>%1 Ctrl+Z undoes it.</source>
        <extracomment>%1 says where the bookmark went (&quot;Added to Reading/Articles.&quot;).</extracomment>
        <translation>%1Ctrl+Z で取り消せます。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
</context>
<context>
    <name>linkcrate</name>
    <message>
        <source>Adds bookmarks to a Netscape-format bookmark file.</source>
        <translation>Netscape 形式のブックマークファイルにブックマークを追加します。</translation>
    </message>
    <message>
        <source>The address to fill in.</source>
        <translation>入力するアドレス。</translation>
    </message>
    <message>
        <source>[ADDRESS</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[ADDRESS</translation>
    </message>
    <message>
        <source>The link text to fill in.</source>
        <translation>入力するリンクテキスト。</translation>
    </message>
    <message>
        <source>[TITLE]]</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[TITLE]]</translation>
    </message>
    <message>
        <source>too many arguments: at most an address and a link text.</source>
        <translation>引数が多すぎます。指定できるのはアドレスとリンクテキストだけです。</translation>
    </message>
    <message>
        <source>Linkcrate has to stop: %1</source>
        <translation>Linkcrate を終了しなければなりません: %1</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The names of the arguments in the list under --help.</extracomment>
        <translation>address</translation>
    </message>
    <message>
        <source>title</source>
        <translation>title</translation>
    </message>
</context>
<context>
    <name>mdlFileRoutines</name>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>This and the next few say what is wrong with a trash folder, after its name: &quot;the trash folder &quot;…&quot; cannot be made: …&quot;, &quot;a sub-folder of &quot;…&quot; belongs to another user&quot;.</extracomment>
        <translation>を作成できません: %1</translation>
    </message>
    <message>
        <source>is a symbolic link or not a folder</source>
        <translation>はシンボリックリンクか、フォルダーではありません</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>を開けません: %1</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>は別のユーザーのものです</translation>
    </message>
    <message>
        <source>can be written by other users</source>
        <translation>は他のユーザーが書き込めます</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a sub-folder that %2</source>
        <extracomment>%2 is what is wrong with the sub-folder, said as of a subject (&quot;belongs to another user&quot;).</extracomment>
        <translation>「%1」のサブフォルダー%2</translation>
    </message>
    <message>
        <source>the trash folder &quot;%1&quot; %2</source>
        <translation>ゴミ箱フォルダー「%1」%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>its file system has no trash that Linkcrate can use safely (&quot;%1&quot; %2)</source>
        <extracomment>Follows &quot;Could not move &quot;…&quot; to the trash: &quot;; %2 is what is wrong with the trash folder %1.</extracomment>
        <translation>そのファイルシステムには Linkcrate が安全に使えるゴミ箱がありません（「%1」%2）</translation>
    </message>
    <message>
        <source>its record cannot be made in &quot;%1/info&quot;: %2</source>
        <translation>「%1/info」に記録を作成できません: %2</translation>
    </message>
    <message>
        <source>its record cannot be written in &quot;%1/info&quot;: %2</source>
        <translation>「%1/info」に記録を書き込めません: %2</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; is on another file system, and Linkcrate never copies the file there</source>
        <translation>ゴミ箱「%1」は別のファイルシステムにあり、Linkcrate はそこへファイルをコピーしません</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; has no free name for it</source>
        <translation>ゴミ箱「%1」に使える名前がありません</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>「%1」をゴミ箱に移しますか?</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>確認されませんでした</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the trash</source>
        <translation>「%1」はゴミ箱にありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be put back from the trash (&quot;%2&quot;): %3</source>
        <translation>「%1」をゴミ箱（「%2」）から戻せませんでした: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the path of a file</source>
        <translation>「%1」はファイルのパスではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an entry of the trash &quot;%2&quot;</source>
        <translation>「%1」はゴミ箱「%2」の項目ではありません</translation>
    </message>
    <message>
        <source>the trash record &quot;%1&quot; does not name &quot;%2&quot;</source>
        <translation>ゴミ箱の記録「%1」は「%2」を指していません</translation>
    </message>
</context>
</TS>
