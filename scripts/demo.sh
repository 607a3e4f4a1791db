#!/usr/bin/env bash
# A backup from start to end without a window: makes a small sample tree and a settings file with the
# group "Demo" in a temporary data folder, runs "tesselbackup Demo QUITPROGRAM", then prints the backup
# log and the destination tree. Nothing outside the temporary folder is touched.
set -euo pipefail
build=${1:-build}
program=$(cd "$build" && pwd)/tesselbackup
if [ ! -x "$program" ]; then
  echo "demo: $program is missing; build the program first (make build)." >&2
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tessel-demo-XXXXXX")
trap 'rm -rf "$work"' EXIT
# A private runtime folder when the session has none (a server, a container), so Qt need not complain.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi

# The sample tree.
mkdir -p "$work/source/Documents/Letters" "$work/source/Documents/Reports" "$work/source/Notes"
printf 'Dear reader,\nthis letter is backed up.\n' > "$work/source/Documents/Letters/letter.txt"
printf 'Quarter figures: 1, 2, 3\n' > "$work/source/Documents/Reports/q1.csv"
printf 'A report of several lines.\nSecond line.\n' > "$work/source/Documents/Reports/summary.txt"
printf 'Shopping: bread, milk\n' > "$work/source/Notes/today.txt"
printf 'Not a text note\n' > "$work/source/Notes/sketch.dat"
mkdir -p "$work/backup"

# The settings: group "Demo" with a folder item (with subfolders) and a pattern item (text notes only).
data="$work/config/QuorlanSoftware/TesselBackup"
mkdir -p "$data"
item() { # key title source dest copytype recurse
  printf '%s=Title: %s; ExecuteFile: 0; Source: %s; Dest: %s; Enabled: 1; Recurse: %s; KeepPreviousVersions: 0; CopyType: %s; PropagateDeletions: 0;\r\n' \
    "$1" "$2" "$3" "$4" "$6" "$5"
}
{
  printf '[Information]\r\nProgram=Quorlan'"'"'s Tessel Backup\r\nVersion=1.85\r\n'
  printf '[Interface]\r\nCheckedGroups=01\r\nPriority=1\r\nShowAdvancedOptions=0\r\nVerboseLogging=1\r\n'
  printf '[Group0]\r\n'
  item Item0 "Demo" "" "" 0 1
  item Item1 "Documents" "$work/source/Documents" "$work/backup" 1 1
  item Item2 "Text notes" "$work/source/Notes/*.txt" "$work/backup/Notes" 0 0
} > "$data/backupdata.ini"

echo "== tesselbackup Demo QUITPROGRAM"
status=0
XDG_CONFIG_HOME="$work/config" "$program" Demo QUITPROGRAM || status=$?
echo "== exit status: $status"
echo
echo "== backup log ($data/BACKUPLOG.TXT)"
tr -d '\r' < "$data/BACKUPLOG.TXT"
echo
echo "== destination tree ($work/backup)"
(cd "$work/backup" && find . -mindepth 1 | sort)
exit "$status"
