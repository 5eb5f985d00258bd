#pragma once

#include <QString>

// Small pieces of JSON text, for output that is streamed rather than built as a tree.
namespace JsonText {
QString quote(const QString& text);
QString number(double value);
} // namespace JsonText
