# Settings shared by the Windows scripts: the dependency cache, the toolchain and the build folders.
# Sourced with $repo set to the repository.
cache=${KORVIA_WIN64_CACHE:-$HOME/.cache/korvia-win64}
export KORVIA_WIN64_CACHE=$cache
toolchain="$repo/cmake/mingw-w64-x86_64.cmake"
win_build=${KORVIA_WIN64_BUILD:-$repo/build-win64}
dist="$repo/dist"
# The project version from CMakeLists.txt: in full (1.2.3.4) for version resources, major.minor in
# the package names.
full_version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
version=$(cut -d. -f1-2 <<<"$full_version")
# Where MinGW keeps its runtime DLLs (libstdc++, libgcc, winpthread).
mingw_runtime_dirs="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"):/usr/x86_64-w64-mingw32/lib"

require_deps() {
  if [ ! -f "$cache/stamps/qt" ] || [ ! -f "$cache/stamps/xlsxwriter" ]; then
    echo "The Windows dependencies are not built yet: run scripts/windows/build-deps.sh first." >&2
    exit 1
  fi
}

# "a:b" Linux folders as Wine's "Z:\a;Z:\b".
winepath_list() {
  local IFS=: out=() dir
  for dir in $*; do out+=("Z:${dir//\//\\}"); done
  (IFS=';'; echo "${out[*]}")
}

# What every Wine run of the build needs once: a font folder.
prepare_wine_environment() {
  mkdir -p "$win_build/fonts"
  [ -e "$win_build/fonts/wqy-microhei.ttc" ] \
    || ln -sf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$win_build/fonts/wqy-microhei.ttc"
}
