<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Organizar ahora</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Organizar a&amp;utomáticamente</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Organiza los archivos que llegan a esta carpeta cuando llevan %n segundo sin cambiar</numerusform>
            <numerusform>Organiza los archivos que llegan a esta carpeta cuando llevan %n segundos sin cambiar</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>De&amp;talles…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>Los archivos que se dejaron fuera y por qué</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>&amp;Reglas…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Qué archivos van a qué carpeta y cuáles se quedan</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Todavía no hay actividad</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Deshacer esta organización</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Se omitirá</translation>
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
        <translation>No se puede quitar «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>No se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>Trabajando</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Organizador de carpetas</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Abrir Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>no se puede abrir la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>no se puede crear la carpeta «%1» en «%2»: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>«%1» es un enlace simbólico, que Tidyra no sigue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>ya existe un elemento llamado «%1» en «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>«%1» ya no está</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>no se puede mover «%1» a «%2»: está en otro dispositivo y Tidyra nunca copia</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>no se puede mover «%1»: el nombre «%2» es más largo de lo que permite el sistema de archivos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>«%1» fue reemplazado entretanto por otro elemento y se dejó como estaba</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>no se puede mover «%1»: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>no se puede mover «%1» a «%2»: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>«%1» no está dentro de la carpeta organizada «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>«%1» en «%2» es ahora otro elemento; se dejó como estaba</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>«%1» en «%2» ha cambiado desde que se movió allí, o es otro archivo; se dejó como estaba</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>«%1» ya no está en «%2»</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>otra organización de Tidyra está en curso en esta carpeta; inténtelo de nuevo cuando haya terminado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>«%1» ya no es la carpeta que se organizó; si esa carpeta se movió o se renombró, deshaga la organización con su nueva ruta: tidyra-cli undo CARPETA</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1; si la carpeta se movió o se renombró, deshaga la organización con su nueva ruta: tidyra-cli undo CARPETA</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>no se puede leer el registro para deshacer «%1»: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>no se encuentra un lugar para el registro para deshacer: no están definidas ni XDG_STATE_HOME ni HOME</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>la carpeta del registro para deshacer «%1» no es una carpeta; elimínela y Tidyra creará una nueva</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>la carpeta del registro para deshacer «%1» pertenece a otro usuario, así que Tidyra no confía en ella; hágala suya (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) o elimínela</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>la carpeta del registro para deshacer «%1» puede ser modificada por otros usuarios, así que Tidyra no confía en ella; hágala privada (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>«%1» se movió a otro sitio o se reemplazó durante la organización, así que no se movió nada más allí</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>no se puede crear el registro para deshacer «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>no se puede abrir el registro para deshacer «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>no se puede escribir el registro para deshacer «%1»: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>el registro para deshacer «%1» no es un registro de esta versión de Tidyra y se dejó intacto</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>el registro para deshacer «%1» no es un archivo suyo y se dejó intacto</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>no se puede crear la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>no se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>no se puede bloquear «%1»: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>no se puede eliminar «%1»: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>no se puede crear un archivo temporal en «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>no se puede volcar «%1» al disco: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>no se puede reemplazar «%1»: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>no se puede volcar la carpeta «%1» al disco: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>no hay ninguna organización «%1» registrada; «tidyra-cli history CARPETA» lista las organizaciones de una carpeta</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>no hay ninguna organización «%1» registrada para «%2»; «tidyra-cli history CARPETA» lista las organizaciones de una carpeta</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>no hay ninguna organización «%1» registrada para «%2»</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>No se puede vigilar la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>No se puede vigilar la carpeta «%1»: ya se vigilan demasiadas carpetas (aumente el límite con sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>No se puede vigilar la carpeta «%1»: se alcanzó el límite de carpetas vigiladas (auméntelo con sysctl fs.inotify.max_user_watches=524288, o en /etc/sysctl.d/ para conservarlo)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>No se puede vigilar la carpeta «%1»: se eliminó o se movió, o se desmontó su disco; la vigilancia se detuvo</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>No se puede esperar a los cambios: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha excedido la cuota de disco</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Demasiados niveles de enlaces simbólicos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>La carpeta no está vacía</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Enlace entre dispositivos no válido</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Demasiados archivos abiertos en el sistema</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>No se puede asignar memoria</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>El extremo de transporte no está conectado</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Se agotó el tiempo de conexión</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Identificador de archivo obsoleto</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso no disponible temporalmente</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>no se puede leer el archivo de reglas «%1»: %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>esto no es TOML válido: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clave desconocida «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>«%1» debe ser un texto entre comillas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>«%1» debe ser una lista de textos entre comillas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>«%1» debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>«%1» debe ser una tabla</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>la categoría «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>«%1» no es una extensión: escríbala sin puntos, como «pdf»</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>la extensión «%1» se añade a la vez a «%2» y a «%3»</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>el nombre de carpeta de «%1» está vacío</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>el nombre de carpeta de «%1» no puede ser «%2»</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>el nombre de carpeta «%2» de «%1» contiene «/» o un byte NUL</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>el nombre de carpeta «%2» de «%1» empieza por un punto, lo que ocultaría la carpeta</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>el nombre de carpeta de «%1» tiene más de 255 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>«%1» y «%2» usan ambas la carpeta «%3»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>«%1» no es un patrón de nombre: está vacío, contiene «/», deja un «[» abierto o termina en «\»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>«%1» no es una duración como «30m», «12h» o «2d»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>«%1» no es una categoría integrada cuyo símbolo se pueda tomar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>«%1» no es un color: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan o gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Elija una carpeta para organizar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Elija una carpeta para organizar</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Seleccione una carpeta para empezar.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Listo — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Nada que organizar — la carpeta ya está ordenada.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>No se pudo deshacer: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n archivo organizado.</numerusform>
            <numerusform>%n archivos organizados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n archivo organizado, %1.</numerusform>
            <numerusform>%n archivos organizados, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>%n archivo organizado automáticamente en %1</numerusform>
            <numerusform>%n archivos organizados automáticamente en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>%n archivo organizado en %1</numerusform>
            <numerusform>%n archivos organizados en %1</numerusform>
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
        <translation>%1, cancelado</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>Cancelado — %n archivo organizado antes de cancelar.</numerusform>
            <numerusform>Cancelado — %n archivos organizados antes de cancelar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Deshacer cancelado — %n archivo restaurado antes de cancelar.</numerusform>
            <numerusform>Deshacer cancelado — %n archivos restaurados antes de cancelar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Deshacer completado — %n archivo restaurado.</numerusform>
            <numerusform>Deshacer completado — %n archivos restaurados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Deshacer incompleto — %n archivo restaurado; no fue posible restaurar %1.</numerusform>
            <numerusform>Deshacer incompleto — %n archivos restaurados; no fue posible restaurar %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n archivo ya estaba de vuelta.</numerusform>
            <numerusform>%n archivos ya estaban de vuelta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>No se pudo quitar %n carpeta vacía; el próximo deshacer lo volverá a intentar.</numerusform>
            <numerusform>No se pudieron quitar %n carpetas vacías; el próximo deshacer lo volverá a intentar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>No se pudo registrar la acción de deshacer: %1. Los archivos restaurados han vuelto de todos modos.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Nada que deshacer — esa organización ya se deshizo.</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Examinando…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>Organizando…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>Organizando… %1 de %2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>Deshaciendo…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Deshaciendo… %1 de %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Su archivo de reglas se ha apartado como %1; rigen las reglas integradas.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Nada que organizar: sus reglas dejan en paz %n archivo.</numerusform>
            <numerusform>Nada que organizar: sus reglas dejan en paz %n archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Deshacer &amp;esta organización</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>&amp;Mostrar archivos…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Deshacer esta organización</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostrar archivos</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>No hay ninguna organización registrada de esta carpeta.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>Detalles…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>Organizar ahora</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Organizar automáticamente</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Abrir Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Reglas…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Vista previa de la organización</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>Se moverá %n archivo</numerusform>
            <numerusform>Se moverán %n archivos</numerusform>
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
            <numerusform>se omitirá %n</numerusform>
            <numerusform>se omitirán %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n que sus reglas dejan en paz</numerusform>
            <numerusform>%n que sus reglas dejan en paz</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, en la carpeta %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n extensión</numerusform>
            <numerusform>%1, %n extensiones</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nombre de la nueva categoría</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Nueva categoría, p. ej. Libros electrónicos</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>Añadir cat&amp;egoría</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Quitar categoría</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nombre de la carpeta</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>Nombre de la ca&amp;rpeta:</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Ordenar en &amp;subcarpetas por extensión</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Donde van archivos de más de un tipo, cada tipo tiene su propia carpeta, como JPG y PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>E&amp;xtensiones</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nueva extensión</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>p. ej. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Q&amp;uitar</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Toda extensión que no tenga otra categoría también va aquí.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Se queda: los archivos ocultos nunca se mueven.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Se queda: sus reglas la dejan en paz.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>A «%1».</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>A «%1»; a «%1/%2» cuando también van allí archivos de otros tipos.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>&amp;Nombres que dejar en paz</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Nuevo patrón de nombre</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>p. ej. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>Añad&amp;ir</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Qui&amp;tar</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Dejar en paz los archivos cambiados en los ú&amp;ltimos</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Patrones como en un shell: * representa cualquier texto, ? un carácter; no importan mayúsculas ni minúsculas.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Dejar en paz los archivos cambiados hace poco</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Cuántos</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>A&amp;brir el archivo de reglas…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>Usar las reglas &amp;predeterminadas</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Abrir el archivo de reglas</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Usar las reglas predeterminadas</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Cambia el nombre de su archivo de reglas, para arreglarlo más tarde, y ordena según las reglas integradas</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Reglas de orden</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas en %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>¿Dónde iría este archivo?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>informe.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>¿&amp;Dónde iría este archivo?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>¿Guardar los cambios en sus reglas de orden?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>devueltos a su sitio al deshacer</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>ya no están donde la organización los dejó</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>aún en «%1»</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n archivo: %1</numerusform>
            <numerusform>%n archivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n archivo no restaurado al deshacer por última vez en %1</numerusform>
            <numerusform>%n archivos no restaurados al deshacer por última vez en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n archivo omitido en la última organización de %1</numerusform>
            <numerusform>%n archivos omitidos en la última organización de %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copiar &amp;todo</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Deshacer la organización de %1 (%n archivo movido)</numerusform>
            <numerusform>Deshacer la organización de %1 (%n archivos movidos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n archivo movido por la organización de %1</numerusform>
            <numerusform>%n archivos movidos por la organización de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: %n archivo movido</numerusform>
            <numerusform>%1: %n archivos movidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Organización automática</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Organización manual</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>deshecha</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>interrumpida, %n archivo aún se puede deshacer</numerusform>
            <numerusform>interrumpida, %n archivos aún se pueden deshacer</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>no queda nada por deshacer</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>deshecha en parte, %n archivo aún se puede deshacer</numerusform>
            <numerusform>deshecha en parte, %n archivos aún se pueden deshacer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n archivo aún se puede deshacer</numerusform>
            <numerusform>%n archivos aún se pueden deshacer</numerusform>
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
        <translation>Organización %1, iniciada el %2</translation>
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
        <translation>Ordena los archivos de una carpeta en carpetas por categoría</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Elegir carpeta…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n archivo organizado en %1.</numerusform>
            <numerusform>%n archivos organizados en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n archivo organizado en %1, %2.</numerusform>
            <numerusform>%n archivos organizados en %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitido</numerusform>
            <numerusform>%n omitidos</numerusform>
        </translation>
    </message>
</context>
</TS>
