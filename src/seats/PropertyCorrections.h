#pragma once

#include <QString>
#include <functional>

// How the setups' properties correct what they are given: an out-of-range count or slot
// becomes the nearest allowed one, and the correction's message goes to the listener
// (the windows show it: OK, no icon, the program's title); the caller is never refused.
// A read below slot 0 has no correction and throws std::out_of_range.
class PropertyCorrections
{
public:
    using Listener = std::function<void(const QString& message)>;

    void setListener(Listener listener) { m_listener = std::move(listener); }
    void message(const QString& text);

    // value when min <= value <= max, else min after "'label' måste vara mellan min och max".
    int count(int value, int min, int max, const char* label);
    // The slot to store in: below `lowest` it becomes `lowTo`, above `highest` it becomes
    // `highest`, each after its message.
    int letSlot(int x, int lowest, int lowTo, int highest, const char* name);
    // The slot to read: above `highest` it becomes `highest` after a message.
    int getSlot(int x, int highest, const char* name);

private:
    Listener m_listener;
};
