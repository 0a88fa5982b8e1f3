#!/usr/bin/env bash
# The real tidyra-cli where undo is hardest to keep: killed at chosen system calls
# (strace), on a network share (sshfs through a private sshd on 127.0.0.1:2215), on
# a USB stick (exFAT through FUSE on a loop device), each unmounted and mounted again
# between organize and undo, and on NTFS through ntfs-3g. It starts and stops all it needs; a part that this
# machine cannot run is skipped, saying why, and with no part run the test is
# skipped (exit 77).
# Usage: real-mounts.sh TIDYRA_CLI
set -u
cli=$1
work=$(mktemp -d /tmp/tidyra-mounts.XXXXXX)
export XDG_STATE_HOME=$work/state
ran=0
failures=0
sshd_pid=
loop=
ext4_loop=

cleanup() {
  for mount in "$work/share" "$work/stick" "$work/ext4" "$work/ntfs"; do
    mountpoint -q "$mount" && { fusermount -u "$mount" 2>/dev/null || umount -l "$mount"; }
  done
  [ -n "$sshd_pid" ] && kill "$sshd_pid" 2>/dev/null
  for device in $loop $ext4_loop; do losetup -d "$device"; done
  rm -rf "$work"
}
trap cleanup EXIT

skip() { echo "SKIP $1: $2"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }

# Files named after themselves, one a name.
fill() {
  local folder=$1 name
  shift
  mkdir -p "$folder"
  for name in "$@"; do printf '%s' "$name" >"$folder/$name"; done
}
# Every entry below the folder, hidden ones included, with each file's content.
tree() {
  (cd "$1" && find . -mindepth 1 | LC_ALL=C sort | while read -r path; do
    if [ -f "$path" ]; then echo "$path:$(cat "$path")"; else echo "$path"; fi
  done)
}
# Runs the program, killed by strace at the Nth call of a system call.
killed_at() {
  local call=$1 nth=$2
  shift 2
  # Braced, so that the shell's own word of the kill goes where the output goes.
  { strace -o /dev/null -e trace="$call" -e inject="$call:signal=KILL:when=$nth" "$cli" "$@"; } \
    >/dev/null 2>&1
}
expect() {
  local what=$1 expected=$2 actual=$3
  [ "$expected" = "$actual" ] || fail "$what: expected [$expected], got [$actual]"
}

# Organize, mount again, undo by folder; then the same with `undo` and no folder.
round_trip() {
  local name=$1 folder=$2 remount=$3
  rm -rf "$folder" "$XDG_STATE_HOME"
  fill "$folder" a.jpg b.pdf c.txt d.png e.mp3
  local before
  before=$(tree "$folder")
  for undo in "undo $folder" "undo"; do
    expect "$name organize" "5 files organized." "$("$cli" organize "$folder" 2>&1)"
    expect "$name files after organize" 5 "$(find "$folder" -type f | wc -l)"
    $remount || { fail "$name: cannot mount again"; return; }
    expect "$name $undo" "Undo complete — 5 files restored in \"$folder\"." \
      "$("$cli" $undo 2>&1)"
    expect "$name tree after $undo" "$before" "$(tree "$folder")"
  done
  ran=$((ran + 1))
}

# Kills at the moments a record could be lost; each time undo must bring back the
# folder as it was.
kills() {
  local name=$1 folder=$2 before
  rm -rf "$folder" "$XDG_STATE_HOME"
  # A run killed at its first journal write: the run before it stays undoable.
  fill "$folder" a.jpg b.pdf
  before=$(tree "$folder")
  "$cli" organize "$folder" >/dev/null
  fill "$folder" x.zip
  killed_at write 1 organize "$folder"
  expect "$name undo after a header kill" \
    "Undo complete — 2 files restored in \"$folder\"." "$("$cli" undo "$folder" 2>&1)"
  rm "$folder/x.zip"
  expect "$name tree after a header kill" "$before" "$(tree "$folder")"
  # Killed at each folder it makes: undo removes the folders all the same.
  fill "$folder" c.txt d.png
  before=$(tree "$folder")
  for nth in 1 2 3 4; do
    killed_at mkdirat "$nth" organize "$folder"
    "$cli" undo "$folder" >/dev/null 2>&1
    expect "$name tree after a kill at folder $nth" "$before" "$(tree "$folder")"
  done
  # A killed run, then a fresh one: two undos take both back.
  killed_at "$3" 2 organize "$folder"
  fill "$folder" e.mp3
  "$cli" organize "$folder" >/dev/null
  "$cli" undo "$folder" >/dev/null
  "$cli" undo "$folder" >/dev/null
  expect "$name tree after two undos" "$before"$'\n'"./e.mp3:e.mp3" "$(tree "$folder")"
  ran=$((ran + 1))
}

# Killed inside the moves of a file system without no-replace renames (the link route
# of NTFS, the reservation route of exFAT), in organize or in undo, each KILL given as
# "COMMAND CALL N", then undone twice: the folder is as it was, with no name of ours
# left. The empty file is made just before, so that coarse times give it its
# reservation's.
route_kills() {
  local name=$1 folder=$2 kill before
  shift 2
  for kill in "$@"; do
    set -- $kill
    rm -rf "$folder" "$XDG_STATE_HOME"
    fill "$folder" a.jpg
    : >"$folder/e.txt"
    before=$(tree "$folder")
    [ "$1" = undo ] && "$cli" organize "$folder" >/dev/null
    killed_at "$2" "$3" "$1" "$folder"
    "$cli" undo "$folder" >/dev/null 2>&1
    "$cli" undo "$folder" >/dev/null 2>&1
    expect "$name tree after $kill" "$before" "$(tree "$folder")"
  done
  ran=$((ran + 1))
}

if ! have strace; then
  skip kills "strace is not installed"
else
  kills tmpfs "$work/local" renameat2
fi

if [ "$(id -u)" != 0 ] || [ ! -c /dev/fuse ]; then
  skip sshfs "needs root and /dev/fuse"
  skip ext4 "needs root"
  skip exfat "needs root and /dev/fuse"
else
  if ! have sshfs || [ ! -x /usr/sbin/sshd ]; then
    skip sshfs "sshfs or sshd is not installed"
  else
    ssh-keygen -q -t ed25519 -N '' -f "$work/host" && ssh-keygen -q -t ed25519 -N '' -f "$work/client"
    cp "$work/client.pub" "$work/authorized"
    mkdir -p /run/sshd "$work/served" "$work/share"
    cat >"$work/sshd_config" <<EOF
Port 2215
ListenAddress 127.0.0.1
HostKey $work/host
AuthorizedKeysFile $work/authorized
PermitRootLogin prohibit-password
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM no
StrictModes no
PidFile none
Subsystem sftp internal-sftp
EOF
    /usr/sbin/sshd -D -e -f "$work/sshd_config" 2>"$work/sshd.log" &
    sshd_pid=$!
    mount_share() {
      local tries
      for tries in 1 2 3 4 5 6 7 8 9 10; do
        sshfs -p 2215 -o IdentityFile="$work/client",StrictHostKeyChecking=no \
          -o UserKnownHostsFile=/dev/null,BatchMode=yes,LogLevel=ERROR \
          root@127.0.0.1:"$work/served" "$work/share" 2>/dev/null && return 0
        sleep 0.5
      done
      return 1
    }
    remount_share() { fusermount -u "$work/share" && mount_share; }
    if mount_share; then
      round_trip sshfs "$work/share/folder" remount_share
      have strace && route_kills sshfs "$work/share/route" "organize renameat 2" \
        "organize renameat 3" "undo renameat 1" "undo renameat 2"
    else
      skip sshfs "cannot mount through the local sshd: $(tail -3 "$work/sshd.log")"
    fi
  fi
  # An ext4 stick plugged in again on another loop device: another device number,
  # the same inode numbers.
  if ! have mkfs.ext4 || ! have losetup; then
    skip ext4 "e2fsprogs or losetup is not installed"
  elif ! truncate -s 32M "$work/ext4.img" || ! mkfs.ext4 -q "$work/ext4.img" \
    || ! ext4_loop=$(losetup -f --show "$work/ext4.img" 2>/dev/null); then
    skip ext4 "no loop device"
  else
    mkdir -p "$work/ext4"
    mount "$ext4_loop" "$work/ext4"
    replug_ext4() {
      umount "$work/ext4" && losetup -d "$ext4_loop" || return 1
      local held
      held=$(losetup -f --show "$work/ext4.img") # so that the stick gets another one
      ext4_loop=$(losetup -f --show "$work/ext4.img")
      losetup -d "$held"
      mount "$ext4_loop" "$work/ext4"
    }
    round_trip ext4 "$work/ext4/folder" replug_ext4
    umount "$work/ext4" && losetup -d "$ext4_loop" && ext4_loop=
  fi
  if ! have mkfs.exfat || ! have mount.exfat-fuse || ! have losetup; then
    skip exfat "exfatprogs or exfat-fuse is not installed"
  elif ! truncate -s 64M "$work/stick.img" || ! mkfs.exfat "$work/stick.img" >/dev/null \
    || ! loop=$(losetup -f --show "$work/stick.img" 2>/dev/null); then
    loop=
    skip exfat "no loop device"
  else
    mkdir -p "$work/stick"
    mount_stick() { mount.exfat-fuse "$loop" "$work/stick" >/dev/null 2>&1; }
    remount_stick() { fusermount -u "$work/stick" && mount_stick; }
    if mount_stick; then
      round_trip exfat "$work/stick/folder" remount_stick
      # Killed between reserving a new name and moving the file over it.
      rm -rf "$work/stick/folder" "$XDG_STATE_HOME"
      fill "$work/stick/folder" a.jpg b.pdf
      before=$(tree "$work/stick/folder")
      killed_at renameat 1 organize "$work/stick/folder"
      "$cli" undo "$work/stick/folder" >/dev/null 2>&1
      expect "exfat tree after a kill in the reservation" "$before" "$(tree "$work/stick/folder")"
      kills exfat "$work/stick/kills" renameat
      # a.jpg, then e.txt; renameat 1 is the journal's note of the last run.
      have strace && route_kills exfat "$work/stick/route" "organize renameat 2" \
        "organize renameat 3" "undo renameat 1" "undo renameat 2"
    else
      skip exfat "cannot mount the stick through FUSE"
    fi
  fi
  # Links that keep one identity, no no-replace renames, inode numbers not trusted
  # across mounts: killed between a link and setting the old name aside, or before the
  # aside name goes (unlinkat 2 and 3 remove the probe of links).
  if ! have ntfs-3g || ! have mkntfs || ! have strace; then
    skip ntfs "ntfs-3g or strace is not installed"
  elif ! truncate -s 16M "$work/ntfs.img" || ! mkntfs -F -Q "$work/ntfs.img" >/dev/null 2>&1 \
    || ! mkdir -p "$work/ntfs" || ! ntfs-3g "$work/ntfs.img" "$work/ntfs" >/dev/null 2>&1; then
    skip ntfs "cannot mount an NTFS image through ntfs-3g"
  else
    route_kills ntfs "$work/ntfs/folder" "organize renameat 2" "organize unlinkat 4" \
      "undo renameat 1" "undo unlinkat 3"
  fi
fi

[ "$failures" -eq 0 ] || exit 1
[ "$ran" -gt 0 ] || exit 77
echo "passed: $ran parts"
