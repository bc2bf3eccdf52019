#!/bin/sh
# Sets up what is missing, builds vk and starts it (under Wine on Linux).
set -eu
cd "$(dirname "$0")"
tools/setup.sh
exec make run
