#!/usr/bin/env bash
# The random pupil's long soak, for use by hand: 1,000,000 steps (or as given) on the
# test build, headless. A failure prints the seed and step to replay it with:
#   ZEF_PUPIL_SEED=<seed> ZEF_PUPIL_STEPS=<step> build-test/tests/random_pupil_test
# Usage: tools/pupil_soak.sh [build-dir] [steps] [seed]
set -euo pipefail
build=${1:-build-test}
steps=${2:-1000000}
cmake --build "$build" --target random_pupil_test >/dev/null
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} ZEF_PUPIL_STEPS=$steps \
  QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-86400000}
[ -n "${3:-}" ] && export ZEF_PUPIL_SEED=$3
/usr/bin/time -v "$build/tests/random_pupil_test" 2> >(grep -E 'Elapsed|Maximum resident' >&2)
