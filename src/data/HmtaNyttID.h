#pragma once

#include <QString>

class MessageService;

// The next text id after `highest`: the id counted up by one in the alphabet of `kind`
// ("A": digits and capitals without I and U, "N": digits), `length` characters wide,
// growing by one character when every position carries over (ZZZ gives 0000).
// Faulty parameters and characters are reported through `messages` and the id is made
// as well as it can be.
QString HmtaNyttID(MessageService& messages, const QString& highest, int length,
                   const QString& kind);
