#!/usr/bin/env bash
# The one test command: installs what is missing, builds both trees and runs every test, the
# native suites directly and the Windows suites under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tools/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset win32
cmake --build --preset win32
tools/wine-session.sh build/win32 ctest --preset win32
