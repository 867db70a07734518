# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: sets `launcher` to the CMake arguments that build through ccache
# when it is installed (the build works without it), with paths relative to the checkout so that
# every clone shares the cache.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
