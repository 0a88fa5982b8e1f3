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
        <source>Skipped in the last run:</source>
        <translation>Beim letzten Lauf übersprungen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
