#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plants small faults in the game's rules one at a time and tells whether a test caught each.
#
#   bash scripts/mutants.sh            every fault in scripts/mutants/faults.txt
#   bash scripts/mutants.sh ID...      only these faults
#   bash scripts/mutants.sh --check    only checks that every fault still matches its source
#
# Needs what the test build needs (CMake, Ninja, g++, Qt 6, GoogleTest; ccache is used when
# present) and flock. It builds a non-sanitized Debug tree in build-mutants/, only the test programs that
# exercise the changed file, and runs them on the offscreen platform. The source file is always
# put back, also on Ctrl-C. Not part of CI: a full run takes about a minute per fault.
# Exits 1 when a fault is missed, no longer matches its source, or does not compile.
set -euo pipefail
# The faulty texts hold "&", which a replacement must not read as the matched text.
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."

faults_file=scripts/mutants/faults.txt
build_dir=build-mutants
log_dir="$build_dir/mutant-logs"
# Until the unchanged tests have been timed; then a few times what they took, so that a planted
# fault that makes a test hang counts as caught without holding up the run.
test_timeout=600

# The test programs that exercise a source file, the quickest first.
test_programs_for() {
  case "$1" in
  game/*) echo brivmemo_game_tests ;;
  ui/memo.cpp) echo main_window_tests help_window_tests ;;
  ui/Uescolhe.cpp) echo dialog_tests ;;
  *) return 1 ;;
  esac
}

# Each fault: "@ id file", "# description", then "- " lines of the original text and "+ "
# lines of the faulty text, each after its two-character prefix; no "+" line removes the text.
ids=() files=() descriptions=() originals=() faults=()
parse_faults() {
  local line n=-1
  while IFS= read -r line || [[ -n "$line" ]]; do
    case "$line" in
    '@ '*)
      n=$((n + 1))
      read -r _ ids[n] files[n] <<<"$line"
      descriptions[n]='' originals[n]='' faults[n]=''
      ;;
    '#'*) ((n < 0)) || descriptions[n]="${line:2}" ;;
    '- '* | '-') originals[n]+="${originals[n]:+$'\n'}${line:2}" ;;
    '+ '* | '+') faults[n]+="${faults[n]:+$'\n'}${line:2}" ;;
    '') ;;
    *)
      echo "$faults_file: cannot read line: $line" >&2
      exit 2
      ;;
    esac
  done <"$faults_file"
}

# How many times the text occurs in the file.
occurrences() {
  local content rest
  IFS= read -r -d '' content <"$1" || true
  rest="${content//"$2"/}"
  echo $(((${#content} - ${#rest}) / ${#2}))
}

planted_file='' backup=''
restore() {
  if [[ -n "$planted_file" ]]; then
    cp "$backup" "$planted_file"
    planted_file=''
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

plant() {
  local file="$1" original="$2" faulty="$3" content
  IFS= read -r -d '' content <"$file" || true
  cp "$file" "$backup"
  planted_file="$file"
  printf '%s' "${content/"$original"/"$faulty"}" >"$file"
}

configure() {
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRIVMEMO_SANITIZE=OFF \
    -DBRIVMEMO_WERROR=ON "${launcher[@]}" >"$log_dir/configure.log"
}

# Builds and runs the programs; says "broken", "caught" or "passed".
run_tests() {
  local log="$1"
  shift
  if ! cmake --build "$build_dir" -j2 --target "$@" >"$log" 2>&1; then
    echo broken
    return
  fi
  local program
  for program in "$@"; do
    if ! QT_QPA_PLATFORM=offscreen timeout "$test_timeout" \
      "$build_dir/tests/${program_dirs[$program]}/$program" --gtest_brief=1 --gtest_fail_fast \
      >>"$log" 2>&1; then
      echo caught
      return
    fi
  done
  echo passed
}

declare -A program_dirs=(
  [brivmemo_game_tests]=game [main_window_tests]=ui [help_window_tests]=ui [dialog_tests]=ui
)

parse_faults
selected=()
check_only=false
if [[ "${1:-}" == --check ]]; then
  check_only=true
  shift
fi
for ((i = 0; i < ${#ids[@]}; i++)); do
  if (($# == 0)) || [[ " $* " == *" ${ids[i]} "* ]]; then
    selected+=("$i")
  fi
done
if ((${#selected[@]} == 0)); then
  echo "no such fault: $*" >&2
  exit 2
fi

stale=0
for i in "${selected[@]}"; do
  if [[ ! -f "${files[i]}" ]] || ! test_programs_for "${files[i]}" >/dev/null; then
    echo "STALE   ${ids[i]}: no tests for ${files[i]}"
    stale=$((stale + 1))
  elif [[ "$(occurrences "${files[i]}" "${originals[i]}")" != 1 ]]; then
    echo "STALE   ${ids[i]}: the original text does not occur exactly once in ${files[i]}"
    stale=$((stale + 1))
  fi
done
if $check_only; then
  echo "${#selected[@]} faults checked, $stale stale"
  ((stale == 0))
  exit
fi
((stale == 0)) || exit 1

mkdir -p "$log_dir"
# Two runs in one tree would each put back the other's planted fault as the original.
exec {lock}>"$build_dir/mutants.lock"
if ! flock -n "$lock"; then
  echo "another run is planting faults in this tree" >&2
  exit 2
fi
backup="$(mktemp)"
configure
all_programs=$(for i in "${selected[@]}"; do test_programs_for "${files[i]}"; done | tr ' ' '\n' | sort -u)
# shellcheck disable=SC2086 # one program per word
cmake --build "$build_dir" -j2 --target $all_programs >"$log_dir/baseline-build.log" 2>&1 || true
started=$SECONDS
# shellcheck disable=SC2086 # one program per word
if [[ "$(run_tests "$log_dir/baseline.log" $all_programs)" != passed ]]; then
  echo "the tests do not pass without a planted fault; see $log_dir/baseline.log" >&2
  exit 1
fi
test_timeout=$(((SECONDS - started) * 3 + 30))

caught=0 missed=0 broken=0
for i in "${selected[@]}"; do
  plant "${files[i]}" "${originals[i]}" "${faults[i]}"
  # shellcheck disable=SC2046 # one program per word
  outcome=$(run_tests "$log_dir/${ids[i]}.log" $(test_programs_for "${files[i]}"))
  restore
  case "$outcome" in
  caught)
    caught=$((caught + 1))
    echo "caught  ${ids[i]}: ${descriptions[i]}"
    ;;
  broken)
    broken=$((broken + 1))
    echo "BROKEN  ${ids[i]}: does not compile (${descriptions[i]}); see $log_dir/${ids[i]}.log"
    ;;
  *)
    missed=$((missed + 1))
    echo "MISSED  ${ids[i]}: ${descriptions[i]}"
    ;;
  esac
done
rm -f "$backup"
echo "${#selected[@]} faults: $caught caught, $missed missed, $broken do not compile"
((missed == 0 && broken == 0))
