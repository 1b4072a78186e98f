# What the native fuzzing runs share, sourced by each folder's "run" once it
# has set `here` (its own folder): `root`, `seconds` (OSKEL_FUZZ_SECONDS,
# default 60), `say`, `fuzz_build` and `fuzz_run`.

root=$(cd "$here/../../.." && pwd)
seconds=${OSKEL_FUZZ_SECONDS:-60}

say() { printf '[fuzz] %s\n' "$*" >&2; }

# Installs clang, its sanitizer runtimes, CMake and Ninja where missing, then
# configures and builds the CMake project of `here` into BUILD.
fuzz_build() {
    local build=$1 missing=() package
    for package in clang libclang-rt-14-dev cmake ninja-build; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        say "installing ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    fi
    cmake --build "$build"
}

# fuzz_run BUILD PROGRAM MAX_LEN CORPUS [SEEDS...]: runs PROGRAM for `seconds`;
# CORPUS collects what it finds. A finding prints the log's end and fails.
fuzz_run() {
    local build=$1 program=$2 max_len=$3
    shift 3
    mkdir -p "$1"
    say "$program: $seconds s"
    "$build/$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -print_final_stats=1 -artifact_prefix="$build/$program-" "$@" \
        2>"$build/$program.log" || { tail -n 60 "$build/$program.log" >&2; say "$program found a fault"; exit 1; }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$build/$program.log" >&2 || true
}
