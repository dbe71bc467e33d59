#!/usr/bin/env bash
# Builds the calculator and opens it.
source "$(dirname "$0")/setup.sh"
build "$ROOT/build" -DBUILD_TESTING=OFF
exec "$ROOT/build/app/roman-calculator"
