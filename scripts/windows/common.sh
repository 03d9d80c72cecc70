# Settings shared by the Windows scripts: the dependency cache, the toolchain and the build folders.
cache=${KORVIA_WIN64_CACHE:-$HOME/.cache/korvia-win64}
export KORVIA_WIN64_CACHE=$cache
toolchain="$repo/cmake/mingw-w64-x86_64.cmake"
win_build="$repo/build-win64"
