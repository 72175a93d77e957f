#!/usr/bin/env bash
# Runs every libFuzzer target to a number of executions (10 million unless FUZZ_RUNS says
# otherwise) under AddressSanitizer and UndefinedBehaviorSanitizer, at most FUZZ_JOBS targets at a
# time (2 by default), and prints a table of executions, coverage and findings per target.
# Not part of CI: a full campaign takes a while. Usage:
#   fuzz/run_campaign.sh [target ...]      (default: every target)
# Builds into build-fuzz/ (clang), keeps corpora and logs in ${FUZZ_OUT:-build-fuzz/campaign}.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
out="${FUZZ_OUT:-$build/campaign}"
runs="${FUZZ_RUNS:-10000000}"
jobs="${FUZZ_JOBS:-2}"
all=(fuzz_inputreport fuzz_store fuzz_keylayout fuzz_downloadframes fuzz_macrofile)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

if [ -z "${FUZZ_NO_BUILD:-}" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTL_BUILD_FUZZ=ON -DTL_BUILD_TESTS=OFF \
    -DTL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j"$jobs" --target "${targets[@]}"
fi

binary() {
  for b in "$build/$1" "$build/fuzz/$1"; do
    if [ -x "$b" ]; then echo "$b"; return 0; fi
  done
  return 1
}

seed() {
  local target=$1 corpus=$2
  mkdir -p "$corpus"
  case $target in
    fuzz_store) cp -n "$root"/fuzz/corpus/store/* "$corpus"/ 2>/dev/null || true ;;
    fuzz_macrofile) cp -n "$root"/fuzz/corpus/macrofile/* "$corpus"/ 2>/dev/null || true ;;
    fuzz_keylayout) cp -n "$root"/images/configDir/KeyInfo_*.config "$corpus"/ 2>/dev/null || true ;;
  esac
}

run_one() {
  local target=$1 bin corpus log
  bin=$(binary "$target") || { echo "$target: not built" >&2; return 1; }
  corpus="$out/corpus-$target"
  log="$out/$target.log"
  seed "$target" "$corpus"
  local extra=()
  [ "$target" = fuzz_inputreport ] && extra=(-max_len=1024)
  (cd "$out" && ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
      "$bin" "$corpus" -runs="$runs" -print_final_stats=1 -artifact_prefix="$out/$target-" \
      "${extra[@]}" >"$log" 2>&1) || true
}

mkdir -p "$out"
start=$(date +%s)
running=0
for t in "${targets[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

printf '%-22s %14s %8s %8s %10s %s\n' target executions cov ft exec/s finding
for t in "${targets[@]}"; do
  log="$out/$t.log"
  [ -f "$log" ] || continue
  execs=$(grep -oE 'stat::number_of_executed_units: +[0-9]+' "$log" | tail -1 | awk '{print $2}')
  speed=$(grep -oE 'stat::average_exec_per_sec: +[0-9]+' "$log" | tail -1 | awk '{print $2}')
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  cov=$(echo "$last" | grep -o 'cov: [0-9]*' | awk '{print $2}')
  ft=$(echo "$last" | grep -o 'ft: [0-9]*' | awk '{print $2}')
  finding=none
  grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|deadly signal' "$log" &&
    finding="see $log"
  printf '%-22s %14s %8s %8s %10s %s\n' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" "${speed:-?}" "$finding"
done
echo "wall time: $(($(date +%s) - start)) s"
