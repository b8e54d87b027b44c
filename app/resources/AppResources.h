#pragma once

// The program's pictures, seven-segment font and user guide, compiled into the library. A static
// library drops resources nobody refers to, so every window that shows them calls load() first.
class AppResources {
public:
    static constexpr const char* icon = ":/icon.png";
    static constexpr const char* splash = ":/splash.png";
    static constexpr const char* userGuide = "qrc:/guide/index.html";

    // Registers the resources and the font (family "DSEG7 Classic") once; later calls do nothing.
    // Without the font the digital read-outs fall back to a monospace one.
    static void load();

private:
    static bool registerAll();
};
