#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang (AddressSanitizer + UBSan) and runs each for a fixed
# number of inputs, starting from its seed corpus; any crash, sanitizer report or failed check stops the script.
# Usage: scripts/fuzz.sh [RUNS [HARNESS]]   (CI: 5000 runs each; a long search: 1000000 and one harness)
# New inputs found go to build-fuzz/corpus/HARNESS; a failing input is saved in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5000}
only=${2:-}
# A fixed seed makes a run repeatable, so CI answers alike on every clone; MORVIK_FUZZ_SEED=0 takes a new one.
seed=${MORVIK_FUZZ_SEED:-1}

# -O1 builds quickly and still runs fast; line tables are enough for the sanitizers' reports.
harnesses=$(cd fuzz && ls -- *Fuzz.cpp | sed 's/\.cpp$//' | tr '\n' ' ')
CC=clang CXX=clang++ MORVIK_TARGETS="$harnesses" scripts/setup.sh build-fuzz -DMORVIK_BUILD_FUZZ=ON \
  -DMORVIK_BUILD_GUI=OFF -DMORVIK_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Fuzz -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only"

# The seed corpus of each harness: the fixtures and examples it reads, and its own seeds in fuzz/corpus.
seeds_of() {
  case "$1" in
    HistogramFileFuzz) seeds=(tests/fixtures data/examples) ;;
    MainFieldsFuzz) seeds=(fuzz/corpus/MainFields tests/fixtures) ;;
    RawDataFileFuzz) seeds=(tests/fixtures/rawdata "data/examples/Raw data") ;;
    *) seeds=("fuzz/corpus/${1%Fuzz}") ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for source in fuzz/*Fuzz.cpp; do
  name=$(basename "$source" .cpp)
  [ -n "$only" ] && [ "$name" != "$only" ] && continue
  corpus=build-fuzz/corpus/$name
  log=build-fuzz/$name.log
  mkdir -p "$corpus"
  seeds_of "$name"
  if ! build-fuzz/fuzz/"$name" -runs="$runs" -seed="$seed" -timeout=20 -rss_limit_mb=1024 -print_final_stats=1 \
       -artifact_prefix=build-fuzz/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "$name failed; the input is saved as build-fuzz/$name-*" >&2
    exit 1
  fi
  echo "$name: $(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1), $(grep -o 'cov: [0-9]*' "$log" | tail -1)"
done
