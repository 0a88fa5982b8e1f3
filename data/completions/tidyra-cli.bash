# bash completion for tidyra-cli
_tidyra_cli()
{
    local cur prev words cword
    _init_completion || return

    local command="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            preview|organize|undo|history|watch|rules) command=${words[i]}; break ;;
        esac
    done

    case $command in
        "")
            COMPREPLY=($(compgen -W "preview organize undo history watch rules --help --help-all --version -V -v -h" \
                -- "$cur")) ;;
        *)
            if [[ $command == watch && $prev == --settle ]]; then
                return # a number of seconds
            fi
            if [[ $prev == --rules ]]; then
                _filedir toml # a rules file
                return
            fi
            if [[ $command == undo && $prev == --run ]]; then
                return # run ids come from "tidyra-cli history FOLDER"
            fi
            if [[ $cur == -* ]]; then
                local options="--help"
                [[ $command == preview || $command == history || $command == rules ]] &&
                    options+=" --json"
                [[ $command == preview || $command == organize || $command == watch ||
                    $command == rules ]] && options+=" --rules"
                [[ $command == undo ]] && options+=" --run"
                [[ $command == watch ]] && options+=" --settle"
                COMPREPLY=($(compgen -W "$options" -- "$cur"))
            elif [[ $command == rules ]]; then
                return # takes no folder
            else
                # Folders only, with blanks and other odd characters kept whole.
                _filedir -d
            fi ;;
    esac
} &&
    complete -F _tidyra_cli tidyra-cli
