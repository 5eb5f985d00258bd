#include "ui/editing/QtClipboardServices.h"

#include "committee/ValsitBer.h"
#include "ui/editing/QtClipboardAccess.h"
#include "ui/editing/QtTextBoxAccess.h"

void QtClipboardServices::install(ValsitBer& engine)
{
    static QtTextBoxAccess textBoxes;
    static QtClipboardAccess clipboard;
    engine.setClipboardAccess(&textBoxes, &clipboard);
}
