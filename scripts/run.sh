#!/usr/bin/env bash
# Builds the calculator and opens it.
source "$(dirname "$0")/setup.sh"
build "$ROOT/build" -DROMAN_BUILD_TESTS=OFF
exec "$ROOT/build/app/roman-calculator"
