#!/bin/sh
# Every option and command that a program's --help (and each command's) names must be
# in its manual page, and the page must give the program's version; both programs take
# the same version flags.
# Usage: man-pages-match-help.sh MAN_FOLDER TIDYRA TIDYRA_CLI
set -eu
pages=$1
status=0
# The page's text without roff's fonts and escapes, on one line.
plain() { gzip -dc "$1" | sed 's/\\f[BIRP]//g; s/\\[,\/]//g; s/\\-/-/g; s/^\.B //' | tr '\n' ' '; }
check() { # PAGE PROGRAM [COMMAND]
  text=$(plain "$1")
  help=$("$2" ${3:+"$3"} --help)
  for word in $(printf '%s\n' "$help" | grep -oE '(^|[ ,])--?[A-Za-z][A-Za-z-]*' | tr -d ' ,' | sort -u); do
    case $text in *"$word"*) ;; *) echo "$1: ${3:-} $word is in --help but not in the page"; status=1 ;; esac
  done
  version=$("$2" --version | awk '{ print $NF }')
  case $text in *"$version"*) ;; *) echo "$1: no version $version"; status=1 ;; esac
}
# Both programs answer the same version flags.
for flag in --version -V -v; do
  for program in "$2" "$3"; do
    "$program" $flag 2>&1 | grep -qx "${program##*/} [0-9.]*" || { echo "$program $flag: no version"; status=1; }
  done
done
check "$pages/tidyra.1.gz" "$2"
check "$pages/tidyra-cli.1.gz" "$3"
for command in preview organize undo; do
  check "$pages/tidyra-cli.1.gz" "$3" "$command"
  synopsis=$("$3" --help | grep -E "tidyra-cli $command( |$)" | sed 's/^.*tidyra-cli/tidyra-cli/')
  plain "$pages/tidyra-cli.1.gz" | grep -qF -- "$synopsis" ||
    { echo "tidyra-cli.1: no synopsis \"$synopsis\""; status=1; }
done
exit $status
