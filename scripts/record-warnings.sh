#!/bin/sh
# The compiler launcher of build/ (set by configure.sh): runs one compile command and
# keeps what the compiler printed in OBJECT.warnings beside the object, so that test.sh
# fails on a warning whichever script's build compiled the object. -Werror would do it
# only by changing every object's command, which rebuilds them all.
# Usage: record-warnings.sh COMPILER ARGUMENTS... (with -o OBJECT among them)
object=
previous=
for argument in "$@"; do
  [ "$previous" = -o ] && object=$argument
  previous=$argument
done
[ -n "$object" ] || exec "$@"
status=0
"$@" 2>"$object.warnings" || status=$?
cat "$object.warnings" >&2
exit $status
