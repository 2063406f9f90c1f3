#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS] [TARGET...]: builds the libFuzzer configuration in build-fuzz/ (clang-14,
# AddressSanitizer and UndefinedBehaviorSanitizer), writes the first inputs of the targets from the
# project's own drawings and records, and runs each target for SECONDS (600 unless told), all six unless
# targets are named. Each target's corpus grows in build-fuzz/corpus/TARGET; a crash leaves its
# input in build-fuzz/crashes/ and fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(vec-fuzz clip-fuzz records-fuzz calcdata-fuzz expr-fuzz dxf-fuzz)

if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DQUADRILO_FUZZ=ON "${launcher[@]}"
fi
cmake --build "$build" --parallel "$(nproc)"

corpus="$build/corpus"
mkdir -p "$build/crashes"
for t in "${targets[@]}"; do mkdir -p "$corpus/$t"; done
# Seeds: the example floor, the drawing of every entity kind and the program's start drawing.
"$build/cad/fuzz/drawing-seeds" "$corpus/seeds-vec" "$corpus/seeds-clip" \
    "$root/examples/pavimento-exemplo.vec" "$root/tests/cad/fixtures/every-kind-v1.vec" \
    "$build/app/Default.vec"
"$build/tests/fuzz/records-seeds" "$corpus/seeds-records"

run() { # target, binary, then the folders of first inputs and the options
    local target=$1 binary=$2
    shift 2
    echo "== $target: ${seconds} s"
    "$build/$binary" "$corpus/$target" "$@" -max_total_time="$seconds" \
        -artifact_prefix="$build/crashes/$target-" -print_final_stats=1
}

for t in "${targets[@]}"; do
    case $t in
    vec-fuzz) run "$t" cad/fuzz/vec-fuzz "$corpus/seeds-vec" ;;
    clip-fuzz) run "$t" cad/fuzz/clip-fuzz "$corpus/seeds-clip" ;;
    records-fuzz) run "$t" tests/fuzz/records-fuzz "$corpus/seeds-records" ;;
    calcdata-fuzz) run "$t" engine/fuzz/calcdata-fuzz "$root/examples" ;;
    expr-fuzz) run "$t" expr/fuzz/expr-fuzz "$root/expr/fuzz/seeds" -dict="$root/expr/fuzz/expr.dict" ;;
    dxf-fuzz) run "$t" cad/dxf/fuzz/dxf-fuzz "$root/cad/dxf/fuzz/seeds" -dict="$root/cad/dxf/fuzz/dxf.dict" ;;
    *) echo "unknown target: $t" >&2; exit 2 ;;
    esac
done
