<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Organizes the files that land in this folder once they have not changed for %n second</numerusform>
            <numerusform>Organizes the files that land in this folder once they have not changed for %n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A file that the run would leave in place, and why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <extracomment>A file that gets a numbered name, since its own is taken: old → new</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>Cannot remove &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n file organized.</numerusform>
            <numerusform>%n files organized.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n file organized, %1.</numerusform>
            <numerusform>%n files organized, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>Organized %n file in %1</numerusform>
            <numerusform>Organized %n files in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A log line, then how many files of that run were skipped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a folder to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Undo incomplete — %n file restored, %1 could not be restored.</numerusform>
            <numerusform>Undo incomplete — %n files restored, %1 could not be restored.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Undo complete — %n file restored.</numerusform>
            <numerusform>Undo complete — %n files restored.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, cancelled</source>
        <extracomment>A log line of a run that the user stopped before its end</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Cancelled — %n file organized before the cancel.</numerusform>
            <numerusform>Cancelled — %n files organized before the cancel.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Undo cancelled — %n file restored before the cancel.</numerusform>
            <numerusform>Undo cancelled — %n files restored before the cancel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>Organized %n file in %1 automatically</numerusform>
            <numerusform>Organized %n files in %1 automatically</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n file was back already.</numerusform>
            <numerusform>%n files were back already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>%n empty folder could not be removed; the next undo tries again.</numerusform>
            <numerusform>%n empty folders could not be removed; the next undo tries again.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Nothing to organize — %n file left alone by your rules.</numerusform>
            <numerusform>Nothing to organize — %n files left alone by your rules.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Organize Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>%n file will be moved</numerusform>
            <numerusform>%n files will be moved</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How many files will be moved, then how many will be skipped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n will be skipped</numerusform>
            <numerusform>%n will be skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n left alone by your rules</numerusform>
            <numerusform>%n left alone by your rules</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New category name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>report.md</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n file: %1</numerusform>
            <numerusform>%n files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n file not restored by the last undo of %1</numerusform>
            <numerusform>%n files not restored by the last undo of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n file skipped in the last run of %1</numerusform>
            <numerusform>%n files skipped in the last run of %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Undo the run of %1 (%n file moved)</numerusform>
            <numerusform>Undo the run of %1 (%n files moved)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n file moved by the run of %1</numerusform>
            <numerusform>%n files moved by the run of %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: %n file moved</numerusform>
            <numerusform>%1: %n files moved</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>interrupted, %n file still undoable</numerusform>
            <numerusform>interrupted, %n files still undoable</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>partly undone, %n file still undoable</numerusform>
            <numerusform>partly undone, %n files still undoable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n file still undoable</numerusform>
            <numerusform>%n files still undoable</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <extracomment>A run&apos;s origin (&quot;Manual run&quot;) and what is left of it (&quot;undone&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1, started %2</source>
        <extracomment>%1 is the run&apos;s id, %2 the date and time it started</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TidyraApp</name>
    <message>
        <source>Tidyra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts the files of a folder into category folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n file organized in %1.</numerusform>
            <numerusform>%n files organized in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n file organized in %1, %2.</numerusform>
            <numerusform>%n files organized in %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
</context>
</TS>
