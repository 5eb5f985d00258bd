#pragma once

class ValsitBer;

// Gives the committee engine the application's focused text box and system clipboard for
// its copy, cut and paste commands. One pair of services serves every engine instance.
class QtClipboardServices
{
public:
    static void install(ValsitBer& engine);
};
