#!/usr/bin/env bash
# Installs the library from a build folder into a temporary prefix, builds
# examples/caller_card.cpp out of tree against it with pkg-config, and runs
# it on a temporary device root holding one contact.
#   examples/check_installed.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
# shellcheck disable=SC2046  # pkg-config's words are separate arguments
c++ -std=c++20 examples/caller_card.cpp $(pkg-config --cflags --libs vornalib) -o "$work/caller_card"

export VORNA_ROOT="$work/root"
printf 'BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8:张;三\nTEL;CELL:13800138000\nEND:VCARD\n' >"$work/card.vcf"
"$build/bin/vornactl" import "$work/card.vcf" >/dev/null
out=$("$work/caller_card" "+86 138 0013 8000")
expected=$'+86 138 0013 8000: contact 1, 张三 (手机)\n姓名:  张三\r\n手机电话号码:  13800138000\r'
if [[ $out != "$expected" ]]; then
  printf 'caller_card printed:\n%s\n' "$out" >&2
  exit 1
fi
if "$work/caller_card" 10086 >/dev/null; then
  echo "caller_card found an owner for 10086" >&2
  exit 1
fi
echo "installed library: caller_card built with pkg-config and ran"
