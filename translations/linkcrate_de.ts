<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AddCommand</name>
    <message>
        <source>The bookmark file (default: Linkcrate&apos;s).</source>
        <extracomment>The value names (FILE, PATH, TEXT) show in --help after their options.</extracomment>
        <translation>Die Lesezeichendatei (Vorgabe: die von Linkcrate).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>The folder, names joined by &quot;/&quot; (default: the root list).</source>
        <translation>Der Ordner, Namen durch „/“ verbunden (Vorgabe: die oberste Liste).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>The folder by its number in --list.</source>
        <translation>Der Ordner nach seiner Nummer in --list.</translation>
    </message>
    <message>
        <source>The link text.</source>
        <translation>Der Linktext.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>List the folders with their numbers.</source>
        <translation>Die Ordner mit ihren Nummern auflisten.</translation>
    </message>
    <message>
        <source>Show what would be added; write nothing.</source>
        <translation>Zeigen, was hinzugefügt würde; nichts schreiben.</translation>
    </message>
    <message>
        <source>Say what was added.</source>
        <translation>Sagen, was hinzugefügt wurde.</translation>
    </message>
    <message>
        <source>Add nothing if the address is in the file already (exit status 3).</source>
        <translation>Nichts hinzufügen, wenn die Adresse schon in der Datei steht (Exit-Status 3).</translation>
    </message>
    <message>
        <source>Make the folders of the --folder path that are missing, like mkdir -p.</source>
        <translation>Die fehlenden Ordner des --folder-Pfads anlegen, wie mkdir -p.</translation>
    </message>
    <message>
        <source>Undo the last addition, made here or in Linkcrate&apos;s window.</source>
        <translation>Die letzte Hinzufügung rückgängig machen, ob hier oder im Fenster von Linkcrate gemacht.</translation>
    </message>
    <message>
        <source>Adds a bookmark at the top of a folder of a bookmark file.</source>
        <translation>Fügt ein Lesezeichen oben in einen Ordner einer Lesezeichendatei ein.</translation>
    </message>
    <message>
        <source>The address of the bookmark.</source>
        <translation>Die Adresse des Lesezeichens.</translation>
    </message>
    <message>
        <source>--undo takes no folder, text or address.</source>
        <translation>--undo nimmt keinen Ordner, keinen Text und keine Adresse.</translation>
    </message>
    <message>
        <source>--list takes no folder, text or address.</source>
        <translation>--list nimmt keinen Ordner, keinen Text und keine Adresse.</translation>
    </message>
    <message>
        <source>--create makes the folders of a --folder path: give one.</source>
        <translation>--create legt die Ordner eines --folder-Pfads an: Geben Sie einen an.</translation>
    </message>
    <message>
        <source>the link text is missing: give it with --text.</source>
        <translation>der Linktext fehlt: Geben Sie ihn mit --text an.</translation>
    </message>
    <message>
        <source>give exactly one address.</source>
        <translation>geben Sie genau eine Adresse an.</translation>
    </message>
    <message>
        <source>give --folder or --folder-index, not both.</source>
        <translation>geben Sie --folder oder --folder-index an, nicht beides.</translation>
    </message>
    <message>
        <source>--folder-index takes a number.</source>
        <translation>--folder-index nimmt eine Zahl.</translation>
    </message>
    <message>
        <source>no bookmark file: name one with --file FILE, or choose one in Linkcrate&apos;s window.</source>
        <translation>keine Lesezeichendatei: Nennen Sie eine mit --file DATEI oder wählen Sie eine im Fenster von Linkcrate.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>warning: the address is already in: %1.</source>
        <translation>Warnung: Die Adresse steht schon in: %1.</translation>
    </message>
    <message>
        <source>warning: the address was already in: %1.</source>
        <translation>Warnung: Die Adresse stand schon in: %1.</translation>
    </message>
    <message>
        <source>Would make the folder &quot;%1&quot;.</source>
        <translation>Würde den Ordner „%1“ anlegen.</translation>
    </message>
    <message>
        <source>Made the folder &quot;%1&quot;.</source>
        <translation>Ordner „%1“ angelegt.</translation>
    </message>
    <message>
        <source>Would add to %1 of &quot;%2&quot;:</source>
        <translation>Würde zu %1 in „%2“ hinzufügen:</translation>
    </message>
    <message>
        <source>Added to %1:</source>
        <translation>Hinzugefügt zu %1:</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>could not write the list of folders: %1.</source>
        <translation>die Liste der Ordner konnte nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>AdditionFlow</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>the root list</source>
        <extracomment>The top of the bookmark file, where the folders are, in &quot;Added to the root list:&quot;.</extracomment>
        <translation>die oberste Liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A folder&apos;s path in a sentence.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two folder names in a list of them.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 is a list of folders; %n how many more folders hold the address.</extracomment>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weiteren</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder number %1 in &quot;%2&quot; (see --list).</source>
        <translation>in „%2“ gibt es keinen Ordner Nummer %1 (siehe --list).</translation>
    </message>
    <message numerus="yes">
        <source>%n folders in &quot;%1&quot; are called &quot;%2&quot;; choose one with --folder-index:%3</source>
        <translation>
            <numerusform>%n Ordner in „%1“ heißt „%2“; wählen Sie einen mit --folder-index:%3</numerusform>
            <numerusform>%n Ordner in „%1“ heißen „%2“; wählen Sie einen mit --folder-index:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot; (see --list).</source>
        <translation>in „%2“ gibt es keinen Ordner „%1“ (siehe --list).</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot;; did you mean:%3</source>
        <extracomment>Followed by the folders of nearly that name, one a line.</extracomment>
        <translation>in „%2“ gibt es keinen Ordner „%1“; meinten Sie:%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The choice of bookmark file could not be saved in &quot;%1&quot;.</source>
        <translation>Die Wahl der Lesezeichendatei konnte nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>This address is already in: %1. Add it again?</source>
        <translation>Diese Adresse steht schon in: %1. Noch einmal hinzufügen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a web address (example.com/page) or one with its scheme (https:, mailto:).</source>
        <translation>„%1“ ist keine Adresse: Geben Sie eine Webadresse (example.com/seite) ein oder eine mit ihrem Schema (https:, mailto:).</translation>
    </message>
    <message>
        <source>No bookmark file has been chosen.</source>
        <translation>Es wurde keine Lesezeichendatei gewählt.</translation>
    </message>
    <message>
        <source>the address is already in: %1. Nothing was added.</source>
        <translation>die Adresse steht schon in: %1. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>has changed since its folders were read</source>
        <translation>hat sich geändert, seit seine Ordner gelesen wurden</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made: %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The bookmark was added, but it cannot be undone: the settings file &quot;%1&quot; could not be written (is the disk full?). The previous version of &quot;%2&quot; is in the trash (%3).</source>
        <translation>Das Lesezeichen wurde hinzugefügt, kann aber nicht rückgängig gemacht werden: Die Einstellungsdatei „%1“ konnte nicht geschrieben werden (ist der Datenträger voll?). Die vorige Fassung von „%2“ liegt im Papierkorb (%3).</translation>
    </message>
    <message>
        <source>Added to %1.</source>
        <translation>Zu %1 hinzugefügt.</translation>
    </message>
    <message>
        <source>The file goes back to the version before it; the version with the addition goes to the trash.</source>
        <translation>Die Datei kehrt zur Fassung davor zurück; die Fassung mit der Hinzufügung kommt in den Papierkorb.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The undo question (%1), then what undoing does (%2).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Undo the last addition to &quot;%1&quot;?</source>
        <translation>Die letzte Hinzufügung zu „%1“ rückgängig machen?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder.</extracomment>
        <translation>„%1“ in %2 wieder entfernen?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2 in &quot;%3&quot;?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder, %3 the bookmark file.</extracomment>
        <translation>„%1“ in %2 in „%3“ wieder entfernen?</translation>
    </message>
    <message>
        <source>The last addition was to &quot;%1&quot;, not to &quot;%2&quot;. Nothing was undone.</source>
        <translation>Die letzte Hinzufügung war zu „%1“, nicht zu „%2“. Es wurde nichts rückgängig gemacht.</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; has been undone; the version with it is in the trash.</source>
        <translation>Die letzte Hinzufügung zu „%1“ wurde rückgängig gemacht; die Fassung damit liegt im Papierkorb.</translation>
    </message>
</context>
<context>
    <name>BlockWriter</name>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>BookmarkInserter</name>
    <message>
        <source>Please type a name for the new folder.</source>
        <translation>Bitte geben Sie einen Namen für den neuen Ordner ein.</translation>
    </message>
    <message>
        <source>A folder name cannot hold &quot;\&quot; or &quot;/&quot;: a folder path splits there.</source>
        <translation>Ein Ordnername darf kein „\“ und kein „/“ enthalten: Dort wird ein Ordnerpfad geteilt.</translation>
    </message>
    <message>
        <source>the folder is no longer where it was</source>
        <translation>der Ordner ist nicht mehr, wo er war</translation>
    </message>
    <message>
        <source>the folders are not the ones read</source>
        <translation>die Ordner sind nicht die gelesenen</translation>
    </message>
    <message>
        <source>there is no folder number %1</source>
        <extracomment>This and the like are shown in &quot;The bookmark file &quot;…&quot; has changed since it was read (…).&quot;</extracomment>
        <translation>es gibt keinen Ordner Nummer %1</translation>
    </message>
    <message>
        <source>gets no new folder &quot;%1&quot;. %2</source>
        <extracomment>Follows the bookmark file&apos;s name; %2 is why the name is refused.</extracomment>
        <translation>bekommt keinen neuen Ordner „%1“. %2</translation>
    </message>
    <message>
        <source>would nest folders more than %1 deep</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>würde Ordner mehr als %1 Ebenen tief verschachteln</translation>
    </message>
    <message>
        <source>its size or modification time differ</source>
        <translation>Größe oder Änderungszeit weichen ab</translation>
    </message>
    <message>
        <source>has that folder&apos;s list inside a bookmark&apos;s tag (in its address, say), where a bookmark added would break that one</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>enthält die Liste dieses Ordners innerhalb des Tags eines Lesezeichens (etwa in seiner Adresse), wo ein hinzugefügtes Lesezeichen jenes zerstören würde</translation>
    </message>
</context>
<context>
    <name>BookmarkLock</name>
    <message>
        <source>another addition to this file is under way; try again in a moment.</source>
        <translation>eine andere Hinzufügung zu dieser Datei läuft gerade; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; %2; remove it and try again.</source>
        <extracomment>%2 says what is wrong with the lock file: &quot;belongs to another user&quot;.</extracomment>
        <translation>die Sperrdatei „%1“ %2; entfernen Sie sie und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>is not a regular file (it is a folder, a link or a special file)</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>ist keine gewöhnliche Datei (sondern ein Ordner, ein Link oder eine Spezialdatei)</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be created: %2.</source>
        <translation>die Sperrdatei „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be read: %2.</source>
        <translation>die Sperrdatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be locked: %2.</source>
        <translation>die Sperrdatei „%1“ kann nicht gesperrt werden: %2.</translation>
    </message>
</context>
<context>
    <name>BookmarkRecovery</name>
    <message>
        <source>it is a symbolic link</source>
        <extracomment>Why a leftover copy of the bookmark file is not touched, before &quot;, not a copy that Linkcrate wrote&quot;.</extracomment>
        <translation>sie ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>sie hat weitere Namen (harte Links)</translation>
    </message>
    <message>
        <source>The last change to &quot;%1&quot; was interrupted while the file was in the trash. Its latest version there (&quot;%2&quot;) has been put back.</source>
        <translation>Die letzte Änderung an „%1“ wurde unterbrochen, als die Datei im Papierkorb lag. Ihre neueste Fassung dort („%2“) wurde zurückgelegt.</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; was interrupted after its new version was complete. That version has been put in place.</source>
        <translation>Die letzte Hinzufügung zu „%1“ wurde unterbrochen, nachdem ihre neue Fassung fertig war. Diese Fassung wurde an ihren Platz gesetzt.</translation>
    </message>
    <message>
        <source>it was replaced while it was being checked</source>
        <translation>sie wurde ersetzt, während sie geprüft wurde</translation>
    </message>
    <message>
        <source>%1, not a copy that Linkcrate wrote, so it was left as it is. Remove it or move it away</source>
        <extracomment>%1 says what the copy is instead (&quot;it is a symbolic link&quot;).</extracomment>
        <translation>%1, keine Kopie, die Linkcrate geschrieben hat, und wurde daher gelassen, wie sie ist. Entfernen Sie sie oder verschieben Sie sie</translation>
    </message>
</context>
<context>
    <name>BookmarkScanner</name>
    <message>
        <source>read failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>You can&apos;t use these characters:<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</source>
        <translation>Diese Zeichen sind nicht erlaubt:<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty !</source>
        <translation>Der Name darf nicht leer sein!</translation>
    </message>
    <message>
        <source>URL can&apos;t be empty !</source>
        <translation>Die URL darf nicht leer sein!</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path is instead of a file, in &quot;… is a folder, not a bookmark file.&quot;</extracomment>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>is %1, not a bookmark file.</source>
        <extracomment>Follows the file&apos;s name; %1 is what it is instead (&quot;a folder&quot;).</extracomment>
        <translation>ist %1, keine Lesezeichendatei.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is on a read-only file system; copy it to a writable place, or mount that file system for writing</source>
        <translation>sie liegt auf einem schreibgeschützten Dateisystem; kopieren Sie sie an einen beschreibbaren Ort oder hängen Sie das Dateisystem beschreibbar ein</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The full stop put after a reason that has none.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Could not add to &quot;%1&quot;: %2</source>
        <translation>Konnte nicht zu „%1“ hinzufügen: %2</translation>
    </message>
    <message>
        <source>Could not check &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht prüfen: %2</translation>
    </message>
    <message>
        <source>Could not close &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht schließen: %2</translation>
    </message>
    <message>
        <source>Could not create the temporary file &quot;%1&quot;: %2</source>
        <translation>Konnte die temporäre Datei „%1“ nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Could not flush &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht auf den Datenträger schreiben: %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Could not put back the previous version of &quot;%1&quot;: %2</source>
        <translation>Konnte die vorige Fassung von „%1“ nicht zurücklegen: %2</translation>
    </message>
    <message>
        <source>Could not put in place &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht an seinen Platz setzen: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht lesen: %2</translation>
    </message>
    <message>
        <source>Could not remove the interrupted copy &quot;%1&quot;: %2</source>
        <translation>Konnte die unterbrochene Kopie „%1“ nicht entfernen: %2</translation>
    </message>
    <message>
        <source>Could not replace the old temporary file &quot;%1&quot;: %2</source>
        <translation>Konnte die alte temporäre Datei „%1“ nicht ersetzen: %2</translation>
    </message>
    <message>
        <source>Could not replace &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht ersetzen: %2</translation>
    </message>
    <message>
        <source>Could not set the permissions of &quot;%1&quot;: %2</source>
        <translation>Konnte die Zugriffsrechte von „%1“ nicht setzen: %2</translation>
    </message>
    <message>
        <source>Could not undo the last addition to &quot;%1&quot;: %2</source>
        <translation>Konnte die letzte Hinzufügung zu „%1“ nicht rückgängig machen: %2</translation>
    </message>
    <message>
        <source>Could not use &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht verwenden: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht schreiben: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete bookmark file: it ends inside a list of bookmarks.</source>
        <translation>„%1“ ist keine vollständige Lesezeichendatei: Sie endet mitten in einer Liste von Lesezeichen.</translation>
    </message>
    <message>
        <source>The bookmark file &quot;%1&quot; has changed since it was read (%2).</source>
        <translation>Die Lesezeichendatei „%1“ hat sich geändert, seit sie gelesen wurde (%2).</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Konnte „%1“ nicht in den Papierkorb verschieben: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: %2</source>
        <translation>„%1“ ist schreibgeschützt: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <extracomment>%1 is a file, %2 what is wrong with it: a sentence without its subject (&quot;is a folder, not a bookmark file.&quot;).</extracomment>
        <translation>„%1“ %2</translation>
    </message>
    <message>
        <source>Could not add the bookmark to &quot;%1&quot;: %2</source>
        <translation>Konnte das Lesezeichen nicht zu „%1“ hinzufügen: %2</translation>
    </message>
    <message>
        <source>%1
The bookmark file was left unchanged.</source>
        <extracomment>%1 is a message about the bookmark file.</extracomment>
        <translation>%1
Die Lesezeichendatei blieb unverändert.</translation>
    </message>
    <message>
        <source>its owner has protected it against changes. Make it writable (in its properties, or with &quot;chmod u+w&quot;) to add bookmarks to it</source>
        <extracomment>Follows &quot;&quot;…&quot; is read-only: &quot;.</extracomment>
        <translation>ihr Eigentümer hat sie gegen Änderungen geschützt. Machen Sie sie beschreibbar (in ihren Eigenschaften oder mit „chmod u+w“), um Lesezeichen hinzuzufügen</translation>
    </message>
    <message>
        <source>is written in the character set %1, in which plain letters and signs can stand for other text, so that a bookmark added to it could garble it. Its folders can be listed, but nothing is added to it. A browser that imports it and exports the bookmarks again writes them in UTF-8, which Linkcrate adds to</source>
        <extracomment>Follows the file&apos;s name; %1 is a charset&apos;s name (SHIFT_JIS).</extracomment>
        <translation>ist im Zeichensatz %1 geschrieben, in dem einfache Buchstaben und Zeichen für anderen Text stehen können, sodass ein hinzugefügtes Lesezeichen sie verstümmeln könnte. Ihre Ordner lassen sich auflisten, aber es wird nichts hinzugefügt. Ein Browser, der sie importiert und die Lesezeichen wieder exportiert, schreibt sie in UTF-8, und dazu fügt Linkcrate hinzu</translation>
    </message>
    <message>
        <source>the address takes %1 bytes in the file; Linkcrate adds addresses of up to %2 bytes, the longest that its check for an address already in the file finds</source>
        <extracomment>Follows &quot;Could not add the bookmark to &quot;…&quot;: &quot;.</extracomment>
        <translation>die Adresse belegt %1 Bytes in der Datei; Linkcrate fügt Adressen bis %2 Bytes hinzu, die längsten, die seine Prüfung auf schon vorhandene Adressen findet</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way.</source>
        <translation>ein Ordner dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <source>%1. The previous version is in the trash (%2) and could not be put back (%3); the new one is &quot;%4&quot;, which Linkcrate puts in place at its next start.</source>
        <translation>%1. Die vorige Fassung liegt im Papierkorb (%2) und konnte nicht zurückgelegt werden (%3); die neue ist „%4“, die Linkcrate beim nächsten Start an ihren Platz setzt.</translation>
    </message>
    <message>
        <source>it was written while the bookmark was added</source>
        <translation>sie wurde geschrieben, während das Lesezeichen hinzugefügt wurde</translation>
    </message>
</context>
<context>
    <name>FolderFilter</name>
    <message>
        <source>Find a folder: words of its path</source>
        <translation>Ordner finden: Wörter seines Pfads</translation>
    </message>
    <message>
        <source>Find a folder</source>
        <translation>Ordner finden</translation>
    </message>
    <message>
        <source>Matching folders</source>
        <translation>Passende Ordner</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
</context>
<context>
    <name>FolderWalker</name>
    <message>
        <source>is not a bookmark file (it has no list of bookmarks).</source>
        <extracomment>Follows the file&apos;s name.</extracomment>
        <translation>ist keine Lesezeichendatei (sie hat keine Liste von Lesezeichen).</translation>
    </message>
    <message>
        <source>nests folders more than %1 deep, which Linkcrate does not follow.</source>
        <translation>verschachtelt Ordner mehr als %1 Ebenen tief, was Linkcrate nicht verfolgt.</translation>
    </message>
</context>
<context>
    <name>HostManifests</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Konnte „%1“ nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>HostRequests</name>
    <message>
        <source>a whole number from -1 up</source>
        <translation>eine ganze Zahl ab -1</translation>
    </message>
    <message>
        <source>The request has no &quot;%1&quot;.</source>
        <translation>Der Anfrage fehlt „%1“.</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;%1&quot; must be %2.</source>
        <translation>„%1“ in der Anfrage muss %2 sein.</translation>
    </message>
    <message>
        <source>linkcrate-host answers only Linkcrate&apos;s browser extension, not &quot;%1&quot;.</source>
        <translation>linkcrate-host antwortet nur der Browsererweiterung von Linkcrate, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown request &quot;%1&quot;.</source>
        <translation>Unbekannte Anfrage „%1“.</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;identity&quot; is not one the tree gave.</source>
        <translation>Die „identity“ der Anfrage stammt nicht aus dem Baum.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>In „%2“ gibt es keinen Ordner „%1“.</translation>
    </message>
</context>
<context>
    <name>LastAddition</name>
    <message>
        <source>has added no bookmark that could be undone.</source>
        <extracomment>Follows the program&apos;s name, &quot;Linkcrate&quot;.</extracomment>
        <translation>hat kein Lesezeichen hinzugefügt, das sich rückgängig machen ließe.</translation>
    </message>
    <message>
        <source>is not a path that Linkcrate records; the record of the last addition was dropped.</source>
        <extracomment>This and the next few follow the bookmark file&apos;s name.</extracomment>
        <translation>ist kein Pfad, den Linkcrate aufzeichnet; die Aufzeichnung der letzten Hinzufügung wurde verworfen.</translation>
    </message>
    <message>
        <source>has changed since the last addition, which can no longer be undone.</source>
        <translation>hat sich seit der letzten Hinzufügung geändert, die sich nicht mehr rückgängig machen lässt.</translation>
    </message>
    <message>
        <source>cannot go back to its previous version: that version is no longer in the trash.</source>
        <translation>kann nicht zu ihrer vorigen Fassung zurückkehren: Diese Fassung liegt nicht mehr im Papierkorb.</translation>
    </message>
    <message>
        <source>cannot be put back as the record of the last addition says, which was dropped: %1.</source>
        <translation>kann nicht so zurückgelegt werden, wie die Aufzeichnung der letzten Hinzufügung sagt; sie wurde verworfen: %1.</translation>
    </message>
    <message>
        <source>%1. Both versions are in the trash: the previous one as &quot;%2&quot;, the one undone as &quot;%3&quot;.</source>
        <translation>%1. Beide Fassungen liegen im Papierkorb: die vorige als „%2“, die rückgängig gemachte als „%3“.</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>The message ended inside its length.</source>
        <translation>Die Nachricht endete innerhalb ihrer Längenangabe.</translation>
    </message>
    <message>
        <source>A message of %1 bytes is longer than the %2 bytes allowed.</source>
        <translation>Eine Nachricht von %1 Bytes ist länger als die erlaubten %2 Bytes.</translation>
    </message>
    <message>
        <source>The message ended before its %1 bytes.</source>
        <translation>Die Nachricht endete vor ihren %1 Bytes.</translation>
    </message>
    <message>
        <source>The message is not UTF-8 text.</source>
        <translation>Die Nachricht ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>Die Nachricht ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The reply is too large for the browser.</source>
        <translation>Die Antwort ist zu groß für den Browser.</translation>
    </message>
</context>
<context>
    <name>PendingFolder</name>
    <message>
        <source>&quot;%1&quot; is made with the bookmark added to it: add one before making a folder inside it.</source>
        <translation>„%1“ wird mit dem Lesezeichen angelegt, das hinzugefügt wird: Fügen Sie eines hinzu, bevor Sie darin einen Ordner anlegen.</translation>
    </message>
    <message>
        <source>Name of the new folder in %1:</source>
        <translation>Name des neuen Ordners in %1:</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Please select the Netscape Bookmarks file</source>
        <translation>Bitte wählen Sie die Netscape-Lesezeichendatei</translation>
    </message>
    <message>
        <source>Netscape Bookmark files (*.htm *.html)</source>
        <translation>Netscape-Lesezeichendateien (*.htm *.html)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Text :</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;URL :</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Where the bookmark goes</source>
        <translation>Wohin das Lesezeichen kommt</translation>
    </message>
    <message>
        <source>New Folder…</source>
        <translation>Neuer Ordner…</translation>
    </message>
    <message>
        <source>%1 Choose the bookmark file.</source>
        <extracomment>%1 says why the remembered file cannot be used.</extracomment>
        <translation>%1 Wählen Sie die Lesezeichendatei.</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>No directory selected !</source>
        <translation>Kein Ordner ausgewählt!</translation>
    </message>
    <message>
        <source>Add again</source>
        <translation>Erneut hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1
Nothing was written. The folders have been read again: check the folder and press Add again.</source>
        <extracomment>%1 says how the file changed.</extracomment>
        <translation>%1
Es wurde nichts geschrieben. Die Ordner wurden neu gelesen: Prüfen Sie den Ordner und drücken Sie noch einmal „Hinzufügen“.</translation>
    </message>
    <message>
        <source>%1 Ctrl+Z undoes it.</source>
        <extracomment>%1 says where the bookmark went (&quot;Added to Reading/Articles.&quot;).</extracomment>
        <translation>%1 Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>linkcrate</name>
    <message>
        <source>Adds bookmarks to a Netscape-format bookmark file.</source>
        <translation>Fügt Lesezeichen zu einer Lesezeichendatei im Netscape-Format hinzu.</translation>
    </message>
    <message>
        <source>The address to fill in.</source>
        <translation>Die einzutragende Adresse.</translation>
    </message>
    <message>
        <source>[ADDRESS</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[ADRESSE</translation>
    </message>
    <message>
        <source>The link text to fill in.</source>
        <translation>Der einzutragende Linktext.</translation>
    </message>
    <message>
        <source>[TITLE]]</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[TITEL]]</translation>
    </message>
    <message>
        <source>too many arguments: at most an address and a link text.</source>
        <translation>zu viele Argumente: höchstens eine Adresse und ein Linktext.</translation>
    </message>
    <message>
        <source>Linkcrate has to stop: %1</source>
        <translation>Linkcrate muss beendet werden: %1</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The names of the arguments in the list under --help.</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>mdlFileRoutines</name>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>This and the next few say what is wrong with a trash folder, after its name: &quot;the trash folder &quot;…&quot; cannot be made: …&quot;, &quot;a sub-folder of &quot;…&quot; belongs to another user&quot;.</extracomment>
        <translation>kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>is a symbolic link or not a folder</source>
        <translation>ist ein symbolischer Link oder kein Ordner</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>can be written by other users</source>
        <translation>kann von anderen Benutzern beschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a sub-folder that %2</source>
        <extracomment>%2 is what is wrong with the sub-folder, said as of a subject (&quot;belongs to another user&quot;).</extracomment>
        <translation>ein Unterordner von „%1“ %2</translation>
    </message>
    <message>
        <source>the trash folder &quot;%1&quot; %2</source>
        <translation>der Papierkorb-Ordner „%1“ %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>its file system has no trash that Linkcrate can use safely (&quot;%1&quot; %2)</source>
        <extracomment>Follows &quot;Could not move &quot;…&quot; to the trash: &quot;; %2 is what is wrong with the trash folder %1.</extracomment>
        <translation>ihr Dateisystem hat keinen Papierkorb, den Linkcrate sicher verwenden kann („%1“ %2)</translation>
    </message>
    <message>
        <source>its record cannot be made in &quot;%1/info&quot;: %2</source>
        <translation>ihr Eintrag kann in „%1/info“ nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>its record cannot be written in &quot;%1/info&quot;: %2</source>
        <translation>ihr Eintrag kann in „%1/info“ nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; is on another file system, and Linkcrate never copies the file there</source>
        <translation>der Papierkorb „%1“ liegt auf einem anderen Dateisystem, und Linkcrate kopiert die Datei nie dorthin</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; has no free name for it</source>
        <translation>der Papierkorb „%1“ hat keinen freien Namen dafür</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>„%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the trash</source>
        <translation>„%1“ liegt nicht im Papierkorb</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be put back from the trash (&quot;%2&quot;): %3</source>
        <translation>„%1“ konnte nicht aus dem Papierkorb zurückgelegt werden („%2“): %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the path of a file</source>
        <translation>„%1“ ist nicht der Pfad einer Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an entry of the trash &quot;%2&quot;</source>
        <translation>„%1“ ist kein Eintrag des Papierkorbs „%2“</translation>
    </message>
    <message>
        <source>the trash record &quot;%1&quot; does not name &quot;%2&quot;</source>
        <translation>der Papierkorb-Eintrag „%1“ nennt nicht „%2“</translation>
    </message>
</context>
</TS>
