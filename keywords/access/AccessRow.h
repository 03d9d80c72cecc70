// One stored row taken apart into its columns' values (the Jet 4 row layout: the column count,
// fixed-length values, variable-length values, their offset table and the null mask at the end).
#pragma once

#include "keywords/access/AccessTableDef.h"

#include <QByteArrayView>
#include <QVariant>

#include <optional>

namespace keywords::access {

struct Cell {
    enum class State { Null, Value, Damaged };
    State state = State::Null;
    QByteArrayView bytes; // a Boolean's value is one byte, 0 or 1
};

Cell cellOf(QByteArrayView row, const Column &column);

// A number column's value (Byte, Integer, LongInteger, Single, Double) as int, qlonglong or double;
// nothing for another type, or when the value holds too few bytes (a damaged definition may call a
// variable-length value a number).
std::optional<QVariant> numberOf(QByteArrayView value, ColumnType type);

} // namespace keywords::access
