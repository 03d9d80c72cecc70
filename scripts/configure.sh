#!/usr/bin/env bash
# Runs `cmake ARGS...` to configure a build and shows, of what it prints, only the project's summary:
# what the build includes and what it leaves out (the Access reader, Google Benchmark, ...). CMake's errors and
# warnings still show in full.
set -euo pipefail
cmake "$@" | sed -n '/^-- Korvia [0-9]/,/^-- Configuring done/{/^-- Configuring done/d;s/^-- //p}'
