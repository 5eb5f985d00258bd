#pragma once

#include <QtGlobal>

#include <initializer_list>

// Which of a record navigator's nine buttons are enabled. The buttons, by index: first
// ("|<<"), previous ("<"), next (">"), last (">>|"), "Ny", "Ändra", "Spara", "Ta bort",
// "Ångra".
class NavButtons
{
public:
    enum Button { First, Previous, Next, Last, New, Change, Save, Delete, Undo };
    static constexpr int Count = 9;

    constexpr NavButtons() = default;
    constexpr NavButtons(std::initializer_list<Button> enabled)
    {
        for (Button b : enabled)
            m_bits |= quint16(1u << b);
    }

    constexpr bool isEnabled(int index) const
    {
        return index >= 0 && index < Count && (m_bits & (1u << index)) != 0;
    }
    constexpr bool operator==(NavButtons other) const { return m_bits == other.m_bits; }
    constexpr bool operator!=(NavButtons other) const { return m_bits != other.m_bits; }

private:
    quint16 m_bits = 0;
};
