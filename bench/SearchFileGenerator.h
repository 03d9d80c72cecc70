// Realistic search files for benchmarks: Chinese names, 28 to 40 fields, about 250 bytes a line.
#pragma once

#include <QByteArray>

namespace bench_support {

// GBK bytes of a search file with a header line, an empty line and `songs` records.
QByteArray generateSearchFile(int songs, unsigned seed = 1);

} // namespace bench_support
