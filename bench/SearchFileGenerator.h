// Realistic search files for benchmarks: Chinese names, 28 to 40 fields, about 250 bytes a line.
#pragma once

#include "songs/SongStore.h"

#include <QByteArray>

namespace bench_support {

// GBK bytes of a search file with a header line, an empty line and `songs` records.
QByteArray generateSearchFile(int songs, unsigned seed = 1);

// The songs of such a file of `count` records (seed 1), parsed once per program and count.
const songs::SongStore &generatedSongs(int count);

} // namespace bench_support
