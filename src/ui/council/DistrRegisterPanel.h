#pragma once

#include "ui/editing/RecordPanel.h"

class Key2TextBox;

// The district register of the council vote entry ("Lägg till / Ändra / Ta bort
// distrikt", Frame4): number Text2(1) and name Text2(2) of a district, its navigator and
// the list of districts.
class DistrRegisterPanel : public RecordPanel
{
    Q_OBJECT
public:
    DistrRegisterPanel(MessageService& messages, const Key2TextBox& keys,
                       QWidget* parent = nullptr);

    // Text2(1) and Text2(2).
    QLineEdit* text2(int index) const { return m_text2[index]; }

private:
    QLineEdit* m_text2[3] = {};
};
