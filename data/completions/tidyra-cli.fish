# fish completion for tidyra-cli
set -l commands preview organize undo history watch
complete -c tidyra-cli -f
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -a preview -d 'Show the folder tree organizing would make'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -a organize -d 'Sort the folder\'s files into category folders'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -a undo -d 'Move the files of the last run back (of FOLDER, when given)'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -a history -d 'List the recorded runs of a folder, newest first'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -a watch -d 'Keep organizing the folder automatically as files settle'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -s V -l version -d 'Show the version and exit'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -s v -d 'Show the version and exit'
complete -c tidyra-cli -n "not __fish_seen_subcommand_from $commands" -l help-all -d 'Show the help of every command and exit'
complete -c tidyra-cli -s h -l help -d 'Show the help and exit'
complete -c tidyra-cli -n "__fish_seen_subcommand_from preview" -l json -d 'Print the plan as JSON'
complete -c tidyra-cli -n "__fish_seen_subcommand_from history" -l json -d 'Print the runs as JSON'
complete -c tidyra-cli -n "__fish_seen_subcommand_from undo" -l run -x -d 'Undo the run with this id instead (see history)'
complete -c tidyra-cli -n "__fish_seen_subcommand_from watch" -l settle -x -d 'Seconds a file must stay unchanged, 1 to 86400 (default 60)'
complete -c tidyra-cli -n "__fish_seen_subcommand_from $commands" -a '(__fish_complete_directories)'
