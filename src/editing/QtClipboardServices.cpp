#include "editing/QtClipboardServices.h"

#include "committee/ValsitBer.h"
#include "editing/QtClipboardAccess.h"
#include "editing/QtTextBoxAccess.h"

void QtClipboardServices::install(ValsitBer& engine)
{
    static QtTextBoxAccess textBoxes;
    static QtClipboardAccess clipboard;
    engine.setClipboardAccess(&textBoxes, &clipboard);
}
