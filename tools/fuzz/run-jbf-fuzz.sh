#!/bin/bash
# Builds the archive reader and the block packer natively with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer as a libFuzzer target
# (files in memory behind the library's file seam), makes a seed corpus of
# valid archives and fuzzes for a bounded time. Exits non-zero when the
# fuzzer finds a fault.
#
#   tools/fuzz/run-jbf-fuzz.sh [SECONDS]     default 60
#
# OSKEL_FUZZ_DIR chooses the work folder (default: build-fuzz).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
work=${OSKEL_FUZZ_DIR:-$root/build-fuzz}
case "$work" in /*) ;; *) work=$root/$work ;; esac

say() { printf '[fuzz] %s\n' "$*" >&2; }

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'ok installed' \
   || [ ! -f /usr/include/zlib.h ]; then
    say "installing clang, its runtime libraries and zlib"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev zlib1g-dev >/dev/null
fi

# Every source of the library but the Windows file seam and the exports.
sources=()
for source in "$root"/ArchiveLibrary/*.cpp; do
    case "$(basename "$source")" in
        JC_QuorlinFile.cpp|JF_QuorlinDisk.cpp|DllMain.cpp) ;;
        *) sources+=("$source") ;;
    esac
done
sources+=("$root/tools/fuzz/MemoryDisk.cpp" "$root/tools/fuzz/FuzzArchives.cpp")

flags=(-std=c++20 -g -O1 -I"$root" -fsanitize=address,undefined -fno-sanitize-recover=undefined
       -fno-omit-frame-pointer -Wall -Wextra)
mkdir -p "$work"
say "building"
clang++ "${flags[@]}" -fsanitize=fuzzer "$root/tools/fuzz/JbfFuzzTarget.cpp" "${sources[@]}" -lz \
        -o "$work/jbf-fuzz"
clang++ "${flags[@]}" "$root/tools/fuzz/JbfFuzzSeeds.cpp" "${sources[@]}" -lz -o "$work/jbf-seeds"

rm -rf "$work/seeds" "$work/corpus"
mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts"
"$work/jbf-seeds" "$work/seeds"
say "fuzzing for $seconds s on $(ls "$work/seeds" | wc -l) seeds"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
"$work/jbf-fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "$work/seeds"
