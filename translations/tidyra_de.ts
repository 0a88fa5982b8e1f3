<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Jetzt ordnen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>&amp;Details…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>Die ausgelassenen Dateien und der Grund</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Auto&amp;matisch ordnen</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Ordnet die Dateien, die in diesem Ordner ankommen, sobald sie sich %n Sekunde lang nicht verändert haben</numerusform>
            <numerusform>Ordnet die Dateien, die in diesem Ordner ankommen, sobald sie sich %n Sekunden lang nicht verändert haben</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>Re&amp;geln…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Welche Dateien in welchen Ordner kommen und welche bleiben</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Noch keine Aktivität</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Diesen Lauf rückgängig machen</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Wird ausgelassen</translation>
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
        <translation>„%1“ lässt sich nicht entfernen: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>Der Ordner „%1“ lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Ordner ordnen</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Tidyra öffnen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>Ordner „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>Ordner „%1“ kann in „%2“ nicht angelegt werden: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>„%1“ ist ein symbolischer Link, dem Tidyra nicht folgt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>in „%2“ gibt es schon ein Objekt namens „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>„%1“ ist nicht mehr da</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>„%1“ kann nicht nach „%2“ verschoben werden: es liegt auf einem anderen Gerät, und Tidyra kopiert nie</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>„%1“ kann nicht verschoben werden: der Name „%2“ ist länger, als das Dateisystem erlaubt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>„%1“ wurde inzwischen durch ein anderes Objekt ersetzt und blieb unverändert</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht nach „%2“ verschoben werden: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>„%1“ liegt nicht im geordneten Ordner „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>„%1“ in „%2“ ist jetzt ein anderes Objekt; es blieb unverändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>„%1“ ist nicht mehr in „%2“</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>ein anderer Tidyra-Lauf arbeitet an diesem Ordner; versuchen Sie es erneut, wenn er fertig ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>„%1“ ist nicht mehr der Ordner, der geordnet wurde; wurde er verschoben oder umbenannt, machen Sie es unter seinem neuen Pfad rückgängig: tidyra-cli undo ORDNER</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1; wurde der Ordner verschoben oder umbenannt, machen Sie es unter seinem neuen Pfad rückgängig: tidyra-cli undo ORDNER</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>das Journal zum Rückgängigmachen „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>kein Ort für das Journal zum Rückgängigmachen: weder XDG_STATE_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>„%1“ in „%2“ wurde geändert, seit es dorthin verschoben wurde, oder ist eine andere Datei; es blieb unverändert</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>der Ordner des Journals zum Rückgängigmachen „%1“ ist kein Ordner; entfernen Sie ihn, dann legt Tidyra einen neuen an</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>der Ordner des Journals zum Rückgängigmachen „%1“ gehört einem anderen Benutzer, daher vertraut Tidyra ihm nicht; übernehmen Sie ihn (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) oder entfernen Sie ihn</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>der Ordner des Journals zum Rückgängigmachen „%1“ kann von anderen Benutzern geändert werden, daher vertraut Tidyra ihm nicht; machen Sie ihn privat (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>„%1“ wurde während des Laufs verschoben oder ersetzt, daher wurde nichts mehr dorthin verschoben</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>das Journal zum Rückgängigmachen „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>das Journal zum Rückgängigmachen „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>das Journal zum Rückgängigmachen „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>das Journal zum Rückgängigmachen „%1“ ist kein Journal dieser Tidyra-Version und blieb unangetastet</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>das Journal zum Rückgängigmachen „%1“ ist keine eigene Datei und blieb unangetastet</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>Ordner „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>in „%1“ kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>Ordner „%1“ kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>kein Lauf „%1“ ist aufgezeichnet; „tidyra-cli history ORDNER“ listet die Läufe eines Ordners</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>für „%2“ ist kein Lauf „%1“ aufgezeichnet; „tidyra-cli history ORDNER“ listet die Läufe eines Ordners</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>für „%2“ ist kein Lauf „%1“ aufgezeichnet</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>Der Ordner „%1“ kann nicht beobachtet werden: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>Der Ordner „%1“ kann nicht beobachtet werden: es werden schon zu viele Ordner beobachtet (erhöhen Sie die Grenze mit sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>Der Ordner „%1“ kann nicht beobachtet werden: die Grenze beobachteter Ordner ist erreicht (erhöhen Sie sie mit sysctl fs.inotify.max_user_watches=524288, oder dauerhaft in /etc/sysctl.d/)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>Der Ordner „%1“ kann nicht beobachtet werden: er wurde entfernt oder verschoben, oder sein Datenträger wurde ausgehängt; die Beobachtung ist beendet</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>Auf Änderungen kann nicht gewartet werden: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Das Speicherkontingent ist überschritten</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Ordner</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Der Ordner ist nicht leer</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Ungültiger Link über Gerätegrenzen hinweg</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Das Gerät oder die Ressource ist belegt</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genügend Speicher verfügbar</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Der Transportendpunkt ist nicht verbunden</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Die Verbindung hat das Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Veralteter Dateizugriff</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Die Ressource ist zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>die Regeldatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>das ist kein gültiges TOML: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>„%1“ muss ein Text in Anführungszeichen sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>„%1“ muss eine Liste von Texten in Anführungszeichen sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>„%1“ muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>„%1“ muss eine Tabelle sein</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>die Kategorie „%1“ ist zweimal genannt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>„%1“ ist keine Dateiendung: ohne Punkte schreiben, etwa „pdf“</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>die Dateiendung „%1“ ist sowohl „%2“ als auch „%3“ zugeordnet</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>der Ordnername von „%1“ ist leer</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>der Ordnername von „%1“ darf nicht „%2“ sein</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>der Ordnername „%2“ von „%1“ enthält „/“ oder ein NUL-Byte</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>der Ordnername „%2“ von „%1“ beginnt mit einem Punkt, wodurch der Ordner verborgen wäre</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>der Ordnername von „%1“ ist länger als 255 Byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>„%1“ und „%2“ verwenden beide den Ordner „%3“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>„%1“ ist kein Namensmuster: Es ist leer, enthält „/“, lässt eine „[“ offen oder endet auf „\“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>„%1“ ist keine Dauer wie „30m“, „12h“ oder „2d“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>„%1“ ist keine eingebaute Kategorie, deren Symbol übernommen werden kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>„%1“ ist keine Farbe: purple, blue, orange, pink, green, brown, red, indigo, teal, cyan oder gray verwenden</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Wählen Sie einen Ordner zum Ordnen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Wählen Sie einen Ordner zum Ordnen</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>Ordner &amp;auswählen</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n Datei geordnet.</numerusform>
            <numerusform>%n Dateien geordnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n Datei geordnet, %1.</numerusform>
            <numerusform>%n Dateien geordnet, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>%n Datei in %1 geordnet</numerusform>
            <numerusform>%n Dateien in %1 geordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A log line, then how many files of that run were skipped</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Wählen Sie einen Ordner, um zu beginnen.</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Bereit — %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Nichts zu ordnen — der Ordner ist schon aufgeräumt.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>Rückgängig machen fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Nicht ganz rückgängig gemacht — %n Datei zurückgelegt, %1 nicht.</numerusform>
            <numerusform>Nicht ganz rückgängig gemacht — %n Dateien zurückgelegt, %1 nicht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Rückgängig gemacht — %n Datei zurückgelegt.</numerusform>
            <numerusform>Rückgängig gemacht — %n Dateien zurückgelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, cancelled</source>
        <extracomment>A log line of a run that the user stopped before its end</extracomment>
        <translation>%1, abgebrochen</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Abgebrochen — %n Datei vor dem Abbruch geordnet.</numerusform>
            <numerusform>Abgebrochen — %n Dateien vor dem Abbruch geordnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Rückgängig machen abgebrochen — %n Datei vor dem Abbruch zurückgelegt.</numerusform>
            <numerusform>Rückgängig machen abgebrochen — %n Dateien vor dem Abbruch zurückgelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Wird durchsucht…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>Wird geordnet…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>Wird geordnet… %1 von %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Wird rückgängig gemacht…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Wird rückgängig gemacht… %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>%n Datei in %1 automatisch geordnet</numerusform>
            <numerusform>%n Dateien in %1 automatisch geordnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n Datei war schon zurück.</numerusform>
            <numerusform>%n Dateien waren schon zurück.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>%n leerer Ordner konnte nicht entfernt werden; das nächste Rückgängigmachen versucht es erneut.</numerusform>
            <numerusform>%n leere Ordner konnten nicht entfernt werden; das nächste Rückgängigmachen versucht es erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>Das Rückgängigmachen konnte nicht festgehalten werden: %1. Die zurückgelegten Dateien sind trotzdem zurück.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Nichts rückgängig zu machen — dieser Lauf wurde bereits rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Ihre Regeldatei wurde als %1 beiseitegelegt; es gelten die eingebauten Regeln.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Nichts zu ordnen — %n Datei von Ihren Regeln in Ruhe gelassen.</numerusform>
            <numerusform>Nichts zu ordnen — %n Dateien von Ihren Regeln in Ruhe gelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Diesen &amp;Lauf rückgängig machen</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>Dateien &amp;zeigen…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Diesen Lauf rückgängig machen</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Dateien zeigen</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>Für diesen Ordner sind keine Läufe aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Organize Now</source>
        <translation>Jetzt ordnen</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Tidyra öffnen</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Automatisch ordnen</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Regeln…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Vorschau der Ordnung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>%n Datei wird verschoben</numerusform>
            <numerusform>%n Dateien werden verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How many files will be moved, then how many will be skipped</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n wird ausgelassen</numerusform>
            <numerusform>%n werden ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n von Ihren Regeln in Ruhe gelassen</numerusform>
            <numerusform>%n von Ihren Regeln in Ruhe gelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, im Ordner %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n Endung</numerusform>
            <numerusform>%1, %n Endungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Name der neuen Kategorie</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Neue Kategorie, z. B. E-Books</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>Kate&amp;gorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>Kategorie entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>&amp;Ordnername:</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Nach Endung in &amp;Unterordner sortieren</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Wo Dateien mehrerer Arten hinkommen, bekommt jede Art einen eigenen Ordner, etwa JPG und PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>E&amp;ndungen</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Neue Endung</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>z. B. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Auch jede Endung, die keine andere Kategorie hat, kommt hierher.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Bleibt liegen: Versteckte Dateien werden nie verschoben.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Bleibt liegen: Ihre Regeln lassen sie in Ruhe.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>In „%1“.</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>In „%1“; in „%1/%2“, wenn auch Dateien anderer Art dorthin kommen.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>Namen, die &amp;bleiben</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Neues Namensmuster</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>z. B. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Dateien in Ruhe lassen, geändert in den &amp;letzten</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Muster wie in einer Shell: * steht für beliebigen Text, ? für ein Zeichen; Groß- und Kleinschreibung zählt nicht.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Kürzlich geänderte Dateien in Ruhe lassen</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Wie viele</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>Regeldatei &amp;öffnen…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>S&amp;tandardregeln verwenden</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Regeldatei öffnen</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Standardregeln verwenden</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Benennt Ihre Regeldatei um, damit Sie sie später reparieren können, und sortiert nach den eingebauten Regeln</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Sortierregeln</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>Wohin käme diese Datei?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>bericht.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>&amp;Wohin käme diese Datei?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>Änderungen an Ihren Sortierregeln speichern?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>durch Rückgängigmachen zurückgelegt</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>nicht mehr dort, wo der Lauf sie abgelegt hat</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>noch in „%1“</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n Datei: %1</numerusform>
            <numerusform>%n Dateien: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n Datei beim letzten Rückgängigmachen in %1 nicht zurückgelegt</numerusform>
            <numerusform>%n Dateien beim letzten Rückgängigmachen in %1 nicht zurückgelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n Datei beim letzten Lauf in %1 ausgelassen</numerusform>
            <numerusform>%n Dateien beim letzten Lauf in %1 ausgelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Lauf von %1 rückgängig machen (%n Datei verschoben)</numerusform>
            <numerusform>Lauf von %1 rückgängig machen (%n Dateien verschoben)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n Datei vom Lauf von %1 verschoben</numerusform>
            <numerusform>%n Dateien vom Lauf von %1 verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: %n Datei verschoben</numerusform>
            <numerusform>%1: %n Dateien verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Automatischer Lauf</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Manueller Lauf</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>unterbrochen, %n Datei noch rückgängig zu machen</numerusform>
            <numerusform>unterbrochen, %n Dateien noch rückgängig zu machen</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>nichts mehr rückgängig zu machen</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>teilweise rückgängig gemacht, %n Datei noch rückgängig zu machen</numerusform>
            <numerusform>teilweise rückgängig gemacht, %n Dateien noch rückgängig zu machen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n Datei noch rückgängig zu machen</numerusform>
            <numerusform>%n Dateien noch rückgängig zu machen</numerusform>
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
        <translation>Lauf %1, begonnen %2</translation>
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
        <translation>Sortiert die Dateien eines Ordners in Kategorieordner</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Ordner auswählen …</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n Datei in %1 geordnet.</numerusform>
            <numerusform>%n Dateien in %1 geordnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n Datei in %1 geordnet, %2.</numerusform>
            <numerusform>%n Dateien in %1 geordnet, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
</context>
</TS>
