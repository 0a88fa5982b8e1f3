<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Ranger maintenant</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Ranger a&amp;utomatiquement</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Range les fichiers qui arrivent dans ce dossier dès qu’ils n’ont pas changé pendant %n seconde</numerusform>
            <numerusform>Range les fichiers qui arrivent dans ce dossier dès qu’ils n’ont pas changé pendant %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>&amp;Détails…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>Les fichiers laissés de côté, et pourquoi</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>Règ&amp;les…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Quels fichiers vont dans quel dossier, et lesquels restent</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Aucune activité pour l’instant</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Annuler ce rangement</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Sera ignoré</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A file that the run would leave in place, and why</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>A file that gets a numbered name, since its own is taken: old → new</extracomment>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Rangement de dossier</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Ouvrir Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>impossible d’ouvrir le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>«&#xa0;%1&#xa0;» est un lien symbolique, que Tidyra ne suit pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>un élément nommé «&#xa0;%1&#xa0;» existe déjà dans «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus là</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>impossible de déplacer «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: il se trouve sur un autre périphérique, et Tidyra ne copie jamais</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>impossible de déplacer «&#xa0;%1&#xa0;»&#xa0;: le nom «&#xa0;%2&#xa0;» est plus long que ne le permet le système de fichiers</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>«&#xa0;%1&#xa0;» a été remplacé entre-temps par un autre élément et a été laissé tel quel</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>impossible de déplacer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>impossible de déplacer «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» ne se trouve pas dans le dossier rangé «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;» est maintenant un autre élément&#x202f;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;» a changé depuis qu’il y a été déplacé, ou est un autre fichier&#x202f;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus dans «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>un autre rangement de Tidyra est en cours dans ce dossier&#x202f;; réessayez quand il sera terminé</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus le dossier qui a été rangé&#x202f;; si ce dossier a été déplacé ou renommé, annulez le rangement avec son nouveau chemin&#xa0;: tidyra-cli undo DOSSIER</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1&#x202f;; si le dossier a été déplacé ou renommé, annulez le rangement avec son nouveau chemin&#xa0;: tidyra-cli undo DOSSIER</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>impossible de lire le journal d’annulation «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>impossible de trouver un emplacement pour le journal d’annulation&#xa0;: ni XDG_STATE_HOME ni HOME ne sont définies</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>le dossier du journal d’annulation «&#xa0;%1&#xa0;» n’est pas un dossier&#x202f;; supprimez-le et Tidyra en créera un nouveau</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>le dossier du journal d’annulation «&#xa0;%1&#xa0;» appartient à un autre utilisateur, Tidyra ne lui fait donc pas confiance&#x202f;; prenez-en possession (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) ou supprimez-le</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>le dossier du journal d’annulation «&#xa0;%1&#xa0;» peut être modifié par d’autres utilisateurs, Tidyra ne lui fait donc pas confiance&#x202f;; rendez-le privé (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>«&#xa0;%1&#xa0;» a été déplacé ou remplacé pendant le rangement, donc plus rien n’y a été déplacé</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>impossible de créer le journal d’annulation «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>impossible d’ouvrir le journal d’annulation «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire le journal d’annulation «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>le journal d’annulation «&#xa0;%1&#xa0;» n’est pas un journal de cette version de Tidyra et n’a pas été modifié</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>le journal d’annulation «&#xa0;%1&#xa0;» n’est pas un fichier à vous et n’a pas été modifié</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>impossible de créer le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>impossible de verrouiller «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>impossible de supprimer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>impossible de créer un fichier temporaire dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;» sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>impossible de remplacer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire le dossier «&#xa0;%1&#xa0;» sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>aucun rangement «&#xa0;%1&#xa0;» n’est enregistré&#x202f;; «&#xa0;tidyra-cli history DOSSIER&#xa0;» liste les rangements d’un dossier</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>aucun rangement «&#xa0;%1&#xa0;» n’est enregistré pour «&#xa0;%2&#xa0;»&#x202f;; «&#xa0;tidyra-cli history DOSSIER&#xa0;» liste les rangements d’un dossier</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>aucun rangement «&#xa0;%1&#xa0;» n’est enregistré pour «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de surveiller le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>Impossible de surveiller le dossier «&#xa0;%1&#xa0;»&#xa0;: trop de dossiers sont déjà surveillés (augmentez la limite avec sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>Impossible de surveiller le dossier «&#xa0;%1&#xa0;»&#xa0;: la limite des dossiers surveillés est atteinte (augmentez-la avec sysctl fs.inotify.max_user_watches=524288, ou dans /etc/sysctl.d/ pour la garder)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>Impossible de surveiller le dossier «&#xa0;%1&#xa0;»&#xa0;: il a été supprimé ou déplacé, ou son disque démonté&#x202f;; la surveillance est arrêtée</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>Impossible d’attendre les changements&#xa0;: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Le dossier n’est pas vide</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Lien croisé entre périphériques non valide</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Impossible d’allouer de la mémoire</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Le point de terminaison de transport n’est pas connecté</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Descripteur de fichier obsolète</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource temporairement indisponible</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>impossible de lire le fichier de règles « %1 » : %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>ce n’est pas du TOML valide : %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clé inconnue « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>« %1 » doit être un texte entre guillemets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>« %1 » doit être une liste de textes entre guillemets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>« %1 » doit être true ou false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>« %1 » doit être une table</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>la catégorie « %1 » est nommée deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>« %1 » n’est pas une extension : écrivez-la sans point, comme « pdf »</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>l’extension « %1 » est ajoutée à la fois à « %2 » et à « %3 »</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>le nom de dossier de « %1 » est vide</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>le nom de dossier de « %1 » ne peut pas être « %2 »</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>le nom de dossier « %2 » de « %1 » contient « / » ou un octet NUL</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>le nom de dossier « %2 » de « %1 » commence par un point, ce qui cacherait le dossier</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>le nom de dossier de « %1 » dépasse 255 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>« %1 » et « %2 » utilisent tous deux le dossier « %3 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>« %1 » n’est pas un motif de nom : il est vide, contient « / », laisse un « [ » ouvert ou finit par « \ »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>« %1 » n’est pas une durée comme « 30m », « 12h » ou « 2d »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>« %1 » n’est pas une catégorie intégrée dont le symbole peut être repris</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>« %1 » n’est pas une couleur : utilisez purple, blue, orange, pink, green, brown, red, indigo, teal, cyan ou gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Choisissez un dossier à ranger</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Choisissez un dossier à ranger</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Choisissez un dossier pour commencer.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Prêt — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Rien à ranger — le dossier est déjà en ordre.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>Échec de l’annulation&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n fichier rangé.</numerusform>
            <numerusform>%n fichiers rangés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n fichier rangé, %1.</numerusform>
            <numerusform>%n fichiers rangés, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignoré</numerusform>
            <numerusform>%n ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>%n fichier rangé automatiquement dans %1</numerusform>
            <numerusform>%n fichiers rangés automatiquement dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>%n fichier rangé dans %1</numerusform>
            <numerusform>%n fichiers rangés dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A log line, then how many files of that run were skipped</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, cancelled</source>
        <extracomment>A log line of a run that the user stopped before its end</extracomment>
        <translation>%1, annulé</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Annulé — %n fichier rangé avant l’annulation.</numerusform>
            <numerusform>Annulé — %n fichiers rangés avant l’annulation.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Annulation interrompue — %n fichier restauré avant l’interruption.</numerusform>
            <numerusform>Annulation interrompue — %n fichiers restaurés avant l’interruption.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Annulation terminée — %n fichier restauré.</numerusform>
            <numerusform>Annulation terminée — %n fichiers restaurés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Annulation incomplète — %n fichier restauré, impossible de restaurer %1.</numerusform>
            <numerusform>Annulation incomplète — %n fichiers restaurés, impossible de restaurer %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n fichier était déjà revenu.</numerusform>
            <numerusform>%n fichiers étaient déjà revenus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>%n dossier vide n’a pas pu être supprimé&#x202f;; la prochaine annulation réessaiera.</numerusform>
            <numerusform>%n dossiers vides n’ont pas pu être supprimés&#x202f;; la prochaine annulation réessaiera.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>L’annulation n’a pas pu être enregistrée&#xa0;: %1. Les fichiers restaurés sont tout de même revenus.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Rien à annuler — ce rangement a déjà été annulé.</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analyse en cours…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>Rangement en cours…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>Rangement en cours… %1 sur %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Annulation en cours…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Annulation en cours… %1 sur %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Votre fichier de règles est mis de côté sous le nom %1 ; les règles intégrées s’appliquent.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Rien à ranger — %n fichier laissé de côté par vos règles.</numerusform>
            <numerusform>Rien à ranger — %n fichiers laissés de côté par vos règles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Annuler ce ran&amp;gement</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>Afficher les &amp;fichiers…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Annuler ce rangement</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Afficher les fichiers</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>Aucun rangement de ce dossier n’est enregistré.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>Ranger maintenant</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Ranger automatiquement</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Ouvrir Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Règles…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Aperçu du rangement</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>%n fichier sera déplacé</numerusform>
            <numerusform>%n fichiers seront déplacés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How many files will be moved, then how many will be skipped</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n sera ignoré</numerusform>
            <numerusform>%n seront ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n laissé de côté par vos règles</numerusform>
            <numerusform>%n laissés de côté par vos règles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, dans le dossier %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n extension</numerusform>
            <numerusform>%1, %n extensions</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nom de la nouvelle catégorie</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Nouvelle catégorie, p. ex. Livres numériques</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>A&amp;jouter une catégorie</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nom du dossier</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>Nom du &amp;dossier :</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Trier dans des sous-dossiers &amp;par extension</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Là où vont des fichiers de plusieurs types, chaque type a son propre dossier, comme JPG et PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>E&amp;xtensions</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nouvelle extension</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>p. ex. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ret&amp;irer</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Toute extension qu’aucune autre catégorie n’a vient aussi ici.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Reste en place : les fichiers cachés ne sont jamais déplacés.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Reste en place : vos règles n’y touchent pas.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>Dans « %1 ».</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>Dans « %1 » ; dans « %1/%2 » quand des fichiers d’autres types y vont aussi.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>&amp;Noms à laisser de côté</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Nouveau motif de nom</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>p. ex. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Ajo&amp;uter</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Laisser les fichiers modifiés depuis &amp;moins de</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Motifs comme dans un shell : * remplace n’importe quel texte, ? un seul caractère ; la casse ne compte pas.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Laisser les fichiers modifiés récemment</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Combien</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>Ou&amp;vrir le fichier de règles…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>Utiliser les règles par défau&amp;t</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Ouvrir le fichier de règles</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Utiliser les règles par défaut</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Renomme votre fichier de règles, à corriger plus tard, et range selon les règles intégrées</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Règles de rangement</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Enregistrées dans %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>Où irait ce fichier ?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>rapport.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>&amp;Où irait ce fichier ?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>Enregistrer les modifications de vos règles de rangement ?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>remis en place par une annulation</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>ne sont plus là où le rangement les a mis</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>toujours dans « %1 »</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n fichier&#xa0;: %1</numerusform>
            <numerusform>%n fichiers&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n fichier non restauré par la dernière annulation dans %1</numerusform>
            <numerusform>%n fichiers non restaurés par la dernière annulation dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n fichier ignoré lors du dernier rangement de %1</numerusform>
            <numerusform>%n fichiers ignorés lors du dernier rangement de %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Tout copier</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Annuler le rangement de %1 (%n fichier déplacé)</numerusform>
            <numerusform>Annuler le rangement de %1 (%n fichiers déplacés)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n fichier déplacé par le rangement de %1</numerusform>
            <numerusform>%n fichiers déplacés par le rangement de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1 : %n fichier déplacé</numerusform>
            <numerusform>%1 : %n fichiers déplacés</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Rangement automatique</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Rangement manuel</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>annulé</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>interrompu, %n fichier encore annulable</numerusform>
            <numerusform>interrompu, %n fichiers encore annulables</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>plus rien à annuler</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>partiellement annulé, %n fichier encore annulable</numerusform>
            <numerusform>partiellement annulé, %n fichiers encore annulables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n fichier encore annulable</numerusform>
            <numerusform>%n fichiers encore annulables</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A run&apos;s origin (&quot;Manual run&quot;) and what is left of it (&quot;undone&quot;)</extracomment>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Run %1, started %2</source>
        <extracomment>%1 is the run&apos;s id, %2 the date and time it started</extracomment>
        <translation>Rangement %1, commencé le %2</translation>
    </message>
</context>
<context>
    <name>TidyraApp</name>
    <message>
        <source>Tidyra</source>
        <translation>Tidyra</translation>
    </message>
    <message>
        <source>Sorts the files of a folder into category folders</source>
        <translation>Range les fichiers d’un dossier dans des dossiers par catégorie</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n fichier rangé dans %1.</numerusform>
            <numerusform>%n fichiers rangés dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n fichier rangé dans %1, %2.</numerusform>
            <numerusform>%n fichiers rangés dans %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignoré</numerusform>
            <numerusform>%n ignorés</numerusform>
        </translation>
    </message>
</context>
</TS>
