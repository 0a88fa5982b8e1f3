#!/bin/sh
# Every option and command that a program's --help (and each command's) names must be
# in its manual page, and the page must give the program's version; both programs take
# the same version flags. Each command of tidyra-cli has a paragraph of its own, and
# tidyra(1) names every key the app keeps in its settings.
# Usage: man-pages-match-help.sh MAN_FOLDER TIDYRA TIDYRA_CLI SOURCE_FOLDER
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
for command in preview organize undo history watch; do
  check "$pages/tidyra-cli.1.gz" "$3" "$command"
  synopsis=$("$3" --help | grep -E "tidyra-cli $command( |$)" | sed 's/^.*tidyra-cli/tidyra-cli/')
  plain "$pages/tidyra-cli.1.gz" | grep -qF -- "$synopsis" ||
    { echo "tidyra-cli.1: no synopsis \"$synopsis\""; status=1; }
  gzip -dc "$pages/tidyra-cli.1.gz" | grep -A1 -x '\.PP' | grep -qx "\.B $command" ||
    { echo "tidyra-cli.1: no paragraph begins with $command"; status=1; }
done
# The settings' keys, as the app's sources name them ("QLatin1String ...Key("name")").
for key in $(grep -rhoE 'QLatin1String [A-Za-z]+Key\("[A-Za-z]+"\)' "$4" | cut -d'"' -f2); do
  case $(plain "$pages/tidyra.1.gz") in *"$key"*) ;; *) echo "tidyra.1: no setting $key"; status=1 ;; esac
done
exit $status
