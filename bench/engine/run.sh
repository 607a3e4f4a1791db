#!/usr/bin/env bash
# The engine's figures beside the usual tools, each operation measured side by side in one hyperfine run
# with the page cache dropped before every run (as root). Prints median times and the ratios.
#   BENCH_BUILD    release build folder (set by `make bench`)
#   BENCH_SCRATCH  scratch folder on the real disk (default /var/tmp/tessel-bench-engine)
#   BENCH_RUNS     runs per command (default 5)
#   BENCH_SCALE=1  also the 200,000-file memory check (takes minutes)
set -euo pipefail
build=${BENCH_BUILD:?BENCH_BUILD must name the release build folder}
driver=$build/bench/engine/engine_bench
program=$build/tesselbackup
scratch=${BENCH_SCRATCH:-/var/tmp/tessel-bench-engine}
runs=${BENCH_RUNS:-5}
[[ -x $driver ]] || { echo "engine bench: $driver is not built" >&2; exit 1; }
for tool in hyperfine rsync; do
  command -v $tool >/dev/null || { echo "engine bench: $tool is missing (scripts/install-deps.sh bench)" >&2; exit 1; }
done

mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT
export XDG_DATA_HOME=$scratch/data # the trash of mirror runs lands here, inside the scratch folder

drop='sync'
if [[ $(id -u) == 0 && -w /proc/sys/vm/drop_caches ]]; then
  drop='sync; echo 3 > /proc/sys/vm/drop_caches'
else
  echo "(not root: the page cache is not dropped between runs)"
fi

echo "making workloads in $scratch ..."
for w in W1 W2 W3; do "$driver" make $w "$scratch/src/${w,,}"; done

results=$scratch/results
mkdir -p "$results"
report() { # report <csv> <title>: medians and ratios against the first command
  echo "$2"
  awk -F, 'NR == 1 { next } NR == 2 { base = $4 }
    { printf "  %-28s median %9.1f ms   ratio engine/this %5.2f\n", $1, $4 * 1000, base / $4 }' "$1"
}
bench() { # bench <name> <title> <prepare> -n name cmd ...
  local name=$1 title=$2 prepare=$3; shift 3
  hyperfine --style none --runs "$runs" --prepare "$prepare" --export-csv "$results/$name.csv" "$@" >/dev/null
  report "$results/$name.csv" "$title"
}

w1=$scratch/src/w1 w2=$scratch/src/w2 w3=$scratch/src/w3 out=$scratch/out

bench w1-first "W1 first full backup (20,000 small files)" "rm -rf $out; mkdir -p $out; $drop" \
  -n engine "$driver run $w1 $out 0 0" -n "cp -a" "cp -a $w1 $out/" -n "rsync -a" "rsync -a $w1 $out/"

rm -rf "$out"; mkdir -p "$out"; cp -a "$w1" "$out/"
bench w1-same "W1 re-run, nothing changed (copy only if newer)" "$drop" \
  -n engine "$driver run $w1 $out 1 0" -n "cp -au" "cp -au $w1 $out/" \
  -n "rsync -a --update" "rsync -a --update $w1 $out/" -n "stat pass" "$driver stat $w1 $out/w1"

bench w1-touched "W1 re-run after touching 1% of the files" "$driver touch $w1 1; $drop" \
  -n engine "$driver run $w1 $out 1 0" -n "cp -au" "cp -au $w1 $out/" \
  -n "rsync -a --update" "rsync -a --update $w1 $out/"

# Mirror: the source lacks 10% of the files; before every run the destination gets them back.
mirror=$scratch/mirror mirrorout=$scratch/mirrorout
rm -rf "$mirror" "$mirrorout"; mkdir -p "$mirror" "$mirrorout"
cp -a "$w1" "$mirror/"; "$driver" delete "$mirror/w1" 10
bench w1-mirror "W1 mirror after deleting 10% of the source (engine deletes into the trash)" \
  "rsync -a $w1/ $mirrorout/w1/; rm -rf $XDG_DATA_HOME; $drop" \
  -n engine "$driver run $mirror/w1 $mirrorout 1 2" -n "rsync -a --delete" "rsync -a --delete $mirror/w1/ $mirrorout/w1/"
rm -rf "$mirror" "$mirrorout"

rm -rf "$out"; mkdir -p "$out"; cp -a "$w2" "$out/"
bench w2-same "W2 re-run, nothing changed: a run's fixed cost beside the walk" "$drop" \
  -n engine "$driver run $w2 $out 1 0" -n "stat pass" "$driver stat $w2 $out/w2"

runs=3
bench w3-first "W3 first full backup (one 1 GiB file)" "rm -rf $out; mkdir -p $out; $drop" \
  -n engine "$driver run $w3 $out 0 0" -n "cp -a" "cp -a $w3 $out/" -n "rsync -a" "rsync -a $w3 $out/"
rm -rf "$out"

echo "Engine inside one run (no process start): W1 first full backup and re-run, cold cache;"
echo "then W2 re-run with nothing changed, warm cache: the run's own cost beside the walk."
mkdir -p "$out"; eval "$drop"; "$driver" run "$w1" "$out" 0 0; eval "$drop"; "$driver" run "$w1" "$out" 1 0
rm -rf "$out"; mkdir -p "$out"; cp -a "$w2" "$out/"; "$driver" run "$w2" "$out" 1 0; "$driver" run "$w2" "$out" 1 0
rm -rf "$out"

if [[ ${BENCH_SCALE:-0} == 1 ]]; then
  echo "Memory: first full backup of 200,000 files in 10,000 folders"
  "$driver" make W1x10 "$scratch/src/w1x10"
  mkdir -p "$out"; "$driver" run "$scratch/src/w1x10" "$out" 0 0; rm -rf "$out" "$scratch/src/w1x10"
fi

# The whole program: `tesselbackup Bench QUITPROGRAM`, unattended and offscreen, on a prepared data folder
# whose group "Bench" holds one item; its figures include the second the program waits before an
# unattended run.
if [[ -x $program ]]; then
  settings() { # settings <config folder> <source> <dest> <copytype> <propagate>
    local data="$1/QuorlanSoftware/TesselBackup"
    mkdir -p "$data"
    {
      printf '[Information]\r\nProgram=Quorlan'"'"'s Tessel Backup\r\nVersion=1.85\r\n'
      printf '[Interface]\r\nCheckedGroups=01\r\nPriority=1\r\nShowAdvancedOptions=0\r\nVerboseLogging=0\r\n'
      printf '[Group0]\r\n'
      printf 'Item0=Title: Bench; ExecuteFile: 0; Source: ; Dest: ; Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: 0; PropagateDeletions: 0;\r\n'
      printf 'Item1=Title: Tree; ExecuteFile: 0; Source: %s; Dest: %s; Enabled: 1; Recurse: 1; KeepPreviousVersions: 0; CopyType: %s; PropagateDeletions: %s;\r\n' "$2" "$3" "$4" "$5"
    } > "$data/backupdata.ini"
  }
  export QT_QPA_PLATFORM=offscreen
  [[ -n ${XDG_RUNTIME_DIR:-} ]] || { export XDG_RUNTIME_DIR=$scratch/runtime; mkdir -m 0700 -p "$XDG_RUNTIME_DIR"; }
  whole="env -u DISPLAY -u WAYLAND_DISPLAY $program Bench QUITPROGRAM"
  echo "Whole program (figures include the one-second wait before an unattended run):"
  settings "$scratch/cfg-first" "$w1" "$out" 0 0
  bench prog-w1-first "  W1 first full backup" "rm -rf $out; mkdir -p $out; $drop" \
    -n tesselbackup "XDG_CONFIG_HOME=$scratch/cfg-first $whole" -n "cp -a" "cp -a $w1 $out/"
  settings "$scratch/cfg-same" "$w1" "$out" 1 0
  bench prog-w1-same "  W1 re-run, nothing changed" "$drop" \
    -n tesselbackup "XDG_CONFIG_HOME=$scratch/cfg-same $whole" -n "cp -au" "cp -au $w1 $out/"
  rm -rf "$out"
  settings "$scratch/cfg-w3" "$w3" "$out" 0 0
  bench prog-w3-first "  W3 first full backup" "rm -rf $out; mkdir -p $out; $drop" \
    -n tesselbackup "XDG_CONFIG_HOME=$scratch/cfg-w3 $whole" -n "cp -a" "cp -a $w3 $out/"
  rm -rf "$out"
else
  echo "Whole program: $program is not built; only the engine's figures above."
fi
