<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ActionArea</name>
    <message>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Organize Now</source>
        <translation>立即整理(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Tidy &amp;Automatically</source>
        <translation>自动整理(&amp;A)</translation>
    </message>
    <message numerus="yes">
        <source>Organizes the files that land in this folder once they have not changed for %n second(s)</source>
        <translation>
            <numerusform>整理进入此文件夹的文件，只要它们已有 %n 秒没有变化</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>详细信息(&amp;D)…</translation>
    </message>
    <message>
        <source>The files left out, and why</source>
        <translation>被跳过的文件及原因</translation>
    </message>
    <message>
        <source>Ru&amp;les…</source>
        <translation>规则(&amp;L)…</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Which files go to which folder, and which stay</source>
        <translation>哪些文件放入哪个文件夹，哪些保留原处</translation>
    </message>
</context>
<context>
    <name>ActivitySection</name>
    <message>
        <source>No activity yet</source>
        <translation>暂无活动</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>撤销此次整理</translation>
    </message>
</context>
<context>
    <name>AfterTreeModel</name>
    <message>
        <source>Will be skipped</source>
        <translation>将被跳过</translation>
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
        <translation>无法移除“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;</source>
        <translation>无法创建文件夹“%1”</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
</context>
<context>
    <name>BusySpinner</name>
    <message>
        <source>Working</source>
        <translation>正在处理</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Folder organizer</source>
        <translation>文件夹整理</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open Tidyra</source>
        <translation>打开 Tidyra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
</context>
<context>
    <name>ErrorTexts</name>
    <message>
        <source>cannot open folder &quot;%1&quot;: %2</source>
        <translation>无法打开文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>无法在“%2”中创建文件夹“%1”：%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link, which Tidyra does not follow</source>
        <translation>“%1”是符号链接，Tidyra 不会跟随符号链接</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>“%1”不是文件夹</translation>
    </message>
    <message>
        <source>an item named &quot;%1&quot; already exists in &quot;%2&quot;</source>
        <translation>“%2”中已存在名为“%1”的项目</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there</source>
        <translation>“%1”已不存在</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: it is on another device, and Tidyra never copies</source>
        <translation>无法将“%1”移动到“%2”：它位于另一个设备上，而 Tidyra 从不复制文件</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: the name &quot;%2&quot; is longer than the file system allows</source>
        <translation>无法移动“%1”：名称“%2”超出了文件系统允许的长度</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another item meanwhile and was left as it is</source>
        <translation>“%1”在此期间已被其他项目替换，已保持原样</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot;: %2</source>
        <translation>无法移动“%1”：%2</translation>
    </message>
    <message>
        <source>cannot move &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>无法将“%1”移动到“%2”：%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not inside the organized folder &quot;%2&quot;</source>
        <translation>“%1”不在所整理的文件夹“%2”中</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; is another item now; it was left as it is</source>
        <translation>“%2”中的“%1”现在是另一个项目，已保持原样</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in &quot;%2&quot; has changed since it was moved there, or is another file; it was left as it is</source>
        <translation>“%2”中的“%1”在移入后已被更改，或者是另一个文件；已保持原样</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in &quot;%2&quot;</source>
        <translation>“%1”已不在“%2”中</translation>
    </message>
    <message>
        <source>another Tidyra run is at work on this folder; try again when it has finished</source>
        <translation>另一个 Tidyra 整理任务正在处理此文件夹；请在其完成后重试</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer the folder that was organized; if that folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>“%1”已不是当初整理的文件夹；如果该文件夹已被移动或重命名，请通过其新路径撤销：tidyra-cli undo &lt;文件夹&gt;</translation>
    </message>
    <message>
        <source>%1; if the folder was moved or renamed, undo it by its new path: tidyra-cli undo FOLDER</source>
        <translation>%1；如果该文件夹已被移动或重命名，请通过其新路径撤销：tidyra-cli undo &lt;文件夹&gt;</translation>
    </message>
    <message>
        <source>cannot read the undo journal &quot;%1&quot;: %2</source>
        <translation>无法读取撤销日志“%1”：%2</translation>
    </message>
    <message>
        <source>cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set</source>
        <translation>找不到存放撤销日志的位置：XDG_STATE_HOME 和 HOME 均未设置</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; is not a folder; remove it and Tidyra makes a new one</source>
        <translation>撤销日志的文件夹“%1”不是文件夹；请将其删除，Tidyra 会新建一个</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; belongs to another user, so Tidyra does not trust it; make it yours (chown -R &quot;$(id -un)&quot; &quot;%1&quot;) or remove it</source>
        <translation>撤销日志的文件夹“%1”属于其他用户，因此 Tidyra 不信任它；请将其改归自己所有（chown -R &quot;$(id -un)&quot; &quot;%1&quot;）或将其删除</translation>
    </message>
    <message>
        <source>the undo journal&apos;s folder &quot;%1&quot; can be changed by other users, so Tidyra does not trust it; make it private (chmod 700 &quot;%1&quot;)</source>
        <translation>撤销日志的文件夹“%1”可被其他用户修改，因此 Tidyra 不信任它；请将其设为私有（chmod 700 &quot;%1&quot;）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was moved away or replaced during the run, so nothing more was moved into it</source>
        <translation>“%1”在整理过程中被移走或替换，因此没有再向其中移入任何内容</translation>
    </message>
    <message>
        <source>cannot create the undo journal &quot;%1&quot;: %2</source>
        <translation>无法创建撤销日志“%1”：%2</translation>
    </message>
    <message>
        <source>cannot open the undo journal &quot;%1&quot;: %2</source>
        <translation>无法打开撤销日志“%1”：%2</translation>
    </message>
    <message>
        <source>cannot write the undo journal &quot;%1&quot;: %2</source>
        <translation>无法写入撤销日志“%1”：%2</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a journal of this Tidyra release and was left untouched</source>
        <translation>撤销日志“%1”不是此 Tidyra 版本的日志，已保持原样</translation>
    </message>
    <message>
        <source>the undo journal &quot;%1&quot; is not a file of your own and was left untouched</source>
        <translation>撤销日志“%1”不是您自己的文件，已保持原样</translation>
    </message>
    <message>
        <source>cannot create folder &quot;%1&quot;: %2</source>
        <translation>无法创建文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>cannot lock &quot;%1&quot;: %2</source>
        <translation>无法锁定“%1”：%2</translation>
    </message>
    <message>
        <source>cannot remove &quot;%1&quot;: %2</source>
        <translation>无法删除“%1”：%2</translation>
    </message>
    <message>
        <source>cannot create a temporary file in &quot;%1&quot;: %2</source>
        <translation>无法在“%1”中创建临时文件：%2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>cannot flush &quot;%1&quot;: %2</source>
        <translation>无法将“%1”写入磁盘：%2</translation>
    </message>
    <message>
        <source>cannot replace &quot;%1&quot;: %2</source>
        <translation>无法替换“%1”：%2</translation>
    </message>
    <message>
        <source>cannot flush folder &quot;%1&quot;: %2</source>
        <translation>无法将文件夹“%1”写入磁盘：%2</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>没有记录整理任务“%1”；“tidyra-cli history &lt;文件夹&gt;”会列出某个文件夹的整理任务</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;; &quot;tidyra-cli history FOLDER&quot; lists the runs of a folder</source>
        <translation>没有为“%2”记录整理任务“%1”；“tidyra-cli history &lt;文件夹&gt;”会列出某个文件夹的整理任务</translation>
    </message>
    <message>
        <source>no run &quot;%1&quot; is recorded for &quot;%2&quot;</source>
        <translation>没有为“%2”记录整理任务“%1”</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: %2</source>
        <translation>无法监视文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: too many folders are watched already (raise the limit with sysctl fs.inotify.max_user_instances)</source>
        <translation>无法监视文件夹“%1”：已监视的文件夹过多（请用 sysctl fs.inotify.max_user_instances 提高上限）</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: the limit of watched folders is reached (raise it with sysctl fs.inotify.max_user_watches=524288, or in /etc/sysctl.d/ to keep it)</source>
        <translation>无法监视文件夹“%1”：已达到监视文件夹的上限（请用 sysctl fs.inotify.max_user_watches=524288 提高上限，或在 /etc/sysctl.d/ 中永久设置）</translation>
    </message>
    <message>
        <source>Cannot watch the folder &quot;%1&quot;: it was removed, moved or its disk unmounted; watching stopped</source>
        <translation>无法监视文件夹“%1”：它已被删除或移动，或其磁盘已卸载；监视已停止</translation>
    </message>
    <message>
        <source>Cannot wait for changes: %1</source>
        <translation>无法等待更改：%1</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或文件夹</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>符号链接的层数过多</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>文件已存在</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>文件夹非空</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>无效的跨设备链接</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>设备或资源忙</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效的参数</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>系统中打开的文件过多</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>无法分配内存</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>传输端点尚未连接</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>过时的文件句柄</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>资源暂时不可用</translation>
    </message>
    <message>
        <source>cannot read the rules file &quot;%1&quot;: %2</source>
        <translation>无法读取规则文件“%1”：%2</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>这不是有效的 TOML：%1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text in quotes</source>
        <translation>“%1”必须是带引号的文本</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of texts in quotes</source>
        <translation>“%1”必须是带引号的文本列表</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>“%1”必须是 true 或 false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a table</source>
        <translation>“%1”必须是一个表</translation>
    </message>
    <message>
        <source>the category &quot;%1&quot; is named twice</source>
        <translation>类别“%1”出现了两次</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an extension: write it without dots, like &quot;pdf&quot;</source>
        <translation>“%1”不是扩展名：请写成不带点的形式，例如“pdf”</translation>
    </message>
    <message>
        <source>the extension &quot;%1&quot; is added to both &quot;%2&quot; and &quot;%3&quot;</source>
        <translation>扩展名“%1”同时被添加到“%2”和“%3”</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is empty</source>
        <translation>“%1”的文件夹名称为空</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; cannot be &quot;%2&quot;</source>
        <translation>“%1”的文件夹名称不能是“%2”</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; holds &quot;/&quot; or a NUL byte</source>
        <translation>“%1”的文件夹名称“%2”包含“/”或 NUL 字节</translation>
    </message>
    <message>
        <source>the folder name &quot;%2&quot; of &quot;%1&quot; starts with a dot, which would hide the folder</source>
        <translation>“%1”的文件夹名称“%2”以点开头，这会隐藏该文件夹</translation>
    </message>
    <message>
        <source>the folder name of &quot;%1&quot; is longer than 255 bytes</source>
        <translation>“%1”的文件夹名称超过 255 字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both use the folder &quot;%3&quot;</source>
        <translation>“%1”和“%2”都使用文件夹“%3”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name pattern: it is empty, holds &quot;/&quot;, leaves a &quot;[&quot; open or ends in &quot;\&quot;</source>
        <translation>“%1”不是名称模式：它为空、包含“/”、有未闭合的“[”或以“\”结尾</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration like &quot;30m&quot;, &quot;12h&quot; or &quot;2d&quot;</source>
        <translation>“%1”不是时长，例如“30m”、“12h”或“2d”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a built-in category whose symbol can be borrowed</source>
        <translation>“%1”不是可借用其符号的内置类别</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour: use purple, blue, orange, pink, green, brown, red, indigo, teal, cyan or gray</source>
        <translation>“%1”不是颜色：请使用 purple、blue、orange、pink、green、brown、red、indigo、teal、cyan 或 gray</translation>
    </message>
</context>
<context>
    <name>FileDialogFolderChooser</name>
    <message>
        <source>Choose a folder to organize</source>
        <translation>选择要整理的文件夹</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
</context>
<context>
    <name>FolderHeader</name>
    <message>
        <source>&amp;Change</source>
        <translation>更改(&amp;C)</translation>
    </message>
    <message>
        <source>No Folder Selected</source>
        <translation>未选择文件夹</translation>
    </message>
    <message>
        <source>Choose a folder to organize</source>
        <translation>选择要整理的文件夹</translation>
    </message>
    <message>
        <source>&amp;Select Folder</source>
        <translation>选择文件夹(&amp;S)</translation>
    </message>
</context>
<context>
    <name>FolderOrganizerViewModel</name>
    <message>
        <source>Select a folder to get started.</source>
        <translation>请选择一个文件夹以开始。</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Ready — %1</source>
        <translation>就绪 — %1</translation>
    </message>
    <message>
        <source>Nothing to organize — folder is already tidy.</source>
        <translation>没有需要整理的内容 — 文件夹已经很整齐。</translation>
    </message>
    <message>
        <source>Undo failed: %1</source>
        <translation>撤销失败：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized.</source>
        <translation>
            <numerusform>已整理 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized, %1.</source>
        <translation>
            <numerusform>已整理 %n 个文件，%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>跳过 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1 automatically</source>
        <translation>
            <numerusform>已在 %1 中自动整理 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Organized %n file(s) in %1</source>
        <translation>
            <numerusform>已在 %1 中整理 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A log line, then how many files of that run were skipped</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%1, cancelled</source>
        <extracomment>A log line of a run that the user stopped before its end</extracomment>
        <translation>%1，已取消</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled — %n file(s) organized before the cancel.</source>
        <translation>
            <numerusform>已取消 — 取消前已整理 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo cancelled — %n file(s) restored before the cancel.</source>
        <translation>
            <numerusform>撤销已取消 — 取消前已恢复 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo complete — %n file(s) restored.</source>
        <translation>
            <numerusform>撤销完成 — 已恢复 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo incomplete — %n file(s) restored, %1 could not be restored.</source>
        <translation>
            <numerusform>撤销未完成 — 已恢复 %n 个文件，%1无法恢复。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were back already.</source>
        <translation>
            <numerusform>%n 个文件已经回到原处。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty folder(s) could not be removed; the next undo tries again.</source>
        <translation>
            <numerusform>有 %n 个空文件夹无法删除；下次撤销时会再试一次。</numerusform>
        </translation>
    </message>
    <message>
        <source>The undo could not be recorded: %1. The files restored are back all the same.</source>
        <translation>无法记录此次撤销：%1。已恢复的文件仍然回到了原处。</translation>
    </message>
    <message>
        <source>Nothing to undo — that run was undone already.</source>
        <translation>没有可撤销的内容 — 该次整理已被撤销。</translation>
    </message>
    <message>
        <source>Scanning…</source>
        <translation>正在扫描…</translation>
    </message>
    <message>
        <source>Organizing…</source>
        <translation>正在整理…</translation>
    </message>
    <message>
        <source>Organizing… %1 of %2</source>
        <translation>正在整理… %1/%2</translation>
    </message>
    <message>
        <source>Undoing…</source>
        <translation>正在撤销…</translation>
    </message>
    <message>
        <source>Undoing… %1 of %2</source>
        <translation>正在撤销… %1/%2</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Your rules file is set aside as %1; the built-in rules are in force.</source>
        <translation>您的规则文件已另存为 %1；现在使用内置规则。</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to organize — %n file(s) left alone by your rules.</source>
        <translation>
            <numerusform>没有要整理的文件 — 您的规则保留了 %n 个文件。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistorySection</name>
    <message>
        <source>Undo This &amp;Run</source>
        <translation>撤销此次整理(&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;Files…</source>
        <translation>显示文件(&amp;F)…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Undo This Run</source>
        <translation>撤销此次整理</translation>
    </message>
    <message>
        <source>Show Files</source>
        <translation>显示文件</translation>
    </message>
    <message>
        <source>No runs of this folder are recorded.</source>
        <translation>没有此文件夹的整理记录。</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Details…</source>
        <translation>详细信息…</translation>
    </message>
    <message>
        <source>Organize Now</source>
        <translation>立即整理</translation>
    </message>
    <message>
        <source>Tidy Automatically</source>
        <translation>自动整理</translation>
    </message>
    <message>
        <source>Open Tidyra</source>
        <translation>打开 Tidyra</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>未选择文件夹</translation>
    </message>
    <message>
        <source>Rules…</source>
        <translation>规则…</translation>
    </message>
</context>
<context>
    <name>PreviewView</name>
    <message>
        <source>Organization Preview</source>
        <translation>整理预览</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>整理前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>整理后</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be moved</source>
        <translation>
            <numerusform>将移动 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How many files will be moved, then how many will be skipped</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n 个将被跳过</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How many files will be moved (and skipped), then how many the user&apos;s rules leave</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message numerus="yes">
        <source>%n left alone by your rules</source>
        <translation>
            <numerusform>%n 个被您的规则保留</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryModel</name>
    <message>
        <source>%1, in the folder %2</source>
        <translation>%1，位于文件夹 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n extension(s)</source>
        <translation>
            <numerusform>%1，%n 个扩展名</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesCategoryPane</name>
    <message>
        <source>&amp;Categories</source>
        <translation>类别(&amp;C)</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>新类别名称</translation>
    </message>
    <message>
        <source>New category, e.g. Ebooks</source>
        <translation>新类别，例如 电子书</translation>
    </message>
    <message>
        <source>Add Cate&amp;gory</source>
        <translation>添加类别(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>删除类别(&amp;R)</translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>文件夹名称</translation>
    </message>
    <message>
        <source>&amp;Folder name:</source>
        <translation>文件夹名称(&amp;F)：</translation>
    </message>
    <message>
        <source>Sort into sub-folders &amp;by extension</source>
        <translation>按扩展名分入子文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>Where files of more than one kind go, each kind gets a folder of its own, such as JPG and PNG</source>
        <translation>当多种类型的文件放在一起时，每种类型各有一个文件夹，例如 JPG 和 PNG</translation>
    </message>
    <message>
        <source>E&amp;xtensions</source>
        <translation>扩展名(&amp;X)</translation>
    </message>
    <message>
        <source>New extension</source>
        <translation>新扩展名</translation>
    </message>
    <message>
        <source>e.g. avif</source>
        <translation>例如 avif</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>删除(&amp;V)</translation>
    </message>
    <message>
        <source>Every extension no other category has goes here too.</source>
        <translation>其他类别都没有的扩展名也放在这里。</translation>
    </message>
</context>
<context>
    <name>RulesEditor</name>
    <message>
        <source>Stays: hidden files are never moved.</source>
        <translation>保留原处：隐藏文件从不移动。</translation>
    </message>
    <message>
        <source>Stays: your rules leave it alone.</source>
        <translation>保留原处：您的规则不动它。</translation>
    </message>
    <message>
        <source>Into “%1”.</source>
        <translation>放入“%1”。</translation>
    </message>
    <message>
        <source>Into “%1”; into “%1/%2” when files of other kinds go there too.</source>
        <translation>放入“%1”；当其他类型的文件也放入时，放入“%1/%2”。</translation>
    </message>
</context>
<context>
    <name>RulesLeaveAlonePane</name>
    <message>
        <source>&amp;Names to leave alone</source>
        <translation>保留的名称(&amp;N)</translation>
    </message>
    <message>
        <source>New name pattern</source>
        <translation>新名称模式</translation>
    </message>
    <message>
        <source>e.g. *.torrent</source>
        <translation>例如 *.torrent</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>添加(&amp;D)</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>删除(&amp;E)</translation>
    </message>
    <message>
        <source>Leave files changed in the &amp;last</source>
        <translation>保留最近更改的文件(&amp;L)，时长</translation>
    </message>
    <message>
        <source>Patterns as in a shell: * stands for any text, ? for one character; letter case does not matter.</source>
        <translation>与 shell 中的模式相同：* 代表任意文本，? 代表一个字符；不区分大小写。</translation>
    </message>
    <message>
        <source>Leave files changed lately</source>
        <translation>保留最近更改的文件</translation>
    </message>
    <message>
        <source>How many</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
</context>
<context>
    <name>RulesRepairActions</name>
    <message>
        <source>Open Rules F&amp;ile…</source>
        <translation>打开规则文件(&amp;I)…</translation>
    </message>
    <message>
        <source>Use Defaul&amp;t Rules</source>
        <translation>使用默认规则(&amp;T)</translation>
    </message>
    <message>
        <source>Open Rules File</source>
        <translation>打开规则文件</translation>
    </message>
    <message>
        <source>Use Default Rules</source>
        <translation>使用默认规则</translation>
    </message>
    <message>
        <source>Renames your rules file, to mend later, and sorts by the built-in rules</source>
        <translation>重命名您的规则文件以便稍后修复，并按内置规则整理</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Sorting Rules</source>
        <translation>整理规则</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>保存在 %1</translation>
    </message>
    <message>
        <source>Where would this file go?</source>
        <translation>这个文件会放到哪里？</translation>
    </message>
    <message>
        <source>report.md</source>
        <translation>报告.md</translation>
    </message>
    <message>
        <source>&amp;Where would this file go?</source>
        <translation>这个文件会放到哪里？(&amp;W)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Save the changes to your sorting rules?</source>
        <translation>保存对整理规则的更改吗？</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>put back by an undo</source>
        <translation>已通过撤销放回原处</translation>
    </message>
    <message>
        <source>no longer where the run put them</source>
        <translation>已不在整理时放置的位置</translation>
    </message>
    <message>
        <source>still in &quot;%1&quot;</source>
        <extracomment>Where files a run moved still are: a folder below the one organized</extracomment>
        <translation>仍在“%1”中</translation>
    </message>
</context>
<context>
    <name>RunDetailsModel</name>
    <message numerus="yes">
        <source>%n file(s): %1</source>
        <extracomment>How many files, then the reason they share</extracomment>
        <translation>
            <numerusform>%n 个文件：%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) not restored by the last undo of %1</source>
        <translation>
            <numerusform>%1 的上次撤销中有 %n 个文件未恢复</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped in the last run of %1</source>
        <translation>
            <numerusform>%1 的上次整理中跳过了 %n 个文件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunDetailsView</name>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
</context>
<context>
    <name>RunHistoryModel</name>
    <message numerus="yes">
        <source>Undo the run of %1 (%n file(s) moved)</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>撤销 %1 的整理（移动了 %n 个文件）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved by the run of %1</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1 的整理移动了 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n file(s) moved</source>
        <extracomment>%1 is when the run started (a time of day, or a date and time)</extracomment>
        <translation>
            <numerusform>%1：移动了 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Automatic run</source>
        <translation>自动整理</translation>
    </message>
    <message>
        <source>Manual run</source>
        <translation>手动整理</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>已撤销</translation>
    </message>
    <message numerus="yes">
        <source>interrupted, %n file(s) still undoable</source>
        <translation>
            <numerusform>已中断，还有 %n 个文件可撤销</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing left to undo</source>
        <translation>没有可撤销的内容了</translation>
    </message>
    <message numerus="yes">
        <source>partly undone, %n file(s) still undoable</source>
        <translation>
            <numerusform>已部分撤销，还有 %n 个文件可撤销</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) still undoable</source>
        <translation>
            <numerusform>还有 %n 个文件可撤销</numerusform>
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
        <translation>整理 %1，开始于 %2</translation>
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
        <translation>将文件夹中的文件按类别整理到各分类文件夹中</translation>
    </message>
    <message>
        <source>Choose Folder…</source>
        <translation>选择文件夹…</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1.</source>
        <translation>
            <numerusform>已在 %1 中整理 %n 个文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) organized in %1, %2.</source>
        <translation>
            <numerusform>已在 %1 中整理 %n 个文件，%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>跳过 %n 个</numerusform>
        </translation>
    </message>
</context>
</TS>
