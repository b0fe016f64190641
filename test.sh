#!/usr/bin/env bash
# Checks the direction of the includes, builds the native and the Windows builds and runs
# every test: the native suites with ctest, again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets briefly on their seed corpora, and the Win32
# suites under Wine. Fails when any fails.
set -uo pipefail
cd "$(dirname "$0")"

tools/install-deps || { echo "test.sh: could not install the build's packages" >&2; exit 1; }

log_dir=build/logs
mkdir -p "$log_dir"
status=0

echo "== layers"
tools/check-layers
layers_rc=$?
[ "$layers_rc" -eq 0 ] || status=1

echo "== native build (headless window layer)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build build/native -j2 || { echo "test.sh: native build failed" >&2; exit 1; }

echo "== native tests"
(cd build/native && ctest --output-on-failure --timeout 120 -j2) 2>&1 | tee "$log_dir/native.log"
native_rc=${PIPESTATUS[0]}
[ "$native_rc" -eq 0 ] || status=1

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang, with the fuzz targets)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DEDITOR_FUZZ_TARGETS=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null &&
  cmake --build build/asan -j2 --target editor_tests fuzz_targets || { echo "test.sh: sanitizer build failed" >&2; exit 1; }
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build/asan/editor_tests --gtest_brief=1 2>&1 | tee "$log_dir/sanitized.log"
sanitized_rc=${PIPESTATUS[0]}
[ "$sanitized_rc" -eq 0 ] || status=1

echo "== fuzz smoke: each reader for a few seconds on its seed corpus"
tools/fuzz-smoke build/asan "${FUZZ_SECONDS:-10}" 2>&1 | tee "$log_dir/fuzz.log"
fuzz_rc=${PIPESTATUS[0]}
[ "$fuzz_rc" -eq 0 ] || status=1

echo "== Windows build (mingw-w64)"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build build/win -j2 || { echo "test.sh: Windows build failed" >&2; exit 1; }

echo "== Win32 tests under Wine"
timeout 1200 tools/wine-run --prefix build/win/wineprefix-tests --unmanaged build/win/win32_tests.exe 2>&1 | tr -d '\r' | tee "$log_dir/win32.log"
win_rc=${PIPESTATUS[0]}
[ "$win_rc" -eq 0 ] || status=1

# ctest: "100% tests passed, 0 tests failed out of 57"; gtest: "[  PASSED  ] 57 tests."
native_total=$(grep -oE 'tests failed out of [0-9]+' "$log_dir/native.log" | grep -oE '[0-9]+$' | tail -1)
native_failed=$(grep -oE '[0-9]+ tests failed out of' "$log_dir/native.log" | grep -oE '^[0-9]+' | tail -1)
win_passed=$(grep -oE '^\[  PASSED  \] [0-9]+ test' "$log_dir/win32.log" | grep -oE '[0-9]+' | tail -1)
win_failed=$(grep -oE '^\[  FAILED  \] [0-9]+ test' "$log_dir/win32.log" | grep -oE '[0-9]+' | tail -1)
native_total=${native_total:-0}; native_failed=${native_failed:-0}
win_passed=${win_passed:-0}; win_failed=${win_failed:-0}
sanitized_passed=$(grep -oE '^\[  PASSED  \] [0-9]+ test' "$log_dir/sanitized.log" | grep -oE '[0-9]+' | tail -1)
sanitized_failed=$(grep -oE '^\[  FAILED  \] [0-9]+ test' "$log_dir/sanitized.log" | grep -oE '[0-9]+' | tail -1)
sanitized_passed=${sanitized_passed:-0}; sanitized_failed=${sanitized_failed:-0}
# A sanitizer's report stops the run before gtest counts a failure.
if [ "$sanitized_rc" -ne 0 ] && [ "$sanitized_failed" -eq 0 ]; then sanitized_failed=1; fi
contract_suites='(RichEditLines|RichEditText|RichEditSelection|RichEditView|RichEditInput|RichEditPerFile|Controls|ListViews|WindowEvents|EditFields|RichEditTabStops)'
native_contract=$(grep -cE "Test +#[0-9]+: $contract_suites\..* Passed" "$log_dir/native.log")
win_contract=$(grep -cE "^\[       OK \] $contract_suites\." "$log_dir/win32.log")
if [ "$win_rc" -ne 0 ] && [ "$win_failed" -eq 0 ]; then win_failed=1; fi
layers_failed=$([ "$layers_rc" -eq 0 ] && echo 0 || echo 1)
fuzz_failed=$(grep -c '^FAILED' "$log_dir/fuzz.log")
fuzz_passed=$(grep -c '^passed' "$log_dir/fuzz.log")
if [ "$fuzz_rc" -ne 0 ] && [ "$fuzz_failed" -eq 0 ]; then fuzz_failed=1; fi

echo
echo "== summary"
echo "native (headless): $((native_total - native_failed)) passed, $native_failed failed; contract suite: $native_contract passed"
echo "native sanitized:  $sanitized_passed passed, $sanitized_failed failed"
echo "Win32 under Wine:  $win_passed passed, $win_failed failed; contract suite: $win_contract passed"
echo "fuzz smoke:        $fuzz_passed passed, $fuzz_failed failed"
echo "layer check:       $([ "$layers_failed" -eq 0 ] && echo passed || echo failed)"
echo "$((native_total - native_failed + sanitized_passed + fuzz_passed + win_passed + 1 - layers_failed)) passed, $((native_failed + sanitized_failed + fuzz_failed + win_failed + layers_failed)) failed"
exit $status
