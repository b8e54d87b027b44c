#pragma once

#include <QString>

// The program's pictures, fonts and user guide, compiled into the library. A static library drops
// resources nobody refers to, so every window that shows them calls load() first.
class AppResources {
public:
    static constexpr const char* icon = ":/icon.png";
    static constexpr const char* splash = ":/splash.png";
    static constexpr const char* userGuide = "qrc:/guide/index.html";

    // Registers the resources and the seven-segment font once; later calls do nothing.
    static void load();
    // The family of the seven-segment font, or an empty string when it could not be registered
    // (the digital read-outs then fall back to a monospace font).
    static QString digitFamily();

private:
    static QString loadOnce();
};
