// Cases that read a workbook back need xlrd; without it they are skipped, saying why.
#pragma once

#include "tests/xls/XlsReaders.h"

#include <gtest/gtest.h>

#define REQUIRE_XLRD()                                                                                                 \
    if (const QString missing = xls_readers::whyNoXlrd(); !missing.isEmpty())                                        \
    GTEST_SKIP() << missing.toStdString()
