#pragma once

#include <QString>
#include <functional>

// Small pieces of JSON text, for output that is streamed rather than built as a tree.
namespace JsonText {
QString quote(const QString& text);
QString number(double value);
// A seat list, [{"number": 1, "tie": true}, ...], from the k-th seat's number and tie mark.
QString seats(int count, const std::function<int(int)>& number,
              const std::function<bool(int)>& tied);
} // namespace JsonText
