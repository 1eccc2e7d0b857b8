<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AddCommand</name>
    <message>
        <source>The bookmark file (default: Linkcrate&apos;s).</source>
        <extracomment>The value names (FILE, PATH, TEXT) show in --help after their options.</extracomment>
        <translation>Le fichier de marque-pages (par défaut : celui de Linkcrate).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>The folder, names joined by &quot;/&quot; (default: the root list).</source>
        <translation>Le dossier, noms joints par « / » (par défaut : la liste racine).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>The folder by its number in --list.</source>
        <translation>Le dossier, par son numéro dans --list.</translation>
    </message>
    <message>
        <source>The link text.</source>
        <translation>Le texte du lien.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>List the folders with their numbers.</source>
        <translation>Lister les dossiers avec leurs numéros.</translation>
    </message>
    <message>
        <source>Show what would be added; write nothing.</source>
        <translation>Montrer ce qui serait ajouté, sans rien écrire.</translation>
    </message>
    <message>
        <source>Say what was added.</source>
        <translation>Dire ce qui a été ajouté.</translation>
    </message>
    <message>
        <source>Add nothing if the address is in the file already (exit status 3).</source>
        <translation>Ne rien ajouter si l’adresse est déjà dans le fichier (code de sortie 3).</translation>
    </message>
    <message>
        <source>Make the folders of the --folder path that are missing, like mkdir -p.</source>
        <translation>Créer les dossiers manquants du chemin de --folder, comme mkdir -p.</translation>
    </message>
    <message>
        <source>Undo the last addition, made here or in Linkcrate&apos;s window.</source>
        <translation>Annuler le dernier ajout, fait ici ou dans la fenêtre de Linkcrate.</translation>
    </message>
    <message>
        <source>Adds a bookmark at the top of a folder of a bookmark file.</source>
        <translation>Ajoute un marque-page en tête d’un dossier d’un fichier de marque-pages.</translation>
    </message>
    <message>
        <source>The address of the bookmark.</source>
        <translation>L’adresse du marque-page.</translation>
    </message>
    <message>
        <source>--undo takes no folder, text or address.</source>
        <translation>--undo ne prend ni dossier, ni texte, ni adresse.</translation>
    </message>
    <message>
        <source>--list takes no folder, text or address.</source>
        <translation>--list ne prend ni dossier, ni texte, ni adresse.</translation>
    </message>
    <message>
        <source>--create makes the folders of a --folder path: give one.</source>
        <translation>--create crée les dossiers d’un chemin --folder : indiquez-en un.</translation>
    </message>
    <message>
        <source>the link text is missing: give it with --text.</source>
        <translation>le texte du lien manque : indiquez-le avec --text.</translation>
    </message>
    <message>
        <source>give exactly one address.</source>
        <translation>indiquez exactement une adresse.</translation>
    </message>
    <message>
        <source>give --folder or --folder-index, not both.</source>
        <translation>indiquez --folder ou --folder-index, pas les deux.</translation>
    </message>
    <message>
        <source>--folder-index takes a number.</source>
        <translation>--folder-index prend un nombre.</translation>
    </message>
    <message>
        <source>no bookmark file: name one with --file FILE, or choose one in Linkcrate&apos;s window.</source>
        <translation>aucun fichier de marque-pages : indiquez-en un avec --file FICHIER, ou choisissez-en un dans la fenêtre de Linkcrate.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>warning: the address is already in: %1.</source>
        <translation>avertissement : l’adresse est déjà dans : %1.</translation>
    </message>
    <message>
        <source>warning: the address was already in: %1.</source>
        <translation>avertissement : l’adresse était déjà dans : %1.</translation>
    </message>
    <message>
        <source>Would make the folder &quot;%1&quot;.</source>
        <translation>Créerait le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Made the folder &quot;%1&quot;.</source>
        <translation>Dossier « %1 » créé.</translation>
    </message>
    <message>
        <source>Would add to %1 of &quot;%2&quot;:</source>
        <translation>Ajouterait à %1 de « %2 » :</translation>
    </message>
    <message>
        <source>Added to %1:</source>
        <translation>Ajouté à %1 :</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez « %1 --help ».</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>ADRESSE</translation>
    </message>
    <message>
        <source>could not write the list of folders: %1.</source>
        <translation>impossible d&apos;écrire la liste des dossiers : %1.</translation>
    </message>
</context>
<context>
    <name>AdditionFlow</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>the root list</source>
        <extracomment>The top of the bookmark file, where the folders are, in &quot;Added to the root list:&quot;.</extracomment>
        <translation>la liste racine</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A folder&apos;s path in a sentence.</extracomment>
        <translation>« %1 »</translation>
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
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder number %1 in &quot;%2&quot; (see --list).</source>
        <translation>il n’y a pas de dossier numéro %1 dans « %2 » (voir --list).</translation>
    </message>
    <message numerus="yes">
        <source>%n folders in &quot;%1&quot; are called &quot;%2&quot;; choose one with --folder-index:%3</source>
        <translation>
            <numerusform>%n dossier de « %1 » s’appelle « %2 » ; choisissez-en un avec --folder-index :%3</numerusform>
            <numerusform>%n dossiers de « %1 » s’appellent « %2 » ; choisissez-en un avec --folder-index :%3</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot; (see --list).</source>
        <translation>il n’y a pas de dossier « %1 » dans « %2 » (voir --list).</translation>
    </message>
    <message>
        <source>there is no folder &quot;%1&quot; in &quot;%2&quot;; did you mean:%3</source>
        <extracomment>Followed by the folders of nearly that name, one a line.</extracomment>
        <translation>il n’y a pas de dossier « %1 » dans « %2 » ; vouliez-vous dire :%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>« %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The choice of bookmark file could not be saved in &quot;%1&quot;.</source>
        <translation>Le choix du fichier de marque-pages n’a pas pu être enregistré dans « %1 ».</translation>
    </message>
    <message>
        <source>This address is already in: %1. Add it again?</source>
        <translation>Cette adresse est déjà dans : %1. L’ajouter encore ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address: type a web address (example.com/page) or one with its scheme (https:, mailto:).</source>
        <translation>« %1 » n’est pas une adresse : tapez une adresse web (example.com/page) ou une adresse avec son schéma (https:, mailto:).</translation>
    </message>
    <message>
        <source>No bookmark file has been chosen.</source>
        <translation>Aucun fichier de marque-pages n’a été choisi.</translation>
    </message>
    <message>
        <source>the address is already in: %1. Nothing was added.</source>
        <translation>l’adresse est déjà dans : %1. Rien n’a été ajouté.</translation>
    </message>
    <message>
        <source>has changed since its folders were read</source>
        <translation>a changé depuis la lecture de ses dossiers</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made: %2</source>
        <translation>Le dossier « %1 » ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The bookmark was added, but it cannot be undone: the settings file &quot;%1&quot; could not be written (is the disk full?). The previous version of &quot;%2&quot; is in the trash (%3).</source>
        <translation>Le marque-page a été ajouté, mais l’ajout ne peut pas être annulé : le fichier de réglages « %1 » n’a pas pu être écrit (le disque est-il plein ?). La version précédente de « %2 » est dans la corbeille (%3).</translation>
    </message>
    <message>
        <source>Added to %1.</source>
        <translation>Ajouté à %1.</translation>
    </message>
    <message>
        <source>The file goes back to the version before it; the version with the addition goes to the trash.</source>
        <translation>Le fichier revient à la version d’avant ; la version avec l’ajout va dans la corbeille.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The undo question (%1), then what undoing does (%2).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Undo the last addition to &quot;%1&quot;?</source>
        <translation>Annuler le dernier ajout à « %1 » ?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder.</extracomment>
        <translation>Annuler l’ajout de « %1 » à %2 ?</translation>
    </message>
    <message>
        <source>Undo adding “%1” to %2 in &quot;%3&quot;?</source>
        <extracomment>%1 is the bookmark&apos;s link text, %2 its folder, %3 the bookmark file.</extracomment>
        <translation>Annuler l’ajout de « %1 » à %2 dans « %3 » ?</translation>
    </message>
    <message>
        <source>The last addition was to &quot;%1&quot;, not to &quot;%2&quot;. Nothing was undone.</source>
        <translation>Le dernier ajout était à « %1 », pas à « %2 ». Rien n’a été annulé.</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; has been undone; the version with it is in the trash.</source>
        <translation>Le dernier ajout à « %1 » a été annulé ; la version qui le contient est dans la corbeille.</translation>
    </message>
</context>
<context>
    <name>BlockWriter</name>
    <message>
        <source>write failed</source>
        <translation>échec de l’écriture</translation>
    </message>
</context>
<context>
    <name>BookmarkInserter</name>
    <message>
        <source>Please type a name for the new folder.</source>
        <translation>Veuillez taper un nom pour le nouveau dossier.</translation>
    </message>
    <message>
        <source>A folder name cannot hold &quot;\&quot; or &quot;/&quot;: a folder path splits there.</source>
        <translation>Un nom de dossier ne peut pas contenir « \ » ni « / » : un chemin de dossiers se coupe là.</translation>
    </message>
    <message>
        <source>the folder is no longer where it was</source>
        <translation>le dossier n’est plus à sa place</translation>
    </message>
    <message>
        <source>the folders are not the ones read</source>
        <translation>les dossiers ne sont plus ceux qui ont été lus</translation>
    </message>
    <message>
        <source>there is no folder number %1</source>
        <extracomment>This and the like are shown in &quot;The bookmark file &quot;…&quot; has changed since it was read (…).&quot;</extracomment>
        <translation>il n’y a pas de dossier numéro %1</translation>
    </message>
    <message>
        <source>gets no new folder &quot;%1&quot;. %2</source>
        <extracomment>Follows the bookmark file&apos;s name; %2 is why the name is refused.</extracomment>
        <translation>ne reçoit pas de nouveau dossier « %1 ». %2</translation>
    </message>
    <message>
        <source>would nest folders more than %1 deep</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>imbriquerait des dossiers sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>its size or modification time differ</source>
        <translation>sa taille ou sa date de modification diffèrent</translation>
    </message>
    <message>
        <source>has that folder&apos;s list inside a bookmark&apos;s tag (in its address, say), where a bookmark added would break that one</source>
        <extracomment>Follows the bookmark file&apos;s name.</extracomment>
        <translation>contient la liste de ce dossier à l&apos;intérieur de la balise d&apos;un marque-page (dans son adresse, par exemple), où un marque-page ajouté abîmerait celui-ci</translation>
    </message>
</context>
<context>
    <name>BookmarkLock</name>
    <message>
        <source>another addition to this file is under way; try again in a moment.</source>
        <translation>un autre ajout à ce fichier est en cours ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; %2; remove it and try again.</source>
        <extracomment>%2 says what is wrong with the lock file: &quot;belongs to another user&quot;.</extracomment>
        <translation>le fichier de verrou « %1 » %2 ; supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>is not a regular file (it is a folder, a link or a special file)</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>n’est pas un fichier ordinaire (c’est un dossier, un lien ou un fichier spécial)</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <extracomment>Completes &quot;the lock file &quot;…&quot; …; remove it and try again.&quot;</extracomment>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be created: %2.</source>
        <translation>le fichier de verrou « %1 » ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be read: %2.</source>
        <translation>le fichier de verrou « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>the lock file &quot;%1&quot; cannot be locked: %2.</source>
        <translation>le fichier de verrou « %1 » ne peut pas être verrouillé : %2.</translation>
    </message>
</context>
<context>
    <name>BookmarkRecovery</name>
    <message>
        <source>it is a symbolic link</source>
        <extracomment>Why a leftover copy of the bookmark file is not touched, before &quot;, not a copy that Linkcrate wrote&quot;.</extracomment>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it has other names (hard links)</source>
        <translation>il a d’autres noms (liens physiques)</translation>
    </message>
    <message>
        <source>The last change to &quot;%1&quot; was interrupted while the file was in the trash. Its latest version there (&quot;%2&quot;) has been put back.</source>
        <translation>La dernière modification de « %1 » a été interrompue alors que le fichier était dans la corbeille. Sa version la plus récente là-bas (« %2 ») a été remise en place.</translation>
    </message>
    <message>
        <source>The last addition to &quot;%1&quot; was interrupted after its new version was complete. That version has been put in place.</source>
        <translation>Le dernier ajout à « %1 » a été interrompu alors que sa nouvelle version était complète. Cette version a été mise en place.</translation>
    </message>
    <message>
        <source>it was replaced while it was being checked</source>
        <translation>il a été remplacé pendant sa vérification</translation>
    </message>
    <message>
        <source>%1, not a copy that Linkcrate wrote, so it was left as it is. Remove it or move it away</source>
        <extracomment>%1 says what the copy is instead (&quot;it is a symbolic link&quot;).</extracomment>
        <translation>%1, pas une copie écrite par Linkcrate ; il a donc été laissé tel quel. Supprimez-le ou déplacez-le</translation>
    </message>
</context>
<context>
    <name>BookmarkScanner</name>
    <message>
        <source>read failed</source>
        <translation>échec de la lecture</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>You can&apos;t use these characters:<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</source>
        <translation>Vous ne pouvez pas utiliser ces caractères :<byte value="xd"/>
\ / : * ? &quot; &lt; &gt; | &amp;</translation>
    </message>
    <message>
        <source>Name can&apos;t be empty !</source>
        <translation>Le nom ne peut pas être vide !</translation>
    </message>
    <message>
        <source>URL can&apos;t be empty !</source>
        <translation>L’URL ne peut pas être vide !</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>a folder</source>
        <extracomment>What a path is instead of a file, in &quot;… is a folder, not a bookmark file.&quot;</extracomment>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>is %1, not a bookmark file.</source>
        <extracomment>Follows the file&apos;s name; %1 is what it is instead (&quot;a folder&quot;).</extracomment>
        <translation>est %1, pas un fichier de marque-pages.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>it is on a read-only file system; copy it to a writable place, or mount that file system for writing</source>
        <translation>il se trouve sur un système de fichiers en lecture seule ; copiez-le dans un endroit accessible en écriture, ou montez ce système de fichiers en écriture</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The full stop put after a reason that has none.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Could not add to &quot;%1&quot;: %2</source>
        <translation>Impossible d’ajouter à « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not check &quot;%1&quot;: %2</source>
        <translation>Impossible de vérifier « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not close &quot;%1&quot;: %2</source>
        <translation>Impossible de fermer « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not create the temporary file &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le fichier temporaire « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not flush &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » sur le disque : %2</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not put back the previous version of &quot;%1&quot;: %2</source>
        <translation>Impossible de remettre en place la version précédente de « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not put in place &quot;%1&quot;: %2</source>
        <translation>Impossible de mettre en place « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not remove the interrupted copy &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer la copie interrompue « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not replace the old temporary file &quot;%1&quot;: %2</source>
        <translation>Impossible de remplacer l’ancien fichier temporaire « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not replace &quot;%1&quot;: %2</source>
        <translation>Impossible de remplacer « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not set the permissions of &quot;%1&quot;: %2</source>
        <translation>Impossible de régler les permissions de « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not undo the last addition to &quot;%1&quot;: %2</source>
        <translation>Impossible d’annuler le dernier ajout à « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not use &quot;%1&quot;: %2</source>
        <translation>Impossible d’utiliser « %1 » : %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete bookmark file: it ends inside a list of bookmarks.</source>
        <translation>« %1 » n’est pas un fichier de marque-pages complet : il se termine au milieu d’une liste de marque-pages.</translation>
    </message>
    <message>
        <source>The bookmark file &quot;%1&quot; has changed since it was read (%2).</source>
        <translation>Le fichier de marque-pages « %1 » a changé depuis sa lecture (%2).</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Impossible de mettre « %1 » à la corbeille : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: %2</source>
        <translation>« %1 » est en lecture seule : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <extracomment>%1 is a file, %2 what is wrong with it: a sentence without its subject (&quot;is a folder, not a bookmark file.&quot;).</extracomment>
        <translation>« %1 » %2</translation>
    </message>
    <message>
        <source>Could not add the bookmark to &quot;%1&quot;: %2</source>
        <translation>Impossible d’ajouter le marque-page à « %1 » : %2</translation>
    </message>
    <message>
        <source>%1
The bookmark file was left unchanged.</source>
        <extracomment>%1 is a message about the bookmark file.</extracomment>
        <translation>%1
Le fichier de marque-pages n’a pas été modifié.</translation>
    </message>
    <message>
        <source>its owner has protected it against changes. Make it writable (in its properties, or with &quot;chmod u+w&quot;) to add bookmarks to it</source>
        <extracomment>Follows &quot;&quot;…&quot; is read-only: &quot;.</extracomment>
        <translation>son propriétaire l’a protégé contre les modifications. Rendez-le accessible en écriture (dans ses propriétés, ou avec « chmod u+w ») pour y ajouter des marque-pages</translation>
    </message>
    <message>
        <source>is written in the character set %1, in which plain letters and signs can stand for other text, so that a bookmark added to it could garble it. Its folders can be listed, but nothing is added to it. A browser that imports it and exports the bookmarks again writes them in UTF-8, which Linkcrate adds to</source>
        <extracomment>Follows the file&apos;s name; %1 is a charset&apos;s name (SHIFT_JIS).</extracomment>
        <translation>est écrit dans le jeu de caractères %1, où de simples lettres et signes peuvent représenter un autre texte, si bien qu’un marque-page ajouté pourrait l’abîmer. Ses dossiers peuvent être listés, mais rien n’y est ajouté. Un navigateur qui l’importe puis exporte à nouveau les marque-pages les écrit en UTF-8, où Linkcrate peut ajouter</translation>
    </message>
    <message>
        <source>the address takes %1 bytes in the file; Linkcrate adds addresses of up to %2 bytes, the longest that its check for an address already in the file finds</source>
        <extracomment>Follows &quot;Could not add the bookmark to &quot;…&quot;: &quot;.</extracomment>
        <translation>l’adresse occupe %1 octets dans le fichier ; Linkcrate ajoute des adresses d’au plus %2 octets, les plus longues que sa vérification des adresses déjà présentes sait trouver</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way.</source>
        <translation>un dossier de ce nom gêne.</translation>
    </message>
    <message>
        <source>%1. The previous version is in the trash (%2) and could not be put back (%3); the new one is &quot;%4&quot;, which Linkcrate puts in place at its next start.</source>
        <translation>%1. La version précédente est dans la corbeille (%2) et n’a pas pu être remise en place (%3) ; la nouvelle est « %4 », que Linkcrate mettra en place à son prochain démarrage.</translation>
    </message>
    <message>
        <source>it was written while the bookmark was added</source>
        <translation>il a été écrit pendant l’ajout du marque-page</translation>
    </message>
</context>
<context>
    <name>FolderFilter</name>
    <message>
        <source>Find a folder: words of its path</source>
        <translation>Trouver un dossier : mots de son chemin</translation>
    </message>
    <message>
        <source>Find a folder</source>
        <translation>Trouver un dossier</translation>
    </message>
    <message>
        <source>Matching folders</source>
        <translation>Dossiers correspondants</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
</context>
<context>
    <name>FolderWalker</name>
    <message>
        <source>is not a bookmark file (it has no list of bookmarks).</source>
        <extracomment>Follows the file&apos;s name.</extracomment>
        <translation>n’est pas un fichier de marque-pages (il n’a aucune liste de marque-pages).</translation>
    </message>
    <message>
        <source>nests folders more than %1 deep, which Linkcrate does not follow.</source>
        <translation>imbrique des dossiers sur plus de %1 niveaux, ce que Linkcrate ne suit pas.</translation>
    </message>
</context>
<context>
    <name>HostManifests</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>HostRequests</name>
    <message>
        <source>a whole number from -1 up</source>
        <translation>un nombre entier à partir de -1</translation>
    </message>
    <message>
        <source>The request has no &quot;%1&quot;.</source>
        <translation>La requête n’a pas de « %1 ».</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;%1&quot; must be %2.</source>
        <translation>Le « %1 » de la requête doit être %2.</translation>
    </message>
    <message>
        <source>linkcrate-host answers only Linkcrate&apos;s browser extension, not &quot;%1&quot;.</source>
        <translation>linkcrate-host ne répond qu’à l’extension de navigateur de Linkcrate, pas à « %1 ».</translation>
    </message>
    <message>
        <source>Unknown request &quot;%1&quot;.</source>
        <translation>Requête inconnue « %1 ».</translation>
    </message>
    <message>
        <source>The request&apos;s &quot;identity&quot; is not one the tree gave.</source>
        <translation>L’« identity » de la requête n’est pas celle donnée par l’arbre.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Il n’y a pas de dossier « %1 » dans « %2 ».</translation>
    </message>
</context>
<context>
    <name>LastAddition</name>
    <message>
        <source>has added no bookmark that could be undone.</source>
        <extracomment>Follows the program&apos;s name, &quot;Linkcrate&quot;.</extracomment>
        <translation>n’a ajouté aucun marque-page dont l’ajout puisse être annulé.</translation>
    </message>
    <message>
        <source>is not a path that Linkcrate records; the record of the last addition was dropped.</source>
        <extracomment>This and the next few follow the bookmark file&apos;s name.</extracomment>
        <translation>n’est pas un chemin que Linkcrate enregistre ; l’enregistrement du dernier ajout a été abandonné.</translation>
    </message>
    <message>
        <source>has changed since the last addition, which can no longer be undone.</source>
        <translation>a changé depuis le dernier ajout, qui ne peut plus être annulé.</translation>
    </message>
    <message>
        <source>cannot go back to its previous version: that version is no longer in the trash.</source>
        <translation>ne peut pas revenir à sa version précédente : cette version n’est plus dans la corbeille.</translation>
    </message>
    <message>
        <source>cannot be put back as the record of the last addition says, which was dropped: %1.</source>
        <translation>ne peut pas être remis en place comme le dit l’enregistrement du dernier ajout, qui a été abandonné : %1.</translation>
    </message>
    <message>
        <source>%1. Both versions are in the trash: the previous one as &quot;%2&quot;, the one undone as &quot;%3&quot;.</source>
        <translation>%1. Les deux versions sont dans la corbeille : la précédente sous « %2 », celle annulée sous « %3 ».</translation>
    </message>
</context>
<context>
    <name>MessageChannel</name>
    <message>
        <source>The message ended inside its length.</source>
        <translation>Le message s’est terminé au milieu de sa longueur.</translation>
    </message>
    <message>
        <source>A message of %1 bytes is longer than the %2 bytes allowed.</source>
        <translation>Un message de %1 octets dépasse les %2 octets permis.</translation>
    </message>
    <message>
        <source>The message ended before its %1 bytes.</source>
        <translation>Le message s’est terminé avant ses %1 octets.</translation>
    </message>
    <message>
        <source>The message is not UTF-8 text.</source>
        <translation>Le message n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The message is not a JSON object.</source>
        <translation>Le message n’est pas un objet JSON.</translation>
    </message>
    <message>
        <source>The reply is too large for the browser.</source>
        <translation>La réponse est trop grande pour le navigateur.</translation>
    </message>
</context>
<context>
    <name>PendingFolder</name>
    <message>
        <source>&quot;%1&quot; is made with the bookmark added to it: add one before making a folder inside it.</source>
        <translation>« %1 » est créé avec le marque-page qu’on y ajoute : ajoutez-en un avant d’y créer un dossier.</translation>
    </message>
    <message>
        <source>Name of the new folder in %1:</source>
        <translation>Nom du nouveau dossier dans %1 :</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Please select the Netscape Bookmarks file</source>
        <translation>Veuillez choisir le fichier de marque-pages Netscape</translation>
    </message>
    <message>
        <source>Netscape Bookmark files (*.htm *.html)</source>
        <translation>Fichiers de marque-pages Netscape (*.htm *.html)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Text :</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>&amp;URL :</source>
        <translation>&amp;URL :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Where the bookmark goes</source>
        <translation>Où va le marque-page</translation>
    </message>
    <message>
        <source>New Folder…</source>
        <translation>Nouveau dossier…</translation>
    </message>
    <message>
        <source>%1 Choose the bookmark file.</source>
        <extracomment>%1 says why the remembered file cannot be used.</extracomment>
        <translation>%1 Choisissez le fichier de marque-pages.</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marque-pages</translation>
    </message>
    <message>
        <source>No directory selected !</source>
        <translation>Aucun dossier sélectionné !</translation>
    </message>
    <message>
        <source>Add again</source>
        <translation>Ajouter encore</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1
Nothing was written. The folders have been read again: check the folder and press Add again.</source>
        <extracomment>%1 says how the file changed.</extracomment>
        <translation>%1
Rien n’a été écrit. Les dossiers ont été relus : vérifiez le dossier et appuyez de nouveau sur « Ajouter ».</translation>
    </message>
    <message>
        <source>%1 Ctrl+Z undoes it.</source>
        <extracomment>%1 says where the bookmark went (&quot;Added to Reading/Articles.&quot;).</extracomment>
        <translation>%1 Ctrl+Z l’annule.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler l’ajout</translation>
    </message>
</context>
<context>
    <name>linkcrate</name>
    <message>
        <source>Adds bookmarks to a Netscape-format bookmark file.</source>
        <translation>Ajoute des marque-pages à un fichier de marque-pages au format Netscape.</translation>
    </message>
    <message>
        <source>The address to fill in.</source>
        <translation>L’adresse à remplir.</translation>
    </message>
    <message>
        <source>[ADDRESS</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[ADRESSE</translation>
    </message>
    <message>
        <source>The link text to fill in.</source>
        <translation>Le texte du lien à remplir.</translation>
    </message>
    <message>
        <source>[TITLE]]</source>
        <extracomment>The usage line reads &quot;[ADDRESS [TITLE]]&quot;: keep the brackets.</extracomment>
        <translation>[TITRE]]</translation>
    </message>
    <message>
        <source>too many arguments: at most an address and a link text.</source>
        <translation>trop d’arguments : au plus une adresse et un texte de lien.</translation>
    </message>
    <message>
        <source>Linkcrate has to stop: %1</source>
        <translation>Linkcrate doit s’arrêter : %1</translation>
    </message>
    <message>
        <source>address</source>
        <extracomment>The names of the arguments in the list under --help.</extracomment>
        <translation>adresse</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
</context>
<context>
    <name>mdlFileRoutines</name>
    <message>
        <source>cannot be made: %1</source>
        <extracomment>This and the next few say what is wrong with a trash folder, after its name: &quot;the trash folder &quot;…&quot; cannot be made: …&quot;, &quot;a sub-folder of &quot;…&quot; belongs to another user&quot;.</extracomment>
        <translation>ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>is a symbolic link or not a folder</source>
        <translation>est un lien symbolique ou n’est pas un dossier</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation>appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>can be written by other users</source>
        <translation>est accessible en écriture à d’autres utilisateurs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a sub-folder that %2</source>
        <extracomment>%2 is what is wrong with the sub-folder, said as of a subject (&quot;belongs to another user&quot;).</extracomment>
        <translation>un sous-dossier de « %1 » %2</translation>
    </message>
    <message>
        <source>the trash folder &quot;%1&quot; %2</source>
        <translation>le dossier de la corbeille « %1 » %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>« %1 » ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>its file system has no trash that Linkcrate can use safely (&quot;%1&quot; %2)</source>
        <extracomment>Follows &quot;Could not move &quot;…&quot; to the trash: &quot;; %2 is what is wrong with the trash folder %1.</extracomment>
        <translation>son système de fichiers n’a pas de corbeille que Linkcrate puisse utiliser sans risque (« %1 » %2)</translation>
    </message>
    <message>
        <source>its record cannot be made in &quot;%1/info&quot;: %2</source>
        <translation>son enregistrement ne peut pas être créé dans « %1/info » : %2</translation>
    </message>
    <message>
        <source>its record cannot be written in &quot;%1/info&quot;: %2</source>
        <translation>son enregistrement ne peut pas être écrit dans « %1/info » : %2</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; is on another file system, and Linkcrate never copies the file there</source>
        <translation>la corbeille « %1 » est sur un autre système de fichiers, et Linkcrate n’y copie jamais le fichier</translation>
    </message>
    <message>
        <source>the trash &quot;%1&quot; has no free name for it</source>
        <translation>la corbeille « %1 » n’a plus de nom libre pour lui</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>Mettre « %1 » à la corbeille ?</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>non confirmé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the trash</source>
        <translation>« %1 » n’est pas dans la corbeille</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be put back from the trash (&quot;%2&quot;): %3</source>
        <translation>« %1 » n’a pas pu être restauré depuis la corbeille (« %2 ») : %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the path of a file</source>
        <translation>« %1 » n’est pas le chemin d’un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an entry of the trash &quot;%2&quot;</source>
        <translation>« %1 » n’est pas une entrée de la corbeille « %2 »</translation>
    </message>
    <message>
        <source>the trash record &quot;%1&quot; does not name &quot;%2&quot;</source>
        <translation>l’enregistrement de corbeille « %1 » ne nomme pas « %2 »</translation>
    </message>
</context>
</TS>
