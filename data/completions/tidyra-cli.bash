# bash completion for tidyra-cli
_tidyra_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local command=""
    local i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            preview|organize|undo) command=${COMP_WORDS[i]}; break ;;
        esac
    done

    case $command in
        "")
            COMPREPLY=($(compgen -W "preview organize undo --help --version" -- "$cur")) ;;
        preview)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--json --help" -- "$cur"))
            else
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -d -- "$cur"))
            fi ;;
        organize)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "--help" -- "$cur"))
            else
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -d -- "$cur"))
            fi ;;
        undo)
            COMPREPLY=($(compgen -W "--help" -- "$cur")) ;;
    esac
}
complete -F _tidyra_cli tidyra-cli
