#!/bin/bash
# The bash completion of tidyra-cli, in a real bash with bash-completion loaded: folder
# names with blanks stay whole, and undo completes a folder too.
# The zsh and fish ones must at least parse, where those shells are installed.
# Usage: bash-completion.sh COMPLETIONS_FOLDER. Exits 77 (skipped) without bash-completion.
set -u
library=/usr/share/bash-completion/bash_completion
[ -r "$library" ] || { echo "bash-completion is not installed; skipped"; exit 77; }
source "$library"
completions=$(cd "$1" && pwd)
source "$completions/tidyra-cli.bash"
[[ $(complete -p tidyra-cli) == "complete -F _tidyra_cli tidyra-cli" ]] ||
  { echo "not registered: $(complete -p tidyra-cli)"; exit 1; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/My Folder" "$folder/Mine" "$folder/Other"
touch "$folder/My file.txt" "$folder/My rules.toml"
cd "$folder" || exit 1

status=0
# Completes the words given, the last one being the word under the cursor, and
# compares the sorted answers with the expected lines.
expect() {
  local expected=$1; shift
  COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _tidyra_cli tidyra-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got; got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
  [[ $got == "$expected" ]] || { echo "$*: got [$got], expected [$expected]"; status=1; }
}
expect $'Mine\nMy Folder' tidyra-cli organize M
expect 'My Folder' tidyra-cli undo 'My '
expect $'Mine\nMy Folder\nOther' tidyra-cli undo ''
expect 'My Folder' tidyra-cli preview --json 'My F'
expect '--json' tidyra-cli preview --j
expect 'undo' tidyra-cli u
expect '--run' tidyra-cli undo --r
expect '--settle' tidyra-cli watch --s
expect '' tidyra-cli watch --settle ''
expect 'My Folder' tidyra-cli watch --settle 5 'My '
expect $'--help\n--json\n--rules' tidyra-cli rules --
expect $'My Folder\nMy rules.toml' tidyra-cli preview --rules My
if command -v zsh >/dev/null; then zsh -n "$completions/_tidyra-cli" || status=1; fi
if command -v fish >/dev/null; then fish -n "$completions/tidyra-cli.fish" || status=1; fi
exit $status
