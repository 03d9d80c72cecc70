#!/usr/bin/env bash
# Builds, once, what the Windows program is built against: SQLite, Qt, GoogleTest, Google Benchmark
# and libxlsxwriter for x86_64-w64-mingw32, from Debian's own source packages, into a cache folder outside the build tree
# (KORVIA_WIN64_CACHE, default ~/.cache/korvia-win64). Each step leaves a stamp; a second run with the
# cache present does nothing. Qt takes about half an hour on two cores.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/windows/common.sh"
jobs=$(nproc)

"$repo/scripts/setup.sh" windows

done_already() { [ -f "$cache/stamps/$1" ]; }
mark_done() { mkdir -p "$cache/stamps"; touch "$cache/stamps/$1"; }
step() { echo "== $1 ($(date +%T))"; }
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")

# Every binary entry of the machine's apt sources whose suites are this release's (deb822 stanzas and
# one-line entries), written out again as deb822 deb-src stanzas.
deb_src_entries() {
  local file
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v codename="$codename" '
      function flush() {
        if (types ~ /(^| )deb( |$)/ && suites ~ "(^| )" codename "([- ]|$)" && enabled != "no")
          printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n%s\n\n", uris, suites, comps, signed
        types = uris = suites = comps = signed = enabled = ""
      }
      /^[ \t]*$/ { flush(); next }
      /^#/ { next }
      /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
      /^URIs:/ { sub(/^URIs:[ \t]*/, ""); uris = $0 }
      /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
      /^Components:/ { sub(/^Components:[ \t]*/, ""); comps = $0 }
      /^Enabled:/ { sub(/^Enabled:[ \t]*/, ""); enabled = $0 }
      /^Signed-By:/ { signed = $0 }
      END { flush() }' "$file"
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v codename="$codename" '
      $1 == "deb" {
        i = 2; opts = ""
        if ($2 ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        if ($(i + 1) !~ "^" codename "([-/]|$)") next
        comps = ""; for (j = i + 2; j <= NF; j++) comps = comps (comps ? " " : "") $j
        printf "Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n", $i, $(i + 1), comps
      }' "$file"
  done
}

# sed over Qt's source, refusing to go on when a file holds neither the line the patch mends nor the
# mended line (a rerun after an interrupted build finds the latter).
patch_source() {
  local before=$1 after=$2 expression=$3; shift 3
  local file
  for file in "$@"; do
    grep -q -- "$before" "$file" || grep -qF -- "$after" "$file" \
      || { echo "Qt's source changed: '$before' is not in $file; the patch needs updating." >&2; exit 1; }
  done
  sed -i "$expression" "$@"
}

fetch_sources() {
  done_already sources && return
  step "Debian source packages: qt6-base, sqlite3"
  if ! grep -rqs '^\(Types:.*deb-src\|deb-src \)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    # Source packages come from the machine's own Debian archive: the URIs and suites of its binary
    # entries for this release, repeated as deb-src.
    local root=(); [ "$(id -u)" -eq 0 ] || root=(sudo)
    deb_src_entries | "${root[@]}" tee /etc/apt/sources.list.d/korvia-deb-src.sources >/dev/null
    [ -s /etc/apt/sources.list.d/korvia-deb-src.sources ] \
      || { echo "No Debian $codename entry in the apt sources to take source packages from." >&2; exit 1; }
    "${root[@]}" apt-get update
  fi
  rm -rf "$cache/src" && mkdir -p "$cache/src"
  (cd "$cache/src" \
    && apt-get source --download-only qt6-base=6.4.2+dfsg-10 sqlite3 \
    && dpkg-source -x qt6-base_*.dsc qt6-base \
    && dpkg-source -x sqlite3_*.dsc sqlite3)
  mark_done sources
}

build_sqlite() {
  done_already sqlite && return
  step "SQLite"
  local src="$cache/src/sqlite3" work="$cache/work/sqlite"
  rm -rf "$work" "$cache/sqlite" && mkdir -p "$work" "$cache/sqlite/include" "$cache/sqlite/lib"
  # The amalgamation is generated on the build machine, then compiled for Windows.
  (cd "$work" && "$src/configure" >/dev/null && make -j"$jobs" sqlite3.c sqlite3.h >/dev/null)
  # The Qt SQLite driver asks for column metadata (sqlite3_column_table_name16).
  x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_THREADSAFE=1 \
    -DSQLITE_ENABLE_FTS5 -c "$work/sqlite3.c" -o "$work/sqlite3.o"
  x86_64-w64-mingw32-gcc-ar-posix rcs "$cache/sqlite/lib/libsqlite3.a" "$work/sqlite3.o"
  cp "$work/sqlite3.h" "$src/src/sqlite3ext.h" "$cache/sqlite/include/" 2>/dev/null \
    || cp "$work/sqlite3.h" "$work/sqlite3ext.h" "$cache/sqlite/include/"
  mark_done sqlite
}

build_qt() {
  done_already qt && return
  step "Qt $(sed -n 's/^Version: //p' "$cache"/src/qt6-base_*.dsc) for Windows"
  local work="$cache/work/qt"
  rm -rf "$cache/qt"
  # With Direct2D off, Qt 6.4's Windows print engine still asks the DirectWrite font engine, which is
  # then not built, for a font handle; the link fails. Leave that branch out (the program never prints).
  patch_source '^#if QT_CONFIG(directwrite)$' 'QT_CONFIG(directwrite) && QT_CONFIG(direct2d)' \
    's/^#if QT_CONFIG(directwrite)$/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)/' \
    "$cache/src/qt6-base/src/printsupport/platform/windows/qprintengine_win.cpp"
  # Debian's source package leaves out the Wintab header the Windows platform plugin's pen tablet
  # support is built on; that plugin goes without it (mouse and touch are untouched).
  local windows_plugin="$cache/src/qt6-base/src/plugins/platforms/windows"
  patch_source 'QT_CONFIG(tabletevent)' '0 /* no Wintab header */' \
    's|QT_CONFIG(tabletevent)|0 /* no Wintab header */|' "$windows_plugin"/qwindowscontext.cpp \
    "$windows_plugin"/qwindowspointerhandler.cpp "$windows_plugin"/qwindowspointerhandler.h
  patch_source 'CONDITION QT_FEATURE_tabletevent$' 'CONDITION OFF' \
    's|CONDITION QT_FEATURE_tabletevent$|CONDITION OFF|' "$windows_plugin/CMakeLists.txt"
  # Nor the DirectWrite font database, which Qt GUI builds only with Direct2D.
  patch_source '^#if QT_CONFIG(directwrite3)$' 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
    's|^#if QT_CONFIG(directwrite3)$|#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)|' \
    "$windows_plugin/qwindowsintegration.cpp"
  # Without OpenGL there is no software OpenGL to ask about.
  patch_source '^#if QT_CONFIG(dynamicgl)$' 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' \
    '/^static inline bool isSoftwareGl/,/^#endif/ s|^#if QT_CONFIG(dynamicgl)$|#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)|' \
    "$windows_plugin/qwindowswindow.cpp"
  # Host tools (moc, rcc, uic, ...) are Debian's own of the same version. An interrupted build goes
  # on where it stopped.
  [ -f "$work/build.ninja" ] || cmake -S "$cache/src/qt6-base" -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKORVIA_WIN64_CACHE="$cache" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache/qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_icu=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF -DFEATURE_openssl=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_freetype=ON -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF \
    -DFEATURE_jpeg=ON -DFEATURE_system_sqlite=ON -DFEATURE_sql_sqlite=ON -DFEATURE_sql_odbc=ON \
    -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF -DFEATURE_sql_ibase=OFF \
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF -DFEATURE_testlib=ON
  cmake --build "$work" --parallel "$jobs"
  cmake --install "$work" >/dev/null
  mark_done qt
}

build_gtest() {
  done_already gtest && return
  step "GoogleTest"
  local work="$cache/work/gtest"
  rm -rf "$work" "$cache/gtest"
  cmake -S /usr/src/googletest -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$cache/gtest" -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$work" --parallel "$jobs"
  cmake --install "$work" >/dev/null
  mark_done gtest
}

# Google Benchmark, from Debian's source package of the version the Linux build uses, so that bench/
# builds for Windows too. Debian's build takes the version from its changelog; here it is given.
build_benchmark() {
  done_already benchmark && return
  step "Google Benchmark"
  local src="$cache/src/benchmark" work="$cache/work/benchmark"
  if [ ! -d "$src" ]; then
    rm -rf "$cache/src/benchmark-download" && mkdir -p "$cache/src/benchmark-download"
    (cd "$cache/src/benchmark-download" && apt-get source --download-only benchmark \
      && dpkg-source -x benchmark_*.dsc "$src")
  fi
  local version
  version=$(sed -n 's/^project (benchmark VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
  rm -rf "$work" "$cache/benchmark"
  cmake -S "$src" -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$cache/benchmark" -DGIT_VERSION="$version" -DBUILD_SHARED_LIBS=OFF \
    -DBENCHMARK_ENABLE_TESTING=OFF -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF \
    -DBENCHMARK_ENABLE_INSTALL=ON >/dev/null
  cmake --build "$work" --parallel "$jobs"
  cmake --install "$work" >/dev/null
  mark_done benchmark
}

build_xlsxwriter() {
  done_already xlsxwriter && return
  step "libxlsxwriter"
  local src="$cache/src/libxlsxwriter" work="$cache/work/xlsxwriter"
  # Its own source package, fetched from the same deb-src entries as the others.
  rm -rf "$src" "$cache/src"/libxlsxwriter_* && mkdir -p "$cache/src"
  (cd "$cache/src" \
    && apt-get source --download-only libxlsxwriter \
    && dpkg-source -x libxlsxwriter_*.dsc libxlsxwriter)
  # Static, against the static zlib of Debian's MinGW package, so the program needs no extra DLL.
  rm -rf "$work" "$cache/xlsxwriter"
  cmake -S "$src" -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$cache/xlsxwriter" -DBUILD_SHARED_LIBS=OFF \
    -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a >/dev/null
  cmake --build "$work" --parallel "$jobs"
  cmake --install "$work" >/dev/null
  mark_done xlsxwriter
}

fetch_sources
build_sqlite
build_gtest
build_qt
build_benchmark
build_xlsxwriter
rm -rf "$cache/work"
echo "Windows dependencies are ready in $cache"
