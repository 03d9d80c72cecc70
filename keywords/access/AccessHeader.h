// The first page of an Access file: which format it is, and whether its pages are encrypted.
#pragma once

#include <QByteArrayView>

namespace keywords::access {

enum class FileFormat {
    NotAccess,  // no Access signature at the start
    Jet3,       // Access 97: 2 KB pages, texts in the Windows code page
    Jet4,       // Access 2000 to 2003 (.mdb): 4 KB pages, UCS-2 texts
    Ace,        // Access 2007 and later (.accdb): laid out as Jet 4
};

struct FileHeader {
    FileFormat format = FileFormat::NotAccess;
    // The database key is set: every page after the first is encrypted with it.
    bool encoded = false;
};

// Reads the header from the file's first bytes (at least 0x80 of them for the version, more for
// the key); a short or foreign start is NotAccess.
FileHeader readFileHeader(QByteArrayView start);

} // namespace keywords::access
