<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Prévia</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>&amp;Organizar agora</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>Organizar a&amp;utomaticamente</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>Organiza os arquivos que chegam a esta pasta assim que ficam %n segundo sem mudar</numerusform>
            <numerusform>Organiza os arquivos que chegam a esta pasta assim que ficam %n segundos sem mudar</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>De&amp;talhes…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>Os arquivos deixados de fora e por quê</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>&amp;Regras…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>Quais arquivos vão para qual pasta e quais ficam</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>Nenhuma atividade ainda</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Desfazer esta organização</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>Será ignorado</translation>
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
        <translation>Não é possível remover “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>Não é possível criar a pasta “%1”</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Não é possível gravar “%1”: %2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>Trabalhando</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>Organizador de pastas</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>Abrir o Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>não é possível abrir a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>não é possível criar a pasta “%1” em “%2”: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>“%1” é um link simbólico, que o Tidyra não segue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>“%1” não é uma pasta</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>já existe um item chamado “%1” em “%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>“%1” não está mais lá</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>não é possível mover “%1” para “%2”: ele está em outro dispositivo, e o Tidyra nunca copia</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>não é possível mover “%1”: o nome “%2” é mais longo do que o sistema de arquivos permite</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>“%1” foi substituído por outro item nesse meio-tempo e foi deixado como estava</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>não é possível mover “%1”: %2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>não é possível mover “%1” para “%2”: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>“%1” não está dentro da pasta organizada “%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>“%1” em “%2” agora é outro item; foi deixado como estava</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>“%1” em “%2” mudou desde que foi movido para lá, ou é outro arquivo; foi deixado como estava</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>“%1” não está mais em “%2”</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>outra organização do Tidyra está em andamento nesta pasta; tente novamente quando ela terminar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>“%1” não é mais a pasta que foi organizada; se essa pasta foi movida ou renomeada, desfaça pelo novo caminho: tidyra-cli undo PASTA</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1; se a pasta foi movida ou renomeada, desfaça pelo novo caminho: tidyra-cli undo PASTA</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>não é possível ler o registro para desfazer “%1”: %2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>não é possível encontrar um local para o registro para desfazer: nem XDG_STATE_HOME nem HOME estão definidas</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>a pasta do registro para desfazer “%1” não é uma pasta; remova-a e o Tidyra criará uma nova</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>a pasta do registro para desfazer “%1” pertence a outro usuário, por isso o Tidyra não confia nela; torne-a sua (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) ou remova-a</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>a pasta do registro para desfazer “%1” pode ser alterada por outros usuários, por isso o Tidyra não confia nela; torne-a privada (chmod 700 &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>“%1” foi movido ou substituído durante a organização, por isso nada mais foi movido para ele</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>não é possível criar o registro para desfazer “%1”: %2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>não é possível abrir o registro para desfazer “%1”: %2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>não é possível gravar o registro para desfazer “%1”: %2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>o registro para desfazer “%1” não é um registro desta versão do Tidyra e foi deixado intacto</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>o registro para desfazer “%1” não é um arquivo seu e foi deixado intacto</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>não é possível criar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>não é possível abrir “%1”: %2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>não é possível bloquear “%1”: %2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>não é possível remover “%1”: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>não é possível criar um arquivo temporário em “%1”: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>não é possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>não é possível gravar “%1” no disco: %2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>não é possível substituir “%1”: %2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>não é possível gravar a pasta “%1” no disco: %2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nenhuma organização “%1” está registrada; “tidyra-cli history PASTA” lista as organizações de uma pasta</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>nenhuma organização “%1” está registrada para “%2”; “tidyra-cli history PASTA” lista as organizações de uma pasta</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>nenhuma organização “%1” está registrada para “%2”</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>Não é possível vigiar a pasta “%1”: %2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>Não é possível vigiar a pasta “%1”: pastas demais já são vigiadas (aumente o limite com sysctl fs.inotify.max_user_instances)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>Não é possível vigiar a pasta “%1”: o limite de pastas vigiadas foi atingido (aumente-o com sysctl fs.inotify.max_user_watches=524288, ou em /etc/sysctl.d/ para mantê-lo)</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>Não é possível vigiar a pasta “%1”: ela foi removida ou movida, ou seu disco foi desmontado; a vigilância parou</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>Não é possível esperar por mudanças: %1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operação não permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Não é uma pasta</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome de arquivo longo demais</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>A pasta não está vazia</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Link entre dispositivos inválido</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo ou recurso ocupado</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Arquivos abertos demais no sistema</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Não é possível alocar memória</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>O ponto de extremidade de transporte não está conectado</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo de conexão esgotado</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Identificador de arquivo obsoleto</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso temporariamente indisponível</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>não é possível ler o arquivo de regras “%1”: %2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>isto não é TOML válido: %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>chave desconhecida “%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>“%1” deve ser um texto entre aspas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>“%1” deve ser uma lista de textos entre aspas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>“%1” deve ser true ou false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>“%1” deve ser uma tabela</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>a categoria “%1” aparece duas vezes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>“%1” não é uma extensão: escreva-a sem pontos, como “pdf”</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>a extensão “%1” foi adicionada tanto a “%2” quanto a “%3”</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>o nome da pasta de “%1” está vazio</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>o nome da pasta de “%1” não pode ser “%2”</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>o nome da pasta “%2” de “%1” contém “/” ou um byte NUL</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>o nome da pasta “%2” de “%1” começa com um ponto, o que ocultaria a pasta</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>o nome da pasta de “%1” tem mais de 255 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>“%1” e “%2” usam a mesma pasta “%3”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>“%1” não é um padrão de nome: está vazio, contém “/”, deixa um “[” aberto ou termina em “\”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>“%1” não é uma duração como “30m”, “12h” ou “2d”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>“%1” não é uma categoria embutida cujo símbolo possa ser usado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>“%1” não é uma cor: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan ou gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Escolha uma pasta para organizar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Alterar</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>Nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>Escolha uma pasta para organizar</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>&amp;Selecionar pasta</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>Selecione uma pasta para começar.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>Pronto — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>Nada para organizar — a pasta já está em ordem.</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>Falha ao desfazer: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>%n arquivo organizado.</numerusform>
            <numerusform>%n arquivos organizados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>%n arquivo organizado, %1.</numerusform>
            <numerusform>%n arquivos organizados, %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorado</numerusform>
            <numerusform>%n ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>%n arquivo organizado automaticamente em %1</numerusform>
            <numerusform>%n arquivos organizados automaticamente em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>%n arquivo organizado em %1</numerusform>
            <numerusform>%n arquivos organizados em %1</numerusform>
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
            <numerusform>Cancelado — %n arquivo organizado antes do cancelamento.</numerusform>
            <numerusform>Cancelado — %n arquivos organizados antes do cancelamento.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>Desfazer cancelado — %n arquivo restaurado antes do cancelamento.</numerusform>
            <numerusform>Desfazer cancelado — %n arquivos restaurados antes do cancelamento.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>Desfazer concluído — %n arquivo restaurado.</numerusform>
            <numerusform>Desfazer concluído — %n arquivos restaurados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>Desfazer incompleto — %n arquivo restaurado, não foi possível restaurar %1.</numerusform>
            <numerusform>Desfazer incompleto — %n arquivos restaurados, não foi possível restaurar %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n arquivo já estava de volta.</numerusform>
            <numerusform>%n arquivos já estavam de volta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>Não foi possível remover %n pasta vazia; o próximo desfazer tentará de novo.</numerusform>
            <numerusform>Não foi possível remover %n pastas vazias; o próximo desfazer tentará de novo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>Não foi possível registrar o desfazer: %1. Os arquivos restaurados voltaram mesmo assim.</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>Nada para desfazer — essa organização já foi desfeita.</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>Verificando…</translation>
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
        <translation>Desfazendo…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>Desfazendo… %1 de %2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>Seu arquivo de regras foi deixado de lado como %1; valem as regras padrão.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>Nada para organizar — %n arquivo deixado como está pelas suas regras.</numerusform>
            <numerusform>Nada para organizar — %n arquivos deixados como estão pelas suas regras.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>Desfazer &amp;esta organização</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>&amp;Mostrar arquivos…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>Desfazer esta organização</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>Mostrar arquivos</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>Nenhuma organização desta pasta foi registrada.</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>Detalhes…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>Organizar agora</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>Organizar automaticamente</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>Abrir o Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>Regras…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>Prévia da organização</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Depois</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>%n arquivo será movido</numerusform>
            <numerusform>%n arquivos serão movidos</numerusform>
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
            <numerusform>%n será ignorado</numerusform>
            <numerusform>%n serão ignorados</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
            <numerusform>%n deixado como está pelas suas regras</numerusform>
            <numerusform>%n deixados como estão pelas suas regras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1, na pasta %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1, %n extensão</numerusform>
            <numerusform>%1, %n extensões</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorias</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Nome da nova categoria</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>Nova categoria, p. ex. E-books</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>Adicionar cate&amp;goria</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Remover categoria</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>Nome da pasta</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>Nome da pas&amp;ta:</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>Organizar em su&amp;bpastas por extensão</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>Onde vão arquivos de mais de um tipo, cada tipo ganha uma pasta própria, como JPG e PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>E&amp;xtensões</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>Nova extensão</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>p. ex. avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Remo&amp;ver</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>Toda extensão que nenhuma outra categoria tem também vem para cá.</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>Fica onde está: arquivos ocultos nunca são movidos.</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>Fica onde está: suas regras o deixam como está.</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>Para “%1”.</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>Para “%1”; para “%1/%2” quando arquivos de outros tipos também vão para lá.</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>&amp;Nomes a deixar como estão</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>Novo padrão de nome</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>p. ex. *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>R&amp;emover</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>Deixar arquivos alterados nos ú&amp;ltimos</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>Padrões como em um shell: * representa qualquer texto, ? um caractere; maiúsculas e minúsculas não importam.</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>Deixar arquivos alterados recentemente</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>Quantos</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
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
        <translation>dias</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>Abr&amp;ir arquivo de regras…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>Usar as regras de &amp;fábrica</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>Abrir arquivo de regras</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>Usar as regras de fábrica</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>Renomeia seu arquivo de regras, para corrigir depois, e organiza pelas regras padrão</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>Regras de organização</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas em %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>Para onde iria este arquivo?</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>relatorio.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>&amp;Para onde iria este arquivo?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>Salvar as alterações nas suas regras de organização?</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>devolvidos ao lugar ao desfazer</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>não estão mais onde a organização os colocou</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>ainda em “%1”</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n arquivo: %1</numerusform>
            <numerusform>%n arquivos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%n arquivo não restaurado pelo último desfazer em %1</numerusform>
            <numerusform>%n arquivos não restaurados pelo último desfazer em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%n arquivo ignorado na última organização de %1</numerusform>
            <numerusform>%n arquivos ignorados na última organização de %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copiar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>Desfazer a organização de %1 (%n arquivo movido)</numerusform>
            <numerusform>Desfazer a organização de %1 (%n arquivos movidos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%n arquivo movido pela organização de %1</numerusform>
            <numerusform>%n arquivos movidos pela organização de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1: %n arquivo movido</numerusform>
            <numerusform>%1: %n arquivos movidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>Organização automática</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>Organização manual</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>desfeita</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>interrompida, %n arquivo ainda pode ser desfeito</numerusform>
            <numerusform>interrompida, %n arquivos ainda podem ser desfeitos</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>nada mais para desfazer</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>desfeita em parte, %n arquivo ainda pode ser desfeito</numerusform>
            <numerusform>desfeita em parte, %n arquivos ainda podem ser desfeitos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>%n arquivo ainda pode ser desfeito</numerusform>
            <numerusform>%n arquivos ainda podem ser desfeitos</numerusform>
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
        <translation>Organização %1, iniciada em %2</translation>
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
        <translation>Separa os arquivos de uma pasta em pastas por categoria</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>Escolher pasta…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>%n arquivo organizado em %1.</numerusform>
            <numerusform>%n arquivos organizados em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>%n arquivo organizado em %1, %2.</numerusform>
            <numerusform>%n arquivos organizados em %1, %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorado</numerusform>
            <numerusform>%n ignorados</numerusform>
        </translation>
    </message>
</context>
</TS>
