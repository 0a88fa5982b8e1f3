<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Organizza ora</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Organizza au&amp;tomaticamente</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Organizza i file che arrivano in questa cartella quando non cambiano da %n secondo</numerusform>
            <numerusform>Organizza i file che arrivano in questa cartella quando non cambiano da %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>&amp;Dettagli…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>I file tralasciati e il perché</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>&amp;Regole…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Quali file vanno in quale cartella e quali restano</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Ancora nessuna attività</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Annulla questa organizzazione</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Verrà saltato</translation>
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
        <translation>Impossibile rimuovere «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>Impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>In corso</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Organizzatore di cartelle</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Apri Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>impossibile aprire la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>impossibile creare la cartella «%1» in «%2»: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>«%1» è un collegamento simbolico, che Tidyra non segue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» non è una cartella</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>esiste già un elemento chiamato «%1» in «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>«%1» non c&apos;è più</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>impossibile spostare «%1» in «%2»: si trova su un altro dispositivo e Tidyra non copia mai</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>impossibile spostare «%1»: il nome «%2» è più lungo di quanto consenta il file system</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>«%1» è stato sostituito nel frattempo da un altro elemento ed è stato lasciato com&apos;è</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>impossibile spostare «%1»: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>impossibile spostare «%1» in «%2»: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>«%1» non si trova nella cartella organizzata «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>«%1» in «%2» ora è un altro elemento; è stato lasciato com&apos;è</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>«%1» in «%2» è cambiato da quando vi è stato spostato, oppure è un altro file; è stato lasciato com&apos;è</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>«%1» non è più in «%2»</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>un&apos;altra organizzazione di Tidyra è in corso in questa cartella; riprova quando sarà terminata</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>«%1» non è più la cartella che è stata organizzata; se quella cartella è stata spostata o rinominata, annulla indicando il suo nuovo percorso: tidyra-cli undo CARTELLA</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1; se la cartella è stata spostata o rinominata, annulla indicando il suo nuovo percorso: tidyra-cli undo CARTELLA</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>impossibile leggere il registro di annullamento «%1»: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>impossibile trovare una posizione per il registro di annullamento: né XDG_STATE_HOME né HOME sono impostate</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>la cartella del registro di annullamento «%1» non è una cartella; rimuovila e Tidyra ne creerà una nuova</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>la cartella del registro di annullamento «%1» appartiene a un altro utente, quindi Tidyra non se ne fida; rendila tua (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) o rimuovila</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>la cartella del registro di annullamento «%1» può essere modificata da altri utenti, quindi Tidyra non se ne fida; rendila privata (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>«%1» è stato spostato altrove o sostituito durante l&apos;organizzazione, quindi non vi è stato spostato nient&apos;altro</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>impossibile creare il registro di annullamento «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>impossibile aprire il registro di annullamento «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere il registro di annullamento «%1»: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>il registro di annullamento «%1» non è un registro di questa versione di Tidyra ed è stato lasciato intatto</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>il registro di annullamento «%1» non è un tuo file ed è stato lasciato intatto</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>impossibile creare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>impossibile aprire «%1»: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>impossibile bloccare «%1»: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>impossibile rimuovere «%1»: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>impossibile creare un file temporaneo in «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere «%1» su disco: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>impossibile sostituire «%1»: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere la cartella «%1» su disco: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nessuna organizzazione «%1» registrata; «tidyra-cli history CARTELLA» elenca le organizzazioni di una cartella</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nessuna organizzazione «%1» registrata per «%2»; «tidyra-cli history CARTELLA» elenca le organizzazioni di una cartella</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>nessuna organizzazione «%1» registrata per «%2»</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>Impossibile sorvegliare la cartella «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>Impossibile sorvegliare la cartella «%1»: troppe cartelle sono già sorvegliate (aumenta il limite con sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>Impossibile sorvegliare la cartella «%1»: è stato raggiunto il limite delle cartelle sorvegliate (aumentalo con sysctl fs.inotify.max_user_watches=524288, o in /etc/sysctl.d/ per mantenerlo)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>Impossibile sorvegliare la cartella «%1»: è stata rimossa o spostata, o il suo disco è stato smontato; la sorveglianza è terminata</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>Impossibile attendere le modifiche: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operazione non permessa</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o cartella inesistente</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota del disco superata</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system in sola lettura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome di file troppo lungo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>La cartella non è vuota</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Collegamento tra dispositivi non valido</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o risorsa occupata</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Troppi file aperti</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Troppi file aperti nel sistema</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Impossibile allocare memoria</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Il terminale di trasporto non è connesso</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Connessione scaduta</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Handle di file obsoleto</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Risorsa temporaneamente non disponibile</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>impossibile leggere il file delle regole «%1»: %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>questo non è TOML valido: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>chiave sconosciuta «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>«%1» deve essere un testo tra virgolette</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>«%1» deve essere un elenco di testi tra virgolette</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» deve essere true o false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>«%1» deve essere una tabella</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>la categoria «%1» compare due volte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>«%1» non è un’estensione: scrivila senza punti, come «pdf»</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>l’estensione «%1» è aggiunta sia a «%2» sia a «%3»</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>il nome della cartella di «%1» è vuoto</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>il nome della cartella di «%1» non può essere «%2»</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>il nome della cartella «%2» di «%1» contiene «/» o un byte NUL</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>il nome della cartella «%2» di «%1» inizia con un punto, che nasconderebbe la cartella</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>il nome della cartella di «%1» supera i 255 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>«%1» e «%2» usano entrambe la cartella «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>«%1» non è uno schema di nome: è vuoto, contiene «/», lascia aperta una «[» o finisce con «\»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>«%1» non è una durata come «30m», «12h» o «2d»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>«%1» non è una categoria predefinita di cui prendere il simbolo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>«%1» non è un colore: usa purple, blue, orange, pink, green, brown, red, indigo, teal, cyan o gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Scegli una cartella da organizzare</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Scegli una cartella da organizzare</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Seleziona cartella</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Seleziona una cartella per iniziare.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Pronto — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Niente da organizzare — la cartella è già in ordine.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>Annullamento non riuscito: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n file organizzato.</numerusform>
            <numerusform>%n file organizzati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n file organizzato, %1.</numerusform>
            <numerusform>%n file organizzati, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n saltato</numerusform>
            <numerusform>%n saltati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>%n file organizzato automaticamente in %1</numerusform>
            <numerusform>%n file organizzati automaticamente in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>%n file organizzato in %1</numerusform>
            <numerusform>%n file organizzati in %1</numerusform>
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
        <translation>%1, annullato</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Annullato — %n file organizzato prima dell&apos;annullamento.</numerusform>
            <numerusform>Annullato — %n file organizzati prima dell&apos;annullamento.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Annullamento interrotto — %n file ripristinato prima dell&apos;interruzione.</numerusform>
            <numerusform>Annullamento interrotto — %n file ripristinati prima dell&apos;interruzione.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Annullamento completato — %n file ripristinato.</numerusform>
            <numerusform>Annullamento completato — %n file ripristinati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Annullamento incompleto — %n file ripristinato, impossibile ripristinare %1.</numerusform>
            <numerusform>Annullamento incompleto — %n file ripristinati, impossibile ripristinare %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n file era già tornato.</numerusform>
            <numerusform>%n file erano già tornati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>Impossibile rimuovere %n cartella vuota; il prossimo annullamento riproverà.</numerusform>
            <numerusform>Impossibile rimuovere %n cartelle vuote; il prossimo annullamento riproverà.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>Non è stato possibile registrare l&apos;annullamento: %1. I file ripristinati sono comunque tornati al loro posto.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Niente da annullare — quell&apos;organizzazione è già stata annullata.</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Analisi in corso…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>Organizzazione in corso…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>Organizzazione in corso… %1 di %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Annullamento in corso…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Annullamento in corso… %1 di %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Interruzione in corso…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Il tuo file delle regole è stato messo da parte come %1; valgono le regole predefinite.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Niente da organizzare — %n file lasciato stare dalle tue regole.</numerusform>
            <numerusform>Niente da organizzare — %n file lasciati stare dalle tue regole.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Annulla &amp;questa organizzazione</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>Mostra i &amp;file…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Annulla questa organizzazione</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostra i file</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>Nessuna organizzazione di questa cartella è registrata.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>Dettagli…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>Organizza ora</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Organizza automaticamente</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Apri Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Regole…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Anteprima dell&apos;organizzazione</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>%n file verrà spostato</numerusform>
            <numerusform>%n file verranno spostati</numerusform>
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
            <numerusform>%n verrà saltato</numerusform>
            <numerusform>%n verranno saltati</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n lasciato stare dalle tue regole</numerusform>
            <numerusform>%n lasciati stare dalle tue regole</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, nella cartella %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n estensione</numerusform>
            <numerusform>%1, %n estensioni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nome della nuova categoria</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Nuova categoria, ad es. Ebook</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>Aggiungi cate&amp;goria</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Rimuovi categoria</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome della cartella</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>Nome della car&amp;tella:</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Ordina in sottocartelle &amp;per estensione</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Dove finiscono file di più tipi, ogni tipo ha una cartella sua, come JPG e PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>&amp;Estensioni</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nuova estensione</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>ad es. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Rimuo&amp;vi</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Anche ogni estensione che nessun’altra categoria ha finisce qui.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Resta dov’è: i file nascosti non vengono mai spostati.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Resta dov’è: le tue regole lo lasciano stare.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>In «%1».</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>In «%1»; in «%1/%2» quando vi finiscono anche file di altri tipi.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>&amp;Nomi da lasciare stare</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Nuovo schema di nome</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>ad es. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Agg&amp;iungi</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Lascia stare i &amp;file modificati negli ultimi</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Schemi come in una shell: * sta per qualsiasi testo, ? per un carattere; maiuscole e minuscole non contano.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Lascia stare i file modificati di recente</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Quanti</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>Apri il fi&amp;le delle regole…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>&amp;Usa le regole predefinite</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Apri il file delle regole</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Usa le regole predefinite</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Rinomina il tuo file delle regole, da sistemare più tardi, e ordina secondo le regole predefinite</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Regole di ordinamento</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Salvate in %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>Dove andrebbe questo file?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>relazione.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>&amp;Dove andrebbe questo file?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>Salvare le modifiche alle regole di ordinamento?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>rimessi al loro posto da un annullamento</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>non sono più dove l&apos;organizzazione li ha messi</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>ancora in «%1»</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n file: %1</numerusform>
            <numerusform>%n file: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n file non ripristinato dall&apos;ultimo annullamento in %1</numerusform>
            <numerusform>%n file non ripristinati dall&apos;ultimo annullamento in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n file saltato nell&apos;ultima organizzazione di %1</numerusform>
            <numerusform>%n file saltati nell&apos;ultima organizzazione di %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copia &amp;tutto</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Annulla l&apos;organizzazione di %1 (%n file spostato)</numerusform>
            <numerusform>Annulla l&apos;organizzazione di %1 (%n file spostati)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n file spostato dall&apos;organizzazione di %1</numerusform>
            <numerusform>%n file spostati dall&apos;organizzazione di %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: %n file spostato</numerusform>
            <numerusform>%1: %n file spostati</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Organizzazione automatica</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Organizzazione manuale</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>annullata</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>interrotta, %n file ancora annullabile</numerusform>
            <numerusform>interrotta, %n file ancora annullabili</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>niente più da annullare</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>annullata in parte, %n file ancora annullabile</numerusform>
            <numerusform>annullata in parte, %n file ancora annullabili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n file ancora annullabile</numerusform>
            <numerusform>%n file ancora annullabili</numerusform>
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
        <translation>Organizzazione %1, iniziata il %2</translation>
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
        <translation>Ordina i file di una cartella in cartelle per categoria</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Scegli cartella…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n file organizzato in %1.</numerusform>
            <numerusform>%n file organizzati in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n file organizzato in %1, %2.</numerusform>
            <numerusform>%n file organizzati in %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n saltato</numerusform>
            <numerusform>%n saltati</numerusform>
        </translation>
    </message>
</context>
</TS>
