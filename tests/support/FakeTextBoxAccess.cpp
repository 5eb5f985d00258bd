#include "FakeTextBoxAccess.h"

void FakeTextBoxAccess::replaceSelectedText(const QString& replacement)
{
    text.replace(selStart, selLength, replacement);
    selStart += int(replacement.size());
    selLength = 0;
}
