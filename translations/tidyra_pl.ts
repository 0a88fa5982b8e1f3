<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Podgląd</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Uporządkuj teraz</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Porządkuj &amp;automatycznie</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Porządkuje pliki trafiające do tego folderu, gdy nie zmieniają się przez %n sekundę</numerusform>
            <numerusform>Porządkuje pliki trafiające do tego folderu, gdy nie zmieniają się przez %n sekundy</numerusform>
            <numerusform>Porządkuje pliki trafiające do tego folderu, gdy nie zmieniają się przez %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>&amp;Szczegóły…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>Pominięte pliki i powody</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>&amp;Reguły…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reguły</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Które pliki trafiają do którego folderu, a które zostają</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Brak aktywności</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktywność</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Cofnij to porządkowanie</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Zostanie pominięty</translation>
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
        <translation>Nie można usunąć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>Nie można utworzyć folderu „%1”</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>Trwa praca</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Porządkowanie folderu</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Otwórz program Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>nie można otworzyć folderu „%1”: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>nie można utworzyć folderu „%1” w „%2”: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>„%1” jest dowiązaniem symbolicznym, za którym Tidyra nie podąża</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1” nie jest folderem</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>w „%2” istnieje już element o nazwie „%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>„%1” już nie istnieje</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>nie można przenieść „%1” do „%2”: znajduje się na innym urządzeniu, a Tidyra nigdy nie kopiuje</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>nie można przenieść „%1”: nazwa „%2” jest dłuższa, niż pozwala system plików</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>„%1” został w międzyczasie zastąpiony innym elementem i pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>nie można przenieść „%1”: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>nie można przenieść „%1” do „%2”: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>„%1” nie znajduje się w porządkowanym folderze „%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>„%1” w „%2” jest teraz innym elementem; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>„%1” w „%2” zmienił się od czasu przeniesienia lub jest innym plikiem; pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>„%1” nie znajduje się już w „%2”</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>w tym folderze trwa już inne porządkowanie programu Tidyra; spróbuj ponownie, gdy się zakończy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>„%1” nie jest już folderem, który uporządkowano; jeśli ten folder przeniesiono lub zmieniono jego nazwę, cofnij zmiany, podając nową ścieżkę: tidyra-cli undo FOLDER</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1; jeśli folder przeniesiono lub zmieniono jego nazwę, cofnij zmiany, podając nową ścieżkę: tidyra-cli undo FOLDER</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>nie można odczytać dziennika cofania „%1”: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>nie można znaleźć miejsca na dziennik cofania: nie ustawiono ani XDG_STATE_HOME, ani HOME</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>folder dziennika cofania „%1” nie jest folderem; usuń go, a Tidyra utworzy nowy</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>folder dziennika cofania „%1” należy do innego użytkownika, więc Tidyra mu nie ufa; przejmij go (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) lub usuń</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>folder dziennika cofania „%1” mogą zmieniać inni użytkownicy, więc Tidyra mu nie ufa; ustaw go jako prywatny (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>„%1” został przeniesiony lub zastąpiony w trakcie porządkowania, więc nic więcej do niego nie przeniesiono</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>nie można utworzyć dziennika cofania „%1”: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>nie można otworzyć dziennika cofania „%1”: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>nie można zapisać dziennika cofania „%1”: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>dziennik cofania „%1” nie jest dziennikiem tej wersji programu Tidyra i pozostał nietknięty</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>dziennik cofania „%1” nie jest Twoim plikiem i pozostał nietknięty</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>nie można utworzyć folderu „%1”: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>nie można zablokować „%1”: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>nie można usunąć „%1”: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>nie można utworzyć pliku tymczasowego w „%1”: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>nie można zapisać „%1” na dysku: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>nie można zastąpić „%1”: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>nie można zapisać folderu „%1” na dysku: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nie zarejestrowano porządkowania „%1”; „tidyra-cli history FOLDER” wypisuje porządkowania folderu</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nie zarejestrowano porządkowania „%1” dla „%2”; „tidyra-cli history FOLDER” wypisuje porządkowania folderu</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>nie zarejestrowano porządkowania „%1” dla „%2”</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>Nie można obserwować folderu „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>Nie można obserwować folderu „%1”: obserwowanych jest już zbyt wiele folderów (zwiększ limit poleceniem sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>Nie można obserwować folderu „%1”: osiągnięto limit obserwowanych folderów (zwiększ go poleceniem sysctl fs.inotify.max_user_watches=524288 albo na stałe w /etc/sysctl.d/)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>Nie można obserwować folderu „%1”: został usunięty lub przeniesiony albo jego dysk odmontowano; obserwowanie zakończone</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>Nie można czekać na zmiany: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak uprawnień</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operacja niedozwolona</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani folderu</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Przekroczono limit dyskowy</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików tylko do odczytu</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>To nie jest folder</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>To jest folder</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zbyt wiele poziomów dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Zbyt długa nazwa pliku</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Folder nie jest pusty</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Nieprawidłowe dowiązanie między urządzeniami</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Urządzenie lub zasób jest zajęty</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Nieprawidłowy argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zbyt wiele otwartych plików</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Zbyt wiele otwartych plików w systemie</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nie można przydzielić pamięci</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Punkt końcowy transportu nie jest połączony</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Przekroczono czas połączenia</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Nieaktualny uchwyt pliku</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Zasób chwilowo niedostępny</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>nie można odczytać pliku reguł „%1”: %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>to nie jest poprawny TOML: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>nieznany klucz „%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>„%1” musi być tekstem w cudzysłowie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>„%1” musi być listą tekstów w cudzysłowie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>„%1” musi mieć wartość true albo false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>„%1” musi być tabelą</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>kategoria „%1” występuje dwa razy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>„%1” nie jest rozszerzeniem: wpisz je bez kropek, np. „pdf”</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>rozszerzenie „%1” dodano zarówno do „%2”, jak i do „%3”</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>nazwa folderu kategorii „%1” jest pusta</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>nazwą folderu kategorii „%1” nie może być „%2”</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>nazwa folderu „%2” kategorii „%1” zawiera „/” lub bajt NUL</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>nazwa folderu „%2” kategorii „%1” zaczyna się od kropki, co ukryłoby folder</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>nazwa folderu kategorii „%1” ma więcej niż 255 bajtów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>„%1” i „%2” używają tego samego folderu „%3”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>„%1” nie jest wzorcem nazwy: jest pusty, zawiera „/”, zostawia otwarty „[” albo kończy się na „\”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>„%1” nie jest czasem trwania, np. „30m”, „12h” lub „2d”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>„%1” nie jest wbudowaną kategorią, której symbol można przejąć</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>„%1” nie jest kolorem: użyj purple, blue, orange, pink, green, brown, red, indigo, teal, cyan lub gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Wybierz folder do uporządkowania</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Zmień</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Nie wybrano folderu</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Wybierz folder do uporządkowania</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Wybierz folder</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Wybierz folder, aby rozpocząć.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Gotowe — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Nie ma nic do uporządkowania — folder jest już w porządku.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>Cofanie nie powiodło się: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>Uporządkowano %n plik.</numerusform>
            <numerusform>Uporządkowano %n pliki.</numerusform>
            <numerusform>Uporządkowano %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>Uporządkowano %n plik, %1.</numerusform>
            <numerusform>Uporządkowano %n pliki, %1.</numerusform>
            <numerusform>Uporządkowano %n plików, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>pominięto %n</numerusform>
            <numerusform>pominięto %n</numerusform>
            <numerusform>pominięto %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>Automatycznie uporządkowano %n plik w folderze %1</numerusform>
            <numerusform>Automatycznie uporządkowano %n pliki w folderze %1</numerusform>
            <numerusform>Automatycznie uporządkowano %n plików w folderze %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>Uporządkowano %n plik w folderze %1</numerusform>
            <numerusform>Uporządkowano %n pliki w folderze %1</numerusform>
            <numerusform>Uporządkowano %n plików w folderze %1</numerusform>
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
        <translation>%1, anulowano</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Anulowano — przed anulowaniem uporządkowano %n plik.</numerusform>
            <numerusform>Anulowano — przed anulowaniem uporządkowano %n pliki.</numerusform>
            <numerusform>Anulowano — przed anulowaniem uporządkowano %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Cofanie anulowane — przed anulowaniem przywrócono %n plik.</numerusform>
            <numerusform>Cofanie anulowane — przed anulowaniem przywrócono %n pliki.</numerusform>
            <numerusform>Cofanie anulowane — przed anulowaniem przywrócono %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Cofnięto — przywrócono %n plik.</numerusform>
            <numerusform>Cofnięto — przywrócono %n pliki.</numerusform>
            <numerusform>Cofnięto — przywrócono %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Cofanie niepełne — przywrócono %n plik, nie udało się przywrócić: %1.</numerusform>
            <numerusform>Cofanie niepełne — przywrócono %n pliki, nie udało się przywrócić: %1.</numerusform>
            <numerusform>Cofanie niepełne — przywrócono %n plików, nie udało się przywrócić: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n plik już wcześniej wrócił na miejsce.</numerusform>
            <numerusform>%n pliki już wcześniej wróciły na miejsce.</numerusform>
            <numerusform>%n plików już wcześniej wróciło na miejsce.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>Nie udało się usunąć %n pustego folderu; następne cofanie spróbuje ponownie.</numerusform>
            <numerusform>Nie udało się usunąć %n pustych folderów; następne cofanie spróbuje ponownie.</numerusform>
            <numerusform>Nie udało się usunąć %n pustych folderów; następne cofanie spróbuje ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>Nie udało się zapisać cofnięcia: %1. Przywrócone pliki i tak wróciły na miejsce.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Nie ma nic do cofnięcia — to porządkowanie zostało już cofnięte.</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Przeszukiwanie…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>Porządkowanie…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>Porządkowanie… %1 z %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Cofanie…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Cofanie… %1 z %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Zatrzymywanie…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Plik reguł odłożono jako %1; obowiązują reguły wbudowane.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Nic do uporządkowania — Twoje reguły pomijają %n plik.</numerusform>
            <numerusform>Nic do uporządkowania — Twoje reguły pomijają %n pliki.</numerusform>
            <numerusform>Nic do uporządkowania — Twoje reguły pomijają %n plików.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Cofnij &amp;to porządkowanie</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>Pokaż p&amp;liki…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Cofnij to porządkowanie</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Pokaż pliki</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>Brak zapisanych porządkowań tego folderu.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>Szczegóły…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>Uporządkuj teraz</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Porządkuj automatycznie</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Otwórz program Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nie wybrano folderu</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Reguły…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Podgląd porządkowania</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>Zostanie przeniesiony %n plik</numerusform>
            <numerusform>Zostaną przeniesione %n pliki</numerusform>
            <numerusform>Zostanie przeniesionych %n plików</numerusform>
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
            <numerusform>%n zostanie pominięty</numerusform>
            <numerusform>%n zostaną pominięte</numerusform>
            <numerusform>%n zostanie pominiętych</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n pominięty przez Twoje reguły</numerusform>
            <numerusform>%n pominięte przez Twoje reguły</numerusform>
            <numerusform>%n pominiętych przez Twoje reguły</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, w folderze %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n rozszerzenie</numerusform>
            <numerusform>%1, %n rozszerzenia</numerusform>
            <numerusform>%1, %n rozszerzeń</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nazwa nowej kategorii</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Nowa kategoria, np. E-booki</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>Dodaj kate&amp;gorię</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Usuń kategorię</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nazwa folderu</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>Nazwa &amp;folderu:</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Sortuj do podfolderów według &amp;rozszerzeń</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Gdzie trafiają pliki kilku rodzajów, każdy rodzaj dostaje własny folder, np. JPG i PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>Rozszerz&amp;enia</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nowe rozszerzenie</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>np. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Dod&amp;aj</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Trafia tu też każde rozszerzenie, którego nie ma żadna inna kategoria.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Zostaje: ukryte pliki nigdy nie są przenoszone.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Zostaje: Twoje reguły go pomijają.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>Do „%1”.</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>Do „%1”; do „%1/%2”, gdy trafiają tam też pliki innych rodzajów.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>&amp;Nazwy do pominięcia</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Nowy wzorzec nazwy</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>np. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Doda&amp;j</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Usu&amp;ń</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Pomijaj pliki zmienione w &amp;ciągu ostatnich</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Wzorce jak w powłoce: * oznacza dowolny tekst, ? jeden znak; wielkość liter nie ma znaczenia.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Pomijaj ostatnio zmienione pliki</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Ile</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godzin</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dni</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>&amp;Otwórz plik reguł…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>Użyj reguł domy&amp;ślnych</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Otwórz plik reguł</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Użyj reguł domyślnych</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Zmienia nazwę pliku reguł, by można go później naprawić, i porządkuje według reguł wbudowanych</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Reguły porządkowania</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Zapisane w %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>Dokąd trafiłby ten plik?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>raport.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>&amp;Dokąd trafiłby ten plik?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>Zapisać zmiany w regułach porządkowania?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>przywrócone przez cofnięcie</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>nie ma ich już tam, gdzie umieściło je porządkowanie</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>nadal w „%1”</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n plik: %1</numerusform>
            <numerusform>%n pliki: %1</numerusform>
            <numerusform>%n plików: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n plik nieprzywrócony podczas ostatniego cofania w folderze %1</numerusform>
            <numerusform>%n pliki nieprzywrócone podczas ostatniego cofania w folderze %1</numerusform>
            <numerusform>%n plików nieprzywróconych podczas ostatniego cofania w folderze %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n plik pominięty podczas ostatniego porządkowania folderu %1</numerusform>
            <numerusform>%n pliki pominięte podczas ostatniego porządkowania folderu %1</numerusform>
            <numerusform>%n plików pominiętych podczas ostatniego porządkowania folderu %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Kopiuj &amp;wszystko</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Cofnij porządkowanie z %1 (przeniesiono %n plik)</numerusform>
            <numerusform>Cofnij porządkowanie z %1 (przeniesiono %n pliki)</numerusform>
            <numerusform>Cofnij porządkowanie z %1 (przeniesiono %n plików)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n plik przeniesiony przez porządkowanie z %1</numerusform>
            <numerusform>%n pliki przeniesione przez porządkowanie z %1</numerusform>
            <numerusform>%n plików przeniesionych przez porządkowanie z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: przeniesiono %n plik</numerusform>
            <numerusform>%1: przeniesiono %n pliki</numerusform>
            <numerusform>%1: przeniesiono %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Porządkowanie automatyczne</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Porządkowanie ręczne</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>cofnięte</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>przerwane, %n plik można jeszcze cofnąć</numerusform>
            <numerusform>przerwane, %n pliki można jeszcze cofnąć</numerusform>
            <numerusform>przerwane, %n plików można jeszcze cofnąć</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>nie ma już nic do cofnięcia</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>częściowo cofnięte, %n plik można jeszcze cofnąć</numerusform>
            <numerusform>częściowo cofnięte, %n pliki można jeszcze cofnąć</numerusform>
            <numerusform>częściowo cofnięte, %n plików można jeszcze cofnąć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n plik można jeszcze cofnąć</numerusform>
            <numerusform>%n pliki można jeszcze cofnąć</numerusform>
            <numerusform>%n plików można jeszcze cofnąć</numerusform>
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
        <translation>Porządkowanie %1, rozpoczęte %2</translation>
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
        <translation>Porządkuje pliki folderu w folderach według kategorii</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Wybierz folder…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>Uporządkowano %n plik w folderze %1.</numerusform>
            <numerusform>Uporządkowano %n pliki w folderze %1.</numerusform>
            <numerusform>Uporządkowano %n plików w folderze %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>Uporządkowano %n plik w folderze %1, %2.</numerusform>
            <numerusform>Uporządkowano %n pliki w folderze %1, %2.</numerusform>
            <numerusform>Uporządkowano %n plików w folderze %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>pominięto %n</numerusform>
            <numerusform>pominięto %n</numerusform>
            <numerusform>pominięto %n</numerusform>
        </translation>
    </message>
</context>
</TS>
