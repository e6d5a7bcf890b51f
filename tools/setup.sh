#!/usr/bin/env bash
# Installs what is missing, builds, and then starts the program ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-run}"

packages=(cmake ninja-build g++ qt6-base-dev libsqlite3-dev libcurl4-openssl-dev libgtest-dev sqlite3 fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=build
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR="$werror"
cmake --build "$build" --parallel 2

case "$mode" in
run) exec "$build/bin/vantorel" ;;
test) cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 --timeout 300 ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
