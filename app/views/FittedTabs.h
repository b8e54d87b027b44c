#pragma once

class QTabBar;

// Tabs that must all show across a fixed width, as the forms were drawn for a smaller system
// font: the captions' font shrinks, a point at a time, until the bar fits, instead of scroll
// arrows hiding a page.
class FittedTabs {
public:
    static void fit(QTabBar& tabs, int width);
};
