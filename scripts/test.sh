#!/usr/bin/env bash
# Installs what is missing, checks the code's layout, builds, and runs every
# test twice: in the normal build, then in a build instrumented with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the
# run. The second run is in a French desktop session, as our users' are: a
# file or a text that follows the C library's locale (a decimal comma) fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepare.sh

# The layout of every C++ file is the repository's .clang-format, as Debian's
# clang-format reads it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

ctest --preset normal "$@"

cmake --preset sanitizer >/dev/null
cmake --build --preset sanitizer
racine=$PWD
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$racine/tests/sanitiseurs/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
ctest --preset sanitizer "$@"
