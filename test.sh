#!/bin/sh
# Sets up what is missing, builds every tree and runs every test (native, sanitizer, Wine).
set -eu
cd "$(dirname "$0")"
tools/setup.sh
exec make test
