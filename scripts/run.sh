#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds, builds the sample content
# beside the program when it is missing or out of date, and starts the
# program. Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
scripts/content.sh
exec build/bin/evelmorande "$@"
